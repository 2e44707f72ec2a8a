"""Background music seen from outside, on a machine without MIDI output (as
under Wine here): the game falls back to the MIDI mapper, finds no device
behind it either, and runs on without music."""

import unittest

from harness import GameTestCase

# One note and the end of its track.
SONG = bytes.fromhex("4d546864 00000006 0000 0001 0060"
                     "4d54726b 0000000c 00903c40 60803c40 00ff2f00")


class MusicTest(GameTestCase):
    def test_starts_without_a_midi_device_and_runs_on_silently(self):
        game = self.new_game()
        with open(game.path("Varnolt1.mid"), "wb") as song:
            song.write(SONG)
        game.start()
        game.wait_window()
        game.wait_log("Using MIDI_MAPPER device # 0")
        lines = game.log_lines()
        self.assertIn("Number of MIDI Devices: 0", lines)
        self.assertLess(lines.index("Number of MIDI Devices: 0"),
                        lines.index("Using MIDI_MAPPER device # 0"))
        self.assertTrue(game.running())
        game.close_through_ending()
        self.assertEqual(game.wait_exit(), 0)


if __name__ == "__main__":
    unittest.main()
