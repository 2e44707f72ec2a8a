#!/bin/bash
# Starts or stops the one Wine session a test run shares: a private prefix in
# the build tree, a persistent wineserver (so each test process starts in a
# fraction of a second) and a private Xvfb screen, 1024x768x24 unless another
# size is given (a screen the game's mode does not fit, for its scaled picture).
#   wine-session.sh start|stop STATE_DIR [WIDTHxHEIGHT]
set -euo pipefail
action=$1
state=$(realpath -m "$2")
screen=${3:-1024x768}
mkdir -p "$state"
# Wine as a player has it: its default settings, nothing but a private prefix.
export WINEPREFIX="$state/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine="$(dirname "$(realpath "$0")")/wine-start.sh"
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)

start_xvfb() {
    if [ -f "$state/xvfb.pid" ] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; then
        return
    fi
    exec 3>"$state/display"
    Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/xvfb.pid"
    exec 3>&-
    for _ in $(seq 100); do
        [ -s "$state/display" ] && break
        sleep 0.1
    done
    [ -s "$state/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
}

case "$action" in
start)
    start_xvfb
    export DISPLAY=":$(tr -d '[:space:]' <"$state/display")"
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        "$wine" wineboot -i >"$state/wineboot.log" 2>&1
    fi
    # The server and the services Wine starts with the first program outlive
    # it; started here with their output going nowhere, they cannot hold the
    # caller's stdout open (CTest's test discovery would wait for it until its
    # timeout).
    "$wineserver" -p >/dev/null 2>&1 || true  # already running is fine
    # Once, a fresh prefix's first test program exited at once with nothing
    # said, though every later start worked: the session is handed out only
    # after a program has run in it, or after ten seconds of trying.
    for _ in $(seq 20); do
        "$wine" cmd /c exit </dev/null >/dev/null 2>&1 && break
        sleep 0.5
    done
    # Wine's own services (rpcss, plugplay) otherwise start only when a
    # program first needs them (the first sound played, for one), inheriting
    # that test's output pipe; start them here too, with nowhere to write.
    for service in rpcss plugplay; do
        "$wine" net start "$service" >/dev/null 2>&1 </dev/null || true
    done
    cat >"$state/env" <<ENV
export DISPLAY=$DISPLAY
export WINEPREFIX=$WINEPREFIX
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export VARNOLT_SCREEN=$screen
ENV
    ;;
stop)
    "$wineserver" -k 2>/dev/null || true
    if [ -f "$state/xvfb.pid" ]; then
        kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
        rm -f "$state/xvfb.pid" "$state/display"
    fi
    rm -f "$state/env"
    ;;
*)
    echo "usage: $0 start|stop STATE_DIR [WIDTHxHEIGHT]" >&2
    exit 2
    ;;
esac
