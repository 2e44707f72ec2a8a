"""The family's players and the grown-up corner's settings played under Wine: the child lock's hold
on Escape and the quit button, the generous fit, and help when stuck."""

import os
import time
import unittest

from harness import GameTestCase, wait_until
from layout import (CORNER_DOOR, FIT_GENEROUS, FIT_OFFSET, FIT_VERY_GENEROUS, GAME_BUTTONS,
                    PLACED, SaveFile, badge_boxes, game_constants, household_settings_file,
                    save_name)
from pictures import MAGENTA, frame
from player import Player, centre, loose_picture_back, started_game

AID_MARGIN = 6  # the glows reach this far beyond what they surround
GLOW_FRAMES = 3


_screen = game_constants("screen_layout.h")
CORNER_HOLD_S = 3.0
VOLUME_STEPS = 5  # silent .. full
CHOICE_FACES = 2  # each choice unchosen, then chosen
HELP_KIND, LOCK_KIND = 3, 4  # after the three fits


def corner_box(name):
    return _screen[name]


def corner_fit_box(fit):
    x, y, width, height = _screen["kCornerFitChoices"]
    return (x + fit * (width + _screen["kCornerChoiceGap"][0]), y, width, height)


def corner_badge_box(player):
    x, y, width, height = _screen["kCornerPlayers"]
    return (x + player * _screen["kCornerPlayerStep"][0], y, width, height)


class Corner:
    """The grown-up corner as a grown-up sees it, from the game's own pictures."""

    def __init__(self, game):
        self.game = game

    def face(self, name, index, box):
        _, _, width, height = box
        return self.game.picture(name).crop(0, index * height, width, height)

    def shows(self, name, index, box):
        return self.game.grab(*box).shows(self.face(name, index, box))

    def wait(self, name, index, box, what):
        self.game.wait_shown(self.face(name, index, box), box[:2], what)

    def heading(self):
        return self.game.picture("m0071.dat").crop(0, 0, 420, 100)

    def showing(self):
        return self.game.grab(0, 0, 420, 100).shows(self.heading())

    def wait_open(self):
        wait_until(self.showing, "the grown-up corner")

    def wait_settings(self, music, effects, fit, help_when_stuck, child_lock):
        self.wait("m0072.dat", music, corner_box("kCornerMusicSteps"), f"music at {music}")
        self.wait("m0072.dat", effects, corner_box("kCornerEffectsSteps"),
                  f"effects at {effects}")
        for choice in range(3):
            self.wait("m0073.dat", choice * CHOICE_FACES + (choice == fit), corner_fit_box(choice),
                      f"fit {choice} {'chosen' if choice == fit else 'not chosen'}")
        self.wait("m0073.dat", HELP_KIND * CHOICE_FACES + help_when_stuck,
                  corner_box("kCornerHelp"), "help when stuck")
        self.wait("m0073.dat", LOCK_KIND * CHOICE_FACES + child_lock, corner_box("kCornerLock"),
                  "the child lock")

    def wait_badges(self, player, animals):
        for i, animal in enumerate(animals):
            self.game.wait_shown(player.badge(animal), corner_badge_box(i)[:2],
                                 f"badge {animal} in the corner")


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

    def at_title(self, game=None, **shown):
        """A game (by default a new one past its directions) started, showing
        its title screen as `shown` (Player.wait_title) and holding the
        keyboard, and its player."""
        game = game or self.new_game().skip_directions()
        player = Player(game.start())
        player.wait_title(**shown)
        player.focus()
        return game, player

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
        game, player = self.at_title()
        first, second = player.pieces_of(1)[:2]
        # The add badge adds a second player (the next animal), highlighted;
        # Enter starts them.
        game.click(*centre((*badge_boxes(2)[1], 64, 64)))
        player.wait_title(badges=(0, 1), highlight=1)
        game.key("Return")
        player.wait_page(1)
        player.wait_bar_badge(1)
        # The book shows whose progress it is.
        game.key("b")
        player.wait_book()
        player.wait_book_badge(1)
        game.key("b")
        player.wait_page(1)
        player.place_piece(first)
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)
        self.assertTrue(os.path.exists(game.path("players", "01", "save", save_name(1))))
        self.assertFalse(os.path.exists(game.path("save", save_name(1))))

        # The second played last; a click on the first's badge starts them.
        game, player = self.at_title(self.new_game(folder=game.folder), badges=(0, 1), highlight=1)
        game.click(*centre((*badge_boxes(3)[0], 64, 64)))
        player.wait_page(1)
        player.wait_bar_badge(0)
        self.assertTrue(loose_picture_back(player, first))
        player.place_piece(second)
        game.close_through_ending()
        game.wait_exit()

        # The arrows and Enter choose the second again: only their piece in.
        game, player = self.at_title(self.new_game(folder=game.folder), badges=(0, 1),
                                     highlight=0)
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

    def test_the_corner_opens_on_a_hold_and_not_on_a_click(self):
        game, player = self.at_title()
        corner = Corner(game)
        door = centre(CORNER_DOOR)
        # A click on the door and a tap of G leave the title as it was.
        game.click(*door)
        game.key("g")
        player.wait_title()

        # Held, the door shows how far the hold has come, and only after
        # three seconds does the corner open.
        pressed = time.monotonic()
        game.press(*door)
        try:
            wait_until(lambda: any(game.grab(*CORNER_DOOR).shows(player.corner_door(face))
                                   for face in range(3, 11)), "the hold's progress on the door")
            self.assertFalse(corner.showing())
            corner.wait_open()
            self.assertGreaterEqual(time.monotonic() - pressed, CORNER_HOLD_S)
        finally:
            game.release()
        corner.wait_settings(4, 4, 0, False, False)
        # Back leads to the title screen, whose start key still starts.
        game.click(*centre(corner_box("kCornerBack")))
        player.wait_title()
        game.key("Return")
        player.wait_page(1)

    def test_settings_survive_a_restart(self):
        game, player = self.at_title()
        corner = Corner(game)
        # The keyboard's way in: G held for three seconds.
        game.session.run("xdotool", "keydown", "g")
        try:
            corner.wait_open()
        finally:
            game.session.run("xdotool", "keyup", "g")
        for _ in range(2):
            game.click(*centre(corner_box("kCornerMusicDown")))
        game.click(*centre(corner_box("kCornerEffectsDown")))
        game.click(*centre(corner_fit_box(FIT_VERY_GENEROUS)))
        game.click(*centre(corner_box("kCornerHelp")))
        game.click(*centre(corner_box("kCornerLock")))
        game.click(*centre(corner_badge_box(1)))  # the add badge
        corner.wait_settings(2, 3, FIT_VERY_GENEROUS, True, True)
        corner.wait_badges(player, (0, 1))
        # Kept at once, before the game ends.
        expected = household_settings_file(music=2, effects=3, fit=FIT_VERY_GENEROUS,
                                           help_when_stuck=True, child_lock=True,
                                           players=((0, 0), (1, 1)))
        wait_until(lambda: game.read_bytes("settings.dta") == expected, "the settings kept")
        game.key("Escape")
        player.wait_title(badges=(0, 1))
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)

        # After a restart the corner shows them, and they are in force.
        game, player = self.at_title(self.new_game(folder=game.folder), badges=(0, 1))
        corner = Corner(game)
        game.press(*centre(CORNER_DOOR))
        try:
            corner.wait_open()
        finally:
            game.release()
        corner.wait_settings(2, 3, FIT_VERY_GENEROUS, True, True)
        corner.wait_badges(player, (0, 1))
        game.click(*centre(corner_box("kCornerBack")))
        player.wait_title(badges=(0, 1))
        game.key("Return")
        player.wait_page(1)
        player.wait_bar_badge(0)
        self.assert_tap_only_shows_a_notice(game, lambda: game.key("Escape"))


if __name__ == "__main__":
    unittest.main()
