#!/usr/bin/env python3
"""Measures how long the game takes from its launch to the title screen on
screen under Wine, against a minimal Win32 program that opens a 1024x768
popup and paints it (pointerbox.exe, tests/e2e/pointer_box.cpp), in the same
run on the build's Wine session.

The two are launched in turn, game first, each LAUNCHES times. A launch is
timed from starting `wine` to the first screen read-back (XGetImage) on
which a handful of spots spread over the screen all show what they must:
for the game, the tiled background and the title picture (the start button
comes later, on its own); for the yardstick, its dark blue. Between
launches the program is killed and the screen must show neither. Both are
timed with Wine's desktop process already running, as Windows' own shell
always is (see main). With each time goes the processor time the program
had used by then, which depends less on the machine's load.

Usage: scripts/measure-startup.py [BUILD_DIR] [LAUNCHES]
Prints the median and the 90th percentile of each, and the ratio of the
medians. A measurement, not a test: numbers depend on the machine's load.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measuring  # noqa: E402

measuring.setup(sys.argv)

from harness import Game, wait_until  # noqa: E402
from player import Player  # noqa: E402

TIMEOUT = 20.0
# Spread over the screen: corners, edges, the title picture's middle.
SPOT_PLACES = ((0, 0), (1023, 767), (1023, 0), (0, 767), (512, 384), (300, 200), (700, 500))
YARDSTICK_COLOUR = (16, 32, 48)
POINTER_AWAY = (900, 60)


def title_spots(session):
    """The title screen's colours at the spots, from the game's pictures."""
    game = Game(session, "game")
    try:
        expected = Player(game).title_screen()
    finally:
        game.cleanup()
    return [(x, y, expected.pixel(x, y)) for x, y in SPOT_PLACES]


def launch(pointer, start_program, spots):
    """Milliseconds from the launch to all spots showing, and the processor
    time the program had used by then; None, None when they never showed."""
    wait_until(lambda: not pointer.shows(spots), "the screen to show the program no longer")
    start = time.perf_counter()
    pid, end = start_program()
    try:
        took = pointer.time_until(spots, start, TIMEOUT)
        return took, measuring.cpu_ms(pid) if took is not None else None
    finally:
        end()


def start_game(game):
    def begin():
        game.start()
        return game.process.pid, game.stop
    return begin


def start_yardstick(session):
    def begin():
        process = measuring.yardstick(session)
        return process.pid, lambda: measuring.stop(process)
    return begin


def main():
    launches = int(sys.argv[2]) if len(sys.argv) > 2 else 10

    def measure(session, pointer):
        # Away from every spot: the yardstick paints a box under the pointer.
        pointer.move(*POINTER_AWAY)
        spots = title_spots(session)
        yard_spots = [(x, y, YARDSTICK_COLOUR) for x, y, _ in spots]
        # One game folder for every launch: the game writes nothing before
        # its title shows, and copying a folder between launches would leave
        # the session idle long enough for Wine to close its desktop process,
        # which the next launch would then have to start again. One launch
        # first, not counted, starts that process for both programs alike.
        game = Game(session, "game").skip_directions()
        launch(pointer, start_yardstick(session), yard_spots)
        results = {"game": ([], [], 0), "yardstick": ([], [], 0)}
        for _ in range(launches):
            for name, begin, watch in (("game", start_game(game), spots),
                                       ("yardstick", start_yardstick(session), yard_spots)):
                took, cpu = launch(pointer, begin, watch)
                times, cpus, missed = results[name]
                if took is None:
                    missed += 1
                else:
                    times.append(took)
                    if cpu is not None:
                        cpus.append(cpu)
                results[name] = (times, cpus, missed)
        medians = {}
        for name, title in (("yardstick", "minimal Win32 program, popup painted"),
                            ("game", "Varnolt, title on screen")):
            times, cpus, missed = results[name]
            medians[name] = measuring.report(title, times, missed, unit="launches", cpu=cpus)
        measuring.report_ratio(medians["game"], medians["yardstick"])
        game.cleanup()

    measuring.in_session(measure)

if __name__ == "__main__":
    main()
