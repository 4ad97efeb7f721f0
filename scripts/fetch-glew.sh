#!/usr/bin/env bash
# Fetches GLEW's sources for the Windows build into DIR (default
# build-win/glew) and prints the source root. Uses Debian's own `glew` source
# package through a private apt source list kept in DIR, so the machine's apt
# configuration is untouched; apt checks the files against the archive's
# signed index. Nothing fetched here is ever committed.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dir=$(mkdir -p "${1:-$root/build-win/glew}" && cd "${1:-$root/build-win/glew}" && pwd)
version=2.2.0
src="$dir/glew-$version"
if [[ -f "$src/src/glew.c" && -f "$src/include/GL/wglew.h" ]]; then
  echo "$src"
  exit 0
fi

keyring=/usr/share/keyrings/debian-archive-keyring.gpg
[[ -r $keyring ]] || { echo "fetch-glew: $keyring is missing (package debian-archive-keyring)" >&2; exit 1; }
mkdir -p "$dir/apt/lists/partial" "$dir/apt/cache/archives/partial" "$dir/download"
echo "deb-src [signed-by=$keyring] http://deb.debian.org/debian bookworm main" >"$dir/apt/sources.list"
apt_opts=(
  -o "Dir::Etc::SourceList=$dir/apt/sources.list"
  -o "Dir::Etc::SourceParts=$dir/apt/none"
  -o "Dir::State::Lists=$dir/apt/lists"
  -o "Dir::Cache=$dir/apt/cache"
  -o "Debug::NoLocking=1"
  -o "APT::Sandbox::User=root"
)
apt-get "${apt_opts[@]}" -qq update >&2
(cd "$dir/download" && apt-get "${apt_opts[@]}" -qq source --download-only glew >&2)
orig=$(ls "$dir/download"/glew_"$version".orig.tar.* 2>/dev/null) || { echo "fetch-glew: the archive no longer carries GLEW $version" >&2; exit 1; }
tar -xf "$orig" -C "$dir"
[[ -f "$src/src/glew.c" ]] || { echo "fetch-glew: $orig has no src/glew.c" >&2; exit 1; }
echo "$src"
