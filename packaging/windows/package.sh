#!/usr/bin/env bash
# Makes the Windows release from a built HLV3.aex, into OUTDIR:
#   <Name>-<version>-Windows-Setup.exe  the installer (packaging/windows/HLV3.nsi)
#   <Name>-<version>-Windows.zip        a folder of that name holding HLV3.aex,
#                                       INSTALL.txt, LICENSE.txt and
#                                       THIRD-PARTY-NOTICES.txt
# and stage/, the files both are made from. The shipped module is the built
# one without its debug information, checked again as every link is. The
# texts get Windows line ends, so Notepad on any version shows them right.
# The Windows build's `hlv3_release` target runs this with its own values.
# Usage: package.sh OUTDIR MODULE PIPL PECHECK OBJCOPY CXX GLEW_DIR NAME VENDOR VERSION BUILD
set -euo pipefail
[[ $# -eq 11 ]] || { echo "usage: $0 OUTDIR MODULE PIPL PECHECK OBJCOPY CXX GLEW_DIR NAME VENDOR VERSION BUILD" >&2; exit 2; }
out=$1 module=$2 pipl=$3 pecheck=$4 objcopy=$5 cxx=$6 glew=$7 name=$8 vendor=$9 version=${10} build=${11}
[[ -n $out ]] || { echo "$0: OUTDIR is empty" >&2; exit 2; }
# Absolute, since the zip is made from inside stage/.
[[ $out == /* ]] || out=$PWD/$out
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
base=${name// /}-$version-Windows
stage=$out/stage

# OUTDIR holds only this release: an earlier version's files must not ship.
rm -rf "$out"
mkdir -p "$stage/$base"
"$objcopy" --strip-debug "$module" "$stage/HLV3.aex"
"$pecheck" "$stage/HLV3.aex" "$pipl" >/dev/null

crlf() { sed 's/\r*$/\r/' "$1" >"$2"; }
crlf "$root/LICENSE" "$stage/LICENSE.txt"
"$root/scripts/third-party-notices.sh" "$cxx" "$glew" "$stage/notices.txt"
crlf "$stage/notices.txt" "$stage/THIRD-PARTY-NOTICES.txt"
rm "$stage/notices.txt"
sed -e "s/@NAME@/$name/g" -e "s/@NAME_NO_SPACE@/${name// /}/g" -e "s/@VENDOR@/$vendor/g" \
  -e "s/@VERSION@/$version/g" -e "s/@FILE_VERSION@/$version.$build/g" \
  "$here/INSTALL.txt.in" >"$stage/install.txt"
crlf "$stage/install.txt" "$stage/INSTALL.txt"
rm "$stage/install.txt"

makensis -V2 -WX -DNAME="$name" -DVENDOR="$vendor" -DVERSION="$version" \
  -DFILE_VERSION="$version.$build" -DSTAGE="$stage" -DOUTFILE="$out/$base-Setup.exe" \
  "$here/HLV3.nsi" >/dev/null

cp "$stage"/{HLV3.aex,INSTALL.txt,LICENSE.txt,THIRD-PARTY-NOTICES.txt} "$stage/$base/"
(cd "$stage" && zip -q -X -r "$out/$base.zip" "$base")
rm -r "${stage:?}/$base"
