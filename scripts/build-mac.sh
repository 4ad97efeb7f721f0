#!/usr/bin/env bash
# On a Mac (Xcode command-line tools and CMake installed): builds, checks and
# signs the effect bundle build-mac/HLV3Mac.plugin, universal x86-64 and
# arm64. Arguments go to the configure step, e.g.
# -DHLV3_HOST_SDK_DIR=/path/to/SDK/Examples or -DCMAKE_OSX_ARCHITECTURES=x86_64
# (the slice check then expects exactly the architectures asked for).
#
# The finished bundle must hold Info.plist, PkgInfo and the registration
# resource, each slice must export exactly the two entry points, and the
# whole bundle is signed: ad hoc (enough for an install on this Mac), or, with
# HLV3_CODESIGN_IDENTITY set to a "Developer ID Application" identity in the
# keychain, with that identity, the hardened runtime and a secure timestamp,
# as notarisation requires. Any deviation ends the script with status 1. The
# signed bundle is zipped into dist/<name>-<version>-macOS.zip beside the
# Windows release (scripts/release.sh).
#
# With HLV3_BUILD_MAC_FUNCTIONS_ONLY=1, `source` defines the checks only.
set -euo pipefail

fail() {
  echo "build-mac.sh: $*" >&2
  exit 1
}

plist_value() { # plist key
  /usr/libexec/PlistBuddy -c "Print :$2" "$1"
}

# Info.plist, PkgInfo, the executable and the resource file the build wrote.
check_bundle_files() { # bundle rsrc
  local contents=$1/Contents
  [[ -f $contents/Info.plist ]] || fail "$contents/Info.plist is missing"
  [[ -f $contents/MacOS/HLV3Mac ]] || fail "$contents/MacOS/HLV3Mac is missing"
  [[ $(cat "$contents/PkgInfo" 2>/dev/null) == eFKTFXTC ]] ||
    fail "$contents/PkgInfo does not hold eFKTFXTC"
  cmp -s "$2" "$contents/Resources/HLV3Mac.rsrc" ||
    fail "$contents/Resources/HLV3Mac.rsrc is missing or differs from $2"
}

# A valid property list naming the executable, an identifier, the package
# type and the effect's version in both version keys.
check_info_plist() { # plist version
  local expected key value
  plutil -lint -s "$1" || fail "$1 is not a valid property list"
  [[ -n $(plist_value "$1" CFBundleIdentifier) ]] || fail "$1 has no CFBundleIdentifier"
  for expected in CFBundleExecutable=HLV3Mac CFBundlePackageType=eFKT \
    CFBundleShortVersionString="$2" CFBundleVersion="$2"; do
    key=${expected%%=*}
    value=$(plist_value "$1" "$key") || value=
    [[ $value == "${expected#*=}" ]] || fail "$1: $key is '$value', expected '${expected#*=}'"
  done
}

# Exactly the expected architectures, whichever order lipo lists them in.
check_slices() { # binary "arch ..."
  local info have want
  info=$(lipo -info "$1") || fail "lipo cannot read $1"
  have=$(tr -s ' ' '\n' <<<"${info##*: }" | sort | xargs)
  want=$(tr -s ' ' '\n' <<<"$2" | sort | xargs)
  [[ $have == "$want" ]] || fail "$1 has the slices '$have', expected '$want'"
}

# Each slice exports the two entry points and nothing else.
check_exports() { # binary "arch ..."
  local arch exports
  for arch in $2; do
    exports=$(nm -gUj -arch "$arch" "$1" | sort | xargs) || fail "nm cannot read the $arch slice"
    [[ $exports == "_EffectMain _PluginDataEntryFunction" ]] ||
      fail "the $arch slice exports '$exports', not exactly _EffectMain and _PluginDataEntryFunction"
  done
}

# Signs the whole bundle (every slice and the seal over its resources) and
# verifies the result strictly.
sign_bundle() { # bundle
  if [[ -n ${HLV3_CODESIGN_IDENTITY:-} ]]; then
    codesign --force --sign "$HLV3_CODESIGN_IDENTITY" --options runtime --timestamp "$1" ||
      fail "codesign with '$HLV3_CODESIGN_IDENTITY' failed"
  else
    codesign --force --sign - "$1" || fail "ad-hoc codesign failed"
  fi
  codesign --verify --strict --verbose=2 "$1" || fail "$1 does not pass codesign --verify --strict"
}

# dist/<name>-<version>-macOS.zip under ROOT, named as the configure step
# cached it; a cache without the name (one from before it was kept) must not
# make a zip named "-macOS.zip".
release_zip_path() { # build-dir root
  local name
  name=$(cache_value "$1" HLV3_RELEASE_NAME)
  [[ -n $name ]] || fail "$1/CMakeCache.txt holds no HLV3_RELEASE_NAME: configure $1 again"
  echo "$2/dist/$name-macOS.zip"
}

# The bundle as one zip for download, the form notarisation takes too.
zip_bundle() { # bundle zip
  mkdir -p "$(dirname "$2")" && rm -f "$2"
  ditto -c -k --keepParent "$1" "$2" || fail "ditto could not zip $1 into $2"
}

cache_value() { # build-dir name
  sed -n "s/^$2:[A-Z]*=//p" "$1/CMakeCache.txt" | tr ';' ' '
}

main() {
  local root build bundle archs version zip
  root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
  build=${HLV3_BUILD_DIR:-$root/build-mac}
  cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE="${HLV3_BUILD_TYPE:-Release}" "$@"
  cmake --build "$build" --target HLV3 -j "${HLV3_JOBS:-$(sysctl -n hw.ncpu)}"
  bundle=$build/HLV3Mac.plugin
  archs=$(cache_value "$build" CMAKE_OSX_ARCHITECTURES)
  version=$(cache_value "$build" CMAKE_PROJECT_VERSION)
  zip=$(release_zip_path "$build" "$root")
  check_bundle_files "$bundle" "$build/generated/HLV3Mac.rsrc"
  check_info_plist "$bundle/Contents/Info.plist" "$version"
  check_slices "$bundle/Contents/MacOS/HLV3Mac" "${archs:-x86_64 arm64}"
  check_exports "$bundle/Contents/MacOS/HLV3Mac" "${archs:-x86_64 arm64}"
  sign_bundle "$bundle"
  zip_bundle "$bundle" "$zip"
  echo "built, checked and signed $bundle, zipped into dist/"
}

if [[ ${HLV3_BUILD_MAC_FUNCTIONS_ONLY:-0} != 1 ]]; then
  main "$@"
fi
