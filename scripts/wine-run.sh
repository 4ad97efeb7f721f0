#!/usr/bin/env bash
# Runs a Windows program under Wine the way the tests need it: a private
# prefix (default build-win/wineprefix), no Wine chatter, no Mono or Gecko
# installers, and an X display for Wine's OpenGL (a private Xvfb, with Mesa
# behind it, when none is set).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build-win/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 640x480x24" "$0" "$@"
fi
# The first run creates the prefix; parallel tests must not race on it.
mkdir -p "$WINEPREFIX"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  flock "$WINEPREFIX/.create.lock" bash -c '[[ -f $WINEPREFIX/system.reg ]] || wine wineboot -i >/dev/null 2>&1'
fi
exec wine "$@"
