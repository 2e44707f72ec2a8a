#!/bin/bash
# Starts a Windows program under Wine for the tests and measurements, with
# the process's address layout fixed (no randomisation).
#   wine-start.sh program.exe [arguments...]
#
# Wine's loader sits at a fixed address (0x7d000000), and Linux places its
# heap at random anywhere in the gigabyte after it. That range holds
# 0x7ffe0000, where every Windows process must map the system's shared user
# data page; about once in two thousand starts the heap lands on it and Wine
# gives up before the program's main, saying only "failed to map the shared
# user data" (and nothing at all with WINEDEBUG=-all). Without the
# randomisation the heap always starts right after the loader.
set -euo pipefail
exec setarch "$(uname -m)" --addr-no-randomize \
    "$(command -v wine64 || echo /usr/lib/wine/wine64)" "$@"
