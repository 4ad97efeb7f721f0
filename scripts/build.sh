#!/usr/bin/env bash
# Configures and builds the Linux (EGL) flavour into build/ (or $HLV3_BUILD_DIR).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${HLV3_BUILD_DIR:-$root/build}
jobs=${HLV3_JOBS:-$(nproc)}
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=${HLV3_BUILD_TYPE:-RelWithDebInfo} \
  -DHLV3_WINDOWS_BUILD_DIR="${HLV3_WINDOWS_BUILD_DIR:-$root/build-win}" "$@" >/dev/null
# HLV3_TARGETS (space-separated) builds only those targets.
cmake --build "$build" -j "$jobs" ${HLV3_TARGETS:+--target $HLV3_TARGETS}
