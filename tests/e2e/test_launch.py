"""Starting the game the way players do: from the zip made for them, started
from another folder. (Each way out gives the display its mode back: see
test_play and test_comforts.)"""

import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import zipfile

from harness import GameTestCase
from layout import SaveFile, save_name
from player import Player


class LaunchTest(GameTestCase):
    def test_the_zip_for_players_runs_from_another_folder_and_finds_its_files(self):
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
        player.page_key("Next", 2)
        self.assertEqual(SaveFile(game.read_bytes("save", save_name(1))).placed, 1)
        # Nothing was written to the folder it was started from.
        self.assertEqual(sorted(os.listdir(scratch)), ["Varnolt-win64.zip", "unpacked"])


if __name__ == "__main__":
    unittest.main()
