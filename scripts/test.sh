#!/usr/bin/env bash
# Installs what is missing, builds the Linux module and the Windows plug-in,
# and runs every test: the Linux suite (which also checks the Windows
# module's tables and compares its frames under Wine with the Linux ones),
# then the Windows test programs under Wine.
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
