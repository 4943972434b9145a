#!/usr/bin/env bash
# Runs one command with Wine ready: the environment from setup.sh, a Wine
# prefix of the project's own outside the checkout (created once, crash
# debugger off), a persistent wineserver and an Xvfb display for dialogs and
# screen captures. Stops the server and the display it started afterwards.
#
#   scripts/with-wine.sh COMMAND [ARGS...]
#
# QPU_WINEPREFIX (default /var/tmp/qpu-wine) and QPU_DISPLAY (default :91)
# let several runs live side by side.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
eval "$("$here/setup.sh")"
export WINEPREFIX=${QPU_WINEPREFIX:-/var/tmp/qpu-wine}
export WINEDEBUG=${WINEDEBUG:--all}
export DISPLAY=${QPU_DISPLAY:-:91}
log() { echo "with-wine: $*" >&2; }

xvfb_pid=
cleanup() {
  timeout 30 wineserver -k >/dev/null 2>&1 || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT

if [ ! -e "/tmp/.X11-unix/X${DISPLAY#:}" ]; then
  Xvfb "$DISPLAY" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X${DISPLAY#:}" ] && break; sleep 0.1; done
fi

if [ ! -f "$WINEPREFIX/.qpu-ready" ]; then
  log "creating the Wine prefix $WINEPREFIX"
  rm -rf "$WINEPREFIX"
  timeout 300 wine wineboot -i </dev/null >/dev/null 2>&1 || true
  timeout 60 wine reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' \
    /v Debugger /t REG_SZ /d false /f </dev/null >/dev/null 2>&1
  timeout 60 wineserver -w || true
  touch "$WINEPREFIX/.qpu-ready"
fi

# A warm server, with Wine's own services started detached from any pipe.
wineserver -p
timeout 120 wine cmd /c exit </dev/null >/dev/null 2>&1 || true

"$@"
