"""End-to-end harness: runs the staged game under Wine on the test run's Xvfb
screen and drives it with real X input events.

Every scenario starts from a fresh copy of the staged game folder, so files
the game writes (saves, options, log) never leak between scenarios. Nothing
here sleeps for a fixed time to let the game catch up: every wait is for a
condition (a window, a pixel, a file, a log line, an exit) with a generous
deadline, so the tests pass on a slow, busy machine.
"""

import contextlib
import ctypes
import getpass
import os
import re
import shutil
import signal
import subprocess
import tempfile
import time
import unittest

from layout import DISPLAY_MODE_SET, SCREEN, Catalogue, options_file
from pictures import Picture
from xdnd import drop_files

DEADLINE = float(os.environ.get("VARNOLT_E2E_DEADLINE", "90"))
SCREEN_WIDTH, SCREEN_HEIGHT = SCREEN


class Session:
    """The Wine session (prefix, wineserver, Xvfb) the whole test run shares."""

    def __init__(self):
        self.build = os.environ["VARNOLT_BUILD_DIR"]
        self.source = os.environ["VARNOLT_SOURCE_DIR"]
        # The 1024x768 session, or another one of the run (a larger screen).
        self.state = os.path.join(self.build, os.environ.get("VARNOLT_WINE_STATE", "wine"))
        env_file = os.path.join(self.state, "env")
        # Whether this object started the session, and so should end it.
        self.started_here = not os.path.exists(env_file)
        if self.started_here:
            self.control("start")
        self.env = dict(os.environ)
        with open(env_file) as lines:
            for line in lines:
                key, _, value = line.strip().removeprefix("export ").partition("=")
                self.env[key] = value.strip('"')
        # Every Windows program of the tests starts through this (see there).
        self.wine = os.path.join(self.source, "cmake", "wine-start.sh")
        self.wintool = os.path.join(self.build, "tests", "e2e", "wintool.exe")
        self.content = os.environ.get("VARNOLT_CONTENT_DIR", "")
        self.catalogue = Catalogue(self.source)
        self.screen = XScreen(self.env["DISPLAY"])
        self.size = tuple(int(n) for n in self.env.get("VARNOLT_SCREEN", "1024x768").split("x"))

    def control(self, action):
        """Starts or stops the shared session (Xvfb, wineserver)."""
        wide = ["1920x1080"] if self.state.endswith("wine-wide") else []
        subprocess.run([os.path.join(self.source, "cmake", "wine-session.sh"), action, self.state,
                        *wide], check=True)

    def run(self, *command, check=True):
        return subprocess.run(command, env=self.env, check=check, capture_output=True, text=True)

    def resource_picture(self, name):
        """A picture built into the program, as the content tool drew it."""
        return Picture.read(os.path.join(self.content, "resources", name + ".bmp"))

    def save_png(self, picture, path):
        """Writes the picture as PNG with ImageMagick."""
        subprocess.run(["convert", "-size", f"{picture.width}x{picture.height}", "-depth", "8",
                        "rgb:-", path], input=picture.rgb, check=True, env=self.env)


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


class _XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int), ("red_mask", ctypes.c_ulong),
                ("green_mask", ctypes.c_ulong), ("blue_mask", ctypes.c_ulong)]


class XScreen:
    """Reads the screen's pixels straight from the X server: a few
    milliseconds a grab, quick enough to watch a 125 ms button press."""

    Z_PIXMAP, ALL_PLANES = 2, 0xFFFFFFFF

    def __init__(self, display):
        self.x = ctypes.CDLL("libX11.so.6")
        self.x.XOpenDisplay.restype = ctypes.c_void_p
        self.x.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x.XDefaultRootWindow.restype = ctypes.c_ulong
        self.x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
        self.x.XGetImage.restype = ctypes.POINTER(_XImage)
        self.x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                                     ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
        self.x.XDestroyImage.argtypes = [ctypes.POINTER(_XImage)]
        self.display = self.x.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError(f"cannot open X display {display}")
        self.root = self.x.XDefaultRootWindow(self.display)

    def grab(self, x=0, y=0, width=SCREEN_WIDTH, height=SCREEN_HEIGHT):
        image = self.x.XGetImage(self.display, self.root, x, y, width, height,
                                 self.ALL_PLANES, self.Z_PIXMAP)
        if not image:
            raise RuntimeError(f"cannot read the screen at {x},{y} {width}x{height}")
        try:
            got = image.contents
            if got.bits_per_pixel != 32:
                raise RuntimeError(f"{got.bits_per_pixel} bits per pixel on the X screen")
            stride = got.bytes_per_line
            raw = ctypes.string_at(got.data, stride * height)
        finally:
            self.x.XDestroyImage(image)
        pixels = b"".join(raw[row * stride:row * stride + 4 * width] for row in range(height))
        rgb = bytearray(3 * width * height)
        # Each pixel is blue, green, red and a pad byte in memory.
        rgb[0::3], rgb[1::3], rgb[2::3] = pixels[2::4], pixels[1::4], pixels[0::4]
        return Picture(width, height, rgb)


class Game:
    """One run of Varnolt.exe in its own copy of a staged game folder.

    A fresh copy also starts with an empty per-user folder: the Wine session's
    %LOCALAPPDATA%\\Varnolt, where the game keeps what its own folder cannot
    take, is the same for every game of the run."""

    def __init__(self, session, flavour="game-diag", folder=None):
        self.session = session
        self.fresh = folder is None
        self.folder = folder or tempfile.mkdtemp(prefix="varnolt-e2e-")
        if self.fresh:
            shutil.copytree(os.path.join(session.build, flavour), self.folder, dirs_exist_ok=True)
            self.clear_user_folder()
        self.process = None

    # -- the per-user folder -------------------------------------------------
    def user_folder(self, *parts):
        return os.path.join(self.session.env["WINEPREFIX"], "drive_c", "users",
                            getpass.getuser(), "AppData", "Local", "Varnolt", *parts)

    def clear_user_folder(self):
        if os.path.isdir(self.user_folder()):
            shutil.rmtree(self.user_folder())
        elif os.path.lexists(self.user_folder()):
            os.remove(self.user_folder())

    # -- files before the start --------------------------------------------
    def skip_directions(self):
        """An options file that has already shown the one-time directions."""
        self.write_file(options_file(0), "options.dta")
        return self

    def write_file(self, data, *parts):
        os.makedirs(os.path.dirname(self.path(*parts)), exist_ok=True)
        with open(self.path(*parts), "wb") as file:
            file.write(data)

    # -- process -----------------------------------------------------------
    def start(self, trace_sounds=False, elsewhere=None):
        """trace_sounds: Wine reports every resource the game looks up, so
        the sounds it asks to play show even on a machine without sound.
        elsewhere: a folder to start the game from, naming the program by
        its full path, as a shortcut with another start folder does."""
        env, stderr = self.session.env, subprocess.DEVNULL
        if trace_sounds:
            env = dict(env, WINEDEBUG="trace+resource")
            stderr = open(self.trace_path(), "w")
        program = self.path("Varnolt.exe") if elsewhere else "Varnolt.exe"
        self.process = subprocess.Popen([self.session.wine, program],
                                        cwd=elsewhere or self.folder, env=env,
                                        stdout=subprocess.DEVNULL, stderr=stderr)
        if trace_sounds:
            stderr.close()
        return self

    def trace_path(self):
        return self.folder.rstrip("/") + ".trace"

    def sounds_played(self):
        """The WAVE resources the game has looked up to play, in order."""
        try:
            with open(self.trace_path(), errors="replace") as trace:
                return re.findall(r'type L"WAVE" name L"(\w+)"', trace.read())
        except FileNotFoundError:
            return []

    @contextlib.contextmanager
    def suspended(self):
        """Holds the whole game process still: input sent meanwhile waits in
        its X connection and reaches the game all at once when it resumes."""
        os.kill(self.process.pid, signal.SIGSTOP)
        try:
            yield
        finally:
            os.kill(self.process.pid, signal.SIGCONT)

    def wait_exit(self):
        return self.process.wait(timeout=DEADLINE)

    def running(self):
        return self.process is not None and self.process.poll() is None

    def stop(self):
        """Ends a game a scenario left running (ending it is not under test)."""
        if self.running():
            self.process.kill()
            self.process.wait()

    def cleanup(self):
        self.stop()
        if self.fresh:
            self.clear_user_folder()
        shutil.rmtree(self.folder, ignore_errors=True)
        with contextlib.suppress(FileNotFoundError):
            os.remove(self.trace_path())

    # -- window ------------------------------------------------------------
    def window_id(self):
        found = self.session.run("xdotool", "search", "--onlyvisible", "--name", "^Varnolt$",
                                 check=False)
        ids = found.stdout.split()
        return ids[0] if ids else None

    def wait_window(self):
        return wait_until(self.window_id, "the game's window")

    def wintool(self, command, check=False):
        """What the system itself says of the game's windows, as key=value
        pairs (see wintool.cpp)."""
        out = self.session.run(self.session.wine, self.session.wintool, command,
                               check=check).stdout
        return dict(pair.split("=") for pair in out.split())

    def window_state(self):
        return self.wintool("state")

    def dialog(self):
        """The game's open dialog's screen rectangle (left, top, right,
        bottom), or None."""
        fields = self.wintool("dialog")
        if fields.get("dialog") != "1":
            return None
        return tuple(int(fields[side]) for side in ("left", "top", "right", "bottom"))

    def dialog_in_front(self):
        return self.wintool("dialog").get("foreground") == "1"

    def dialog_inside(self):
        """Whether the open dialog is drawn inside the game's window rather
        than in a window of its own."""
        return self.wintool("dialog").get("inside") == "1"

    def end_session(self):
        """WM_QUERYENDSESSION, then WM_ENDSESSION, as at a logoff; whether the
        game agreed to end."""
        return self.wintool("endsession", check=True).get("agreed") == "1"

    @contextlib.contextmanager
    def other_program_in_front(self):
        """Another program's window takes the front for the block's length."""
        other = subprocess.Popen([self.session.wine, self.session.wintool, "front"],
                                 env=self.session.env, stdout=subprocess.PIPE, text=True)
        try:
            other.stdout.readline()  # up and activated
            yield
        finally:
            other.kill()
            other.wait()

    def close_through_ending(self):
        """The system's close command, then Enter on the ending picture that
        it brings up."""
        self.click(1012, 8)
        self.key("alt+F4")
        wait_until(self.dialog, "the ending picture")
        self.key("Return")

    # -- input -------------------------------------------------------------
    def click(self, x, y, button=1):
        self.session.run("xdotool", "mousemove", str(x), str(y), "click", str(button))

    def move(self, x, y):
        self.session.run("xdotool", "mousemove", str(x), str(y))

    def press(self, x, y):
        self.move(x, y)
        self.session.run("xdotool", "mousedown", "1")

    def release(self):
        self.session.run("xdotool", "mouseup", "1")

    def drag(self, start, end, steps=12):
        self.press(*start)
        for i in range(1, steps + 1):
            self.move(start[0] + (end[0] - start[0]) * i // steps,
                      start[1] + (end[1] - start[1]) * i // steps)
        self.release()

    def key(self, *names):
        self.session.run("xdotool", "key", *names)

    def drop(self, paths, at=(512, 300)):
        """Drags files (host paths, which Wine sees on its Z: drive) onto the
        game's window as a file manager does, and lets go at `at`."""
        window = int(self.wait_window())
        dropped = drop_files(self.session.env["DISPLAY"], window, paths, at)
        if not dropped:
            raise AssertionError(f"the game's window did not take the drop of {len(paths)} files")

    # -- output ------------------------------------------------------------
    def screenshot(self):
        return self.session.screen.grab()

    def grab(self, x, y, width, height):
        return self.session.screen.grab(x, y, width, height)

    def wait_shown(self, part, at, what, key=None):
        """Waits until the screen shows `part` with its top-left at `at`."""
        region = (at[0], at[1], part.width, part.height)
        return wait_until(lambda: self.grab(*region).shows(part, key=key), what)

    def picture(self, name):
        """A picture file of the game's data folder."""
        return Picture.read(self.path("Data", name))

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

    def assert_display_given_back(self, game):
        """The ended game set the display's mode once and gave it back last."""
        lines = game.log_lines()
        self.assertEqual(lines.count(DISPLAY_MODE_SET), 1)
        self.assertEqual(lines[-1], "Display mode restored")
