#!/usr/bin/env bash
# Writes what a release publishes into dist/, named with the effect's
# version, and prints their SHA-256 sums (also kept in dist/SHA256SUMS):
#   - on Linux: builds the Windows plug-in (scripts/build-windows.sh) and
#     copies its installer and zip, <name>-<version>-Windows-Setup.exe and
#     <name>-<version>-Windows.zip;
#   - on a Mac: builds, checks and signs the bundle (scripts/build-mac.sh),
#     which zips it into dist/<name>-<version>-macOS.zip beside them.
# An earlier version's files of the same platform are removed first, and
# only files named for this version are summed, so SHA256SUMS never lists
# what this release does not publish.
# Arguments go to the build script's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$root/dist
mkdir -p "$dist"
shopt -s nullglob

fail() {
  echo "release.sh: $*" >&2
  exit 1
}

# "<name>-<version>", which every release file's name starts with, as the
# build in BUILD_DIR cached it.
release_name() { # build-dir
  local name
  name=$(sed -n 's/^HLV3_RELEASE_NAME:[A-Z]*=//p' "$1/CMakeCache.txt")
  [[ -n $name ]] || fail "$1/CMakeCache.txt holds no HLV3_RELEASE_NAME"
  echo "$name"
}

if [[ $(uname -s) == Darwin ]]; then
  rm -f "$dist"/*-macOS.zip
  "$root/scripts/build-mac.sh" "$@"
  name=$(release_name "${HLV3_BUILD_DIR:-$root/build-mac}")
  [[ -f $dist/$name-macOS.zip ]] || fail "scripts/build-mac.sh made no $dist/$name-macOS.zip"
  sums=(shasum -a 256)
else
  "$root/scripts/install-deps.sh"
  "$root/scripts/build-windows.sh" "$@"
  build=${HLV3_WINDOWS_BUILD_DIR:-$root/build-win}
  name=$(release_name "$build")
  made=("$build/release/$name-Windows-Setup.exe" "$build/release/$name-Windows.zip")
  for file in "${made[@]}"; do
    [[ -f $file ]] || fail "the Windows build made no $file"
  done
  rm -f "$dist"/*-Windows-Setup.exe "$dist"/*-Windows.zip
  cp "${made[@]}" "$dist/"
  sums=(sha256sum)
fi

cd "$dist"
files=()
for file in "$name-Windows-Setup.exe" "$name-Windows.zip" "$name-macOS.zip"; do
  if [[ -f $file ]]; then files+=("$file"); fi
done
((${#files[@]} > 0)) || fail "$dist holds no file named $name-*"
"${sums[@]}" "${files[@]}" | tee SHA256SUMS
