"""The grown-up corner's settings played under Wine: the child lock's hold
on Escape and the quit button, the generous fit, and help when stuck."""

import unittest

from harness import GameTestCase, wait_until
from layout import FIT_GENEROUS, FIT_OFFSET, GAME_BUTTONS, PLACED, household_settings_file
from pictures import MAGENTA, frame
from player import loose_picture_back, started_game

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


if __name__ == "__main__":
    unittest.main()
