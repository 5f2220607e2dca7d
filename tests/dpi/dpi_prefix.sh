#!/usr/bin/env bash
# Makes a Wine prefix whose screen has the DPI $1 (LogPixels in
# HKCU\Control Panel\Desktop, where Wine looks first), once, and starts its
# session; with "stop" as $1, ends that prefix's session. $2 is the prefix.
set -euo pipefail
export ZETTRELLA_WINEPREFIX=$2
. "$(dirname "$0")/../../tools/wine-env"
if [ "$1" = stop ]; then
  "$WINESERVER" -k 2>/dev/null || true
  exit 0
fi
ensure_display
trap stop_private_display EXIT
prepare_prefix
if [ "$(cat "$WINEPREFIX/.zettrella-dpi" 2>/dev/null)" != "$1" ]; then
  "$WINE64" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  # Wine reads the DPI when its session starts.
  "$WINESERVER" -k 2>/dev/null || true
  "$WINESERVER" -w
  echo "$1" >"$WINEPREFIX/.zettrella-dpi"
fi
ensure_session
