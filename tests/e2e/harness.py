"""End-to-end harness: runs the staged game under Wine on the test run's Xvfb
screen and drives it with real X input events.

Every scenario starts from a fresh copy of the staged game folder, so files
the game writes (saves, options, log) never leak between scenarios. Nothing
here sleeps for a fixed time to let the game catch up: every wait is for a
condition (a window, a pixel, a file, a log line, an exit) with a generous
deadline, so the tests pass on a slow, busy machine.
"""

import os
import shutil
import subprocess
import tempfile
import time
import unittest

DEADLINE = float(os.environ.get("VARNOLT_E2E_DEADLINE", "90"))
SCREEN_WIDTH, SCREEN_HEIGHT = 1024, 768


class Session:
    """The Wine session (prefix, wineserver, Xvfb) the whole test run shares."""

    def __init__(self):
        self.build = os.environ["VARNOLT_BUILD_DIR"]
        self.source = os.environ["VARNOLT_SOURCE_DIR"]
        state = os.path.join(self.build, "wine")
        env_file = os.path.join(state, "env")
        if not os.path.exists(env_file):
            subprocess.run([os.path.join(self.source, "cmake", "wine-session.sh"), "start", state],
                           check=True)
        self.env = dict(os.environ)
        with open(env_file) as lines:
            for line in lines:
                key, _, value = line.strip().removeprefix("export ").partition("=")
                self.env[key] = value.strip('"')
        self.wine = shutil.which("wine64") or "/usr/lib/wine/wine64"
        self.wintool = os.path.join(self.build, "tests", "e2e", "wintool.exe")

    def run(self, *command, check=True):
        return subprocess.run(command, env=self.env, check=check, capture_output=True, text=True)


def wait_until(condition, what, deadline=DEADLINE, interval=0.05):
    """Polls condition() until it returns something truthy, and returns that."""
    end = time.monotonic() + deadline
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise AssertionError(f"timed out after {deadline:.0f} s waiting for {what}")
        time.sleep(interval)


class Screenshot:
    """The whole screen as RGB bytes."""

    def __init__(self, data, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        self.data, self.width, self.height = data, width, height

    def pixel(self, x, y):
        offset = 3 * (y * self.width + x)
        return tuple(self.data[offset:offset + 3])

    def save_png(self, path, session):
        subprocess.run(["convert", "-size", f"{self.width}x{self.height}", "-depth", "8",
                        "rgb:-", path], input=self.data, check=True, env=session.env)


class Game:
    """One run of Varnolt.exe in its own copy of a staged game folder."""

    def __init__(self, session, flavour="game-diag", folder=None):
        self.session = session
        self.folder = folder or tempfile.mkdtemp(prefix="varnolt-e2e-")
        if folder is None:
            shutil.copytree(os.path.join(session.build, flavour), self.folder, dirs_exist_ok=True)
        self.process = None

    # -- process -----------------------------------------------------------
    def start(self):
        self.process = subprocess.Popen([self.session.wine, "Varnolt.exe"], cwd=self.folder,
                                        env=self.session.env, stdout=subprocess.DEVNULL,
                                        stderr=subprocess.DEVNULL)
        return self

    def wait_exit(self, deadline=DEADLINE):
        return self.process.wait(timeout=deadline)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def stop(self):
        """Ends a game a scenario left running (ending it is not under test)."""
        if self.running():
            self.process.kill()
            self.process.wait()

    def cleanup(self):
        self.stop()
        shutil.rmtree(self.folder, ignore_errors=True)

    # -- window ------------------------------------------------------------
    def window_id(self):
        found = self.session.run("xdotool", "search", "--onlyvisible", "--name", "^Varnolt$",
                                 check=False)
        ids = found.stdout.split()
        return ids[0] if ids else None

    def wait_window(self):
        return wait_until(self.window_id, "the game's window")

    def geometry(self):
        info = self.session.run("xwininfo", "-id", self.wait_window()).stdout
        fields = {}
        for line in info.splitlines():
            key, _, value = line.strip().partition(":")
            fields[key] = value.strip()
        return (int(fields["Absolute upper-left X"]), int(fields["Absolute upper-left Y"]),
                int(fields["Width"]), int(fields["Height"]), int(fields["Border width"]))

    def window_state(self):
        """What the system itself says of the game's window (see wintool.cpp)."""
        out = self.session.run(self.session.wine, self.session.wintool, "state", check=False).stdout
        return dict(pair.split("=") for pair in out.split())

    def minimize(self):
        self.session.run(self.session.wine, self.session.wintool, "minimize")

    # -- input -------------------------------------------------------------
    def click(self, x, y, button=1):
        self.session.run("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def move(self, x, y):
        self.session.run("xdotool", "mousemove", str(x), str(y))

    def drag(self, start, end, steps=12):
        self.move(*start)
        self.session.run("xdotool", "mousedown", "1")
        for i in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * i // steps,
                      start[1] + (end[1] - start[1]) * i // steps)
        self.session.run("xdotool", "mouseup", "1")

    def key(self, *names):
        self.session.run("xdotool", "key", *names)

    # -- output ------------------------------------------------------------
    def screenshot(self):
        raw = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "rgb:-"],
                             env=self.session.env, check=True, capture_output=True).stdout
        return Screenshot(raw)

    def path(self, *parts):
        return os.path.join(self.folder, *parts)

    def read_bytes(self, *parts):
        with open(self.path(*parts), "rb") as file:
            return file.read()

    def log_lines(self):
        try:
            with open(self.path("log.txt"), errors="replace") as log:
                return [line.rstrip("\n").partition(":  ")[2] for line in log]
        except FileNotFoundError:
            return []

    def wait_log(self, message):
        return wait_until(lambda: message in self.log_lines(), f"log line {message!r}")


class GameTestCase(unittest.TestCase):
    """Base of every scenario: one session per run, games cleaned up after."""

    session = None

    @classmethod
    def setUpClass(cls):
        if GameTestCase.session is None:
            GameTestCase.session = Session()

    def setUp(self):
        self.games = []

    def tearDown(self):
        for game in reversed(self.games):
            game.cleanup()

    def new_game(self, flavour="game-diag", folder=None):
        game = Game(self.session, flavour, folder)
        self.games.append(game)
        return game
