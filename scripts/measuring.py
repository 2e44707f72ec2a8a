"""What the measuring scripts share: the build's Wine session, real pointer
input through the X server's XTest extension, quick pixel reads, the
yardstick program, and the report of medians and 90th percentiles.

Import it after `setup(argv)`, which points the end-to-end harness at the
build folder the script was given."""

import ctypes
import os
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.dirname(HERE)


def setup(argv):
    """Makes the end-to-end harness importable and points it at the build
    folder named by argv[1] (build/windows by default)."""
    sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))
    os.environ.setdefault("VARNOLT_SOURCE_DIR", SOURCE)
    os.environ.setdefault("VARNOLT_BUILD_DIR",
                          os.path.abspath(argv[1] if len(argv) > 1 else "build/windows"))


class Pointer:
    """Sends real pointer input through the X server's XTest extension and
    reads single pixels back, both on the session's display."""

    def __init__(self, screen):
        self.screen = screen
        self.x = screen.x
        self.display = screen.display
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.xtst.XTestFakeMotionEvent.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_int,
                                                   ctypes.c_int, ctypes.c_ulong]
        self.xtst.XTestFakeButtonEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                   ctypes.c_ulong]
        self.x.XFlush.argtypes = [ctypes.c_void_p]

    def move(self, x, y):
        self.xtst.XTestFakeMotionEvent(self.display, -1, x, y, 0)
        self.x.XFlush(self.display)

    def button(self, down):
        self.xtst.XTestFakeButtonEvent(self.display, 1, 1 if down else 0, 0)
        self.x.XFlush(self.display)

    def pixel(self, x, y):
        return self.screen.grab(x, y, 1, 1).pixel(0, 0)

    def shows(self, spots):
        """Whether every (x, y, colour) of spots is on the screen."""
        return all(self.pixel(x, y) == colour for x, y, colour in spots)

    def time_until(self, spots, start, timeout):
        """Milliseconds from `start` (a perf_counter reading) until the
        screen shows every spot; None when it did not within timeout s."""
        while time.perf_counter() - start < timeout:
            if self.shows(spots):
                return 1000.0 * (time.perf_counter() - start)
        return None


def cpu_ms(pid):
    """Processor time (user and system) the process has used so far, in
    milliseconds, or None when it has gone. Less sensitive to the machine's
    load than the time on the wall clock."""
    try:
        with open(f"/proc/{pid}/stat") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except (FileNotFoundError, ProcessLookupError):
        return None
    ticks = os.sysconf("SC_CLK_TCK")
    # utime and stime are fields 14 and 15 of the line, 12 and 13 here.
    return 1000.0 * (int(fields[11]) + int(fields[12])) / ticks


def yardstick(session, *arguments):
    """Starts the minimal GDI program (tests/e2e/pointer_box.cpp)."""
    exe = os.path.join(session.build, "tests", "e2e", "pointerbox.exe")
    return subprocess.Popen([session.wine, exe, *arguments], env=session.env,
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def stop(process):
    process.kill()
    process.wait()


def percentile90(times):
    return sorted(times)[int(0.9 * (len(times) - 1))]


def report(name, times, missed, unit="moves", cpu=None):
    """Prints the median and the 90th percentile (and of cpu, the processor
    times, when given); gives the median."""
    if not times:
        print(f"{name}: nothing reached the screen ({missed} missed)")
        return None
    median = statistics.median(times)
    print(f"{name}: median {median:.2f} ms, 90th percentile {percentile90(times):.2f} ms "
          f"over {len(times)} {unit} ({missed} missed)")
    if cpu:
        print(f"    its processor time: median {statistics.median(cpu):.1f} ms, "
              f"90th percentile {percentile90(cpu):.1f} ms")
    return median


def report_ratio(game, yard):
    if game and yard:
        print(f"ratio of the medians: {game / yard:.2f}")


def in_session(body):
    """Runs body(session, pointer) in the build's Wine session, and stops the
    session afterwards when this script was the one that started it."""
    from harness import Session
    session = Session()
    try:
        body(session, Pointer(session.screen))
    finally:
        if session.started_here:
            session.control("stop")
