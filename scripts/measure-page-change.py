#!/usr/bin/env python3
"""Measures a page change by click under Wine: from the release of a real
click on the next-page button (XTest, as a real mouse would) to the first
screen read-back (XGetImage) that shows the new page's label.

Two programs are measured in the same run, on the build's Wine session:
  - pointerbox.exe (tests/e2e/pointer_box.cpp), a minimal GDI program that
    fills the label's box with the next of two colours at each button
    release: the yardstick;
  - Varnolt.exe on its game screen, turning from page 1 onwards.

Usage: scripts/measure-page-change.py [BUILD_DIR] [CLICKS]
Prints the median and the 90th percentile of each, with the processor time
the program used from the release to the screen showing the result, and the
ratio of the medians. A measurement, not a test: numbers depend on the machine's load.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measuring  # noqa: E402

measuring.setup(sys.argv)

from harness import Game, wait_until  # noqa: E402
from layout import GAME_BUTTONS, PAGE_COUNT, PAGE_LABEL  # noqa: E402
from player import Player, centre  # noqa: E402

TIMEOUT = 2.0
# The yardstick's two label colours, in the order it shows them.
YARDSTICK_COLOURS = ((240, 200, 40), (40, 200, 240))
# After each change: the screen settles (the page itself is painted after
# its label) before the next click.
SETTLE = 0.3


def click(pointer, at, spots, pid):
    """Clicks at `at`; milliseconds from the release to all spots showing,
    and the processor time pid used meanwhile; None, None when they never
    showed."""
    pointer.move(*at)
    pointer.button(True)
    time.sleep(0.02)
    cpu = measuring.cpu_ms(pid)
    start = time.perf_counter()
    pointer.button(False)
    took = pointer.time_until(spots, start, TIMEOUT)
    if took is not None:
        cpu = measuring.cpu_ms(pid) - cpu
    time.sleep(SETTLE)
    return took, cpu


def collect(timed, clicks):
    times, cpus, missed = [], [], 0
    for i in range(clicks):
        took, cpu = timed(i)
        if took is None:
            missed += 1
        else:
            times.append(took)
            cpus.append(cpu)
    return times, missed, cpus


def label_spots(player, page, before):
    """Pixels of page's label that differ from the label before it."""
    new, old = player.page_label(page), player.page_label(before)
    spots = [(x, y, new.pixel(x, y)) for y in range(new.height) for x in range(new.width)
             if new.pixel(x, y) != old.pixel(x, y)]
    # A few spread over the label are enough to tell the two apart.
    step = max(1, len(spots) // 6)
    return [(PAGE_LABEL[0] + x, PAGE_LABEL[1] + y, colour) for x, y, colour in spots[::step]]


def measure_yardstick(session, pointer, clicks):
    process = measuring.yardstick(session)
    try:
        spot = centre(PAGE_LABEL)
        wait_until(lambda: pointer.shows([(0, 0, (16, 32, 48))]), "the yardstick's window")
        return collect(lambda i: click(pointer, spot, [(*spot, YARDSTICK_COLOURS[i % 2])],
                                       process.pid), clicks)
    finally:
        measuring.stop(process)


def measure_game(session, pointer, clicks):
    game = Game(session, "game").skip_directions().start()
    try:
        player = Player(game)
        player.start_playing()
        button = centre(GAME_BUTTONS["next"])

        def turn(i):
            page = i % PAGE_COUNT + 1
            return click(pointer, button, label_spots(player, page % PAGE_COUNT + 1, page),
                         game.process.pid)
        return collect(turn, clicks)
    finally:
        game.cleanup()


def main():
    clicks = int(sys.argv[2]) if len(sys.argv) > 2 else 30

    def measure(session, pointer):
        times, missed, cpus = measure_yardstick(session, pointer, clicks)
        yard = measuring.report("minimal GDI program, box filled", times, missed, unit="clicks",
                                cpu=cpus)
        times, missed, cpus = measure_game(session, pointer, clicks)
        game = measuring.report("Varnolt, new page's label", times, missed, unit="clicks",
                                cpu=cpus)
        measuring.report_ratio(game, yard)

    measuring.in_session(measure)

if __name__ == "__main__":
    main()
