#!/usr/bin/env bash
# Installs what is missing, builds the Linux module and the Windows plug-in,
# and runs every test: the Linux suite (which also checks the Windows
# module's tables and compares its frames under Wine with the Linux ones),
# the Windows test programs under Wine, then the sanitizer stages
# (scripts/sanitize.sh; HLV3_SANITIZE=0 leaves them out of a quick local run).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/build-windows.sh"
build=${HLV3_BUILD_DIR:-$root/build}
windows=${HLV3_WINDOWS_BUILD_DIR:-$root/build-win}
jobs=${HLV3_JOBS:-$(nproc)}
(cd "$build" && ctest --output-on-failure -j "$jobs")
(cd "$windows" && ctest --output-on-failure -j "$jobs")
if [[ ${HLV3_SANITIZE:-1} != 0 ]]; then
  "$root/scripts/sanitize.sh"
fi
