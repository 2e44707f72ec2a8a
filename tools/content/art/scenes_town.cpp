// Towns: a market street and a white town above the sea.
#include "art/motifs.h"
#include "art/scenes.h"

#include <cmath>

namespace content::scenes {

using namespace motif;

namespace {

// A shop front seen from the street: wall, striped awning, window, door, sign.
void Shop(cairo_t* cr, double x, double top, double width, double bottom, Rgb wall, Rgb awning,
          bool leftSide) {
    SetColour(cr, wall);
    cairo_rectangle(cr, x, top, width, bottom - top);
    cairo_fill(cr);
    SetColour(cr, Darker(wall, 0.4));
    cairo_rectangle(cr, x + width * 0.1, top + 10, width * 0.8, 22);
    cairo_fill(cr);
    SetColour(cr, Hex(0xfff3d6));
    cairo_rectangle(cr, x + width * 0.18, top + 18, width * 0.64, 6);
    cairo_fill(cr);
    const double awningTop = top + 40, awningBottom = awningTop + 30;
    for (int s = 0; s < 6; ++s) {
        const double sx = x + s * width / 6;
        Poly(cr, {sx, awningTop, sx + width / 6, awningTop, sx + width / 6 + (leftSide ? 6 : -6),
                  awningBottom, sx + (leftSide ? 6 : -6), awningBottom});
        Fill(cr, s % 2 ? Hex(0xffffff) : awning);
    }
    SetColour(cr, Hex(0x9fd3f0));
    cairo_rectangle(cr, x + width * 0.1, awningBottom + 10, width * 0.45,
                    bottom - awningBottom - 20);
    cairo_fill(cr);
    SetColour(cr, Darker(wall, 0.5));
    cairo_rectangle(cr, x + width * 0.62, awningBottom + 6, width * 0.28,
                    bottom - awningBottom - 6);
    cairo_fill(cr);
    // Goods in the window.
    for (int k = 0; k < 4; ++k)
        Disc(cr, x + width * (0.16 + 0.1 * k), bottom - 24, 6,
             k % 2 ? Hex(0xff6b6b) : Hex(0xffd23f));
}

void Lamp(cairo_t* cr, double x, double ground, double height) {
    SetColour(cr, Hex(0x2b2d42));
    cairo_rectangle(cr, x - 2, ground - height, 4, height);
    cairo_fill(cr);
    Poly(cr, {x - 8, ground - height, x + 8, ground - height, x + 5, ground - height - 16, x - 5,
              ground - height - 16});
    Fill(cr, Hex(0xffe8a3));
    Poly(cr, {x - 9, ground - height - 16, x, ground - height - 24, x + 9, ground - height - 16});
    Fill(cr, Hex(0x2b2d42));
}

} // namespace

void MarketStreet(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.3, Hex(0x6ab0ea), Hex(0xdff1fb));
    Cloud(cr, w * 0.32, h * 0.06, 0.7, Hex(0xffffff));
    // Shops down both sides of a street that runs away from us.
    Shop(cr, -6, h * 0.12, 140, h * 0.5, Hex(0xe07a5f), Hex(0x2a9d8f), true);
    Shop(cr, -6, h * 0.5, 130, h * 0.8, Hex(0x81b29a), Hex(0xe63946), true);
    Shop(cr, w - 134, h * 0.14, 140, h * 0.5, Hex(0xf2cc8f), Hex(0x3d5a80), false);
    Shop(cr, w - 124, h * 0.5, 130, h * 0.8, Hex(0x98c1d9), Hex(0xee6c4d), false);
    // The far end: a clock tower between smaller houses.
    SetColour(cr, Hex(0xd4a373));
    cairo_rectangle(cr, w * 0.42, h * 0.1, w * 0.16, h * 0.34);
    cairo_fill(cr);
    Poly(cr, {w * 0.4, h * 0.1, w * 0.5, h * 0.03, w * 0.6, h * 0.1});
    Fill(cr, Hex(0x9c6644));
    Disc(cr, w * 0.5, h * 0.17, 20, Hex(0xfffaf0));
    SetColour(cr, Hex(0x2b2d42));
    cairo_set_line_width(cr, 2.5);
    cairo_move_to(cr, w * 0.5, h * 0.17);
    cairo_line_to(cr, w * 0.5, h * 0.17 - 14);
    cairo_move_to(cr, w * 0.5, h * 0.17);
    cairo_line_to(cr, w * 0.5 + 10, h * 0.17 + 4);
    cairo_stroke(cr);
    SetColour(cr, Hex(0xb56576));
    cairo_rectangle(cr, w * 0.3, h * 0.26, w * 0.12, h * 0.18);
    cairo_fill(cr);
    SetColour(cr, Hex(0x6d9dc5));
    cairo_rectangle(cr, w * 0.58, h * 0.28, w * 0.12, h * 0.16);
    cairo_fill(cr);
    // Cobbles.
    Poly(cr, {w * 0.3, h * 0.44, w * 0.7, h * 0.44, w + 40, h, -40, h});
    Fill(cr, Hex(0xb8b0a4));
    for (int row = 0; row < 14; ++row) {
        const double v = row / 14.0, y = h * (0.45 + 0.55 * v * v);
        const double half = w * (0.2 + 0.7 * v * v);
        for (double u = -1; u <= 1; u += 0.12) {
            Ellipse(cr, w * 0.5 + u * half + (row % 2) * 6 * (0.5 + v), y, 4 + 10 * v, 1.5 + 4 * v);
            Fill(cr, Hex(0x9d958a));
        }
    }
    // Bunting strung across the street.
    for (int line = 0; line < 2; ++line) {
        const double y0 = h * (0.12 + 0.1 * line);
        for (int i = 0; i < 12; ++i) {
            const double t0 = i / 12.0, t1 = (i + 0.8) / 12.0;
            auto yAt = [&](double t) { return y0 + 30 * std::sin(t * kPi); };
            const double x0 = w * 0.1 + t0 * w * 0.8, x1 = w * 0.1 + t1 * w * 0.8;
            Poly(cr, {x0, yAt(t0), x1, yAt(t1), (x0 + x1) / 2, yAt((t0 + t1) / 2) + 18});
            const Rgb flags[] = {Hex(0xe63946), Hex(0xffd166), Hex(0x06d6a0), Hex(0x118ab2)};
            Fill(cr, flags[(i + line) % 4]);
        }
    }
    Lamp(cr, w * 0.36, h * 0.55, 90);
    Lamp(cr, w * 0.64, h * 0.55, 90);
    // A fruit stall in the front.
    const double sx = w * 0.32, sy = h * 0.88;
    SetColour(cr, Hex(0x8d5524));
    cairo_rectangle(cr, sx, sy - 30, 150, 30);
    cairo_fill(cr);
    const Rgb fruit[] = {Hex(0xe63946), Hex(0xffb703), Hex(0x8ac926), Hex(0xfb8500), Hex(0x8338ec)};
    for (int k = 0; k < 5; ++k)
        for (int j = 0; j < 4; ++j)
            Disc(cr, sx + 14 + k * 30 + (j % 2) * 6, sy - 34 - j * 6, 7, fruit[k]);
    SetColour(cr, Hex(0x5a3825));
    cairo_rectangle(cr, sx + 4, sy, 8, 30);
    cairo_rectangle(cr, sx + 138, sy, 8, 30);
    cairo_fill(cr);
    for (int s = 0; s < 6; ++s) {
        Poly(cr, {sx - 10 + s * 28.0, sy - 110, sx + 18 + s * 28.0, sy - 110, sx + 18 + s * 28.0,
                  sy - 80, sx - 10 + s * 28.0, sy - 80});
        Fill(cr, s % 2 ? Hex(0xffffff) : Hex(0xd62828));
    }
    SetColour(cr, Hex(0x5a3825));
    cairo_rectangle(cr, sx - 8, sy - 80, 4, 50);
    cairo_rectangle(cr, sx + 150, sy - 80, 4, 50);
    cairo_fill(cr);
}

void HillTown(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.3, Hex(0x2f8fe0), Hex(0xbfe6fb));
    Cloud(cr, w * 0.6, h * 0.05, 0.7, Hex(0xffffff));
    // The hillside falling to the sea.
    Poly(cr, {-5, h * 0.16, w * 0.4, h * 0.2, w * 0.8, h * 0.32, w + 5, h * 0.44, w + 5, h * 0.72,
              -5, h * 0.8});
    Fill(cr, Hex(0xd8c3a5));
    FillVertical(cr, 0, h * 0.72, w, h * 0.28, Hex(0x1e88e5), Hex(0x0d47a1));
    Poly(cr, {-5, h * 0.8, w + 5, h * 0.72, w + 5, h * 0.76, -5, h * 0.84});
    Fill(cr, Hex(0xf2e8cf));
    // Terraces of white houses, some with blue domes.
    int n = 0;
    for (int row = 0; row < 5; ++row) {
        const double base = h * (0.3 + 0.1 * row);
        for (double x = -10 + (row % 2) * 30; x < w; x += 70, ++n) {
            const double bw = 54 + (n * 13) % 14, bh = 40 + (n * 7) % 18;
            const double slope = base - (w - x) * 0.0 + x * 0.05;
            SetColour(cr, Hex(0xfdfdfb));
            cairo_rectangle(cr, x, slope - bh, bw, bh);
            cairo_fill(cr);
            SetColour(cr, Hex(0xd9dde3));
            cairo_rectangle(cr, x + bw * 0.75, slope - bh, bw * 0.25, bh);
            cairo_fill(cr);
            SetColour(cr, n % 3 == 0 ? Hex(0x1565c0) : Hex(0x3a86c8));
            RoundedRect(cr, x + bw * 0.15, slope - bh * 0.55, bw * 0.2, bh * 0.4, 3);
            cairo_fill(cr);
            cairo_rectangle(cr, x + bw * 0.5, slope - bh * 0.7, bw * 0.16, bh * 0.7);
            cairo_fill(cr);
            if (n % 3 == 1) {
                cairo_new_sub_path(cr);
                cairo_arc(cr, x + bw / 2, slope - bh, bw * 0.3, kPi, 2 * kPi);
                Fill(cr, Hex(0x1e5fb4));
                Disc(cr, x + bw / 2, slope - bh - bw * 0.3 - 3, 3, Hex(0xffffff));
            }
            if (n % 4 == 2) {
                for (int k = 0; k < 6; ++k)
                    Disc(cr, x + 4 + k * 6, slope - bh - 2 + (k % 2) * 4, 5, Hex(0xe7298a));
            }
        }
    }
    // Steps down to the harbour and boats on the sea.
    SetColour(cr, Hex(0xeae2d0));
    for (int k = 0; k < 10; ++k)
        cairo_rectangle(cr, w * 0.46 + k * 3, h * (0.4 + 0.035 * k), 26, 5);
    cairo_fill(cr);
    Boat(cr, w * 0.3, h * 0.9, 70, Hex(0xffffff), Hex(0xf4a261), false);
    Boat(cr, w * 0.75, h * 0.84, 50, Hex(0xe63946), Hex(0xffffff), true);
    for (int i = 0; i < 5; ++i)
        Waves(cr, w, h * (0.86 + 0.03 * i), 1.5, 40, Hex(0x90caf9), 1.2, i);
}

} // namespace content::scenes
