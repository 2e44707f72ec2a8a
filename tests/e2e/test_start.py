"""Starting the game: the title screen, the one-time directions, keys that
come too early, and leaving before any page was shown."""

import unittest

from harness import GameTestCase, wait_until
from layout import PLACED, SaveFile, options_file, save_name
from player import Player


class StartTest(GameTestCase):
    def test_first_run_shows_the_title_then_the_directions_once(self):
        game = self.new_game().start()
        player = Player(game)
        player.wait_title()  # tiles, title picture and start button, pixel for pixel
        player.focus()
        game.key("Return")
        player.wait_picture_dialog("OneTimeDirectionsDialogBkg")  # centred, 360 x 360
        self.assertTrue(player.shows_page(1))
        self.assertEqual(game.read_bytes("options.dta"), options_file(1))
        game.key("Return")
        # Stored as soon as the directions close.
        wait_until(lambda: game.read_bytes("options.dta") == options_file(0),
                   "the options to be saved")
        self.assertFalse(player.shows_picture_dialog("OneTimeDirectionsDialogBkg"))
        game.key("Escape")
        self.assertEqual(game.wait_exit(), 0)

        again = self.new_game(folder=game.folder).start()
        player = Player(again)
        player.start_playing(key=None)  # the start button this time
        # With the directions up, Page Down would not reach the page.
        player.page_key("Next", 2)
        self.assertEqual(again.read_bytes("options.dta"), options_file(0))
        again.key("Escape")
        self.assertEqual(again.wait_exit(), 0)

    def test_keys_between_the_start_and_the_first_paint_do_nothing(self):
        game = self.new_game().skip_directions().start()
        player = Player(game)
        player.wait_title()
        player.focus()
        # The keys queue up behind Enter and reach the game in one go: the
        # start command comes first, the page's paint last, the keys between.
        with game.suspended():
            game.key("Return", "Next", "Next", "c", "q", "Escape")
        player.wait_page(1)
        player.page_key("Next", 2)
        self.assertTrue(game.running())
        self.assertEqual(SaveFile(game.read_bytes("save", save_name(1))).placed, 0)
        game.key("Escape")
        self.assertEqual(game.wait_exit(), 0)

    def test_closing_from_the_title_keeps_page_one_as_it_was_stored(self):
        game = self.new_game().skip_directions()
        first = game.session.catalogue.pages[1][0]
        stored = SaveFile.laid_out(game.session.catalogue, 1, placed=[first])
        game.write_file(stored, "save", save_name(1))
        game.start()
        player = Player(game)
        player.wait_title()
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)
        self.assertEqual(game.read_bytes("save", save_name(1)), stored)

        # Any close request, not only the system's key, and the stored page
        # still comes back as it was.
        again = self.new_game(folder=game.folder).start()
        player = Player(again)
        player.wait_title()
        again.wintool("close", check=True)  # WM_CLOSE, as the close command sends it
        player.wait_ending()
        again.key("Return")
        self.assertEqual(again.wait_exit(), 0)
        self.assertEqual(again.read_bytes("save", save_name(1)), stored)

        # And the page it keeps is the one the player then finds.
        third = self.new_game(folder=game.folder).start()
        player = Player(third)
        player.start_playing(key="space")
        player.wait_piece(PLACED, first, "the stored piece in its hole")


if __name__ == "__main__":
    unittest.main()
