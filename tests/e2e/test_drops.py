"""Picture files dropped onto the game's window from outside, as a file
manager drops them (XDND, which Wine hands the game as WM_DROPFILES): the
piece count is asked once for the whole drop, every picture becomes a page
or is refused with the game's notice, and the first new page opens when all
of them are done. Names far outside the ANSI code page arrive whole."""

import os
import shutil
import tempfile

import test_photos
from harness import GameTestCase, wait_until
from player import started_game
from shelf_page import wait_shelf
from test_photos import PHOTOS, own_layout, windows_path

# Names as families give their photos, one of them outside every Western
# code page, copied from the corpus for the drop.
FAMILY_NAMES = {
    "\u00c9mile \u00e0 la plage.jpg": os.path.join("exif-orientation", "Landscape_0.jpg"),
    "Oma\u2019s Geburtstag.png": os.path.join("libjpeg-turbo", "testorig.png"),
    "\u0411\u0430\u0431\u0443\u0448\u043a\u0430 \u5976\u5976.jpg":
        os.path.join("libjpeg-turbo", "testorig.jpg"),
}
# Files dropped at once when the whole corpus is offered: few drops keep the
# run short, several show that one drop takes many files.
FILES_A_DROP = 40


def logged(game):
    """The game's log lines, read as the UTF-8 the game writes names in."""
    try:
        with open(game.path("log.txt"), "rb") as log:
            text = log.read().decode("utf-8", errors="replace")
    except FileNotFoundError:
        return []
    return [line.partition(":  ")[2] for line in text.splitlines()]


def outcomes(game):
    """Each offered file's fate as the game logged it: its Windows path to
    the page it became, or to None when it was refused; and the order of
    the lines (path, index)."""
    fates, order = {}, []
    for index, line in enumerate(logged(game)):
        if not line.startswith("COwnPictures: "):
            continue
        body = line.removeprefix("COwnPictures: ")
        if " added as page" in body:
            path, _, page = body.rpartition(" added as ")
        elif body.endswith(" refused"):
            path, page = body.removesuffix(" refused"), None
        else:
            continue
        fates.setdefault(path, []).append(page)
        order.append((path, index))
    return fates, order


def corpus_files():
    found = []
    for folder, _, names in os.walk(PHOTOS):
        found.extend(os.path.join(folder, name) for name in names)
    return sorted(found)


class DropsTest(GameTestCase):
    # The chooser is answered as in the Open dialog's scenarios.
    choose_count = test_photos.PhotosTest.choose_count

    def family_photos(self):
        folder = tempfile.mkdtemp(prefix="varnolt-drop-")
        self.addCleanup(shutil.rmtree, folder, ignore_errors=True)
        paths = []
        for name, original in FAMILY_NAMES.items():
            paths.append(os.path.join(folder, name))
            shutil.copyfile(os.path.join(PHOTOS, original), paths[-1])
        return paths

    def wait_taken(self, game, drops):
        """Waits until the game has dealt with every picture of `drops` drops."""
        wait_until(lambda: sum(line.startswith("COwnPictures: ") and " pictures taken in " in line
                               for line in logged(game)) >= drops, f"drop {drops} taken")

    def test_photos_dropped_onto_the_window_become_pages_with_one_count(self):
        game, player = started_game(self)
        photos = self.family_photos()
        game.drop(photos[:2])
        # A second drop while the chooser waits is turned away, not asked
        # about inside the first.
        wait_until(game.dialog, "the piece-count chooser")
        # It is drawn inside the game's window: no window comes and goes.
        self.assertTrue(game.dialog_inside())
        game.drop(photos[2:], at=(40, 40))
        game.wait_log("COwnPictures: a drop while pictures are being added is left alone")
        self.choose_count(game, 6)
        game.wait_log("COwnPictures: page000001 opened")
        game.drop(photos[2:])
        self.choose_count(game, 6)
        game.wait_log("COwnPictures: page000003 opened")
        lines = logged(game)
        # One count for each drop taken, no notice: every photo was taken.
        self.assertEqual(sum(line.startswith("COwnPictures: ") and line.endswith(" pieces chosen")
                             for line in lines), 2)
        fates, order = outcomes(game)
        self.assertEqual([path for path, _ in order], [windows_path(p) for p in photos])
        self.assertEqual([fates[windows_path(p)] for p in photos],
                         [["page000001"], ["page000002"], ["page000003"]])
        # The first new page opened once both of the first drop's were done.
        opened = lines.index("COwnPictures: page000001 opened")
        self.assertGreater(opened, max(index for _, index in order[:2]))
        self.assertEqual(len(own_layout(game)), 6)
        self.assertIsNone(game.dialog())
        # Each page holds its own photo's copy, read by its wide name.
        for number, photo in enumerate(photos, 1):
            copy = game.user_folder("pictures", f"page{number:06d}",
                                    "photo" + os.path.splitext(photo)[1])
            with open(copy, "rb") as stored, open(photo, "rb") as original:
                self.assertEqual(stored.read(), original.read(), photo)
        # Page Down from the last new page goes round to the first.
        game.key("Next")
        wait_until(lambda: logged(game).count("COwnPictures: page000001 opened") == 2,
                   "Page Down round to the first new page")

    def test_every_corpus_file_dropped_becomes_a_page_or_is_refused(self):
        game, player = started_game(self)
        files = corpus_files()
        self.assertGreater(len(files), 150)
        for drops, start in enumerate(range(0, len(files), FILES_A_DROP), 1):
            batch = files[start:start + FILES_A_DROP]
            game.drop(batch)
            self.choose_count(game, 4)
            self.wait_taken(game, drops)
            fates, _ = outcomes(game)
            if any(fates.get(windows_path(path)) == [None] for path in batch):
                player.answer_dialog("PictureRefusedDialogBkg")
        fates, _ = outcomes(game)
        # Every file was offered once and either became a page or was refused.
        self.assertEqual(sorted(fates), sorted(windows_path(path) for path in files))
        self.assertTrue(all(len(fate) == 1 for fate in fates.values()))
        pages = sorted(fate[0] for fate in fates.values() if fate[0] is not None)
        refused = [path for path, fate in fates.items() if fate[0] is None]
        self.assertEqual(pages, sorted(name for name in os.listdir(game.user_folder("pictures"))
                                       if name.startswith("page")))
        self.assertGreater(len(pages), 10)
        for name in ("MANIFEST.txt", "monkey12.jpg", "basn0g01.png"):
            self.assertTrue(any(path.endswith("\\" + name) for path in refused), name)
        # Still running, and answering: the picture book opens (on the
        # player's pictures, as one of them is in play), and the Open dialog
        # comes up and goes again.
        self.assertTrue(game.running())
        game.key("b")
        wait_shelf(game)
        game.key("b")
        game.key("a")
        wait_until(game.dialog, "the Open dialog")
        game.key("Escape")
        wait_until(lambda: game.dialog() is None and game.running(), "the Open dialog to close")

if __name__ == "__main__":
    import unittest
    unittest.main()
