#!/usr/bin/env python3
"""Lists every file of the bitmap corpus and, for the files our readers must
decode exactly as ImageMagick does, writes ImageMagick's pixels beside it.

    bmp_expectations.py CORPUS OUTPUT_DIR

OUTPUT_DIR/expectations.txt has one line per corpus file, tab-separated:
    kind  relative-path  width  height  pixels
kind is "image" (24-bit, uncompressed, bottom-up, 40-byte header, pixels at
offset 54: what CDIBImage reads), "section" (1, 4 or 8 bits per pixel,
uncompressed, 40-byte header, a colour table holding every colour the header
says is used: what CDIBSection draws with its own colours) or "other". pixels names the file of ImageMagick's RGB
bytes (rows from the top), or is "refused" when ImageMagick cannot read the
file, or "-" for other files.
"""
import os
import struct
import subprocess
import sys


def classify(data):
    if len(data) < 54 or data[:2] != b"BM":
        return "other"
    offset, header_size, width, height, _planes, bits, compression = struct.unpack(
        "<IIiiHHI", data[10:34])
    if header_size != 40 or compression != 0 or width <= 0 or height == 0:
        return "other"
    if bits == 24 and height > 0 and offset == 54:
        return "image"
    if bits in (1, 4, 8):
        # The table must hold every colour the header says is used.
        colours_used = struct.unpack("<I", data[46:50])[0]
        entries = colours_used if 0 < colours_used <= 1 << bits else 1 << bits
        if offset >= 54 + 4 * entries:
            return "section"
    return "other"


def decode(path, width, height):
    result = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], capture_output=True)
    if result.returncode != 0 or len(result.stdout) != width * abs(height) * 3:
        return None
    return result.stdout


def main():
    corpus, output = sys.argv[1], sys.argv[2]
    os.makedirs(output, exist_ok=True)
    lines = []
    for root, _dirs, files in os.walk(corpus):
        for name in sorted(files):
            path = os.path.join(root, name)
            relative = os.path.relpath(path, corpus).replace(os.sep, "/")
            if relative == "MANIFEST.txt":
                continue
            with open(path, "rb") as stream:
                data = stream.read()
            kind = classify(data)
            width = height = 0
            pixels = "-"
            if kind != "other":
                width, height = struct.unpack("<ii", data[18:26])
                decoded = decode(path, width, height)
                pixels = "refused"
                if decoded is not None:
                    pixels = "%d.rgb" % len(lines)
                    with open(os.path.join(output, pixels), "wb") as stream:
                        stream.write(decoded)
            lines.append("\t".join([kind, relative, str(width), str(height), pixels]))
    lines.sort(key=lambda line: line.split("\t")[1])
    with open(os.path.join(output, "expectations.txt"), "w") as stream:
        stream.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
