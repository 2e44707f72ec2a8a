"""The game on a full HD screen, which its 1024 x 768 mode does not fit: the
picture scaled to fill the screen with its aspect kept, pieces carried with
real drags at the scaled places, Alt+Enter between a window and full screen,
and the choice kept for the next start."""

import os
import struct

from harness import GameTestCase, wait_until
from layout import FINISHED_STAR, PAGE_LABEL, PLACED, SCREEN, TITLE_AT
from pictures import MAGENTA
from player import NEUTRAL_SPOT, Player
from test_photos import PHOTOS

# The session's screen, which the game's mode does not fit.
WIDE = (1920, 1080)
# The dark bands beside the picture.
BAND = (22, 24, 38)
# What the screen may differ from the picture's pixels, blended smoothly.
TOLERANCE = 3


def fit(width, height):
    """Where the game puts its picture in a client area (left, top, width,
    height), as it fits it: whole factors of 2 and more, 1:1 when one side
    matches, otherwise smoothly scaled to the limiting side."""
    picture_w, picture_h = SCREEN
    whole = min(width // picture_w, height // picture_h)
    if whole >= 2 or (whole == 1 and (width == picture_w or height == picture_h)):
        w, h = picture_w * whole, picture_h * whole
    elif width * picture_h <= height * picture_w:
        w, h = width, max(1, width * picture_h // picture_w)
    else:
        w, h = max(1, height * picture_w // picture_h), height
    return (width - w) // 2, (height - h) // 2, w, h


class ScaledScreen:
    """The game's client area on the screen and the picture's place in it."""

    def __init__(self, game, state):
        """state: the game's window as game.window_state() gave it, found."""
        self.game = game
        self.state = state
        self.client = tuple(int(state[k]) for k in
                            ("clientleft", "clienttop", "clientright", "clientbottom"))
        width, height = self.client[2] - self.client[0], self.client[3] - self.client[1]
        left, top, self.width, self.height = fit(width, height)
        self.left, self.top = self.client[0] + left, self.client[1] + top

    @classmethod
    def read(cls, game):
        """The screen as the system says it is now; None while the game's
        window is not there (one reading, so the fields agree)."""
        state = game.window_state()
        return cls(game, state) if state.get("found") == "1" else None

    def at(self, x, y):
        """The screen pixel that shows the picture's pixel (x, y): the one
        whose middle falls on it."""
        return (self.left + (2 * x + 1) * self.width // (2 * SCREEN[0]),
                self.top + (2 * y + 1) * self.height // (2 * SCREEN[1]))

    def shows(self, part, at=(0, 0), key=None, step=9):
        """Whether the screen shows `part` laid at the picture's `at`, scaled:
        at sample points, each screen pixel lies within the colours of the
        part's pixel and its neighbours (the smooth filter blends them)."""
        left, top = self.at(*at)
        right, bottom = self.at(at[0] + part.width - 1, at[1] + part.height - 1)
        shot = self.game.grab(left, top, right - left + 1, bottom - top + 1)
        for y in range(1, part.height - 1, step):
            for x in range(1, part.width - 1, step):
                around = [part.pixel(x + dx, y + dy) for dy in (-1, 0, 1) for dx in (-1, 0, 1)]
                if key is not None and key in around:
                    continue
                sx, sy = self.at(at[0] + x, at[1] + y)
                seen = shot.pixel(sx - left, sy - top)
                for channel in range(3):
                    values = [p[channel] for p in around]
                    if not min(values) - TOLERANCE <= seen[channel] <= max(values) + TOLERANCE:
                        return False
        return True

    def shows_bands(self):
        """The dark bands left and right of the picture, where there are any."""
        points = [(self.client[0], self.client[1]), (self.client[2] - 1, self.client[3] - 1)]
        if self.left == self.client[0]:
            return True
        shot = self.game.grab(self.client[0], self.client[1], self.client[2] - self.client[0],
                              self.client[3] - self.client[1])
        return all(shot.pixel(x - self.client[0], y - self.client[1]) == BAND for x, y in points)


class ScaledTest(GameTestCase):
    def screen_of(self, game, windowed):
        """Waits for the game's window in the given presentation, settled,
        and gives its screen. The game first shows its picture 1:1 and only
        then takes the whole screen, or its window's place: full screen is
        there once it covers the screen, a window once two readings agree."""
        previous = []

        def ready():
            state = game.window_state()
            if state.get("found") != "1" or state.get("caption") != ("1" if windowed else "0"):
                return None
            screen = ScaledScreen(game, state)
            if not windowed:
                return screen if screen.client == (0, 0) + WIDE else None
            settled = previous and previous[-1].client == screen.client
            previous.append(screen)
            return screen if settled else None
        return wait_until(ready, "a window" if windowed else "the full screen")

    def wait_title(self, game, screen):
        expected = Player(game).title_screen()
        wait_until(lambda: screen.shows(expected, step=23), "the title, scaled")

    def settings_presentation(self, game):
        data = game.read_bytes("settings.dta")
        version, = struct.unpack_from("<i", data, 12)
        self.assertEqual(version, 257)
        return struct.unpack_from("<5i", data, 20)

    def test_the_title_fills_the_screen_scaled_and_centred(self):
        game = self.new_game().skip_directions().start()
        screen = self.screen_of(game, windowed=False)
        self.assertEqual(screen.client, (0, 0) + WIDE)
        self.assertEqual((screen.left, screen.top, screen.width, screen.height), (240, 0, 1440, 1080))
        self.wait_title(game, screen)
        self.assertTrue(screen.shows_bands())
        # The title picture and the start button over it, sampled densely.
        picture = game.picture("m0008.dat")
        title = Player(game).title_screen().crop(*TITLE_AT, picture.width, picture.height)
        self.assertTrue(screen.shows(title, TITLE_AT, step=5))
        game.wait_log("Presenting the picture scaled to the full screen")
        self.assertNotIn("Display mode set to 1024x768, 32 bits per pixel", game.log_lines())
        game.stop()

    def test_page_one_finished_with_drags_at_the_scaled_places(self):
        game = self.new_game().skip_directions().start()
        player = Player(game)
        screen = self.screen_of(game, windowed=False)
        self.wait_title(game, screen)
        game.click(*screen.at(*NEUTRAL_SPOT))
        game.key("Return")
        wait_until(lambda: screen.shows(player.page_label(1), PAGE_LABEL[:2], step=3),
                   "page 1's label, scaled")
        # A press in the band hits nothing: the page stays as it is.
        game.click(100, 500)
        for piece in player.pieces_of(1):
            start = screen.at(*player.grab_point(piece))
            end = screen.at(*player.fitting_drop_point(piece))
            game.drag(start, end)
            hole = player.piece_position(PLACED, piece)
            wait_until(lambda: screen.shows(player.piece_picture(PLACED, piece), hole,
                                            key=MAGENTA, step=4), f"piece {piece} in its hole")
        wait_until(lambda: screen.shows(player.finished_star(), FINISHED_STAR[:2], key=MAGENTA,
                                        step=2), "the finished page's star")
        game.key("Escape")
        self.assertEqual(game.wait_exit(), 0)

    def test_alt_enter_gives_a_window_and_back_and_the_choice_is_kept(self):
        game = self.new_game().skip_directions().start()
        screen = self.screen_of(game, windowed=False)
        self.wait_title(game, screen)
        game.click(*screen.at(*NEUTRAL_SPOT))

        game.key("alt+Return")
        window = self.screen_of(game, windowed=True)
        self.assertLess(window.client[2] - window.client[0], WIDE[0])
        self.wait_title(game, window)
        self.assertEqual(self.settings_presentation(game)[0], 2)

        game.click(*window.at(*NEUTRAL_SPOT))
        game.key("alt+Return")
        screen = self.screen_of(game, windowed=False)
        self.assertEqual(screen.client, (0, 0) + WIDE)
        self.wait_title(game, screen)
        self.assertEqual(self.settings_presentation(game)[0], 1)

        game.click(*screen.at(*NEUTRAL_SPOT))
        game.key("alt+Return")
        window = self.screen_of(game, windowed=True)
        mode, left, top, width, height = self.settings_presentation(game)
        self.assertEqual(mode, 2)
        game.stop()

        # The next start opens the window again, where it was.
        again = self.new_game(folder=game.folder).start()
        reopened = self.screen_of(again, windowed=True)
        self.assertEqual(reopened.client, window.client)
        self.wait_title(again, reopened)
        self.assertEqual((int(reopened.state["left"]), int(reopened.state["top"])), (left, top))
        self.assertEqual(int(reopened.state["right"]) - int(reopened.state["left"]), width)
        self.assertEqual(int(reopened.state["bottom"]) - int(reopened.state["top"]), height)

        # Full screen chosen: the next start is full screen, scaled, at once.
        again.click(*reopened.at(*NEUTRAL_SPOT))
        again.key("alt+Return")
        self.screen_of(again, windowed=False)
        self.assertEqual(self.settings_presentation(again)[0], 1)
        again.stop()
        third = self.new_game(folder=game.folder).start()
        screen = self.screen_of(third, windowed=False)
        self.assertEqual(screen.client, (0, 0) + WIDE)
        self.wait_title(third, screen)
        third.stop()

    def test_picture_dialogs_sit_in_the_middle_of_the_picture(self):
        game = self.new_game().start()
        screen = self.screen_of(game, windowed=False)
        self.wait_title(game, screen)
        game.click(*screen.at(*NEUTRAL_SPOT))
        game.key("Return")

        def centred(on):
            def check():
                rect = game.dialog()
                if rect is None:
                    return None
                middle = ((rect[0] + rect[2]) // 2, (rect[1] + rect[3]) // 2)
                want = (on.left + on.width // 2, on.top + on.height // 2)
                return rect if abs(middle[0] - want[0]) <= 1 and abs(middle[1] - want[1]) <= 1 \
                    else None
            return check
        wait_until(centred(screen), "the directions in the middle of the screen")
        game.key("Return")
        wait_until(lambda: game.dialog() is None, "the directions to close")

        game.key("alt+Return")
        window = self.screen_of(game, windowed=True)
        self.assertNotEqual(window.client[:2], (0, 0))
        game.click(*window.at(*NEUTRAL_SPOT))
        game.key("i")
        wait_until(centred(window), "the about box in the middle of the window")
        game.key("Return")
        wait_until(lambda: game.dialog() is None, "the about box to close")
        # A dropped photo's piece chooser is drawn inside the window, at its
        # own size, in the middle of the picture.
        game.drop([os.path.join(PHOTOS, "exif-orientation", "Landscape_0.jpg")])
        rect = wait_until(centred(window), "the piece chooser in the middle of the window")
        self.assertEqual((rect[2] - rect[0], rect[3] - rect[1]), (360, 360))
        self.assertTrue(game.dialog_inside())
        # The window made smaller under it: the picture shrinks, the chooser
        # keeps its size and stays in the picture's middle.
        game.session.run("xdotool", "windowsize", str(game.window_id()), "1000", "700")
        def resized():
            screen = ScaledScreen.read(game)
            return screen if screen is not None and screen.client != window.client else None
        smaller = wait_until(resized, "the window made smaller")
        rect = wait_until(centred(smaller), "the chooser in the middle of the smaller window")
        self.assertEqual((rect[2] - rect[0], rect[3] - rect[1]), (360, 360))
        # Keys go to the window under the pointer (no window manager here).
        game.move((rect[0] + rect[2]) // 2, rect[1] + 20)
        game.key("Escape")
        wait_until(lambda: game.dialog() is None, "the chooser to close")
        game.key("Escape")
        self.assertEqual(game.wait_exit(), 0)
