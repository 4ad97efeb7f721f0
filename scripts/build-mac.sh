#!/usr/bin/env bash
# On a Mac (Xcode command-line tools and CMake installed): builds the effect
# bundle build-mac/HLV3Mac.plugin, universal x86-64 and arm64. Arguments go to
# the configure step, e.g. -DHLV3_HOST_SDK_DIR=/path/to/SDK/Examples or
# -DCMAKE_OSX_ARCHITECTURES=x86_64.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HLV3_BUILD_DIR:-$root/build-mac}
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${HLV3_BUILD_TYPE:-Release}" "$@"
cmake --build "$build" --target HLV3 -j "${HLV3_JOBS:-$(sysctl -n hw.ncpu)}"
echo "built $build/HLV3Mac.plugin"
