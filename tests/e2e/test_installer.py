"""The Windows Installer package as a school's administrator or a parent uses
it: a silent install for the current user, the game started the way the
Start menu starts it and played, a silent uninstall that takes the program
and leaves what the player did, and a newer package that replaces an older
one in place."""

import getpass
import os
import re
import shutil
import subprocess
import tempfile

from harness import GameTestCase, wait_until
from layout import PLACED, SaveFile, save_name
from player import Player


class InstallerTest(GameTestCase):
    def setUp(self):
        super().setUp()
        # Wine would otherwise mirror the shortcut into the desktop's menus.
        self.env = dict(self.session.env, WINEDLLOVERRIDES=self.session.env["WINEDLLOVERRIDES"] +
                        ";winemenubuilder.exe=d")
        self.package = os.path.join(self.session.build, "Varnolt.msi")
        self.version = os.environ["VARNOLT_VERSION"]
        self.scratch = tempfile.mkdtemp(prefix="varnolt-msi-")
        self.addCleanup(shutil.rmtree, self.scratch, True)
        self.addCleanup(self.remove_leftovers)
        self.remove_leftovers()

    # -- the system's side -------------------------------------------------
    def profile(self, *parts):
        return os.path.join(self.session.env["WINEPREFIX"], "drive_c", "users", getpass.getuser(),
                            "AppData", *parts)

    def installed(self, *parts):
        return self.profile("Local", "Programs", "Varnolt", *parts)

    def shortcut(self):
        return self.profile("Roaming", "Microsoft", "Windows", "Start Menu", "Programs",
                            "Varnolt.lnk")

    def msiexec(self, action, package, *properties):
        folder, name = os.path.split(package)
        done = subprocess.run([self.session.wine, "msiexec", action, name, "/qn", *properties],
                              cwd=folder, env=self.env, capture_output=True, text=True,
                              timeout=240)
        self.assertEqual(done.returncode, 0, f"msiexec {action} {name}: {done.stderr}")

    def installed_entries(self):
        """Installed apps entries named Varnolt: (version, publisher, icon)."""
        entries = []
        for root in ("HKCU", "HKLM"):
            listing = subprocess.run(
                [self.session.wine, "reg", "query",
                 root + r"\Software\Microsoft\Windows\CurrentVersion\Uninstall", "/s"],
                env=self.env, capture_output=True, text=True).stdout
            for key in listing.split("\n\n"):
                values = dict(re.findall(r"^\s+(\w+)\s+REG_\w+\s+(.*?)\s*$", key, re.M))
                if values.get("DisplayName") == "Varnolt":
                    entries.append((values.get("DisplayVersion"), values.get("Publisher")))
        return entries

    def remove_leftovers(self):
        """No package and no installed folder from an earlier run."""
        for _ in self.installed_entries():
            self.msiexec("/x", self.package)
        shutil.rmtree(self.installed(), ignore_errors=True)
        shutil.rmtree(self.per_user(), ignore_errors=True)

    def windows_path(self, path):
        return "Z:" + os.path.abspath(path).replace("/", "\\")

    def unix_path(self, path):
        return subprocess.run([self.session.wine, "winepath", "-u", path], env=self.env,
                              capture_output=True, text=True, check=True).stdout.strip()

    def follow_shortcut(self):
        """The program and start folder the Start menu's shortcut names."""
        out = subprocess.run([self.session.wine, self.session.wintool, "shortcut",
                              self.windows_path(self.shortcut())],
                             env=self.env, capture_output=True, text=True).stdout
        fields = dict(line.split("=", 1) for line in out.splitlines() if "=" in line)
        return fields["target"], fields["folder"], fields["icon"]

    def newer_package(self):
        """The same game packed with the next version number."""
        major, minor, patch = (int(n) for n in self.version.split("."))
        newer = f"{major}.{minor}.{patch + 1}"
        package = os.path.join(self.scratch, "Varnolt-newer.msi")
        content = os.environ["VARNOLT_CONTENT_DIR"]
        subprocess.run([os.path.join(self.session.source, "scripts", "make-msi.py"),
                        os.path.join(self.session.build, "game"),
                        os.path.join(content, "resources", "Varnolt.ico"), newer, package],
                       check=True, capture_output=True)
        return package, newer

    # -- the player's side ---------------------------------------------------
    def start_from_the_start_menu(self):
        """The installed game as the shortcut starts it, on its title screen."""
        target, folder, _ = self.follow_shortcut()
        game = self.new_game(folder=self.installed())
        game.process = subprocess.Popen([self.session.wine, target], cwd=self.unix_path(folder),
                                        env=self.session.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return game, Player(game)

    def play_one_piece(self, directions):
        """Starts the installed game, puts page 1's first piece in, and quits
        through the ending picture, which stores the page."""
        game, player = self.start_from_the_start_menu()
        player.start_playing(directions=directions)
        piece = player.catalogue.pages[1][0]
        player.place_piece(piece)
        game.key("q")
        player.wait_ending()
        game.key("Return")
        self.assertEqual(game.wait_exit(), 0)
        return piece

    def per_user(self, *parts):
        return self.profile("Local", "Varnolt", *parts)

    def placed_on_page_1(self):
        with open(self.per_user("save", save_name(1)), "rb") as file:
            return SaveFile(file.read()).placed

    # -- scenarios -----------------------------------------------------------
    def test_installs_silently_plays_from_the_start_menu_and_uninstalls_keeping_the_progress(self):
        self.msiexec("/i", self.package)

        self.assertTrue(os.path.isfile(self.installed("Varnolt.exe")))
        self.assertTrue(os.path.isfile(self.installed("Varnolt1.mid")))
        self.assertTrue(os.path.isfile(self.installed("Data", "m0011.dat")))
        self.assertEqual(self.installed_entries(), [(self.version, "Varnolt developers")])
        target, folder, icon = self.follow_shortcut()
        self.assertEqual(os.path.realpath(self.unix_path(target)),
                         os.path.realpath(self.installed("Varnolt.exe")))
        self.assertEqual(os.path.realpath(self.unix_path(folder)),
                         os.path.realpath(self.installed()))
        self.assertTrue(icon.lower().endswith(".ico"), icon)

        self.play_one_piece(directions=True)
        self.assertEqual(self.placed_on_page_1(), 1)
        # The program folder is the program's: the progress is the player's.
        self.assertFalse(os.path.exists(self.installed("save")))
        self.assertFalse(os.path.exists(self.installed("options.dta")))

        self.msiexec("/x", self.package)
        self.assertFalse(os.path.exists(self.installed("Varnolt.exe")))
        self.assertFalse(os.path.exists(self.installed("Data")))
        self.assertFalse(os.path.exists(self.shortcut()))
        self.assertEqual(self.installed_entries(), [])
        # What the player did is theirs: it stays for the next install.
        self.assertEqual(self.placed_on_page_1(), 1)
        self.assertTrue(os.path.isfile(self.per_user("options.dta")))

    def test_a_newer_package_replaces_the_installed_one_and_keeps_the_progress(self):
        newer, newer_version = self.newer_package()
        self.msiexec("/i", self.package)
        piece = self.play_one_piece(directions=True)

        self.msiexec("/i", newer)
        self.assertEqual(self.installed_entries(), [(newer_version, "Varnolt developers")])
        self.assertTrue(os.path.isfile(self.installed("Varnolt.exe")))
        self.assertTrue(os.path.isfile(self.shortcut()))

        game, player = self.start_from_the_start_menu()
        # The directions were shown under the older version: not again.
        player.start_playing(directions=False)
        player.wait_piece(PLACED, piece, "the piece placed under the older version")
        game.key("Escape")
        self.assertEqual(game.wait_exit(), 0)

        self.msiexec("/x", newer)
        self.assertEqual(self.installed_entries(), [])
        self.assertFalse(os.path.exists(self.installed("Varnolt.exe")))
