#!/usr/bin/env python3
"""Measures adding the 12-megapixel photo under Wine, as a player does it:
through the Open dialog (its path typed, Enter) or dropped onto the window,
then 9 or 12 pieces clicked on the chooser, until the new page is on screen.

For each round it reports, from real X input to the first screen read-back
(XGetImage) that shows the result:
  - the choice (Enter in the Open dialog, or the drop let go) to the piece
    chooser on screen;
  - the click on a piece count to the new page on screen;
and the game's own times from its log (the photo read, decoded and stored;
the page cut; the page shown). Wine's complaints on the game's standard
error are counted: without a window manager (as on the test run's Xvfb)
Wine waits two seconds for one to withdraw each closing dialog window that
it manages ("wait_for_withdrawn_state ... wait timed out"); the common Open
dialog is such a window. The piece chooser is drawn inside the game's own
window, so a drop needs none.

The first photo is read, decoded and framed while the chooser is shown, so
after the click only storing, cutting and showing the page remain.

With "desktop", a small window manager (evilwm) runs on the session's
screen for the run, as on any desktop: Wine then waits for nothing. With
"unmanaged", Wine is told for the run that no window manager looks after
its windows (its X11 driver's "Managed" set to "N" in the session's
prefix, and removed again afterwards), which also spares the waits.

Usage: scripts/measure-photo-add.py [BUILD_DIR] [ROUNDS] [drop|dialog] [desktop|unmanaged]
A measurement, not a test: numbers depend on the machine's load (printed).
"""

import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measuring  # noqa: E402

measuring.setup(sys.argv)
# The chooser is recognised by the picture the content tool drew for it.
os.environ.setdefault("VARNOLT_CONTENT_DIR",
                      os.path.join(measuring.SOURCE, "build", "release", "content"))

from harness import Game, wait_until  # noqa: E402
from player import DIALOG_AT, Player  # noqa: E402
from xdnd import drop_files  # noqa: E402

PHOTO = os.path.normpath(os.path.join(measuring.SOURCE, "..", "shared", "corpora", "photos",
                                      "derived", "landscape-12mp.jpg"))
# The chooser's buttons for 9 and 12 pieces (game/photo_dialogs_layout.h),
# inside the chooser; alternate counts give every new page another cut, so
# that the screen changes even over the page added before.
COUNT_BUTTONS = {9: (22 + 2 * 64 + 28, 132 + 42), 12: (22 + 3 * 64 + 28, 132 + 42)}
# Left of the picture, where loose pieces lie and the chooser never is.
STRIP = (0, 0, 300, 690)
TIMEOUT = 30.0


def game_times(game):
    """The game's own times of its latest page: taken, cut, shown (ms)."""
    found = {}
    for line in game.log_lines():
        for key, pattern in (("taken", r"COwnPictures: \d+ pictures taken in (\d+) ms"),
                             ("cut", r"COwnPictures: page cut in (\d+) ms"),
                             ("shown", r"COwnPictures: page shown in (\d+) ms")):
            match = re.fullmatch(pattern, line)
            if match:
                found[key] = int(match.group(1))
    return found


def until(condition):
    """Milliseconds until condition() holds, polling every few ms."""
    start = time.perf_counter()
    wait_until(condition, "the screen", deadline=TIMEOUT, interval=0.005)
    return 1000.0 * (time.perf_counter() - start)


def one_round(game, player, pointer, mode, number):
    chooser = game.session.resource_picture("PieceCountDialogBkg").crop(0, 0, 360, 120)
    before = game.grab(*STRIP).rgb
    opened = f"COwnPictures: page{number:06d} opened"
    if mode == "drop":
        start = time.perf_counter()
        drop_files(game.session.env["DISPLAY"], int(game.window_id()), [PHOTO], (512, 300))
    else:
        game.key("a")
        wait_until(game.dialog, "the Open dialog")
        game.session.run("xdotool", "type", "--delay", "20", "Z:" + PHOTO.replace("/", "\\"))
        start = time.perf_counter()
        game.key("Return")
    wait_until(lambda: game.grab(*DIALOG_AT, 360, 120).shows(chooser), "the chooser",
               deadline=TIMEOUT, interval=0.005)
    to_chooser = 1000.0 * (time.perf_counter() - start)
    x, y = COUNT_BUTTONS[9 if number % 2 else 12]
    pointer.move(DIALOG_AT[0] + x, DIALOG_AT[1] + y)
    pointer.button(True)
    time.sleep(0.02)
    pointer.button(False)
    to_page = until(lambda: opened in game.log_lines() and game.grab(*STRIP).rgb != before)
    return to_chooser, to_page, game_times(game)


def measure(session, pointer, rounds, mode):
    game = Game(session).skip_directions()
    wine_errors = tempfile.NamedTemporaryFile(prefix="varnolt-wine-", suffix=".txt", delete=False)
    # Only Wine's notes on X events and windows, where it says it waited.
    env = dict(session.env, WINEDEBUG="-all,fixme+event,fixme+x11drv")
    game.process = subprocess.Popen([session.wine, "Varnolt.exe"], cwd=game.folder, env=env,
                                    stdout=subprocess.DEVNULL, stderr=wine_errors)
    try:
        player = Player(game)
        player.start_playing(False)
        results = [one_round(game, player, pointer, mode, n) for n in range(1, rounds + 1)]
    finally:
        game.cleanup()
        wine_errors.close()
    with open(wine_errors.name, errors="replace") as errors:
        withdrawn = sum("wait_for_withdrawn_state" in line and "timed out" in line
                        for line in errors)
    os.remove(wine_errors.name)
    print(f"12-megapixel photo by {mode}, {rounds} rounds; load: {os.getloadavg()}")
    for label, values in (("choice to chooser on screen", [r[0] for r in results]),
                          ("count clicked to page on screen", [r[1] for r in results])):
        print(f"  {label}: median {statistics.median(values):.0f} ms "
              f"(min {min(values):.0f}, max {max(values):.0f})")
    for key in ("taken", "cut", "shown"):
        values = [r[2][key] for r in results if key in r[2]]
        if values:
            print(f"  the game's own '{key}': median {statistics.median(values):.0f} ms")
    print(f"  Wine's two-second waits for a window manager: {withdrawn} "
          f"({withdrawn / rounds:.1f} a round)")
    # What a desktop with a window manager would see: the same, less the
    # waits Wine itself reported (one for each dialog closed). The photo
    # decodes while the chooser shows; there, a click sooner than the
    # decode (about 0.3 s) would wait for the rest of it.
    total = [r[0] + r[1] for r in results]
    print(f"  choice to page on screen, with the count clicked at once: median "
          f"{statistics.median(total):.0f} ms; less Wine's waits: "
          f"{statistics.median(total) - 2000.0 * withdrawn / rounds:.0f} ms")


X11_DRIVER = r"HKCU\Software\Wine\X11 Driver"


def unmanaged(session, run):
    """Runs run() with Wine's windows left to no window manager."""
    session.run(session.wine, "reg", "add", X11_DRIVER, "/v", "Managed", "/d", "N", "/f")
    try:
        run()
    finally:
        session.run(session.wine, "reg", "delete", X11_DRIVER, "/v", "Managed", "/f",
                    check=False)


def with_window_manager(session, run):
    """Runs run() with a small window manager looking after the screen, as
    on any desktop (evilwm; the bare X server has only its cursor font)."""
    manager = subprocess.Popen(["evilwm", "-fn", "cursor"], env=session.env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        run()
    finally:
        if manager.poll() is not None:
            print("  (the window manager had ended: these numbers are without one)")
        manager.terminate()
        manager.wait()


def main():
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    mode = sys.argv[3] if len(sys.argv) > 3 else "drop"
    managed = sys.argv[4] if len(sys.argv) > 4 else "managed"
    if mode not in ("drop", "dialog") or managed not in ("managed", "unmanaged", "desktop"):
        sys.exit(__doc__)

    def run(session, pointer):
        if managed == "unmanaged":
            unmanaged(session, lambda: measure(session, pointer, rounds, mode))
        elif managed == "desktop":
            with_window_manager(session, lambda: measure(session, pointer, rounds, mode))
        else:
            measure(session, pointer, rounds, mode)

    measuring.in_session(run)


if __name__ == "__main__":
    main()
