"""Writes the small solid-colour bitmaps the Windows tests build into their
resources, standing in for the game's generated dialog pictures.
Usage: make_test_bitmaps.py OUTPUT_DIR"""

import os
import struct
import sys

# name: (width, height, (red, green, blue))
BITMAPS = {
    "about": (360, 360, (200, 180, 40)),
    "ending": (1024, 768, (30, 60, 150)),
    "ok_up": (128, 50, (20, 160, 20)),
    "ok_down": (128, 50, (160, 20, 20)),
    "quit_up": (124, 52, (20, 20, 160)),
    "quit_down": (124, 52, (150, 150, 150)),
}


def bitmap(width, height, colour):
    stride = (3 * width + 3) & ~3
    red, green, blue = colour
    row = bytes([blue, green, red]) * width + bytes(stride - 3 * width)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    return header + info + pixels


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, (width, height, colour) in BITMAPS.items():
        with open(os.path.join(out, name + ".bmp"), "wb") as file:
            file.write(bitmap(width, height, colour))


if __name__ == "__main__":
    main()
