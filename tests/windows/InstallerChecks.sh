#!/usr/bin/env bash
# The Windows installer under Wine, in a fresh prefix, as a user meets it:
# a silent install puts exactly its files into the host's shared folder and
# the host tool loads the module from there; Add/Remove Programs lists it
# with its version and publisher; a module in use is refused, by the
# installer and the uninstaller alike; a silent uninstall leaves nothing
# behind; /D= installs elsewhere. The prefix is removed afterwards unless a
# check failed, so what it held can be looked at.
# Usage: InstallerChecks.sh INSTALLER STAGED_MODULE HLV3HOST_EXE PIPL HOLDMODULE_EXE PREFIX
set -euo pipefail
[[ -n ${DISPLAY:-} ]] || exec xvfb-run -a -s "-screen 0 640x480x24" bash "$0" "$@"
installer=$1 staged=$2 host=$3 pipl=$4 hold=$5 prefix=$6
export WINEPREFIX=$prefix WINEDEBUG=-all WINEDLLOVERRIDES=mscoree,mshtml=
rm -rf "$prefix"
mkdir -p "$prefix"
cleanup() {
  local rc=$?
  wineserver -k >/dev/null 2>&1 || true
  if [[ $rc == 0 ]]; then
    rm -rf "$prefix"
  else
    echo "InstallerChecks: the Wine prefix is kept in $prefix" >&2
  fi
}
trap cleanup EXIT
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

# hold_module starts a program that keeps the installed module loaded, as
# the running host would, until release_module.
mkfifo "$prefix/hold.in"
hold_module() {
  rm -f "$prefix/hold.out"
  wine "$hold" "$shared\\HLV3.aex" <"$prefix/hold.in" >"$prefix/hold.out" 2>&1 &
  exec 3>"$prefix/hold.in"
  for _ in $(seq 300); do
    grep -qs loaded "$prefix/hold.out" && return
    sleep 0.2
  done
  fail "could not hold the module: $(cat "$prefix/hold.out" 2>/dev/null)"
}
release_module() {
  exec 3>&-
  wait
}

# While the module is held, an update stops with exit code 2 and succeeds
# once it is let go.
hold_module
status=0
wine "$installer" /S || status=$?
release_module
[[ $status == 2 ]] || fail "installing over a module in use exited with $status, not 2"
wine "$installer" /S || fail "installing over the released module exited with $?"

# The uninstaller runs in place (_?=): otherwise it copies itself to a
# temporary folder and exits 0 at once, whatever then happens. In place it
# cannot delete its own file, so that alone must be left, and is removed
# here. A held module stops it with exit code 2 before anything goes.
# _?= must come last and unquoted, spaces and all, which wine's own quoting
# of arguments would break: a batch file passes the line as written.
printf '@echo off\r\n"%s\\Uninstall Halvane 3.exe" /S _?=%s\r\nexit /b %%ERRORLEVEL%%\r\n' \
  "$shared" "$shared" >"$prefix/drive_c/uninstall.bat"
uninstall() { wine cmd /c 'C:\uninstall.bat'; }
hold_module
status=0
uninstall || status=$?
release_module
[[ $status == 2 ]] || fail "uninstalling a module in use exited with $status, not 2"
[[ $(files_in "$shared_unix") == "$installed" ]] ||
  fail "left after a refused uninstall: $(files_in "$shared_unix")"
registry >/dev/null || fail "a refused uninstall removed the uninstall entry"
uninstall || fail "the silent uninstall exited with $?"
[[ $(files_in "$shared_unix") == 'Uninstall Halvane 3.exe' ]] ||
  fail "left after uninstalling: $(files_in "$shared_unix")"
rm "$shared_unix/Uninstall Halvane 3.exe"
rmdir "$shared_unix"
! registry >/dev/null || fail "the uninstall entry is left"

# /D= takes the rest of the command line, so the folder has no quotes.
wine "$installer" /S '/D=C:\Plugins\HLV3' || fail "the install with /D= exited with $?"
[[ $(files_in "$prefix/drive_c/Plugins/HLV3") == "$installed" && ! -e $shared_unix ]] ||
  fail "/D= was not honoured"
registry | grep -qxF '    InstallLocation    REG_SZ    C:\Plugins\HLV3' || fail "InstallLocation is not C:\\Plugins\\HLV3"
echo "InstallerChecks: all passed"
