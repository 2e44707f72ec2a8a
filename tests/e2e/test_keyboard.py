"""Playing page 1 without dragging: by keyboard alone, by clicking a piece
and then its hole, and with the hint's glow showing the way."""

import unittest

from harness import GameTestCase, wait_until
from layout import DRAG, FIT_OFFSET, HOLE, LOOSE, PLACED, SaveFile, name_index, save_name
from pictures import MAGENTA, frame
from player import loose_picture_back, started_game

AID_MARGIN = 6  # the ring and the glow reach this far beyond a drag picture
GLOW_FRAMES = 3


def reading_order(pieces, place):
    """Pieces by the top, then the left edge of their picture."""
    return sorted(pieces, key=lambda piece: (place(piece)[1], place(piece)[0], piece))


def wait_ring(player, piece):
    """The selection ring round the piece lying loose."""
    x, y = player.catalogue.drag_rest_at(piece)
    player.game.wait_shown(player.game.picture(f"r{piece:03d}.dat"),
                           (x - AID_MARGIN, y - AID_MARGIN), f"the ring round piece {piece}",
                           key=MAGENTA)


class KeyboardTest(GameTestCase):
    def test_page_one_is_finished_by_keyboard_alone(self):
        game, player = started_game(self)
        catalogue = player.catalogue
        loose = reading_order(catalogue.pages[1], catalogue.loose_at)
        game.key("Tab")  # the first piece in reading order
        chosen = loose[0]
        wait_ring(player, chosen)
        while loose:
            holes = reading_order(loose, catalogue.hole_at)
            # Enter lifts it over the first open hole; Right moves it on.
            game.key("Return", *["Right"] * holes.index(chosen), "Return")
            player.wait_piece(PLACED, chosen, f"piece {chosen} in its hole")
            # The choice moves on to the next loose piece in reading order.
            after = loose[(loose.index(chosen) + 1) % len(loose)]
            loose.remove(chosen)
            chosen = after

        player.page_key("Next", 2)
        stored = SaveFile(game.read_bytes("save", save_name(1)))
        self.assertEqual(stored.placed, 9)
        for piece in catalogue.pages[1]:
            self.assertEqual(stored.visible(name_index(PLACED, piece)), 1)
            self.assertEqual(stored.visible(name_index(LOOSE, piece)), 0)

    def test_page_one_pieces_go_in_by_a_click_on_the_piece_and_a_click_on_the_hole(self):
        game, player = started_game(self, trace_sounds=True)
        first, second = player.catalogue.pages[1][3:5]
        for piece in (first, second):
            game.click(*player.grab_point(piece))
            # Carried without the button, it follows the pointer.
            game.move(*player.fitting_drop_point(piece))
            hole_x, hole_y = player.catalogue.hole_at(piece)
            game.wait_shown(player.piece_picture(DRAG, piece),
                            (hole_x + FIT_OFFSET[0], hole_y + FIT_OFFSET[1]),
                            f"piece {piece} carried over its hole", key=MAGENTA)
            game.click(*player.fitting_drop_point(piece))
            player.wait_piece(PLACED, piece, f"piece {piece} in its hole")
        # A click on a piece and then on the wrong place sends it back.
        missed = player.catalogue.pages[1][5]
        game.click(*player.grab_point(missed))
        game.click(512, 300)
        wait_until(lambda: loose_picture_back(player, missed), "the missed piece back in its place")
        sounds = wait_until(lambda: len(game.sounds_played()) >= 5 and game.sounds_played(),
                            "five sounds")
        self.assertEqual(sounds[0], "PICKUPWAVE")
        self.assertRegex(sounds[1], r"^PLACE(0[1-9]|1[0-9]|20)WAVE$")

    def test_the_hint_glows_over_the_carried_pieces_own_hole(self):
        game, player = started_game(self)
        catalogue = player.catalogue
        # The first piece in reading order, lifted over the first open hole.
        piece = reading_order(catalogue.pages[1], catalogue.loose_at)[0]
        game.key("Tab", "Return", "h")
        glow = game.picture(f"g{piece:03d}.dat")
        height = glow.height // GLOW_FRAMES
        frames = [frame(glow, index, glow.width, height) for index in range(GLOW_FRAMES)]
        hole_x, hole_y = catalogue.hole_at(piece)
        at = (hole_x + FIT_OFFSET[0] - AID_MARGIN, hole_y + FIT_OFFSET[1] - AID_MARGIN)

        def glowing():
            shown = game.grab(*at, glow.width, height)
            return any(shown.shows(part, key=MAGENTA) for part in frames)

        wait_until(glowing, f"the glow round piece {piece}'s hole")
        wait_until(lambda: not glowing(), "the glow to end")
        # A hint places nothing; Backspace sends the piece home, still chosen.
        self.assertTrue(player.shows_piece(HOLE, piece))
        game.key("BackSpace")
        wait_ring(player, piece)


if __name__ == "__main__":
    unittest.main()
