#!/usr/bin/env bash
# Runs a Windows program under Wine in the project's own prefix (created on
# first use), with Wine's diagnostics silenced. Used as CMake's cross-compiling
# emulator, so ctest runs the Windows test binary through it.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${WINEPREFIX:-$here/build/wineprefix}"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w || true
fi
wine=$(command -v wine64 || command -v wine)
# Without a window manager (Xvfb) Wine waits two seconds for one whenever a
# managed window is hidden; unmanaged windows skip that wait.
if [ ! -f "$WINEPREFIX/.unmanaged-windows" ]; then
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
  touch "$WINEPREFIX/.unmanaged-windows"
fi
exec "$wine" "$@"
