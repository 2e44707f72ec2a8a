"""Starting and ending the game the ways players do: from another folder,
from the zip made for them, and out again by every route, each leaving the
display as it found it."""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

from harness import GameTestCase
from layout import DISPLAY_MODE_SET, SaveFile, save_name
from player import Player


class LaunchTest(GameTestCase):
    def test_every_way_out_gives_the_display_its_mode_back(self):
        for way_out in ("ending picture", "Escape"):
            with self.subTest(way_out):
                game = self.new_game().skip_directions().start()
                Player(game).start_playing()
                if way_out == "Escape":
                    game.key("Escape")
                else:
                    game.close_through_ending()
                self.assertEqual(game.wait_exit(), 0)
                lines = game.log_lines()
                self.assertEqual(lines.count(DISPLAY_MODE_SET), 1)
                self.assertEqual(lines[-1], "Display mode restored")

    def test_started_from_another_folder_the_game_finds_its_files_beside_it(self):
        game = self.new_game().skip_directions()
        elsewhere = tempfile.mkdtemp(prefix="varnolt-e2e-elsewhere-")
        self.addCleanup(shutil.rmtree, elsewhere, True)
        game.start(elsewhere=elsewhere)
        player = Player(game)
        player.start_playing()  # the title and the page are its pictures
        piece = player.catalogue.pages[1][0]
        player.place_piece(piece)
        game.key("Next")
        player.wait_page(2)
        self.assertEqual(SaveFile(game.read_bytes("save", save_name(1))).placed, 1)
        self.assertEqual(os.listdir(elsewhere), [])

    def test_the_zip_for_players_runs_from_any_folder(self):
        scratch = tempfile.mkdtemp(prefix="varnolt-e2e-dist-")
        self.addCleanup(shutil.rmtree, scratch, True)
        archive = os.path.join(scratch, "Varnolt-win64.zip")
        subprocess.run([sys.executable, os.path.join(self.session.source, "scripts", "make-dist.py"),
                        os.path.join(self.session.build, "game"), archive], check=True,
                       capture_output=True)
        with zipfile.ZipFile(archive) as unzipped:
            unzipped.extractall(os.path.join(scratch, "unpacked"))
        game = self.new_game(folder=os.path.join(scratch, "unpacked", "Varnolt"))
        game.clear_user_folder()
        game.start(elsewhere=scratch)
        player = Player(game)
        player.start_playing(directions=True)
        player.place_piece(player.catalogue.pages[1][2])
        game.key("Next")
        player.wait_page(2)
        self.assertEqual(SaveFile(game.read_bytes("save", save_name(1))).placed, 1)



if __name__ == "__main__":
    unittest.main()
