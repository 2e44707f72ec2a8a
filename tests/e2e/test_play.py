"""Playing a page with the mouse, turning pages (wrapping at both ends, each
page stored when it is left), and leaving at once with Escape."""

import os
import unittest

from harness import GameTestCase, wait_until
from layout import HOLE, LOOSE, PAGE_COUNT, PLACED, SaveFile, name_index, save_name
from player import loose_picture_back, started_game


class PlayTest(GameTestCase):
    def test_a_piece_dropped_on_its_hole_goes_in_and_one_dropped_elsewhere_goes_back(self):
        game, player = started_game(self, trace_sounds=True)
        placed, missed = player.catalogue.pages[1][1], player.catalogue.pages[1][2]

        player.place_piece(placed)  # waits for its placed picture at the hole
        self.assertFalse(player.shows_piece(LOOSE, placed))
        # Let go over the middle of the picture, far from its own hole.
        game.drag(player.grab_point(missed), (512, 300))
        wait_until(lambda: loose_picture_back(player, missed), "the missed piece back in its place")
        self.assertTrue(player.shows_piece(PLACED, placed))

        # What the screen shows is what is stored.
        player.page_key("Next", 2)
        # Each sound waits for the one before, so they are traced in order.
        sounds = wait_until(lambda: game.sounds_played()[3:] and game.sounds_played(),
                            "the page sound")
        self.assertEqual(len(sounds), 4)
        self.assertEqual(sounds[0], "PICKUPWAVE")
        self.assertRegex(sounds[1], r"^PLACE(0[1-9]|1[0-9]|20)WAVE$")
        self.assertEqual(sounds[2:], ["PICKUPWAVE", "CHANGEPAGEWAVE"])
        stored = SaveFile(game.read_bytes("save", save_name(1)))
        self.assertTrue(stored.well_formed())
        self.assertEqual(stored.placed, 1)
        self.assertEqual(stored.visible(name_index(PLACED, placed)), 1)
        self.assertEqual(stored.visible(name_index(HOLE, placed)), 0)
        self.assertEqual(stored.visible(name_index(LOOSE, missed)), 1)
        self.assertEqual(stored.visible(name_index(PLACED, missed)), 0)

    def test_escape_ends_at_once_without_the_ending_picture_or_storing_the_page(self):
        game, player = started_game(self)
        first, second = player.catalogue.pages[1][1:3]
        player.place_piece(first)
        # Leaving and coming back stores page 1 with one piece placed.
        player.turn_away_and_back()
        stored = game.read_bytes("save", save_name(1))
        self.assertEqual(SaveFile(stored).placed, 1)

        player.place_piece(second)
        game.key("Escape")
        # The ending picture would wait for its button: ending without any
        # further input means it never came.
        self.assertEqual(game.wait_exit(), 0)
        self.assert_display_given_back(game)
        self.assertEqual(game.read_bytes("save", save_name(1)), stored)

    def test_page_down_goes_round_all_thirty_pages_storing_each_one_left(self):
        game, player = started_game(self)
        for step in range(1, PAGE_COUNT + 1):
            left, shown = step, step % PAGE_COUNT + 1
            player.page_key("Next", shown)
            self.assert_stored_as_laid_out(game, left)
        # Every page was stored once on the way round; page 1 just now.
        for page in range(1, PAGE_COUNT + 1):
            self.assertTrue(game.read_bytes("save", save_name(page)))

        player.page_key("Prior", PAGE_COUNT)
        game.key("Escape")
        self.assertEqual(game.wait_exit(), 0)

    def assert_stored_as_laid_out(self, game, page):
        # Written aside and renamed into place: once there, it is whole.
        wait_until(lambda: os.path.exists(game.path("save", save_name(page))), save_name(page))
        stored = SaveFile(game.read_bytes("save", save_name(page)))
        self.assertTrue(stored.well_formed(), save_name(page))
        self.assertEqual(stored.placed, 0)
        pieces = game.session.catalogue.pages[page]
        # Four sprites a piece, the page furniture left out.
        self.assertEqual(sorted(record[0] for record in stored.records),
                         sorted(name_index(kind, piece) for kind in range(4) for piece in pieces))
        for piece in pieces:
            self.assertEqual(stored.visible(name_index(LOOSE, piece)), 1)
            self.assertEqual(stored.visible(name_index(PLACED, piece)), 0)


if __name__ == "__main__":
    unittest.main()
