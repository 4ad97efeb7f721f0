#!/usr/bin/env bash
# The Windows installer under Wine, in a fresh prefix, as a user meets it:
# a silent install puts exactly its files into the host's shared folder and
# the host tool loads the module from there; Add/Remove Programs lists it
# with its version and publisher; a module in use is refused; a silent
# uninstall leaves nothing behind; /D= installs elsewhere.
# Usage: InstallerChecks.sh INSTALLER STAGED_MODULE HLV3HOST_EXE PIPL HOLDMODULE_EXE PREFIX
set -euo pipefail
[[ -n ${DISPLAY:-} ]] || exec xvfb-run -a -s "-screen 0 640x480x24" bash "$0" "$@"
installer=$1 staged=$2 host=$3 pipl=$4 hold=$5 prefix=$6
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
rm -rf "$prefix"
mkdir -p "$prefix"
trap 'wineserver -k >/dev/null 2>&1 || true' EXIT
wine wineboot -i >/dev/null 2>&1

fail() {
  echo "InstallerChecks: $*" >&2
  exit 1
}
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Halvane3'
shared='C:\Program Files\Adobe\Common\Plug-ins\7.0\MediaCore\Korvana'
shared_unix="$prefix/drive_c/Program Files/Adobe/Common/Plug-ins/7.0/MediaCore/Korvana"
installed='HLV3.aex LICENSE.txt THIRD-PARTY-NOTICES.txt Uninstall Halvane 3.exe'
files_in() { (cd "$1" && ls | sort | xargs); }
registry() { wine reg query "$key" 2>/dev/null | tr -d '\r'; }

wine "$installer" /S || fail "the silent install exited with $?"
[[ $(files_in "$shared_unix") == "$installed" ]] || fail "installed: $(files_in "$shared_unix")"
cmp -s "$staged" "$shared_unix/HLV3.aex" || fail "the installed module is not the staged one"
listing=$(wine "$host" list --module "$shared\\HLV3.aex" --pipl "Z:$pipl" | tr -d '\r') ||
  fail "hlv3host list cannot load the installed module: $listing"
grep -q '^ *match name *KVHLVGL$' <<<"$listing" || fail "hlv3host list: $listing"

entry=$(registry) || fail "no uninstall entry $key"
for value in 'DisplayName    REG_SZ    Halvane 3' 'DisplayVersion    REG_SZ    3.0.0' \
  'Publisher    REG_SZ    Korvana' "UninstallString    REG_SZ    \"$shared\\Uninstall Halvane 3.exe\""; do
  grep -qxF "    $value" <<<"$entry" || fail "the uninstall entry lacks '$value': $entry"
done

# While a program holds the module, an update stops with exit code 2 and
# succeeds once it is let go.
mkfifo "$prefix/hold.in"
wine "$hold" "$shared\\HLV3.aex" <"$prefix/hold.in" >"$prefix/hold.out" 2>&1 &
exec 3>"$prefix/hold.in"
for _ in $(seq 300); do
  grep -q loaded "$prefix/hold.out" && break
  sleep 0.2
done
grep -q loaded "$prefix/hold.out" || fail "could not hold the module: $(cat "$prefix/hold.out")"
status=0
wine "$installer" /S || status=$?
exec 3>&-
wait
[[ $status == 2 ]] || fail "installing over a module in use exited with $status, not 2"
wine "$installer" /S || fail "installing over the released module exited with $?"

wine "$shared\\Uninstall Halvane 3.exe" /S || fail "the silent uninstall exited with $?"
wineserver -w # the uninstaller finishes from a copy of itself
[[ ! -e $shared_unix ]] || fail "left after uninstalling: $(files_in "$shared_unix")"
! registry >/dev/null || fail "the uninstall entry is left"

# /D= takes the rest of the command line, so the folder has no quotes.
wine "$installer" /S '/D=C:\Plugins\HLV3' || fail "the install with /D= exited with $?"
[[ $(files_in "$prefix/drive_c/Plugins/HLV3") == "$installed" && ! -e $shared_unix ]] ||
  fail "/D= was not honoured"
registry | grep -qxF '    InstallLocation    REG_SZ    C:\Plugins\HLV3' || fail "InstallLocation is not C:\\Plugins\\HLV3"
echo "InstallerChecks: all passed"
