"""A player's view of a running game for the end-to-end scenarios: what each
screen must look like, built from the game's own picture files, and the
moves a player makes (start, turn pages, carry pieces, quit)."""

from harness import wait_until
from layout import (ADD_BADGE_ROW, BADGES_FILE, BADGE_SIZE, BAR_BADGE, CORNER_DOOR,
                    CORNER_DOOR_FILE, DRAG, ENDING_BUTTON, FINISHED_STAR, BookLayout,
                    ShelfLayout, FINISHED_STAR_FILE, FIT_OFFSET, badge_boxes,
                    GAME_BUTTONS, HOLE, LOOSE, PAGE_LABEL,
                    PICTURE_DIALOG, PICTURE_DIALOG_BUTTON, PLACED, SCREEN, START_BUTTON,
                    TITLE_AT, BUTTON_FILES, piece_file)
from pictures import MAGENTA, Picture, frame, laid_on

# A spot on every page where nothing can be lifted: clicking it gives the
# game the keyboard focus and does nothing else.
NEUTRAL_SPOT = (1012, 8)
# The top-left of a picture dialog, centred on the screen.
DIALOG_AT = ((SCREEN[0] - PICTURE_DIALOG[0]) // 2, (SCREEN[1] - PICTURE_DIALOG[1]) // 2)


def centre(box):
    """The middle of a box given as x, y, width, height."""
    x, y, width, height = box
    return x + width // 2, y + height // 2


class Player:
    def __init__(self, game):
        self.game = game
        self.catalogue = game.session.catalogue
        self.book = BookLayout()
        self.shelf = ShelfLayout()

    # -- what the screens look like ----------------------------------------
    def title_screen(self, badges=(0,), highlight=0):
        """The title screen as it must appear: the 8 x 8 tile over the whole
        screen, the title picture at (282, 150), the start button's released
        face at (450, 542), the players' badges (by animal), the add badge
        after them, the one at `highlight` highlighted, and the grown-up
        corner's door at rest."""
        width, height = SCREEN
        tile = self.game.picture("m0009.dat")
        row = b"".join(tile.row(y) * (width // tile.width) for y in range(tile.height))
        rows = list(badges) + ([ADD_BADGE_ROW] if len(badges) < 6 else [])
        shown = [(self.badge(animal, slot == highlight), at)
                 for slot, (animal, at) in enumerate(zip(rows, badge_boxes(len(rows))))]
        return laid_on(Picture(width, height, row * (height // tile.height)),
                       (self.game.picture("m0008.dat"), TITLE_AT),
                       (self.button_face("start", pressed=False), START_BUTTON[:2]), *shown,
                       (self.corner_door(0), CORNER_DOOR[:2]))

    def corner_door(self, face):
        """The corner's door: 0 at rest, 1 + k when held k/10 of the way."""
        _, _, width, height = CORNER_DOOR
        return self.game.picture(CORNER_DOOR_FILE).crop(0, face * height, width, height)

    def badge(self, animal, highlighted=False):
        """A badge's face: its animal's row (ADD_BADGE_ROW for the add badge)."""
        return self.game.picture(BADGES_FILE).crop(BADGE_SIZE * int(highlighted),
                                                    BADGE_SIZE * animal, BADGE_SIZE, BADGE_SIZE)

    def wait_bar_badge(self, animal):
        self.game.wait_shown(self.badge(animal), BAR_BADGE[:2], f"badge {animal} on the bar")

    def button_face(self, name, pressed, column=0):
        """A button's face; the sound switch has a column of faces for each
        of its settings (0 all on, 1 music off, 2 all off)."""
        file = "m0001.dat" if name == "start" else BUTTON_FILES[name]
        _, _, width, height = START_BUTTON if name == "start" else GAME_BUTTONS[name]
        return self.game.picture(file).crop(column * width, height if pressed else 0,
                                            width, height)

    def page_label(self, page, finished=False):
        """Page's label; a finished page's carries its star."""
        label = frame(self.game.picture("m0010.dat"), page, PAGE_LABEL[2], PAGE_LABEL[3])
        if not finished:
            return label
        star_at = (FINISHED_STAR[0] - PAGE_LABEL[0], FINISHED_STAR[1] - PAGE_LABEL[1])
        return laid_on(label, (self.finished_star(), star_at))

    def picture_dialog(self, background):
        """The about box or the directions: a 360 x 360 picture centred on
        the screen, its OK button's released face at (114, 296) inside."""
        ok = self.game.session.resource_picture("OKButtonUp")
        return laid_on(self.game.session.resource_picture(background),
                       (ok, PICTURE_DIALOG_BUTTON[:2]))

    def ending_screen(self):
        return laid_on(self.game.session.resource_picture("EndingScrnDialogBkg"),
                       (self.game.session.resource_picture("QuitButtonUp"), ENDING_BUTTON[:2]))

    def piece_picture(self, kind, piece):
        return self.game.picture(piece_file(kind, piece))

    def piece_position(self, kind, piece):
        if kind in (HOLE, PLACED):
            return self.catalogue.hole_at(piece)
        if kind == DRAG:
            return self.catalogue.drag_rest_at(piece)
        return self.catalogue.loose_at(piece)

    # -- waiting for the screens --------------------------------------------
    def wait_title(self, badges=(0,), highlight=0):
        expected = self.title_screen(badges, highlight)
        wait_until(lambda: self.game.screenshot().shows(expected), "the title screen")

    def wait_page(self, page):
        wait_until(lambda: self.shows_page(page), f"page {page}'s label")

    def shows_page(self, page):
        """Whether the label shows page's number, with or without the star."""
        shown = self.game.grab(*PAGE_LABEL)
        return any(shown.shows(self.page_label(page, finished)) for finished in (False, True))

    def wait_picture_dialog(self, background):
        self.game.wait_shown(self.picture_dialog(background), DIALOG_AT,
                             f"the picture dialog {background}")

    def shows_picture_dialog(self, background):
        return self.game.grab(*DIALOG_AT, *PICTURE_DIALOG).shows(self.picture_dialog(background))

    def answer_dialog(self, background):
        """Enter on the picture dialog once it shows; waits for it to go."""
        self.wait_picture_dialog(background)
        self.game.key("Return")
        wait_until(lambda: not self.shows_picture_dialog(background), f"{background} to close")

    def wait_ending(self):
        expected = self.ending_screen()
        wait_until(lambda: self.game.screenshot().shows(expected), "the ending picture")

    def wait_piece(self, kind, piece, what):
        self.game.wait_shown(self.piece_picture(kind, piece), self.piece_position(kind, piece),
                             what, key=MAGENTA)

    def shows_piece(self, kind, piece):
        return self.game.screenshot().shows(self.piece_picture(kind, piece),
                                            self.piece_position(kind, piece), key=MAGENTA)

    def wait_face(self, name, pressed, column=0):
        x, y, _, _ = START_BUTTON if name == "start" else GAME_BUTTONS[name]
        self.game.wait_shown(self.button_face(name, pressed, column), (x, y),
                             f"the {'pressed' if pressed else 'released'} face of {name}")

    def finished_star(self):
        return self.game.picture(FINISHED_STAR_FILE)

    def wait_star(self):
        self.game.wait_shown(self.finished_star(), FINISHED_STAR[:2], "the star on the label")

    def shows_star(self):
        return self.game.grab(*FINISHED_STAR).shows(self.finished_star())

    # -- the picture book ----------------------------------------------------
    def book_picture(self, name):
        return self.game.picture(BookLayout.FILES[name])

    def wait_book(self, turn_tab=False):
        """Waits for the book's title band, left of the player's badge; for a
        player with pictures of their own, also the control that turns to
        them."""
        title = self.book_picture("background").crop(0, 0, self.book.badge[0], 90)
        self.game.wait_shown(title, (0, 0), "the picture book")
        if turn_tab:
            x, y, width, height = self.shelf.turn_tab
            tab = laid_on(self.book_picture("background").crop(x, y, width, height),
                          (self.game.picture(ShelfLayout.FILES["turn"]).crop(0, 0, width, height),
                           (0, 0)), key=MAGENTA)
            self.game.wait_shown(tab, (x, y), "the control that turns to the player's pictures")

    def wait_book_badge(self, animal):
        self.wait_shown_badge(animal, self.book.badge, "in the book")

    def wait_shown_badge(self, animal, box, where):
        self.game.wait_shown(self.badge(animal), box[:2], f"badge {animal} {where}")

    def book_mark(self, page, placed, total):
        """Page's mark as the book must show it: the mark picture's cell for
        (placed, total) over the book's background."""
        x, y, width, height = self.book.mark(page)
        cell = self.book_picture("marks").crop(total * width, placed * height, width, height)
        return laid_on(self.book_picture("background").crop(x, y, width, height), (cell, (0, 0)),
                       key=MAGENTA)

    def wait_mark(self, page, placed, total):
        self.game.wait_shown(self.book_mark(page, placed, total), self.book.mark(page)[:2],
                             f"page {page}'s mark, {placed} of {total}")

    def wait_speaker(self, setting):
        """The sound switch showing setting 0 (all on), 1 or 2."""
        self.wait_face("sound", pressed=False, column=setting)

    # -- moves ---------------------------------------------------------------
    def focus(self):
        """Under Xvfb without a window manager the game gets the keyboard
        once it has been clicked."""
        self.game.click(*NEUTRAL_SPOT)

    def start_playing(self, directions=False, key="Return", badges=(0,), highlight=0):
        """Starts from the title screen with a key, or with key None by
        clicking the start button; the title shows the players' badges."""
        self.wait_title(badges, highlight)
        self.focus()
        if key is None:
            self.game.click(*centre(START_BUTTON))
        else:
            self.game.key(key)
        if directions:
            self.answer_dialog("OneTimeDirectionsDialogBkg")
        self.wait_page(1)

    def page_key(self, key, page):
        """Presses a key that changes the page; waits for page's label."""
        self.game.key(key)
        self.wait_page(page)

    def turn_away_and_back(self):
        """Page 1 left for page 2 and back: stored, then read back."""
        self.page_key("Next", 2)
        self.page_key("Prior", 1)

    def pieces_of(self, page):
        return list(self.catalogue.pages[page])

    @staticmethod
    def button_centre(name):
        """The middle of a game button, or of the ending picture's ("ending")."""
        return centre(ENDING_BUTTON if name == "ending" else GAME_BUTTONS[name])

    def grab_point(self, piece):
        """Where pressing lifts the piece: an opaque pixel of its resting drag
        picture, near the middle, that no later piece's drag picture covers
        (later sprites lie above)."""
        drag = self.piece_picture(DRAG, piece)
        left, top = self.piece_position(DRAG, piece)
        page = next(p for p, pieces in self.catalogue.pages.items() if piece in pieces)
        later = [p for p in self.catalogue.pages[page] if p > piece]
        candidates = sorted(((x, y) for y in range(1, drag.height) for x in range(1, drag.width)),
                            key=lambda at: abs(at[0] - drag.width // 2) +
                            abs(at[1] - drag.height // 2))
        for x, y in candidates:
            if drag.pixel(x, y) == MAGENTA:
                continue
            if not any(self._covers(other, left + x, top + y) for other in later):
                return left + x, top + y
        raise AssertionError(f"piece {piece} has no point to lift it by")

    def _covers(self, piece, x, y):
        picture = self.piece_picture(DRAG, piece)
        left, top = self.piece_position(DRAG, piece)
        inside = left <= x < left + picture.width and top <= y < top + picture.height
        return inside and picture.pixel(x - left, y - top) != MAGENTA

    def fitting_drop_point(self, piece):
        """Where to let go so that the piece fits: lifting centres the drag
        picture on the pointer, so the pointer carries it with its top-left
        at the hole's plus (10, 9)."""
        drag = self.piece_picture(DRAG, piece)
        hole_x, hole_y = self.catalogue.hole_at(piece)
        return (hole_x + FIT_OFFSET[0] + drag.width // 2,
                hole_y + FIT_OFFSET[1] + drag.height // 2)

    def place_piece(self, piece):
        self.game.drag(self.grab_point(piece), self.fitting_drop_point(piece))
        self.wait_piece(PLACED, piece, f"piece {piece} in its hole")


def started_game(test, game=None, trace_sounds=False, directions=False):
    """A game of the test's started from the title screen and on page 1, and
    its player: by default a new one whose directions were already shown;
    with `directions`, they come up first and are answered."""
    game = game or test.new_game().skip_directions()
    player = Player(game.start(trace_sounds=trace_sounds))
    player.start_playing(directions)
    return game, player


def loose_picture_back(player, piece):
    """The loose piece lies where it lay and its hole is still empty."""
    return player.shows_piece(LOOSE, piece) and player.shows_piece(HOLE, piece)
