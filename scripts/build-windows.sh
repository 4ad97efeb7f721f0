#!/usr/bin/env bash
# Cross-builds the Windows plug-in build-win/HLV3.aex (or into
# $HLV3_WINDOWS_BUILD_DIR) with mingw-w64, together with the programs the
# Wine tests run. Fetches GLEW's sources on first use. Extra arguments go to
# CMake's configure step (e.g. -DHLV3_HOST_SDK_DIR=/path/to/sdk).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HLV3_WINDOWS_BUILD_DIR:-$root/build-win}
jobs=${HLV3_JOBS:-$(nproc)}
glew=$("$root/scripts/fetch-glew.sh" "$build/glew")
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchains/mingw-w64-x86_64.cmake" \
  -DCMAKE_BUILD_TYPE=${HLV3_BUILD_TYPE:-RelWithDebInfo} \
  -DCMAKE_CROSSCOMPILING_EMULATOR="$root/scripts/wine-run.sh" \
  -DHLV3_GLEW_DIR="$glew" "$@" >/dev/null
cmake --build "$build" -j "$jobs"
