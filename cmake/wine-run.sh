#!/bin/bash
# CTest's emulator for the Windows test programs: runs one of them under the
# run's shared Wine session, starting that session first when a test is run
# on its own.
#   wine-run.sh STATE_DIR program.exe [arguments...]
set -euo pipefail
here=$(dirname "$(realpath "$0")")
state=$1
shift
if [ ! -f "$state/env" ]; then
    "$here/wine-session.sh" start "$state"
fi
# shellcheck disable=SC1091
source "$state/env"
wine=$(command -v wine64 || echo /usr/lib/wine/wine64)

# Rarely (once in some thousands of starts, mid-run, with the session
# healthy before and after), Wine gives up on a program before it reaches
# main: it exits at once, failing, having written nothing. A GoogleTest
# program always writes to stdout first thing, so a silent failure is a
# start that did not happen, not a test result; it is tried again, and
# said. A program that fails silently every time still fails.
stdout_copy=$(mktemp)
trap 'rm -f "$stdout_copy"' EXIT
for attempt in 1 2 3; do
    set +e
    "$wine" "$@" | tee "$stdout_copy"
    status=${PIPESTATUS[0]}
    set -e
    if [ "$status" -eq 0 ] || [ -s "$stdout_copy" ] || [ "$attempt" -eq 3 ]; then
        exit "$status"
    fi
    echo "wine-run: $1 exited with $status before it started (start $attempt); starting it again" >&2
done
