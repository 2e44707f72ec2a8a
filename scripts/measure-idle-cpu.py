#!/usr/bin/env python3
"""Reports the game's processor use while it sits active and idle, on its
first screen or, with "playing", on page 1 with nothing moving; with
"finished", on page 1 finished, once its sparkle is over; with "book", with
the picture book open over page 1.

Starts the staged game under the build's Wine session (Xvfb), waits for its
window, then samples the process's user and system time over a period.
Usage: scripts/measure-idle-cpu.py [BUILD_DIR] [SECONDS] [title|playing|finished|book]
"""

import os
import sys
import time

here = os.path.dirname(os.path.abspath(__file__))
source = os.path.dirname(here)
sys.path.insert(0, os.path.join(source, "tests", "e2e"))
os.environ.setdefault("VARNOLT_SOURCE_DIR", source)
os.environ.setdefault("VARNOLT_BUILD_DIR",
                      os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/windows"))

from harness import Game, Session  # noqa: E402
from player import Player  # noqa: E402

TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    with open(f"/proc/{pid}/stat") as stat:
        fields = stat.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / TICKS  # utime + stime


def main():
    seconds = float(sys.argv[2]) if len(sys.argv) > 2 else 10.0
    where = sys.argv[3] if len(sys.argv) > 3 else "title"
    session = Session()
    game = Game(session, "game").skip_directions().start()
    try:
        game.wait_window()
        game.click(1010, 10)  # make sure it is the active application
        if where in ("playing", "finished", "book"):
            player = Player(game)
            player.start_playing()
            if where == "finished":
                for piece in player.pieces_of(1):
                    player.place_piece(piece)
                player.wait_star()
                time.sleep(2.5)  # the sparkle's two seconds
            if where == "book":
                game.key("b")
                player.wait_book()
        time.sleep(1.0)  # let start-up work finish before sampling
        pid = game.process.pid
        before, start = cpu_seconds(pid), time.monotonic()
        time.sleep(seconds)
        used, elapsed = cpu_seconds(pid) - before, time.monotonic() - start
        what = {"playing": "playing page 1", "book": "with the picture book open",
                "finished": "on page 1 finished, its sparkle over",
                "title": "on the title screen"}[where]
        print(f"Varnolt.exe, {what}, used {used:.2f} s of processor time in {elapsed:.1f} s: "
              f"{100.0 * used / elapsed:.1f}% of one core")
    finally:
        game.cleanup()
        if session.started_here:
            session.control("stop")


if __name__ == "__main__":
    main()
