"""The player's own pictures: a photo added through the Open dialog becomes
a page that is finished by keyboard and stays finished after a restart, and
pictures that cannot be used are refused with the game's notice."""

import os
import re
import time
import unittest

from harness import Game, GameTestCase, wait_until
from pictures import Picture
from player import Player, started_game
from shelf_page import SHELF, shelf_mark, wait_shelf

PHOTOS = os.path.normpath(os.path.join(os.environ.get("VARNOLT_SOURCE_DIR", "."), "..", "shared",
                                       "corpora", "photos"))
# The chooser's five buttons (game/photo_dialogs_layout.h): 4, 6, 9, 12, 16.
COUNTS = (4, 6, 9, 12, 16)


def count_button_centre(i):
    return 22 + i * 64 + 28, 132 + 42


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def own_layout(game):
    """Each piece's loose and hole place as the game logged them when the
    page last opened."""
    pieces = {}
    for line in game.log_lines():
        found = re.match(r"COwnPage: piece (\d+) loose (-?\d+) (-?\d+) hole (-?\d+) (-?\d+)", line)
        if found:
            k, lx, ly, hx, hy = map(int, found.groups())
            pieces[k] = ((lx, ly), (hx, hy))
    return pieces


def reading_order(pieces, place):
    return sorted(pieces, key=lambda k: (place(k)[1], place(k)[0], k))


def placements(game):
    return sum(1 for name in game.sounds_played() if name.upper().startswith("PLACE"))


class PhotosTest(GameTestCase):
    def choose_in_open_dialog(self, game, path):
        game.key("a")
        wait_until(game.dialog, "the Open dialog")
        game.session.run("xdotool", "type", "--delay", "20", windows_path(path))
        game.key("Return")

    def choose_count(self, game, count, by_key=False):
        """Clicks count on the chooser once it shows (or, by_key, presses
        Enter, which takes the 9 the chooser starts on)."""
        chooser = game.session.resource_picture("PieceCountDialogBkg").crop(0, 0, 360, 120)

        def shown():
            rect = game.dialog()
            return rect if rect and game.grab(rect[0], rect[1], 360, 120).shows(chooser) else None

        rect = wait_until(shown, "the piece-count chooser")
        if by_key:
            self.assertEqual(count, 9)
            start = time.monotonic()
            game.key("Return")
            return start
        x, y = count_button_centre(COUNTS.index(count))
        start = time.monotonic()
        game.click(rect[0] + x, rect[1] + y)
        return start

    def finish_by_keyboard(self, game):
        layout = own_layout(game)
        loose = reading_order(layout, lambda k: layout[k][0])
        game.key("Tab")
        chosen = loose[0]
        placed = placements(game)
        while loose:
            holes = reading_order(loose, lambda k: layout[k][1])
            game.key("Return", *["Right"] * holes.index(chosen), "Return")
            placed += 1
            wait_until(lambda: placements(game) >= placed, f"piece {chosen} in its hole")
            after = loose[(loose.index(chosen) + 1) % len(loose)]
            loose.remove(chosen)
            chosen = after

    def test_a_photo_from_the_open_dialog_is_finished_by_keyboard_and_stays_finished(self):
        game, player = started_game(self, trace_sounds=True)
        self.choose_in_open_dialog(game, os.path.join(PHOTOS, "exif-orientation", "Landscape_0.jpg"))
        self.choose_count(game, 4)
        game.wait_log("COwnPictures: page000001 opened")
        self.assertEqual(len(own_layout(game)), 4)
        self.finish_by_keyboard(game)
        player.wait_star()
        # The book opened over the finished photo page shows the player's
        # pictures, the photo finished; turned to the thirty pages it marks
        # page 1, the page the cursor is on, as its own save file has it:
        # untouched.
        game.key("b")
        wait_shelf(game)
        game.wait_shown(shelf_mark(game, 0, 4, 4), SHELF.mark(0)[:2], "the photo's rosette")
        game.key("y")
        player.wait_book(turn_tab=True)
        player.wait_mark(1, 0, len(player.pieces_of(1)))
        game.key("b")
        shelf = game.user_folder("pictures", "page000001")
        self.assertTrue(os.path.isfile(os.path.join(shelf, "photo.jpg")))
        self.assertTrue(os.path.isfile(os.path.join(shelf, "picture.dat")))

        # A restart: the page comes back from the shelf, still finished.
        game.close_through_ending()
        game.wait_exit()
        again = Game(game.session, folder=game.folder)
        self.games.append(again)
        player = Player(again.start())
        player.start_playing(False)
        again.key("y")
        wait_until(lambda: again.log_lines().count("COwnPictures: page000001 opened") >= 2,
                   "the page opened again")
        player.wait_star()
        self.assertTrue(os.path.isfile(os.path.join(shelf, "progress.sav")))

    def test_the_twelve_megapixel_photo_becomes_a_page_and_the_game_answers(self):
        game, player = started_game(self)
        self.choose_in_open_dialog(game, os.path.join(PHOTOS, "derived", "landscape-12mp.jpg"))
        chosen = self.choose_count(game, 9, by_key=True)
        # The page is on screen once its loose pieces cover the felt where
        # page 1's left column lay empty.
        before = game.grab(0, 0, 1024, 690).rgb
        wait_until(lambda: "COwnPictures: 9 pieces chosen" in game.log_lines(), "the count",
                   interval=0.01)
        counted = time.monotonic() - chosen
        wait_until(lambda: "COwnPictures: page000001 opened" in game.log_lines()
                   and game.grab(0, 0, 1024, 690).rgb != before,
                   "the new page on screen", interval=0.01)
        elapsed = time.monotonic() - chosen
        print(f"\n12-megapixel photo: count chosen to page on screen {elapsed:.3f} s "
              f"(the game had the count after {counted:.3f} s)")
        with open(game.path("log.txt"), errors="replace") as log:
            print("".join(l for l in log.readlines()[-40:] if "piece" not in l))
        game.key("a")
        wait_until(game.dialog, "the Open dialog again: the game answers")

    def test_pictures_that_cannot_be_used_get_the_notice_and_play_goes_on(self):
        game, player = started_game(self)
        self.choose_in_open_dialog(game, os.path.join(PHOTOS, "libjpeg-turbo", "monkey12.jpg"))
        self.choose_count(game, 6)
        player.wait_picture_dialog("PictureRefusedDialogBkg")
        self.assertTrue(game.dialog_inside())
        player.answer_dialog("PictureRefusedDialogBkg")
        self.assertFalse(os.path.isdir(game.user_folder("pictures", "page000001")))
        player.page_key("Next", 2)


    def test_a_photo_taken_sideways_is_stored_upright(self):
        game, player = started_game(self)
        for name in ("Landscape_0.jpg", "Landscape_6.jpg"):
            self.choose_in_open_dialog(game, os.path.join(PHOTOS, "exif-orientation", name))
            self.choose_count(game, 4)
        game.wait_log("COwnPictures: page000002 opened")
        upright = Picture.read(game.user_folder("pictures", "page000001", "picture.dat"))
        turned = Picture.read(game.user_folder("pictures", "page000002", "picture.dat"))
        self.assertEqual((turned.width, turned.height), (upright.width, upright.height))
        # The same picture, decoded from another encoding: close, where any
        # wrong turn or mirror would be far off.
        difference = sum(abs(a - b) for a, b in zip(upright.rgb, turned.rgb)) / len(upright.rgb)
        self.assertLess(difference, 12)
        mirrored = b"".join(
            b"".join(upright.row(y, x, 1) for x in reversed(range(upright.width)))
            for y in range(upright.height))
        self.assertGreater(sum(abs(a - b) for a, b in zip(mirrored, turned.rgb)) / len(mirrored),
                           3 * difference)


if __name__ == "__main__":
    unittest.main()
