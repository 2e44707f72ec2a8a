"""The family's players and the grown-up corner's settings played under Wine: the child lock's hold
on Escape and the quit button, the generous fit, and help when stuck."""

import os
import unittest

from harness import GameTestCase, wait_until
from layout import (FIT_GENEROUS, FIT_OFFSET, GAME_BUTTONS, PLACED, SaveFile, badge_boxes,
                    household_settings_file, save_name)
from pictures import MAGENTA, frame
from player import Player, centre, loose_picture_back, started_game

AID_MARGIN = 6  # the glows reach this far beyond what they surround
GLOW_FRAMES = 3


def glow_frames(game, name):
    glow = game.picture(name)
    height = glow.height // GLOW_FRAMES
    return [frame(glow, index, glow.width, height) for index in range(GLOW_FRAMES)]


def glowing(game, frames, at):
    shown = game.grab(*at, frames[0].width, frames[0].height)
    return any(shown.shows(part, key=MAGENTA) for part in frames)


class FamilyTest(GameTestCase):
    def household(self, **settings):
        """A new game whose settings file holds the corner's settings."""
        game = self.new_game().skip_directions()
        game.write_file(household_settings_file(**settings), "settings.dta")
        return game

    def assert_tap_only_shows_a_notice(self, game, tap):
        """tap() leaves the game running and makes the quit button's edge
        pulse for a moment: it needs holding."""
        quit_x, quit_y = GAME_BUTTONS["quit"][:2]
        frames = glow_frames(game, "m0040.dat")
        at = (quit_x - AID_MARGIN, quit_y - AID_MARGIN)
        tap()
        wait_until(lambda: glowing(game, frames, at), "the notice that it needs holding")
        wait_until(lambda: not glowing(game, frames, at), "the notice to end")
        self.assertTrue(game.running())

    def test_the_child_lock_needs_a_hold_of_escape_or_the_quit_button(self):
        game, player = started_game(self, self.household(child_lock=True))
        self.assert_tap_only_shows_a_notice(game, lambda: game.key("Escape"))
        self.assert_tap_only_shows_a_notice(game, lambda: game.click(*player.button_centre("quit")))
        self.assert_tap_only_shows_a_notice(game, lambda: game.key("q"))
        player.place_piece(player.pieces_of(1)[0])

        # Held for two seconds the quit button brings the ending picture.
        game.press(*player.button_centre("quit"))
        player.wait_ending()
        game.release()
        game.key("Return")
        self.assertEqual(game.wait_exit(), 0)

        # Held for two seconds Escape ends the game at once.
        game, player = started_game(self, self.new_game(folder=game.folder))
        game.session.run("xdotool", "keydown", "Escape")
        try:
            self.assertEqual(game.wait_exit(), 0)
        finally:
            game.session.run("xdotool", "keyup", "Escape")
        self.assertEqual(game.log_lines()[-1], "Display mode restored")

    def test_alt_f4_still_closes_a_locked_game(self):
        game, player = started_game(self, self.household(child_lock=True))
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)

    def test_a_generous_fit_takes_a_piece_let_go_35_pixels_off(self):
        def drop_off(player, piece):
            x, y = player.fitting_drop_point(piece)
            player.game.drag(player.grab_point(piece), (x + 35, y))

        game, player = started_game(self)
        piece = player.pieces_of(1)[0]
        drop_off(player, piece)
        wait_until(lambda: loose_picture_back(player, piece), "the piece back where it lay")
        game.key("Escape")
        game.wait_exit()

        game, player = started_game(self, self.household(fit=FIT_GENEROUS))
        drop_off(player, piece)
        player.wait_piece(PLACED, piece, "the piece in its hole")

    def test_help_when_stuck_lights_the_hole_after_three_misses(self):
        game, player = started_game(self, self.household(help_when_stuck=True))
        piece = player.pieces_of(1)[0]
        hole_x, hole_y = player.catalogue.hole_at(piece)
        frames = glow_frames(game, f"g{piece:03d}.dat")
        at = (hole_x + FIT_OFFSET[0] - AID_MARGIN, hole_y + FIT_OFFSET[1] - AID_MARGIN)
        # Far from its hole, on the other half of the screen.
        x, y = player.fitting_drop_point(piece)
        miss = (x + 300 if x < 512 else x - 300, y)
        for attempt in range(2):
            game.drag(player.grab_point(piece), miss)
            wait_until(lambda: loose_picture_back(player, piece), "the piece back where it lay")
            self.assertFalse(glowing(game, frames, at), f"a glow after miss {attempt + 1}")
        # The glow lasts two seconds: looked for at once.
        game.drag(player.grab_point(piece), miss)
        wait_until(lambda: glowing(game, frames, at), "the glow round the piece's hole")
        # A glow places nothing.
        wait_until(lambda: not glowing(game, frames, at), "the glow to end")
        self.assertTrue(loose_picture_back(player, piece))


    def test_two_players_each_keep_their_own_progress(self):
        game = self.new_game().skip_directions()
        player = Player(game.start())
        first, second = player.pieces_of(1)[:2]
        player.wait_title()
        player.focus()
        # The add badge adds a second player (the next animal), highlighted;
        # Enter starts them.
        game.click(*centre((*badge_boxes(2)[1], 64, 64)))
        player.wait_title(badges=(0, 1), highlight=1)
        game.key("Return")
        player.wait_page(1)
        player.wait_bar_badge(1)
        player.place_piece(first)
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)
        self.assertTrue(os.path.exists(game.path("players", "01", "save", save_name(1))))
        self.assertFalse(os.path.exists(game.path("save", save_name(1))))

        # The second played last; a click on the first's badge starts them.
        game = self.new_game(folder=game.folder)
        player = Player(game.start())
        player.wait_title(badges=(0, 1), highlight=1)
        player.focus()
        game.click(*centre((*badge_boxes(3)[0], 64, 64)))
        player.wait_page(1)
        player.wait_bar_badge(0)
        self.assertTrue(loose_picture_back(player, first))
        player.place_piece(second)
        game.close_through_ending()
        game.wait_exit()

        # The arrows and Enter choose the second again: only their piece in.
        game = self.new_game(folder=game.folder)
        player = Player(game.start())
        player.wait_title(badges=(0, 1), highlight=0)
        player.focus()
        game.key("Right")
        player.wait_title(badges=(0, 1), highlight=1)
        game.key("Return")
        player.wait_page(1)
        player.wait_bar_badge(1)
        player.wait_piece(PLACED, first, "the second player's piece in its hole")
        self.assertTrue(loose_picture_back(player, second))

    def test_an_installations_saves_are_the_first_players(self):
        game = self.new_game().skip_directions()
        piece = game.session.catalogue.pages[1][0]
        game.write_file(SaveFile.laid_out(game.session.catalogue, 1, placed=(piece,)), "save",
                        save_name(1))
        installed = game.read_bytes("save", save_name(1))
        game, player = started_game(self, game)
        player.wait_bar_badge(0)
        player.wait_piece(PLACED, piece, "the installation's piece in its hole")
        self.assertEqual(game.read_bytes("save", save_name(1)), installed)


if __name__ == "__main__":
    unittest.main()
