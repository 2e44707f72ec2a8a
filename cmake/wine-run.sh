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
exec "$here/wine-start.sh" "$@"
