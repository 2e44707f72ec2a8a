"""The family comforts played under Wine: the sound switch, the picture book
and the reward for a finished page."""

import os
import unittest

from harness import GameTestCase, wait_until
from layout import PLACED, save_name, settings_file
from player import centre, loose_picture_back, started_game


class ComfortsTest(GameTestCase):
    def test_m_switches_the_sound_and_the_choice_survives_a_restart(self):
        game, player = started_game(self, trace_sounds=True)
        player.wait_speaker(0)
        # Everything on: the page sound is looked up, both ways.
        player.turn_away_and_back()
        wait_until(lambda: game.sounds_played().count("CHANGEPAGEWAVE") == 2,
                   "the page sound twice")
        game.key("m")
        player.wait_speaker(1)
        game.key("m")
        player.wait_speaker(2)
        wait_until(lambda: game.read_bytes("settings.dta") == settings_file(2),
                   "the settings file holding everything off")
        heard = len(game.sounds_played())
        # Everything off: a page change and a placement look no sound up.
        player.page_key("Next", 2)
        player.place_piece(player.pieces_of(2)[0])
        player.page_key("Prior", 1)
        self.assertEqual(game.sounds_played()[heard:], [])
        game.key("q")
        player.wait_ending()
        game.key("Return")
        self.assertEqual(game.wait_exit(), 0)
        self.assert_display_given_back(game)

        again, player = started_game(self, self.new_game(folder=game.folder))
        player.wait_speaker(2)
        again.click(*player.button_centre("sound"))
        player.wait_speaker(0)
        wait_until(lambda: again.read_bytes("settings.dta") == settings_file(0),
                   "the settings file holding everything on")

    def test_a_finished_page_plays_the_fanfare_and_stars_its_label(self):
        game, player = started_game(self, trace_sounds=True)
        pieces = player.pieces_of(1)
        for piece in pieces[:-1]:
            player.place_piece(piece)
        self.assertNotIn("FANFAREWAVE", game.sounds_played())
        self.assertFalse(player.shows_star())
        player.place_piece(pieces[-1])
        wait_until(lambda: "FANFAREWAVE" in game.sounds_played(), "the fanfare")
        player.wait_star()
        # The sparkle passes and leaves the finished picture as it is.
        for piece in pieces:
            player.wait_piece(PLACED, piece, f"piece {piece} clear of the sparkle")
        # Stored and read back, the page keeps its star but plays no fanfare.
        player.page_key("Next", 2)
        self.assertFalse(player.shows_star())
        player.page_key("Prior", 1)
        player.wait_star()
        self.assertEqual(game.sounds_played().count("FANFAREWAVE"), 1)
        # Cleared, the page loses its star.
        game.key("c")
        wait_until(lambda: not player.shows_star(), "the star to go")

    def test_the_book_shows_every_page_opens_the_one_clicked_and_starts_again(self):
        game, player = started_game(self)
        page1, page2 = player.pieces_of(1), player.pieces_of(2)
        for piece in page1:
            player.place_piece(piece)
        player.page_key("Next", 2)
        player.place_piece(page2[0])

        game.key("b")
        player.wait_book()
        player.wait_mark(1, len(page1), len(page1))
        player.wait_mark(2, 1, len(page2))
        player.wait_mark(3, 0, len(player.pieces_of(3)))
        # Opening the book stored nothing: page 2 was never left.
        self.assertFalse(os.path.exists(game.path("save", save_name(2))))
        # B goes back to the page that was showing, as it was left.
        player.page_key("b", 2)
        player.wait_piece(PLACED, page2[0], "page 2's placed piece")

        game.click(*player.button_centre("book"))
        player.wait_book()
        game.click(*centre(player.book.thumbnail(5)))
        player.wait_page(5)  # the book, over the whole screen, is gone
        # The page left was stored, as a page change stores it.
        wait_until(lambda: os.path.exists(game.path("save", save_name(2))), "page 2 stored")
        # Escape in the book goes back too, and never ends the game.
        game.key("b")
        player.wait_book()
        player.page_key("Escape", 5)
        self.assertTrue(game.running())

        # Starting again takes a held press, and puts the saves aside.
        stored1 = game.read_bytes("save", save_name(1))
        game.key("b")
        player.wait_book()
        control = centre(player.book.start_again)
        game.click(*control)
        player.wait_mark(1, len(page1), len(page1))
        self.assertFalse(os.path.exists(game.path("save", "previous")))
        game.press(*control)
        wait_until(lambda: os.path.exists(game.path("save", "previous", save_name(2))),
                   "the save files put aside")
        game.release()
        player.wait_mark(1, 0, len(page1))
        player.wait_mark(2, 0, len(page2))
        self.assertEqual(game.read_bytes("save", "previous", save_name(1)), stored1)
        self.assertFalse(os.path.exists(game.path("save", save_name(1))))
        # Page 2 is new again.
        game.click(*centre(player.book.thumbnail(2)))
        player.wait_page(2)
        wait_until(lambda: loose_picture_back(player, page2[0]),
                   "page 2's piece back where it started")


if __name__ == "__main__":
    unittest.main()
