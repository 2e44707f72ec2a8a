#!/usr/bin/env python3
"""Packs the staged game folder into the zip a Windows player unzips and runs.
Usage: scripts/make-dist.py GAME_FOLDER OUTPUT_ZIP"""

import os
import sys
import zipfile

HOW_TO_PLAY = """Varnolt - picture puzzles
=========================

Unzip this folder anywhere you can write to and run Varnolt.exe.

On the title screen press Enter, Space or click Start.
Drag each loose piece beside the picture into its hole: let go close to the
hole and the piece drops in; anywhere else it slides back.
Or click a piece once, move it over its hole and click again. The right
mouse button or Backspace puts a carried piece back.

Playing by keyboard:
  Tab, Shift+Tab  choose a loose piece (a ring shows which)
  Enter, Space    lift it over a hole; let it go there
  Right, Left     carry it to the next or previous hole
  Backspace       put it back
  H               hint: the piece's own hole glows

Buttons along the bottom, and their keys:
  Quit            Q          farewell picture, then the game ends
  About           I          who made the game
  Previous page   Page Up    page 1 wraps to page 30
  Next page       Page Down  page 30 wraps to page 1
  Clear           C          takes this page's placed pieces out again
  Speaker         M          sound: everything on, music off, everything off
  Picture book    B          every page at a glance; B or Escape goes back
                  Escape     ends the game at once
                  Alt+Enter  a window, or full screen again

A finished page plays a fanfare, sparkles, and gets a star by its number.
In the picture book, click a picture (or use the arrow keys and Enter) to go
to that page. "Start again" in its corner clears every page once held down
for two seconds; the old save files move to "save\previous". To undo it,
quit and move the files from "save\previous" back into "save".

Every page remembers its progress in the "save" folder beside the game, and
the speaker's setting is kept in "settings.dta".
"""

# What the player gets: the program, its music and its pictures. Files the
# game writes while it runs (saves, options, log) are not part of it.
LEFT_OUT = {"options.dta", "settings.dta", "log.txt", ".content-staged"}


def main():
    game, output = sys.argv[1], sys.argv[2]
    os.makedirs(os.path.dirname(os.path.abspath(output)), exist_ok=True)
    with zipfile.ZipFile(output, "w", zipfile.ZIP_DEFLATED) as archive:
        for folder, folders, files in os.walk(game):
            folders[:] = sorted(f for f in folders if f != "save")
            for name in sorted(files):
                if name in LEFT_OUT:
                    continue
                path = os.path.join(folder, name)
                archive.write(path, os.path.join("Varnolt", os.path.relpath(path, game)))
        archive.writestr("Varnolt/How to play.txt", HOW_TO_PLAY.replace("\n", "\r\n"))
    print(f"Wrote {output}")


if __name__ == "__main__":
    main()
