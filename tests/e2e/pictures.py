"""Pictures as the end-to-end tests compare them: screen grabs and the game's
own picture files, all held as top-down RGB rows.

The game draws its pictures 1:1, so what it shows must equal the file's
pixels exactly wherever they are not covered and, for sprites, not the
transparent magenta.
"""

import struct

MAGENTA = (255, 0, 255)


class Picture:
    """width x height pixels, 3 bytes (red, green, blue) each, top row first."""

    def __init__(self, width, height, rgb):
        self.width, self.height, self.rgb = width, height, bytes(rgb)
        if len(self.rgb) != 3 * width * height:
            raise ValueError(f"{len(self.rgb)} bytes for {width}x{height} pixels")

    @classmethod
    def read(cls, path):
        """A 24-bit bitmap file: the game's ("V1") or a Windows one ("BM")."""
        with open(path, "rb") as file:
            data = file.read()
        if data[:2] not in (b"V1", b"BM"):
            raise ValueError(f"{path} is not a bitmap file")
        offset, = struct.unpack_from("<I", data, 10)
        width, height = struct.unpack_from("<ii", data, 18)
        bits, = struct.unpack_from("<H", data, 28)
        if bits != 24:
            raise ValueError(f"{path} has {bits} bits per pixel")
        stride = (3 * width + 3) // 4 * 4
        rows = []
        for y in range(abs(height)):
            stored = abs(height) - 1 - y if height > 0 else y  # bottom row first
            start = offset + stored * stride
            rows.append(data[start:start + 3 * width])
        bgr = b"".join(rows)
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        return cls(width, abs(height), rgb)

    def pixel(self, x, y):
        at = 3 * (y * self.width + x)
        return tuple(self.rgb[at:at + 3])

    def row(self, y, x=0, width=None):
        width = self.width - x if width is None else width
        at = 3 * (y * self.width + x)
        return self.rgb[at:at + 3 * width]

    def crop(self, x, y, width, height):
        return Picture(width, height, b"".join(self.row(y + i, x, width) for i in range(height)))

    def shows(self, part, at=(0, 0), key=None):
        """Whether `part`, laid on this picture with its top-left at `at`,
        equals what lies under it; pixels of `part` equal to `key` are not
        compared (a sprite's transparent colour)."""
        left, top = at
        for y in range(part.height):
            mine, theirs = self.row(top + y, left, part.width), part.row(y)
            if mine == theirs:
                continue
            if key is None:
                return False
            for x in range(part.width):
                pixel = theirs[3 * x:3 * x + 3]
                if tuple(pixel) != key and mine[3 * x:3 * x + 3] != pixel:
                    return False
        return True


def laid_on(base, *parts, key=None):
    """A copy of base with each (part, top-left) laid on it in turn; pixels
    of a part equal to `key` leave what lies under them."""
    canvas = bytearray(base.rgb)
    for part, (left, top) in parts:
        for y in range(part.height):
            start = 3 * ((top + y) * base.width + left)
            source = part.row(y)
            if key is None:
                canvas[start:start + len(source)] = source
                continue
            for x in range(part.width):
                pixel = source[3 * x:3 * x + 3]
                if tuple(pixel) != key:
                    canvas[start + 3 * x:start + 3 * x + 3] = pixel
    return Picture(base.width, base.height, canvas)


def frame(picture, index, width, height):
    """Frame `index` of a picture cut into frames stacked from the top."""
    return picture.crop(0, index * height, width, height)
