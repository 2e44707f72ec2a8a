"""Turning pages: wrapping at both ends, the page label, and each page
stored when it is left and found again as it was left."""

import unittest

from harness import GameTestCase, wait_until
from layout import HOLE, LOOSE, PAGE_COUNT, PLACED, SaveFile, name_index, save_name
from player import Player


class PagesTest(GameTestCase):
    def test_page_down_goes_round_all_thirty_pages_storing_each_one_left(self):
        game = self.new_game().skip_directions().start()
        player = Player(game)
        player.start_playing()
        for step in range(1, PAGE_COUNT + 1):
            left, shown = step, step % PAGE_COUNT + 1
            game.key("Next")
            player.wait_page(shown)
            self.assert_stored_as_laid_out(game, left)
        # Every page was stored once on the way round; page 1 just now.
        for page in range(1, PAGE_COUNT + 1):
            self.assertTrue(game.read_bytes("save", save_name(page)))

        game.key("Prior")
        player.wait_page(PAGE_COUNT)
        game.key("Escape")
        self.assertEqual(game.wait_exit(), 0)

    def assert_stored_as_laid_out(self, game, page):
        data = wait_until(lambda: self.read_if_present(game, page), f"{save_name(page)}")
        stored = SaveFile(data)
        self.assertTrue(stored.well_formed(), save_name(page))
        self.assertEqual(stored.placed, 0)
        pieces = game.session.catalogue.pages[page]
        # Four sprites a piece, the page furniture left out.
        self.assertEqual(sorted(record[0] for record in stored.records),
                         sorted(name_index(kind, piece) for kind in range(4) for piece in pieces))
        for piece in pieces:
            self.assertEqual(stored.visible(name_index(LOOSE, piece)), 1)
            self.assertEqual(stored.visible(name_index(PLACED, piece)), 0)

    @staticmethod
    def read_if_present(game, page):
        try:
            return game.read_bytes("save", save_name(page))
        except FileNotFoundError:
            return None

    def test_a_placed_piece_stays_placed_across_page_changes_and_a_restart(self):
        game = self.new_game().skip_directions().start()
        player = Player(game)
        player.start_playing()
        piece = player.catalogue.pages[1][3]
        player.place_piece(piece)

        game.key("Prior")
        player.wait_page(PAGE_COUNT)
        self.assertEqual(SaveFile(game.read_bytes("save", save_name(1))).placed, 1)
        game.key("Next")
        player.wait_page(1)
        player.wait_piece(PLACED, piece, "the piece still in its hole")
        self.assertFalse(player.shows_piece(LOOSE, piece))

        game.key("q")
        player.wait_ending()
        game.key("Return")
        self.assertEqual(game.wait_exit(), 0)

        again = self.new_game(folder=game.folder).start()
        player = Player(again)
        player.start_playing()
        player.wait_piece(PLACED, piece, "the piece in its hole after the restart")
        self.assertFalse(player.shows_piece(LOOSE, piece))
        self.assertFalse(player.shows_piece(HOLE, piece))


if __name__ == "__main__":
    unittest.main()
