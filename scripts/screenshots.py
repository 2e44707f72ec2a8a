#!/usr/bin/env python3
"""Plays the staged game under the build's Wine session (Xvfb) and keeps a
screenshot of each of its screens for review: the title screen with three
players' badges, the grown-up corner (opened by holding G), page 1 as it
starts (the player's badge on the bar), page 1 finished (sparkling, then at
rest with its star), the picture book, the about box, the piece-count
chooser, a page made from a corpus photo, the notice for a picture that
cannot be used, the picture book's page of the player's own pictures and the
ending picture.

Usage: scripts/screenshots.py BUILD_DIR CONTENT_DIR OUTPUT_DIR
"""

import os
import sys

here = os.path.dirname(os.path.abspath(__file__))
source = os.path.dirname(here)
sys.path.insert(0, os.path.join(source, "tests", "e2e"))


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    build, content, output = (os.path.abspath(arg) for arg in sys.argv[1:])
    os.environ.update(VARNOLT_BUILD_DIR=build, VARNOLT_SOURCE_DIR=source,
                      VARNOLT_CONTENT_DIR=content)
    from harness import Game, Session, wait_until  # noqa: E402 (needs the environment above)
    from layout import PAGE_LABEL, PLACED, household_settings_file  # noqa: E402
    from pictures import frame  # noqa: E402
    from player import Player  # noqa: E402
    from test_photos import PHOTOS, COUNTS, count_button_centre, windows_path  # noqa: E402
    from shelf_page import thumbnail_shown, wait_shelf  # noqa: E402
    from test_family import Corner  # noqa: E402

    os.makedirs(output, exist_ok=True)
    session = Session()
    game = Game(session).skip_directions()
    # A household of three: the title shows their badges and the add badge.
    badges = (0, 3, 5)
    game.write_file(household_settings_file(players=((0, 0), (3, 1), (5, 2))), "settings.dta")
    game.start()
    player = Player(game)

    def keep(name):
        path = os.path.join(output, name + ".png")
        session.save_png(game.screenshot(), path)
        print(path)

    try:
        player.wait_title(badges)
        keep("1-title")
        player.focus()
        corner = Corner(game)
        session.run("xdotool", "keydown", "g")
        try:
            corner.wait_open()
        finally:
            session.run("xdotool", "keyup", "g")
        corner.wait_badges(player, badges)
        keep("1b-corner")
        game.key("Escape")
        player.wait_title(badges)
        player.start_playing(badges=badges)
        keep("2-page-unsolved")
        pieces = player.pieces_of(1)
        for piece in pieces:
            player.place_piece(piece)
        keep("3-page-finished-sparkle")
        for piece in pieces:
            player.wait_piece(PLACED, piece, f"piece {piece} clear of the sparkle")
        player.wait_star()
        keep("4-page-solved")
        game.key("Next")
        player.wait_page(2)
        player.place_piece(player.pieces_of(2)[0])
        game.key("b")
        player.wait_book()
        # Right, right, down: from page 2's cell to page 10's, which is kept
        # once the highlight has reached it.
        book = player.book
        tenth = (*book.cell(10), book.value["kBookCellWidth"], book.value["kBookCellHeight"])
        plain = game.grab(*tenth)
        game.key("Right", "Right", "Down")
        wait_until(lambda: game.grab(*tenth).rgb != plain.rgb, "the highlight on page 10")
        keep("5-book")
        game.key("b")
        player.wait_page(2)
        game.key("i")
        player.wait_picture_dialog("AboutDialogBkg")
        keep("6-about")
        game.key("Escape")
        wait_until(lambda: game.dialog() is None, "the about box to close")
        chooser = session.resource_picture("PieceCountDialogBkg").crop(0, 0, 360, 120)

        def open_photo(*parts):
            game.key("a")
            wait_until(game.dialog, "the Open dialog")
            session.run("xdotool", "type", "--delay", "20", windows_path(os.path.join(PHOTOS, *parts)))
            game.key("Return")
            return wait_until(lambda: (lambda r: r if r and game.grab(r[0], r[1], 360, 120)
                                       .shows(chooser) else None)(game.dialog()),
                              "the piece-count chooser")

        rect = open_photo("exif-orientation", "Landscape_6.jpg")
        keep("6b-pieces-chooser")
        x, y = count_button_centre(COUNTS.index(9))
        game.click(rect[0] + x, rect[1] + y)
        game.wait_log("COwnPictures: page000001 opened")
        wait_until(lambda: game.dialog() is None, "the chooser to close")
        keep("6c-your-picture")
        rect = open_photo("libjpeg-turbo", "monkey12.jpg")
        x, y = count_button_centre(COUNTS.index(4))
        game.click(rect[0] + x, rect[1] + y)
        player.wait_picture_dialog("PictureRefusedDialogBkg")
        keep("6d-picture-refused")
        player.answer_dialog("PictureRefusedDialogBkg")
        wait_until(lambda: game.dialog() is None, "the notice to close")
        # The book opened over the photo's page shows the player's pictures.
        game.key("b")
        wait_shelf(game)
        wait_until(lambda: thumbnail_shown(game, 0, "page000001"), "the photo's thumbnail")
        keep("6e-book-your-pictures")
        game.key("b")
        own_label = frame(game.picture("m0013.dat"), 1, PAGE_LABEL[2], PAGE_LABEL[3])
        game.wait_shown(own_label, PAGE_LABEL[:2], "the photo's page again")
        game.key("q")
        player.wait_ending()
        keep("7-ending")
        game.key("Return")
        game.wait_exit()
    finally:
        game.cleanup()
        if session.started_here:
            session.control("stop")


if __name__ == "__main__":
    main()
