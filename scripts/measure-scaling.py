#!/usr/bin/env python3
"""Measures a whole frame scaled from 1024x768 to 1440x1080 under Wine:
GDI's StretchBlt (HALFTONE, COLORONCOLOR) against the game's own scaler
into a DIB section, and the unscaled 1:1 copy. A measurement, not a test.
Usage: scripts/measure-scaling.py [BUILD_DIR] [FRAMES]"""

import os
import subprocess
import sys

here = os.path.dirname(os.path.abspath(__file__))
build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/windows")
frames = sys.argv[2] if len(sys.argv) > 2 else "50"
sys.exit(subprocess.run([os.path.join(build, "wine-run"),
                         os.path.join(build, "tools", "measure", "scaletiming.exe"), frames]).returncode)
