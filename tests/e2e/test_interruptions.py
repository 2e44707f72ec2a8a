"""The world interrupting a game: another program taking the front while a
piece is carried, the session ending, a second copy started while a dialog
is open. None of them costs the player a piece or leaves the game astray."""

import os
import unittest

from harness import GameTestCase, wait_until
from layout import PLACED, SaveFile, name_index, options_file, save_name
from player import loose_picture_back, started_game


class InterruptionsTest(GameTestCase):
    def test_a_piece_carried_when_another_program_takes_the_front_goes_home(self):
        game, player = started_game(self)
        piece = player.catalogue.pages[1][0]
        game.press(*player.grab_point(piece))
        game.move(500, 400)
        wait_until(lambda: not loose_picture_back(player, piece), "the piece to be lifted")

        with game.other_program_in_front():
            game.wait_log("WM_Activateapp: wParam = 0")
            # Drawn at home at once, although an inactive game does not tick.
            wait_until(lambda: loose_picture_back(player, piece), "the piece back where it lay")
            game.release()

        # Back in the game, a click where the piece would fit finds nothing
        # carried; another piece placed after it shows that click was handled.
        player.focus()
        game.click(*player.fitting_drop_point(piece))
        player.place_piece(player.catalogue.pages[1][1])
        self.assertTrue(loose_picture_back(player, piece))

    def test_the_session_ending_stores_the_page_and_the_options(self):
        game, player = started_game(self, self.new_game(), directions=True)
        piece = player.catalogue.pages[1][3]
        player.place_piece(piece)
        os.remove(game.path("options.dta"))

        self.assertTrue(game.end_session())
        stored = SaveFile(game.read_bytes("save", save_name(1)))
        self.assertEqual((stored.placed, stored.visible(name_index(PLACED, piece))), (1, 1))
        self.assertEqual(game.read_bytes("options.dta"), options_file(0))
        game.wait_log("Display mode restored")
        # The page is still the one on the screen.
        self.assertTrue(player.shows_piece(PLACED, piece))

    def test_a_second_copy_with_the_about_box_open_brings_it_forward_and_keeps_the_game_disabled(
            self):
        first, player = started_game(self)
        first.key("i")
        player.wait_picture_dialog("AboutDialogBkg")

        with first.other_program_in_front():
            wait_until(lambda: not first.dialog_in_front(), "the other program in front")
            second = self.new_game(folder=first.folder).start()
            self.assertEqual(second.wait_exit(), 0)
            wait_until(first.dialog_in_front, "the about box in front")
        self.assertEqual(first.window_state()["enabled"], "0")

        # The page buttons beneath stay dead, and no second about box opens.
        first.click(*player.button_centre("next"))
        player.answer_dialog("AboutDialogBkg")
        wait_until(lambda: first.window_state()["enabled"] == "1", "the game enabled again")
        self.assertIsNone(first.dialog())
        player.focus()
        player.page_key("Next", 2)


if __name__ == "__main__":
    unittest.main()
