"""The application shell seen from outside: its window, one copy at a time,
activation and closing."""

import unittest

from harness import GameTestCase, wait_until
from layout import DISPLAY_MODE_SET


class ShellTest(GameTestCase):
    def test_window_is_a_borderless_screen_sized_popup(self):
        game = self.new_game().start()
        game.wait_window()
        self.assertEqual(game.geometry(), (0, 0, 1024, 768, 0))
        state = game.window_state()
        self.assertEqual(state["popup"], "1")
        self.assertEqual(state["caption"], "0")
        self.assertEqual((state["left"], state["top"], state["right"], state["bottom"]),
                         ("0", "0", "1024", "768"))

    def test_diagnostic_build_logs_activation_and_a_working_display_mode(self):
        game = self.new_game().start()
        game.wait_window()
        game.wait_log("WM_Activateapp: wParam = 1")
        game.wait_log(DISPLAY_MODE_SET)
        self.assertFalse([line for line in game.log_lines() if "Failed" in line])

    def test_shipped_build_writes_no_log(self):
        game = self.new_game(flavour="game").start()
        game.wait_window()
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)
        self.assertEqual(game.log_lines(), [])

    def test_second_copy_exits_and_leaves_the_first_in_front(self):
        first = self.new_game().start()
        first.wait_window()
        second = self.new_game(folder=first.folder).start()
        self.assertEqual(second.wait_exit(), 0)
        self.assertTrue(first.running())
        state = first.window_state()
        self.assertEqual((state["visible"], state["iconic"], state["foreground"]), ("1", "0", "1"))

    def test_second_copy_restores_a_minimised_first(self):
        first = self.new_game().start()
        first.wait_window()
        first.minimize()
        wait_until(lambda: first.window_state().get("iconic") == "1", "the window to minimise")
        second = self.new_game(folder=first.folder).start()
        self.assertEqual(second.wait_exit(), 0)
        wait_until(lambda: first.window_state().get("iconic") == "0", "the window to come back")
        self.assertTrue(first.running())

    def test_closing_the_window_shows_the_ending_picture_then_ends_with_code_zero(self):
        game = self.new_game().start()
        game.wait_window()
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
