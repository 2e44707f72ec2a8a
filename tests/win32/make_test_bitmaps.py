"""Writes the small solid-colour bitmaps and the cursors the Windows tests
build into their resources, standing in for the game's generated dialog
pictures and cursors.
Usage: make_test_bitmaps.py OUTPUT_DIR"""

import os
import struct
import sys

# name: (width, height, (red, green, blue))
BITMAPS = {
    "ending": (1024, 768, (30, 60, 150)),
    "ok_up": (128, 50, (20, 160, 20)),
    "ok_down": (128, 50, (160, 20, 20)),
    "quit_up": (124, 52, (20, 20, 160)),
    "quit_down": (124, 52, (150, 150, 150)),
}

# name: hot spot (x, y); each cursor tells its slot by its hot spot.
CURSORS = {
    "arrow": (3, 3),
    "hand": (11, 5),
    "hand2": (17, 17),
}


def bitmap(width, height, colour):
    stride = (3 * width + 3) & ~3
    red, green, blue = colour
    row = bytes([blue, green, red]) * width + bytes(stride - 3 * width)
    pixels = row * height
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 0, 0, 0, 0)
    return header + info + pixels


def cursor(hot_x, hot_y):
    """A 32 x 32 monochrome .cur file: a black square, transparent around it."""
    info = struct.pack("<IiiHHIIiiII", 40, 32, 64, 1, 1, 0, 256, 0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    xor_mask = bytes(128)
    and_mask = b"".join(
        (b"\xf0\x00\x0f\xff" if 8 <= row < 24 else b"\xff" * 4) for row in range(32))
    image = info + palette + xor_mask + and_mask
    header = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", 32, 32, 0, 0, hot_x, hot_y, len(image), 6 + 16)
    return header + entry + image


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    for name, (width, height, colour) in BITMAPS.items():
        with open(os.path.join(out, name + ".bmp"), "wb") as file:
            file.write(bitmap(width, height, colour))
    for name, (hot_x, hot_y) in CURSORS.items():
        with open(os.path.join(out, name + ".cur"), "wb") as file:
            file.write(cursor(hot_x, hot_y))


if __name__ == "__main__":
    main()
