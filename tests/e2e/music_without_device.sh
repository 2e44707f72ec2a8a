#!/bin/bash
# The staged diagnostic game on a machine without MIDI output (Wine here): it
# starts, logs its device choice, falls back to the MIDI mapper, finds no
# device behind it and keeps running without music until it is closed.
#   music_without_device.sh WINE_RUN GAME_EXE
set -euo pipefail
wine_run=$1
game=$2
work=$(mktemp -d)
game_pid=
cleanup() {
    if [ -n "$game_pid" ] && kill -0 "$game_pid" 2>/dev/null; then
        kill "$game_pid" 2>/dev/null || true
        wait "$game_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

cp "$game" "$work/Varnolt.exe"
# A short song: a note and the end of its track.
printf 'MThd\x00\x00\x00\x06\x00\x00\x00\x01\x00\x60MTrk\x00\x00\x00\x0c\x00\x90\x3c\x40\x60\x80\x3c\x40\x00\xff\x2f\x00' \
    >"$work/Varnolt1.mid"
cd "$work"
"$wine_run" Varnolt.exe >/dev/null 2>&1 &
game_pid=$!

expected=("Number of MIDI Devices: 0" "Using MIDI_MAPPER device # 0")
for _ in $(seq 150); do
    if [ -f log.txt ] && grep -qF "${expected[1]}" log.txt; then
        break
    fi
    kill -0 "$game_pid" 2>/dev/null || { echo "the game ended during start-up" >&2; exit 1; }
    sleep 0.1
done
for line in "${expected[@]}"; do
    grep -qF ":  $line" log.txt || { echo "missing log line: $line" >&2; cat log.txt >&2; exit 1; }
done
# Without a device the music stays off, and the game keeps running.
sleep 1
kill -0 "$game_pid" 2>/dev/null || { echo "the game ended without music" >&2; exit 1; }
echo "log:"
cat log.txt
