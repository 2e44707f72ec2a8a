#!/bin/bash
# Starts the staged game under Wine on the user's display.
set -euo pipefail
game=$(realpath "$1")
if [ -z "${DISPLAY:-}" ]; then
    echo "No display: make play needs a graphical session (DISPLAY is not set)." >&2
    echo "Run 'make test' to check the game without one." >&2
    exit 1
fi
export WINEPREFIX="${WINEPREFIX:-$HOME/.wine-varnolt}" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
[ -f "$WINEPREFIX/system.reg" ] || "$wine" wineboot -i >/dev/null 2>&1
cd "$game"
exec "$wine" Varnolt.exe
