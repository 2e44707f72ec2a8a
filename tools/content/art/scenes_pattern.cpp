// Patterns: a patchwork quilt, a rose window and a wall of star tiles. Every
// block, petal and tile has colours of its own, so that each piece of the
// pattern can still be told apart.
#include "art/motifs.h"
#include "art/scenes.h"

#include <cmath>

namespace content::scenes {

using namespace motif;

namespace {

void Stitches(cairo_t* cr, double x, double y, double s) {
    const double dashes[] = {5, 4};
    cairo_set_dash(cr, dashes, 2, 0);
    cairo_rectangle(cr, x + 5, y + 5, s - 10, s - 10);
    Stroke(cr, Hex(0xfff8e7), 1.5);
    cairo_set_dash(cr, nullptr, 0, 0);
}

void Block(cairo_t* cr, int kind, double x, double y, double s) {
    const Rgb grounds[12] = {Hex(0xf6d8ae), Hex(0xa8dadc), Hex(0xffd6e0), Hex(0xcdeac0),
                             Hex(0xfff1c1), Hex(0xbde0fe), Hex(0xffcad4), Hex(0xe9edc9),
                             Hex(0xd0c4f7), Hex(0xfde2e4), Hex(0xcaf0f8), Hex(0xffe5b4)};
    SetColour(cr, grounds[kind]);
    cairo_rectangle(cr, x, y, s, s);
    cairo_fill(cr);
    const double cx = x + s / 2, cy = y + s / 2;
    switch (kind) {
    case 0: // star
        SetColour(cr, Hex(0xd62828));
        Star(cr, cx, cy, s * 0.42, 8, 0.5);
        SetColour(cr, Hex(0xfcbf49));
        Star(cr, cx, cy, s * 0.2, 8, 0.5);
        break;
    case 1: // heart
        cairo_move_to(cr, cx, cy + s * 0.3);
        cairo_curve_to(cr, cx - s * 0.5, cy - s * 0.05, cx - s * 0.25, cy - s * 0.4, cx,
                       cy - s * 0.15);
        cairo_curve_to(cr, cx + s * 0.25, cy - s * 0.4, cx + s * 0.5, cy - s * 0.05, cx,
                       cy + s * 0.3);
        Fill(cr, Hex(0xe63946));
        break;
    case 2: // pinwheel
        for (int i = 0; i < 4; ++i) {
            cairo_save(cr);
            cairo_translate(cr, cx, cy);
            cairo_rotate(cr, i * kPi / 2);
            Poly(cr, {0, 0, 0, -s * 0.45, s * 0.45, -s * 0.45});
            Fill(cr, i % 2 ? Hex(0x2a9d8f) : Hex(0xe76f51));
            cairo_restore(cr);
        }
        break;
    case 3: // log cabin
        for (int i = 0; i < 5; ++i) {
            const double inset = i * s * 0.09;
            cairo_rectangle(cr, x + inset, y + inset, s - 2 * inset, s - 2 * inset);
            Fill(cr, i % 2 ? Hex(0x6a994e) : Hex(0xa7c957));
        }
        cairo_rectangle(cr, cx - s * 0.07, cy - s * 0.07, s * 0.14, s * 0.14);
        Fill(cr, Hex(0xbc4749));
        break;
    case 4: // nine patch
        for (int i = 0; i < 9; ++i) {
            cairo_rectangle(cr, x + (i % 3) * s / 3, y + (i / 3) * s / 3, s / 3, s / 3);
            Fill(cr, i % 2 ? Hex(0xfff1c1) : Hex(0xf77f00));
        }
        break;
    case 5: // flying geese
        for (int i = 0; i < 4; ++i) {
            const double gy = y + i * s / 4;
            Poly(cr, {x + s * 0.1, gy + s / 4, cx, gy + s * 0.02, x + s * 0.9, gy + s / 4});
            Fill(cr, i % 2 ? Hex(0x1d3557) : Hex(0x457b9d));
        }
        break;
    case 6: // polka dots
        for (int i = 0; i < 16; ++i)
            Disc(cr, x + s * (0.14 + 0.24 * (i % 4)), y + s * (0.14 + 0.24 * (i / 4)), s * 0.07,
                 i % 3 ? Hex(0xc9184a) : Hex(0xff758f));
        break;
    case 7: // stripes
        for (int i = 0; i < 6; i += 2) {
            cairo_rectangle(cr, x + i * s / 6, y, s / 6, s);
            Fill(cr, Hex(0x588157));
        }
        cairo_rectangle(cr, x, cy - s * 0.08, s, s * 0.16);
        Fill(cr, Hex(0xf4a259));
        break;
    case 8: // flower
        Flower(cr, cx, cy, s * 0.4, 6, Hex(0x7b2cbf), Hex(0xffd60a));
        break;
    case 9: // house
        cairo_rectangle(cr, cx - s * 0.28, cy - s * 0.05, s * 0.56, s * 0.38);
        Fill(cr, Hex(0x3a86ff));
        Poly(cr, {cx - s * 0.38, cy - s * 0.04, cx, cy - s * 0.38, cx + s * 0.38, cy - s * 0.04});
        Fill(cr, Hex(0xd62828));
        cairo_rectangle(cr, cx - s * 0.07, cy + s * 0.12, s * 0.14, s * 0.21);
        Fill(cr, Hex(0xffbe0b));
        break;
    case 10: // sun
        SetColour(cr, Hex(0xff9f1c));
        Star(cr, cx, cy, s * 0.45, 12, 0.62);
        Disc(cr, cx, cy, s * 0.22, Hex(0xffd166));
        break;
    default: // tree
        Poly(cr, {cx, y + s * 0.1, x + s * 0.85, y + s * 0.72, x + s * 0.15, y + s * 0.72});
        Fill(cr, Hex(0x2d6a4f));
        cairo_rectangle(cr, cx - s * 0.06, y + s * 0.72, s * 0.12, s * 0.18);
        Fill(cr, Hex(0x7f5539));
        break;
    }
    Stitches(cr, x, y, s);
}

} // namespace

void Quilt(cairo_t* cr, double w, double h) {
    SetColour(cr, Hex(0x6d597a));
    cairo_paint(cr);
    const double gap = 12, s = (w - 4 * gap) / 3;
    const int order[12] = {0, 4, 9, 6, 2, 11, 1, 8, 3, 10, 7, 5};
    for (int i = 0; i < 12; ++i) {
        const double x = gap + (i % 3) * (s + gap);
        const double y = (h - 4 * s - 3 * gap) / 2 + (i / 3) * (s + gap);
        Block(cr, order[i], x, y, s);
    }
    // Little crossing squares on the sashing.
    for (int r = 0; r <= 4; ++r)
        for (int c = 0; c <= 3; ++c) {
            const double y0 = (h - 4 * s - 3 * gap) / 2;
            cairo_rectangle(cr, c * (s + gap), y0 - gap + r * (s + gap), gap, gap);
            Fill(cr, Hex(0xffd166));
        }
}

void RoseWindow(cairo_t* cr, double w, double h) {
    // Stone wall in courses of blocks.
    SetColour(cr, Hex(0xcbbfa8));
    cairo_paint(cr);
    for (int row = 0; row * 24 < h; ++row)
        for (int col = -1; col * 56 < w; ++col) {
            RoundedRect(cr, col * 56 + (row % 2) * 28 + 2, row * 24 + 2, 52, 20, 3);
            Fill(cr, (row + col) % 3 ? Hex(0xd9cfbb) : Hex(0xc4b79e));
        }
    const double cx = w / 2, cy = h * 0.36, r = w * 0.44;
    Disc(cr, cx, cy, r + 14, Hex(0x8d7b62));
    Disc(cr, cx, cy, r, Hex(0x2b2118));
    const Rgb glass[] = {Hex(0xc1121f), Hex(0x1d4e89), Hex(0xf4a261), Hex(0x2a9d8f),
                         Hex(0x7b2cbf), Hex(0xffbe0b), Hex(0x0077b6), Hex(0xe76f51),
                         Hex(0x38b000), Hex(0xd00000), Hex(0x5a189a), Hex(0xf77f00)};
    // Twelve petals in an outer ring, twelve in an inner ring, then the heart.
    for (int i = 0; i < 12; ++i) {
        const double a0 = 2 * kPi * i / 12 - kPi / 2, a1 = a0 + 2 * kPi / 12;
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r - 6, a0 + 0.03, a1 - 0.03);
        cairo_arc_negative(cr, cx, cy, r * 0.62, a1 - 0.05, a0 + 0.05);
        cairo_close_path(cr);
        Fill(cr, glass[i]);
        const double am = (a0 + a1) / 2;
        Disc(cr, cx + r * 0.8 * std::cos(am), cy + r * 0.8 * std::sin(am), r * 0.1,
             glass[(i + 5) % 12]);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r * 0.58, a0 + 0.05, a1 - 0.05);
        cairo_arc_negative(cr, cx, cy, r * 0.3, a1 - 0.1, a0 + 0.1);
        cairo_close_path(cr);
        Fill(cr, glass[(i + 7) % 12]);
    }
    Flower(cr, cx, cy, r * 0.28, 8, Hex(0xffd60a), Hex(0xc1121f));
    // Lead lines.
    SetColour(cr, Hex(0x2b2118));
    cairo_set_line_width(cr, 2);
    for (int i = 0; i < 24; ++i) {
        const double a = 2 * kPi * i / 24;
        cairo_move_to(cr, cx + r * 0.3 * std::cos(a), cy + r * 0.3 * std::sin(a));
        cairo_line_to(cr, cx + r * std::cos(a), cy + r * std::sin(a));
    }
    cairo_stroke(cr);
    // Two pointed windows below.
    for (int side = 0; side < 2; ++side) {
        const double x = side ? w * 0.62 : w * 0.14, top = h * 0.74, bw = w * 0.24,
                     bottom = h * 0.98;
        cairo_move_to(cr, x, bottom);
        cairo_line_to(cr, x, top);
        cairo_curve_to(cr, x, top - bw * 0.4, x + bw * 0.3, top - bw * 0.7, x + bw / 2,
                       top - bw * 0.8);
        cairo_curve_to(cr, x + bw * 0.7, top - bw * 0.7, x + bw, top - bw * 0.4, x + bw, top);
        cairo_line_to(cr, x + bw, bottom);
        cairo_close_path(cr);
        cairo_save(cr);
        cairo_clip_preserve(cr);
        Fill(cr, Hex(0x2b2118));
        for (int k = 0; k < 8; ++k) {
            cairo_rectangle(cr, x + (k % 2) * bw / 2 + 2, top - bw * 0.8 + (k / 2) * bw * 0.5 + 2,
                            bw / 2 - 4, bw * 0.5 - 4);
            Fill(cr, glass[(k * 5 + side * 3) % 12]);
        }
        cairo_restore(cr);
    }
}

void StarTiles(cairo_t* cr, double w, double h) {
    SetColour(cr, Hex(0x14365e));
    cairo_paint(cr);
    const double cell = w / 3;
    const Rgb stars[] = {Hex(0xf1c453), Hex(0xf5f1e3), Hex(0xe07a5f), Hex(0x81b29a), Hex(0xf2cc8f),
                         Hex(0x9bc1e0), Hex(0xf4a6c0), Hex(0xc9ada7), Hex(0xffd166), Hex(0x90e0ef),
                         Hex(0xe9c46a), Hex(0xb5e48c), Hex(0xffafcc), Hex(0xf6bd60), Hex(0xa2d2ff)};
    int n = 0;
    for (double y = cell / 2 - 20; y < h + cell; y += cell)
        for (double x = cell / 2; x < w + cell; x += cell, ++n) {
            // An eight-pointed star from two squares, with a rosette inside.
            const Rgb colour = stars[n % 15];
            for (int turn = 0; turn < 2; ++turn) {
                cairo_save(cr);
                cairo_translate(cr, x, y);
                cairo_rotate(cr, turn * kPi / 4);
                cairo_rectangle(cr, -cell * 0.3, -cell * 0.3, cell * 0.6, cell * 0.6);
                cairo_restore(cr);
                Fill(cr, colour);
            }
            SetColour(cr, Darker(colour, 0.45));
            Star(cr, x, y, cell * 0.2, 8, 0.55);
            Disc(cr, x, y, cell * 0.08, Hex(0xfdf6e3));
            // Crosses where four stars meet.
            const double qx = x + cell / 2, qy = y + cell / 2;
            Poly(cr, {qx - cell * 0.08, qy - cell * 0.22, qx + cell * 0.08, qy - cell * 0.22,
                      qx + cell * 0.08, qy - cell * 0.08, qx + cell * 0.22, qy - cell * 0.08,
                      qx + cell * 0.22, qy + cell * 0.08, qx + cell * 0.08, qy + cell * 0.08,
                      qx + cell * 0.08, qy + cell * 0.22, qx - cell * 0.08, qy + cell * 0.22,
                      qx - cell * 0.08, qy + cell * 0.08, qx - cell * 0.22, qy + cell * 0.08,
                      qx - cell * 0.22, qy - cell * 0.08, qx - cell * 0.08, qy - cell * 0.08});
            Fill(cr, n % 2 ? Hex(0xc8553d) : Hex(0x2a9d8f));
        }
    // Thin gold grout between the tiles.
    SetColour(cr, Hex(0xd4a017), 0.7);
    cairo_set_line_width(cr, 2);
    for (double x = cell; x < w; x += cell) {
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, h);
    }
    for (double y = cell - 20; y < h; y += cell) {
        cairo_move_to(cr, 0, y);
        cairo_line_to(cr, w, y);
    }
    cairo_stroke(cr);
}

} // namespace content::scenes
