"""Damaged installations and unwritable folders: a missing picture, a damaged
save file or a missing music file costs only what it must, never the game;
what the player has done is never lost to a folder the game cannot write (the
per-user folder takes the saves and the options); a page lacking a piece
heals; and when nothing at all can be written the game says so once, in its
own pictures, and play goes on."""

import os
import unittest

from harness import GameTestCase
from layout import HOLE, LOOSE, PLACED, SaveFile, name_index, options_file, piece_file, save_name
from player import started_game


class StorageTest(GameTestCase):
    def assert_carries_on_quietly(self, game):
        """Still running, and no message box (or any dialog) came up."""
        self.assertTrue(game.running())
        self.assertIsNone(game.dialog())

    def test_a_plain_file_named_save_sends_the_pages_to_the_per_user_folder(self):
        game = self.new_game()
        game.write_file(b"not a folder", "save")
        game, player = started_game(self, game, directions=True)
        piece = player.catalogue.pages[1][0]
        player.place_piece(piece)

        # The about box stores the page and leaves it on the screen as it is.
        game.key("i")
        player.answer_dialog("AboutDialogBkg")
        self.assertTrue(player.shows_piece(PLACED, piece))
        self.assertEqual(SaveFile(game.read_bytes(game.user_folder("save", save_name(1)))).placed, 1)

        player.turn_away_and_back()
        player.wait_piece(PLACED, piece, "the piece still in its hole")
        self.assertEqual(game.read_bytes("save"), b"not a folder")
        # The options could be written beside the game: the directions are done.
        self.assertEqual(game.read_bytes("options.dta"), options_file(0))
        game.key("Escape")
        self.assertEqual(game.wait_exit(), 0)

        again, player = started_game(self, self.new_game(folder=game.folder))
        player.wait_piece(PLACED, piece, "the piece in its hole after the restart")
        self.assertFalse(player.shows_piece(LOOSE, piece))
        self.assertIsNone(again.dialog(), "the directions came back")

    def test_a_read_only_page_file_is_left_as_it_is_and_the_page_kept_per_user(self):
        game = self.new_game().skip_directions()
        stored = SaveFile.laid_out(game.session.catalogue, 1)
        game.write_file(stored, "save", save_name(1))
        os.chmod(game.path("save", save_name(1)), 0o444)
        game, player = started_game(self, game)
        piece = player.catalogue.pages[1][4]
        player.place_piece(piece)

        player.turn_away_and_back()
        player.wait_piece(PLACED, piece, "the piece still in its hole")
        self.assertEqual(game.read_bytes("save", save_name(1)), stored)
        kept = SaveFile(game.read_bytes(game.user_folder("save", save_name(1))))
        self.assertEqual((kept.placed, kept.visible(name_index(PLACED, piece))), (1, 1))

    def test_a_missing_piece_picture_costs_only_that_sprite_and_the_page_heals_once_it_is_back(
            self):
        game = self.new_game().skip_directions()
        pieces = game.session.catalogue.pages[1]
        lost, kept = pieces[2], pieces[1]
        picture = game.read_bytes("Data", piece_file(LOOSE, lost))
        os.remove(game.path("Data", piece_file(LOOSE, lost)))
        game, player = started_game(self, game)
        player.wait_piece(HOLE, lost, "the hole of the piece whose picture is missing")
        player.place_piece(kept)
        self.assert_carries_on_quietly(game)
        player.turn_away_and_back()
        stored = SaveFile(game.read_bytes("save", save_name(1)))
        self.assertIsNone(stored.visible(name_index(LOOSE, lost)))

        game.write_file(picture, "Data", piece_file(LOOSE, lost))
        player.turn_away_and_back()
        player.wait_piece(LOOSE, lost, "the piece laid out again")
        player.wait_piece(PLACED, kept, "the piece placed meanwhile still in its hole")
        for piece in pieces:
            if piece != kept:
                player.place_piece(piece)

    def test_when_nothing_can_be_written_the_player_is_told_once_and_plays_on(self):
        game = self.new_game().skip_directions()
        game.write_file(b"not a folder", "save")
        os.makedirs(os.path.dirname(game.user_folder()), exist_ok=True)
        with open(game.user_folder(), "wb") as blocker:
            blocker.write(b"not a folder either")
        game, player = started_game(self, game)
        piece = player.catalogue.pages[1][1]
        player.place_piece(piece)

        game.key("Next")
        player.answer_dialog("CannotSaveDialogBkg")
        player.wait_page(2)
        # Told once: the about box stores again, and comes up on its own.
        game.key("i")
        player.answer_dialog("AboutDialogBkg")
        player.page_key("Prior", 1)
        player.place_piece(player.catalogue.pages[1][2])
        self.assertTrue(game.running())


    def test_a_damaged_save_file_lays_the_page_out_afresh(self):
        game = self.new_game().skip_directions()
        damaged = b"\x08\x00\x00\x00VARNOLTX" + bytes(range(40))
        game.write_file(damaged, "save", save_name(1))
        game, player = started_game(self, game)
        for piece in player.catalogue.pages[1]:
            player.wait_piece(LOOSE, piece, f"piece {piece} lying loose")
        player.place_piece(player.catalogue.pages[1][0])
        self.assert_carries_on_quietly(game)

    def test_without_a_button_picture_or_its_music_the_game_plays_on(self):
        game = self.new_game().skip_directions()
        os.remove(game.path("Data", "m0005.dat"))  # the next-page button's faces
        os.remove(game.path("Varnolt1.mid"))
        game, player = started_game(self, game)
        game.click(*player.button_centre("next"))
        player.wait_page(2)
        player.place_piece(player.pieces_of(2)[0])
        self.assert_carries_on_quietly(game)


if __name__ == "__main__":
    unittest.main()
