#!/usr/bin/env bash
# scripts/build-mac.sh's steps on a made-up bundle, the Mac tools stubbed in
# their output formats: the intact bundle passes and signs as asked; each case
# breaks one thing and must end the steps with status 1. Args: SOURCE_DIR RSRC
# shellcheck disable=SC1091,SC2016,SC2317 # sourced script, cases run by eval, stubs
set -u
HLV3_BUILD_MAC_FUNCTIONS_ONLY=1 source "$1/scripts/build-mac.sh"
set +e
rsrc=$2 dir=$(mktemp -d) failures=0
trap 'rm -rf "$dir"' EXIT
bundle=$dir/HLV3Mac.plugin binary=$dir/HLV3Mac.plugin/Contents/MacOS/HLV3Mac
mkdir -p "$bundle/Contents/MacOS" "$bundle/Contents/Resources" && touch "$bundle/Contents/Info.plist" "$binary"
printf eFKTFXTC >"$bundle/Contents/PkgInfo" && cp "$rsrc" "$bundle/Contents/Resources/HLV3Mac.rsrc"

declare -A plist=([CFBundleIdentifier]=com.korvana.halvane3 [CFBundleExecutable]=HLV3Mac
  [CFBundlePackageType]=eFKT [CFBundleShortVersionString]=3.0.0 [CFBundleVersion]=3.0.0)
declare -A slice_exports=([x86_64]="_EffectMain _PluginDataEntryFunction" [arm64]="_PluginDataEntryFunction _EffectMain")
slices="x86_64 arm64" verifies=1
plutil() { :; }
plist_value() { [[ -n ${plist[$2]:-} ]] && echo "${plist[$2]}"; }
lipo() { echo "Architectures in the fat file: $2 are: $slices "; }
nm() { tr ' ' '\n' <<<"${slice_exports[$3]}"; } # nm -gUj -arch ARCH FILE
codesign() { echo "$*" >>"$dir/codesign.log" && [[ $1 != --verify || $verifies == 1 ]]; }

expect() { # status case-code
  (eval "$2" && check_bundle_files "$bundle" "$rsrc" &&
    check_info_plist "$bundle/Contents/Info.plist" 3.0.0 && check_slices "$binary" "x86_64 arm64" &&
    check_exports "$binary" "x86_64 arm64" && sign_bundle "$bundle") >/dev/null 2>"$dir/err"
  local got=$?
  [[ $got == "$1" ]] || { echo "FAIL: $2: status $got: $(cat "$dir/err")" && failures=$((failures + 1)); }
}
expect 0 ':'
expect 0 'HLV3_CODESIGN_IDENTITY="Developer ID Application: K"'
diff <(grep -v -- --verify "$dir/codesign.log") - <<EOF || failures=$((failures + 1))
--force --sign - $bundle
--force --sign Developer ID Application: K --options runtime --timestamp $bundle
EOF
expect 1 'cp -R "$bundle" "$dir/copy" && bundle=$dir/copy && rm "$bundle/Contents/PkgInfo"'
expect 1 'printf x >"$dir/other"; rsrc=$dir/other'
expect 1 'plist[CFBundleVersion]=3.0.1'
expect 1 'slices=x86_64' && expect 1 'slice_exports[arm64]+=" _main"'
expect 1 'verifies=0'
expect 0 'echo HLV3_RELEASE_NAME:INTERNAL=H-3 >"$dir/CMakeCache.txt" && [[ $(release_zip_path "$dir" /r) == /r/dist/H-3-macOS.zip ]]'
expect 1 'echo HLV3_RELEASE_NAME:INTERNAL= >"$dir/CMakeCache.txt" && release_zip_path "$dir" /r'
[[ $failures == 0 ]] && echo "build-mac.sh: every case as expected"
exit $((failures != 0))
