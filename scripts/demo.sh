#!/usr/bin/env bash
# Installs what is missing, builds, and renders the built-in test card
# through the plug-in module, loaded exactly as a host loads it, into
# build/hlv3-demo.png. Extra arguments go to `hlv3host demo` (for example
# --out FILE.exr, --set "Position=30", --json).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/install-deps.sh"
# Only the module and the tool: the test programs would take minutes more.
HLV3_TARGETS="HLV3 hlv3host" "$root/scripts/build.sh"
build=${HLV3_BUILD_DIR:-$root/build}
exec "$build/hlv3host" demo --module "$build/HLV3.so" --out "$build/hlv3-demo.png" "$@"
