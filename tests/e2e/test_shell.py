"""The application shell seen from outside: its window, its log, its music
on a machine without MIDI output, one copy at a time, activation and
closing."""

import unittest

from harness import GameTestCase, wait_until
from layout import DISPLAY_MODE_SET

# One note and the end of its track.
SONG = bytes.fromhex("4d546864 00000006 0000 0001 0060"
                     "4d54726b 0000000c 00903c40 60803c40 00ff2f00")


class ShellTest(GameTestCase):
    def test_a_borderless_screen_sized_popup_logging_its_display_mode_and_midi_fallback(self):
        game = self.new_game()
        game.write_file(SONG, "Varnolt1.mid")
        game.start()
        game.wait_window()
        state = game.window_state()
        self.assertEqual((state["popup"], state["caption"]), ("1", "0"))
        self.assertEqual((state["left"], state["top"], state["right"], state["bottom"]),
                         ("0", "0", "1024", "768"))
        game.wait_log("WM_Activateapp: wParam = 1")
        game.wait_log(DISPLAY_MODE_SET)
        # No MIDI output here (as under Wine): the game falls back to the
        # MIDI mapper, finds no device behind it either, and runs on.
        game.wait_log("Using MIDI_MAPPER device # 0")
        lines = game.log_lines()
        self.assertFalse([line for line in lines if "Failed" in line])
        self.assertLess(lines.index("Number of MIDI Devices: 0"),
                        lines.index("Using MIDI_MAPPER device # 0"))
        self.assertTrue(game.running())

    def test_shipped_build_writes_no_log(self):
        game = self.new_game(flavour="game").start()
        game.wait_window()
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)
        self.assertEqual(game.log_lines(), [])

    def test_a_second_copy_exits_and_leaves_the_first_in_front_restored(self):
        first = self.new_game().start()
        first.wait_window()
        second = self.new_game(folder=first.folder).start()
        self.assertEqual(second.wait_exit(), 0)
        state = first.window_state()
        self.assertEqual((state["visible"], state["iconic"], state["foreground"]), ("1", "0", "1"))

        first.wintool("minimize", check=True)
        wait_until(lambda: first.window_state().get("iconic") == "1", "the window to minimise")
        third = self.new_game(folder=first.folder).start()
        self.assertEqual(third.wait_exit(), 0)
        wait_until(lambda: first.window_state().get("iconic") == "0", "the window to come back")
        self.assertTrue(first.running())


if __name__ == "__main__":
    unittest.main()
