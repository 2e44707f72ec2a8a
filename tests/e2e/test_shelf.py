"""The picture book's "your pictures" page: the player's own pictures with
their thumbnails and marks, opened from there, and taken off the shelf only
by a two-second hold, the folder moved aside."""

import os
import time
import unittest

from harness import GameTestCase, wait_until
from layout import PAGE_LABEL
from pictures import frame
from player import centre, started_game
from shelf_page import (SHELF, empty_slot, remove_face, shelf_mark, thumbnail_shown,
                        wait_shelf)
from test_photos import PHOTOS, PhotosTest


class ShelfTest(GameTestCase):
    """The picture book's "your pictures" page: the player's own pictures
    with their thumbnails and marks, opened from there, and taken off the
    shelf only by a two-second hold."""

    choose_in_open_dialog = PhotosTest.choose_in_open_dialog
    choose_count = PhotosTest.choose_count

    def add(self, game, name, count=4):
        self.choose_in_open_dialog(game, os.path.join(PHOTOS, "exif-orientation", name))
        self.choose_count(game, count)

    def test_the_books_shelf_page_shows_the_added_picture_and_opens_it(self):
        game, player = started_game(self)
        self.add(game, "Landscape_0.jpg")
        game.wait_log("COwnPictures: page000001 opened")
        # Back to the thirty pages through the book: page 2.
        game.key("b")
        wait_shelf(game)
        player.wait_shown_badge(0, SHELF.badge, "on the page of their pictures")
        wait_until(lambda: thumbnail_shown(game, 0, "page000001"), "the photo's thumbnail")
        game.wait_shown(shelf_mark(game, 0, 0, 4), SHELF.mark(0)[:2], "the photo's mark: new")
        made = [line for line in game.log_lines() if line.startswith("CShelfThumbnails: ")]
        print("\n" + "\n".join(made))
        # "Add a picture" opens the Open dialog, as A does; cancelled, the
        # book shows again.
        game.click(*centre(SHELF.add_picture))
        wait_until(game.dialog, "the Open dialog")
        game.key("Escape")
        wait_until(lambda: game.dialog() is None, "the Open dialog to close")
        wait_shelf(game)
        self.assertFalse(os.path.exists(game.user_folder("pictures", "page000002")))
        game.click(*centre(SHELF.turn_tab))
        player.wait_book(turn_tab=True)
        game.click(*centre(player.book.thumbnail(2)))
        player.wait_page(2)
        # The book opened over page 2 turns to the player's pictures with Y,
        # and a click on the thumbnail opens the photo's page.
        game.key("b")
        player.wait_book(turn_tab=True)
        game.key("y")
        wait_shelf(game)
        wait_until(lambda: thumbnail_shown(game, 0, "page000001"), "the thumbnail again")
        game.click(*centre(SHELF.thumb_box(0)))
        wait_until(lambda: game.log_lines().count("COwnPictures: page000001 opened") == 2,
                   "the photo's page opened from the book")
        own_label = frame(game.picture("m0013.dat"), 1, PAGE_LABEL[2], PAGE_LABEL[3])
        game.wait_shown(own_label, PAGE_LABEL[:2], "the photo page's label")

    def test_removal_with_the_hold_and_the_folder_moved_aside(self):
        game, player = started_game(self)
        self.add(game, "Landscape_0.jpg")
        self.add(game, "Landscape_3.jpg")
        game.wait_log("COwnPictures: page000002 opened")
        game.key("b")
        wait_shelf(game)
        wait_until(lambda: thumbnail_shown(game, 1, "page000002"), "the second thumbnail")
        first = game.user_folder("pictures", "page000001")
        # A tap takes nothing and says it must be held.
        game.click(*centre(SHELF.remove(0)))
        game.wait_log("CBookPlay: a picture is removed only when held")
        game.wait_shown(remove_face(game, 0, 1), SHELF.remove(0)[:2], "hold it")
        self.assertTrue(os.path.isdir(first))
        self.assertTrue(thumbnail_shown(game, 0, "page000001"))
        # Held for two seconds: the folder moves into "removed", the
        # thumbnail is gone and the second picture takes its place.
        pressed = time.monotonic()
        game.press(*centre(SHELF.remove(0)))
        game.wait_log("CBookPlay: page000001 taken off the shelf")
        held = time.monotonic() - pressed
        game.release()
        self.assertGreaterEqual(held, 1.9)
        self.assertFalse(os.path.exists(first))
        self.assertTrue(os.path.isfile(
            game.user_folder("pictures", "removed", "page000001", "picture.dat")))
        game.wait_shown(empty_slot(game, 1), SHELF.cell(1)[:2], "the second cell empty")
        wait_until(lambda: thumbnail_shown(game, 0, "page000002"), "the second photo moved up")
        # The picture being played, now highlighted, held away with Delete
        # (a tap of it takes nothing): no pictures are left, so the book is
        # the thirty pages' as it always was, and Escape goes back to page 1.
        taps = game.log_lines().count("CBookPlay: a picture is removed only when held")
        game.key("Delete")
        wait_until(lambda: game.log_lines().count(
            "CBookPlay: a picture is removed only when held") == taps + 1, "Delete tapped")
        self.assertTrue(os.path.isdir(game.user_folder("pictures", "page000002")))
        pressed = time.monotonic()
        game.session.run("xdotool", "keydown", "Delete")
        try:
            game.wait_log("CBookPlay: page000002 taken off the shelf")
            self.assertGreaterEqual(time.monotonic() - pressed, 1.9)
        finally:
            game.session.run("xdotool", "keyup", "Delete")
        player.wait_book()
        self.assertEqual(sorted(os.listdir(game.user_folder("pictures", "removed"))),
                         ["page000001", "page000002"])
        game.key("Escape")
        player.wait_page(1)
        self.assertTrue(game.running())


if __name__ == "__main__":
    unittest.main()
