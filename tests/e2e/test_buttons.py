"""The five picture buttons along the bottom, clicked with the mouse and
pressed through their keys, and what each of them does."""

import time
import unittest

from harness import GameTestCase, wait_until
from layout import GAME_BUTTONS, PAGE_COUNT, PLACED, SaveFile, save_name
from player import loose_picture_back, started_game


class ButtonsTest(GameTestCase):
    def test_each_button_works_when_clicked(self):
        game, player = started_game(self)
        piece = player.catalogue.pages[1][0]
        player.place_piece(piece)

        game.click(*player.button_centre("clear"))
        wait_until(lambda: loose_picture_back(player, piece), "the cleared piece back in its place")
        game.click(*player.button_centre("next"))
        player.wait_page(2)
        game.click(*player.button_centre("prev"))
        player.wait_page(1)
        game.click(*player.button_centre("prev"))
        player.wait_page(PAGE_COUNT)
        game.click(*player.button_centre("info"))
        player.wait_picture_dialog("AboutDialogBkg")
        self.assertEqual(game.dialog(), (332, 204, 692, 564))
        game.key("Escape")
        wait_until(lambda: game.dialog() is None, "the about box to close")
        self.assertTrue(game.running())

        player.place_piece(player.catalogue.pages[PAGE_COUNT][0])
        game.click(*player.button_centre("quit"))
        player.wait_ending()
        self.assertEqual(game.dialog(), (0, 0, 1024, 768))
        game.key("Escape")  # ignored by the ending picture
        game.click(*player.button_centre("ending"))
        self.assertEqual(game.wait_exit(), 0)
        # Page 30 was stored on the way out.
        self.assertEqual(SaveFile(game.read_bytes("save", save_name(PAGE_COUNT))).placed, 1)

    def test_a_button_held_down_shows_its_pressed_face(self):
        game, player = started_game(self)
        for name in GAME_BUTTONS:
            game.press(*player.button_centre(name))
            player.wait_face(name, pressed=True)
            # Slid off, the button lets go without sending its command.
            game.move(512, 600)
            player.wait_face(name, pressed=False)
            game.release()
        game.press(*player.button_centre("next"))
        player.wait_face("next", pressed=True)
        self.assertTrue(player.shows_page(1))
        game.release()
        player.wait_page(2)
        player.wait_face("next", pressed=False)

    def test_a_key_shows_its_button_pressed_before_the_command(self):
        game, player = started_game(self)
        pressed, released = player.button_face("next", True), player.button_face("next", False)
        button = GAME_BUTTONS["next"]
        game.key("Next")
        # Watch the button and the label, a few milliseconds a look, until
        # the page has changed: when was the pressed face first seen, when
        # the released one again, when the new page's number.
        pressed_at = released_at = page_at = None
        end = time.monotonic() + 30
        while page_at is None and time.monotonic() < end:
            face, now = game.grab(*button), time.monotonic()
            if pressed_at is None and face.shows(pressed):
                pressed_at = now
            elif pressed_at is not None and released_at is None and face.shows(released):
                released_at = now
            if player.shows_page(2):
                page_at = time.monotonic()
        self.assertIsNotNone(pressed_at, "the pressed face never showed")
        self.assertIsNotNone(released_at, "the button never came up again")
        self.assertIsNotNone(page_at, "the page never changed")
        self.assertLessEqual(released_at, page_at)
        # 125 ms in the game, give or take the time between two looks.
        self.assertGreater(released_at - pressed_at, 0.09)
        self.assertLess(released_at - pressed_at, 1.0)

    def test_clear_empties_a_played_page_and_leaves_an_untouched_one_alone(self):
        game, player = started_game(self, trace_sounds=True)
        first, second = player.catalogue.pages[1][0:2]
        untouched = game.screenshot()
        # Nothing placed: C does nothing, and so plays nothing.
        game.key("c")
        player.page_key("Next", 2)
        game.key("Prior")
        wait_until(lambda: game.screenshot().shows(untouched), "page 1 as it was")
        sounds = wait_until(lambda: game.sounds_played()[1:] and game.sounds_played(),
                            "the two page sounds")
        self.assertEqual(sounds, ["CHANGEPAGEWAVE", "CHANGEPAGEWAVE"])

        player.place_piece(first)
        player.place_piece(second)
        game.key("c")
        for piece in (first, second):
            wait_until(lambda: loose_picture_back(player, piece), f"piece {piece} taken out again")
            self.assertFalse(player.shows_piece(PLACED, piece))
        wait_until(lambda: "CLEARWAVE" in game.sounds_played(), "the clear sound")
        # Cleared, the page is as untouched as at the start.
        player.page_key("Next", 2)
        self.assertEqual(SaveFile(game.read_bytes("save", save_name(1))).placed, 0)
        self.assertEqual(game.sounds_played().count("CLEARWAVE"), 1)


if __name__ == "__main__":
    unittest.main()
