#!/usr/bin/env python3
"""Measures how long a real mouse move takes to reach the screen under Wine:
from the moment an X motion event is sent (XTest, as a real mouse would) to
the first screen read-back (XGetImage) that shows the result.

Two programs are measured in the same run, on the build's Wine session:
  - pointerbox.exe, a minimal GDI program that paints a box at the pointer
    inside each WM_MOUSEMOVE: the yardstick;
  - Varnolt.exe carrying a piece of page 1 with the button held down.
The pointer jumps back and forth between two far apart spots, so every move
changes a known pixel from something else to the expected colour.

With "scaled", both run on a second session with a 1920x1080 screen, which
the game's mode does not fit: the game shows its picture scaled (smoothly,
1440 x 1080) and the spots are the picture's spots at their scaled places.

With "near", the pointer jumps between two spots a piece's width apart
instead, so the piece's old and new places lie side by side. Wine sends a
window's changes to the X server as one bounding block when the program
next looks at its input; the game sends each changed block on its own, so
the far jumps cost it two blocks, not the whole stretch between them.

Usage: scripts/measure-input-latency.py [BUILD_DIR] [MOVES] [scaled] [near]
Prints the median and the 90th percentile of each, and the ratio of the
medians. A measurement, not a test: numbers depend on the machine's load.
"""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measuring  # noqa: E402

measuring.setup(sys.argv)
SCALED = "scaled" in sys.argv[3:]
if SCALED:
    os.environ["VARNOLT_WINE_STATE"] = "wine-wide"

from harness import Game, wait_until  # noqa: E402
from layout import DRAG  # noqa: E402
from pictures import MAGENTA  # noqa: E402
from player import Player  # noqa: E402
from test_scaled import ScaledScreen  # noqa: E402

SPOTS = ((420, 380), (580, 380)) if "near" in sys.argv[3:] else ((300, 260), (700, 420))
TIMEOUT = 1.0
WHITE = (255, 255, 255)


def time_move(pointer, to, watch, colour):
    """Milliseconds from the move to `watch` showing `colour`; None when it
    never did within the timeout."""
    if pointer.pixel(*watch) == colour:
        raise RuntimeError(f"{watch} already shows {colour} before the move")
    start = time.perf_counter()
    pointer.move(*to)
    return pointer.time_until([(*watch, colour)], start, TIMEOUT)


def measure(pointer, moves, watch_for, colour, place=lambda x, y: (x, y)):
    """watch_for(spot): the pixel that shows the result of a move to spot;
    place(x, y): where the screen shows the spot."""
    times, missed = [], 0
    for i in range(moves):
        spot = SPOTS[(i + 1) % 2]
        took = time_move(pointer, place(*spot), watch_for(spot), colour)
        if took is None:
            missed += 1
        else:
            times.append(took)
        # Let the screen settle, so that each move is measured on its own.
        time.sleep(0.02)
    return times, missed


def measure_pointer_box(session, pointer, moves):
    process = measuring.yardstick(session)
    try:
        # Nudged until the window, once it is up, sees a move at the start.
        nudge = [0]

        def box_at_start():
            nudge[0] ^= 1
            pointer.move(SPOTS[0][0] + nudge[0], SPOTS[0][1])
            return pointer.pixel(*SPOTS[0]) == WHITE

        wait_until(box_at_start, "the pointer box", interval=0.1)
        return measure(pointer, moves, lambda spot: spot, WHITE)
    finally:
        measuring.stop(process)


def flat_around(picture, u, v):
    """Whether the pixel and its eight neighbours share one colour, which a
    smooth scaler then shows unchanged."""
    if not (0 < u < picture.width - 1 and 0 < v < picture.height - 1):
        return False
    colour = picture.pixel(u, v)
    return all(picture.pixel(u + du, v + dv) == colour for du in (-1, 0, 1) for dv in (-1, 0, 1))


def carried_marker(player, piece, flat=False):
    """An opaque pixel of the piece's drag picture, as an offset from the
    pointer (lifting centres the picture on it), and its colour; flat: one
    inside a patch of its own colour."""
    drag = player.piece_picture(DRAG, piece)
    cx, cy = drag.width // 2, drag.height // 2
    for radius in range(max(drag.width, drag.height)):
        for u in range(cx - radius, cx + radius + 1):
            for v in (cy - radius, cy + radius):
                if 0 <= u < drag.width and 0 <= v < drag.height:
                    colour = drag.pixel(u, v)
                    if colour != MAGENTA and (not flat or flat_around(drag, u, v)):
                        return (u - cx, v - cy), colour
    raise RuntimeError(f"piece {piece}'s drag picture is all transparent")


def measure_game(session, pointer, moves):
    game = Game(session, "game").skip_directions().start()
    try:
        player = Player(game)
        # The picture's spots where the screen shows them (1:1 unless scaled).
        place = lambda x, y: (x, y)  # noqa: E731
        if SCALED:
            game.wait_window()
            def full_screen():
                screen = ScaledScreen.read(game)
                return screen if screen is not None and screen.client[2] == 1920 else None
            screen = wait_until(full_screen, "the game's full screen")
            place = screen.at
            game.click(*place(1012, 8))
            game.key("Return")
        else:
            player.start_playing()
        piece = player.catalogue.pages[1][0]
        grab = player.grab_point(piece)
        (du, dv), colour = carried_marker(player, piece, flat=SCALED)
        watch = lambda spot: place(spot[0] + du, spot[1] + dv)  # noqa: E731
        # Until the page is up, pressing lifts nothing: try again.
        def lifted():
            pointer.move(*place(*grab))
            pointer.button(True)
            pointer.move(*place(*SPOTS[0]))
            if wait_for(lambda: pointer.pixel(*watch(SPOTS[0])) == colour, 1.0):
                return True
            pointer.button(False)
            return False
        wait_until(lifted, "the carried piece", interval=0.2)
        try:
            return measure(pointer, moves, watch, colour, place)
        finally:
            pointer.button(False)
    finally:
        game.cleanup()


def wait_for(condition, seconds):
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        if condition():
            return True
        time.sleep(0.02)
    return False


def main():
    moves = int(sys.argv[2]) if len(sys.argv) > 2 else 100

    def measure(session, pointer):
        box = measuring.report("minimal GDI program", *measure_pointer_box(session, pointer, moves))
        what = ("Varnolt carrying a piece" + (", picture scaled to 1920x1080" if SCALED else "") +
                (", near spots" if "near" in sys.argv[3:] else ""))
        game = measuring.report(what, *measure_game(session, pointer, moves))
        measuring.report_ratio(game, box)

    measuring.in_session(measure)

if __name__ == "__main__":
    main()
