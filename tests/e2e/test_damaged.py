"""A damaged installation keeps working: a missing picture, a damaged save
file or a missing music file costs only what it must, never the game."""

import os
import unittest

from harness import GameTestCase
from layout import HOLE, LOOSE, piece_file, save_name
from player import Player


class DamagedTest(GameTestCase):
    def assert_carries_on_quietly(self, game):
        """Still running, and no message box (or any dialog) came up."""
        self.assertTrue(game.running())
        self.assertIsNone(game.dialog())

    def test_a_missing_piece_picture_costs_only_that_sprite(self):
        game = self.new_game().skip_directions()
        player = Player(game)
        lost, kept = player.catalogue.pages[1][1], player.catalogue.pages[1][2]
        os.remove(game.path("Data", piece_file(LOOSE, lost)))
        game.start()
        player.start_playing()
        player.wait_piece(HOLE, lost, "the hole of the piece whose picture is missing")
        player.place_piece(kept)
        self.assert_carries_on_quietly(game)

    def test_a_missing_button_picture_leaves_a_button_that_still_works(self):
        game = self.new_game().skip_directions()
        os.remove(game.path("Data", "m0005.dat"))  # the next-page button's faces
        game.start()
        player = Player(game)
        player.start_playing()
        game.click(*player.button_centre("next"))
        player.wait_page(2)
        self.assert_carries_on_quietly(game)

    def test_a_damaged_save_file_lays_the_page_out_afresh(self):
        game = self.new_game().skip_directions()
        damaged = b"\x08\x00\x00\x00VARNOLTX" + bytes(range(40))
        game.write_file(damaged, "save", save_name(1))
        game.start()
        player = Player(game)
        player.start_playing()
        for piece in player.catalogue.pages[1]:
            player.wait_piece(LOOSE, piece, f"piece {piece} lying loose")
        player.place_piece(player.catalogue.pages[1][0])
        self.assert_carries_on_quietly(game)

    def test_without_its_music_the_game_plays_silently(self):
        game = self.new_game().skip_directions()
        os.remove(game.path("Varnolt1.mid"))
        game.start()
        player = Player(game)
        player.start_playing()
        player.place_piece(player.catalogue.pages[1][3])
        self.assert_carries_on_quietly(game)


if __name__ == "__main__":
    unittest.main()
