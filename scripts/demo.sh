#!/usr/bin/env bash
# Installs what is missing, builds, and runs the host tool on the plug-in
# module exactly as a host would load it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
build=${HLV3_BUILD_DIR:-$root/build}
exec "$build/hlv3host" list --module "$build/HLV3.so" "$@"
