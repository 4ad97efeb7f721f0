#!/usr/bin/env bash
# Installs the Debian 12 packages the build, the tests and the tools need.
# Does nothing when everything is already there, so it is cheap to re-run.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  libgtest-dev
  libegl-dev libgl-dev libegl-mesa0 libgl1-mesa-dri
  libpng-dev libopenexr-dev
  glslang-tools clang-format
  # The Windows plug-in: cross compiler, and Wine on a virtual X server with
  # Mesa behind Wine's opengl32 for its tests.
  g++-mingw-w64-x86-64-posix wine wine64 xvfb xauth debian-archive-keyring
  # Its release: the installer compiler and the zip tool.
  nsis zip
  # The sanitizer stages: clang with its sanitizer and libFuzzer runtimes.
  clang-14 libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
