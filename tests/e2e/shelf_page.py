"""What the end-to-end tests know of the picture book's "your pictures"
page: how its parts must look, built from the game's own picture files, and
whether a thumbnail shows a stored page picture."""

from layout import ShelfLayout
from pictures import MAGENTA, Picture, frame, laid_on

SHELF = ShelfLayout()


def shelf_picture(game, name):
    return game.picture(ShelfLayout.FILES[name])


def wait_shelf(game):
    """Waits for the "your pictures" page's title band, left of the
    player's badge."""
    title = shelf_picture(game, "background").crop(0, 0, SHELF.badge[0], 90)
    game.wait_shown(title, (0, 0), "your pictures")


def on_card(game, box, part):
    """part laid on the shelf's background where box lies, keyed."""
    x, y, width, height = box
    return laid_on(shelf_picture(game, "background").crop(x, y, width, height), (part, (0, 0)),
                   key=MAGENTA)


def shelf_mark(game, slot, placed, total):
    _, _, width, height = SHELF.mark(slot)
    column = SHELF.mark_counts.index(total)
    cell = shelf_picture(game, "marks").crop(column * width, placed * height, width, height)
    return on_card(game, SHELF.mark(slot), cell)


def remove_face(game, slot, face):
    _, _, width, height = SHELF.remove(slot)
    return on_card(game, SHELF.remove(slot), frame(shelf_picture(game, "remove"), face, width,
                                                   height))


def shrunk(picture, width, height):
    """picture shrunk to width x height, each pixel the mean of those that
    fall in it."""
    rgb = bytearray()
    for y in range(height):
        top, bottom = y * picture.height // height, (y + 1) * picture.height // height
        for x in range(width):
            left, right = x * picture.width // width, (x + 1) * picture.width // width
            sums = [0, 0, 0]
            for row in range(top, bottom):
                block = picture.row(row, left, right - left)
                for c in range(3):
                    sums[c] += sum(block[c::3])
            count = (bottom - top) * (right - left)
            rgb += bytes(round(v / count) for v in sums)
    return Picture(width, height, rgb)


def thumbnail_shown(game, slot, page):
    """Whether slot shows the stored picture of page's folder, shrunk and
    centred in the thumbnail box (close: any other picture is far off)."""
    stored = Picture.read(game.user_folder("pictures", page, "picture.dat"))
    width, height = SHELF.fitted(stored.width, stored.height)
    x, y, box_w, box_h = SHELF.thumb_box(slot)
    shown = game.grab(x + (box_w - width) // 2, y + (box_h - height) // 2, width, height)
    expected = shrunk(stored, width, height)
    return sum(abs(a - b) for a, b in zip(shown.rgb, expected.rgb)) / len(shown.rgb) < 6


def empty_slot(game, slot):
    """An empty cell: the background's card alone."""
    return shelf_picture(game, "background").crop(*SHELF.cell(slot))
