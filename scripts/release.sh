#!/usr/bin/env bash
# Writes what a release publishes into dist/, named with the effect's
# version, and prints their SHA-256 sums (also kept in dist/SHA256SUMS):
#   - on Linux: builds the Windows plug-in (scripts/build-windows.sh) and
#     copies its installer and zip, <name>-<version>-Windows-Setup.exe and
#     <name>-<version>-Windows.zip;
#   - on a Mac: builds, checks and signs the bundle (scripts/build-mac.sh),
#     which zips it into dist/<name>-<version>-macOS.zip beside them.
# Arguments go to the build script's configure step.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
dist=$root/dist
mkdir -p "$dist"

if [[ $(uname -s) == Darwin ]]; then
  "$root/scripts/build-mac.sh" "$@"
  sums=(shasum -a 256)
else
  "$root/scripts/install-deps.sh"
  "$root/scripts/build-windows.sh" "$@"
  release=${HLV3_WINDOWS_BUILD_DIR:-$root/build-win}/release
  shopt -s nullglob
  made=("$release"/*-Windows-Setup.exe "$release"/*-Windows.zip)
  [[ ${#made[@]} == 2 ]] || { echo "release.sh: $release holds no installer and zip" >&2; exit 1; }
  cp "${made[@]}" "$dist/"
  sums=(sha256sum)
fi

cd "$dist"
shopt -s nullglob
files=(*.exe *.zip)
"${sums[@]}" "${files[@]}" | tee SHA256SUMS
