"""What the end-to-end tests know of the game's layout and files, read from
the same sources the game is built from: the catalogue's piece positions,
the screen positions (src/game/screen_layout.h), and the layouts of the save
and options files."""

import os
import pathlib
import re
import struct

SOURCE = pathlib.Path(__file__).resolve().parents[2]


def game_constants(header):
    """The constants of a header of src/game written as plain numbers, by
    name, each as the tuple of its numbers (a missing one is a KeyError)."""
    text = (SOURCE / "src" / "game" / header).read_text()
    return {name: tuple(int(n) for n in re.findall(r"\d+", value))
            for name, value in re.findall(r"constexpr \w+ (\w+)\b[^=;]*= ([^;]*);", text)
            if re.fullmatch(r"[\s\d{},]*", value)}


_screen = game_constants("screen_layout.h")
SCREEN = _screen["kScreenWidth"] + _screen["kScreenHeight"]
TITLE_AT = _screen["kTitlePicture"][:2]
START_BUTTON = _screen["kStartButton"]
# Quit, about, previous page, next page, clear, sound switch, picture book:
# x, y, width, height.
GAME_BUTTONS = {name: _screen["kGameButtons"][4 * i:4 * i + 4]
                for i, name in enumerate(("quit", "info", "prev", "next", "clear", "sound", "book"))}
BUTTON_FILES = {"quit": "m0002.dat", "info": "m0003.dat", "prev": "m0004.dat",
                "next": "m0005.dat", "clear": "m0006.dat", "sound": "m0039.dat",
                "book": "m0038.dat"}
PAGE_LABEL = _screen["kPageLabel"]
# The players' badges: a row centred below the title picture, and the
# current player's on the bar; the picture holds a row per animal and the
# add badge's last, each plain face beside its highlighted one.
BADGE_SIZE = _screen["kBadgeSize"][0]
BADGE_GAP = _screen["kBadgeGap"][0]
BADGES_TOP = _screen["kTitleBadgesTop"][0]
BAR_BADGE = _screen["kBarBadge"]
BADGES_FILE = "m0041.dat"
ADD_BADGE_ROW = 6
# The grown-up corner's door in the title screen's top right corner: at
# rest, then held 0/10 ... 10/10, one face under another.
CORNER_DOOR = _screen["kCornerDoor"]
CORNER_DOOR_FILE = "m0075.dat"


def badge_boxes(count):
    """Where the title screen's count badges stand (players, then add)."""
    left = (SCREEN[0] - (count * BADGE_SIZE + (count - 1) * BADGE_GAP)) // 2
    return [(left + i * (BADGE_SIZE + BADGE_GAP), BADGES_TOP) for i in range(count)]
# A finished page's star, over the label's right-hand end, and its picture.
FINISHED_STAR = _screen["kFinishedStar"]
FINISHED_STAR_FILE = "m0037.dat"
PICTURE_DIALOG = _screen["kPictureDialogSize"] * 2
PICTURE_DIALOG_BUTTON = _screen["kDialogOkButton"]
ENDING_BUTTON = _screen["kEndingQuitButton"]
PAGE_COUNT = 30
# Kinds of piece picture, in name-index order, and their file letters.
LOOSE, HOLE, PLACED, DRAG = range(4)
KIND_LETTERS = "bhio"
PIECES_IN_GAME = 220
# A drag picture rests this far from its loose piece; dropped this far from
# its hole's top-left, a piece fits.
_catalogue = game_constants("catalogue.h")
DRAG_REST = _catalogue["kDragRestOffsetX"] + _catalogue["kDragRestOffsetY"]
FIT_OFFSET = _catalogue["kFitOffsetX"] + _catalogue["kFitOffsetY"]
# The diagnostic log's line once the display shows the game's mode.
DISPLAY_MODE_SET = "Display mode set to 1024x768, 32 bits per pixel"


class Catalogue:
    """Pages and piece positions as src/game/piece_positions.cpp holds them."""

    def __init__(self, source):
        with open(os.path.join(source, "src", "game", "piece_positions.cpp")) as file:
            text = file.read()
        self.positions = [tuple(map(int, row)) for row in
                          re.findall(r"\{(-?\d+), (-?\d+), (-?\d+), (-?\d+)\}", text)]
        self.pages = {}
        for page, first, last in re.findall(r"// Page (\d+): pieces (\d+)-(\d+)", text):
            self.pages[int(page)] = range(int(first), int(last) + 1)
        if len(self.positions) != PIECES_IN_GAME or len(self.pages) != PAGE_COUNT:
            raise ValueError("piece_positions.cpp no longer reads as expected")

    def loose_at(self, piece):
        return self.positions[piece - 1][0:2]

    def hole_at(self, piece):
        return self.positions[piece - 1][2:4]

    def drag_rest_at(self, piece):
        x, y = self.loose_at(piece)
        return x + DRAG_REST[0], y + DRAG_REST[1]


class BookLayout:
    """The picture book's layout as src/game/book_layout.h holds it, and its
    pictures' files."""

    FILES = {"background": "m0031.dat", "thumbnails": "m0032.dat", "marks": "m0033.dat",
             "outlines": "m0034.dat", "start_again": "m0035.dat"}

    def __init__(self):
        constants = game_constants("book_layout.h")
        self.start_again = constants["kStartAgainBox"]
        self.badge = constants["kBookBadgeBox"]
        self.value = {name: numbers[0] for name, numbers in constants.items()}

    def cell(self, page):
        v = self.value
        index = page - 1
        return (v["kBookGridLeft"] + index % v["kBookColumns"] * v["kBookCellWidth"],
                v["kBookGridTop"] + index // v["kBookColumns"] * v["kBookCellHeight"])

    def thumbnail(self, page):
        return self._in_cell(page, "kThumbnail")

    def mark(self, page):
        return self._in_cell(page, "kBookMark")

    def _in_cell(self, page, part):
        """The box of a part of page's cell: x, y, width, height."""
        x, y = self.cell(page)
        v = self.value
        return (x + v[part + "Left"], y + v[part + "Top"], v[part + "Width"], v[part + "Height"])


class ShelfLayout:
    """The picture book's "your pictures" page as src/game/shelf_layout.h
    holds it, and its pictures' files."""

    FILES = {"background": "m0061.dat", "marks": "m0062.dat", "outlines": "m0063.dat",
             "remove": "m0064.dat", "turn": "m0065.dat", "add": "m0066.dat",
             "arrows": "m0067.dat"}

    def __init__(self):
        constants = game_constants("shelf_layout.h")
        self.turn_tab = constants["kTurnTabBox"]
        self.add_picture = constants["kAddPictureBox"]
        self.badge = constants["kShelfBadgeBox"]
        self.mark_counts = constants["kShelfMarkCounts"]
        self.value = {name: numbers[0] for name, numbers in constants.items() if numbers}

    def cell(self, slot):
        v = self.value
        return (v["kShelfGridLeft"] + slot % v["kShelfColumns"] * v["kShelfCellWidth"],
                v["kShelfGridTop"] + slot // v["kShelfColumns"] * v["kShelfCellHeight"],
                v["kShelfCellWidth"], v["kShelfCellHeight"])

    def thumb_box(self, slot):
        return self._in_cell(slot, "kShelfThumb")

    def mark(self, slot):
        return self._in_cell(slot, "kShelfMark")

    def remove(self, slot):
        return self._in_cell(slot, "kRemove")

    def fitted(self, width, height):
        """A page picture's thumbnail size (game/shelf_layout.cpp's rule)."""
        box_w, box_h = self.value["kShelfThumbWidth"], self.value["kShelfThumbHeight"]
        if width * box_h >= height * box_w:
            return box_w, max(1, min(box_h, (height * box_w + width // 2) // width))
        return max(1, min(box_w, (width * box_h + height // 2) // height)), box_h

    def _in_cell(self, slot, part):
        x, y, _, _ = self.cell(slot)
        v = self.value
        return (x + v[part + "Left"], y + v[part + "Top"], v[part + "Width"], v[part + "Height"])


def name_index(kind, piece):
    return kind * PIECES_IN_GAME + piece - 1


def piece_file(kind, piece):
    return f"{KIND_LETTERS[kind]}{piece:03d}.dat"


def save_name(page):
    return f"page{page:02d}.sav"


class SaveFile:
    """A page save file: "VARNOLT1", version 256, placed count, then 24-byte
    records (tag, x, y, depth, visible, mirrored) up to the end."""

    def __init__(self, data):
        length, = struct.unpack_from("<I", data, 0)
        self.text = data[4:4 + length]
        self.version, self.placed = struct.unpack_from("<ii", data, 4 + length)
        body = data[12 + length:]
        self.remainder = len(body) % 24
        self.records = [struct.unpack_from("<6i", body, at)
                        for at in range(0, len(body) - self.remainder, 24)]

    def well_formed(self):
        return self.text == b"VARNOLT1" and self.version == 256 and self.remainder == 0

    def visible(self, tag):
        """The stored visibility of the sprite with this tag (None if absent)."""
        for record in self.records:
            if record[0] == tag:
                return record[4]
        return None

    @staticmethod
    def laid_out(catalogue, page, placed=()):
        """The save file of a page as the catalogue lays it out, with the
        pieces in `placed` in their holes and the others loose beside it."""
        records = []
        for kind, where in ((LOOSE, catalogue.loose_at), (HOLE, catalogue.hole_at),
                            (PLACED, catalogue.hole_at), (DRAG, catalogue.drag_rest_at)):
            for piece in catalogue.pages[page]:
                shown = kind != DRAG and (piece in placed) == (kind == PLACED)
                records.append((name_index(kind, piece), *where(piece), 10, int(shown), 0))
        return (stored_file(b"VARNOLT1", len(placed)) +
                b"".join(struct.pack("<6i", *record) for record in records))


def stored_file(text, value):
    """A file as the game stores it: text with its length in front, version
    256, then a value: the placed count, whether the directions are still to
    come, or the sound setting (0 all on, 1 music off, 2 all off)."""
    return struct.pack("<I", len(text)) + text + struct.pack("<ii", 256, value)


def options_file(show_directions):
    return stored_file(b"VARNOPTN", show_directions)


def settings_file(sound):
    return stored_file(b"VARNSETT", sound)


FIT_NORMAL, FIT_GENEROUS, FIT_VERY_GENEROUS = range(3)


def household_settings_file(music=4, effects=4, fit=FIT_NORMAL, help_when_stuck=False,
                            child_lock=False, last_player=0, players=((0, 0),), sound=0):
    """A settings file of version 258, as the grown-up corner stores it: the
    sound, the designed presentation, then the volumes (0 silent .. 4 full),
    the fit, help when stuck, the child lock, the last player and the players
    (badge, folder)."""
    fields = [258, sound, 0, 0, 0, 0, 0, music, effects, fit, int(help_when_stuck),
              int(child_lock), last_player, len(players)]
    for badge, folder in players:
        fields += [badge, folder]
    text = b"VARNSETT"
    return struct.pack("<I", len(text)) + text + struct.pack(f"<{len(fields)}i", *fields)
