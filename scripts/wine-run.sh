#!/usr/bin/env bash
# Runs a Windows program under Wine the way the tests need it: a private
# prefix (default build-win/wineprefix), no Wine chatter, no Mono or Gecko
# installers, and an X display for Wine's OpenGL (a private Xvfb, with Mesa
# behind it, when none is set). HLV3_WINE_NO_GL=1 runs it on a private Xvfb
# without the GLX extension instead: Wine's opengl32.dll loads, but no GL
# context can be made, as on a render node without a usable GL.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
export WINEPREFIX=${WINEPREFIX:-$root/build-win/wineprefix}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
if [[ ${HLV3_WINE_NO_GL:-0} == 1 && ${HLV3_WINE_XVFB:-} != noglx ]]; then
  HLV3_WINE_XVFB=noglx exec xvfb-run -a -s "-screen 0 640x480x24 -extension GLX" "$0" "$@"
fi
if [[ -z ${DISPLAY:-} ]]; then
  exec xvfb-run -a -s "-screen 0 640x480x24" "$0" "$@"
fi
# The first run creates the prefix; parallel tests must not race on it.
mkdir -p "$WINEPREFIX"
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  flock "$WINEPREFIX/.create.lock" bash -c '[[ -f $WINEPREFIX/system.reg ]] || wine wineboot -i >/dev/null 2>&1'
fi
exec wine "$@"
