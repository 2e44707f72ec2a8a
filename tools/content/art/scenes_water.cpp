// Pictures by the water: coast, harbour, reef, ponds, beaches and lakes.
#include "art/motifs.h"
#include "art/scenes.h"

#include <cmath>

namespace content::scenes {

using namespace motif;

namespace {

// Sea with rows of soft wave lines, lighter towards the horizon.
void Sea(cairo_t* cr, double w, double top, double bottom, Rgb far, Rgb near) {
    FillVertical(cr, 0, top, w, bottom - top, far, near);
    for (int i = 0; i < 9; ++i) {
        const double v = (i + 1) / 10.0;
        Waves(cr, w, top + (bottom - top) * v * v, 1.5 + 3 * v, 30 + 50 * v, Lighter(far, 0.35),
              1 + 1.5 * v, i * 1.3);
    }
}

void Gull(cairo_t* cr, double x, double y, double size) {
    Bird(cr, x, y, size, Hex(0x2f3e4e));
}

} // namespace

void Lighthouse(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.55, Hex(0x4a90d9), Hex(0xcfe8f7));
    Clouds(cr, Hex(0xffffff), {{w * 0.5, h * 0.08, 0.9}, {w * 0.75, h * 0.25, 0.6, 0.9}});
    Sea(cr, w, h * 0.52, h, Hex(0x3a8fc8), Hex(0x1d5f8f));
    // Rocks and a grassy top on the left.
    Poly(cr, {-5, h * 0.4, w * 0.2, h * 0.38, w * 0.42, h * 0.5, w * 0.5, h * 0.72, w * 0.38,
              h * 0.9, -5, h});
    Fill(cr, Hex(0x7d7468));
    Poly(cr, {w * 0.2, h * 0.38, w * 0.42, h * 0.5, w * 0.5, h * 0.72, w * 0.3, h * 0.62});
    Fill(cr, Hex(0x5f574d));
    Poly(cr, {-5, h * 0.4, w * 0.2, h * 0.38, w * 0.36, h * 0.45, w * 0.1, h * 0.47, -5, h * 0.46});
    Fill(cr, Hex(0x6dae4a));
    // The tower, striped red and white, with its lamp room shining.
    const double x = w * 0.2, ground = h * 0.41, top = h * 0.1;
    for (int band = 0; band < 5; ++band) {
        const double y0 = ground - (ground - top) * band / 5,
                     y1 = ground - (ground - top) * (band + 1) / 5;
        const double half0 = 24 - band * 2.4, half1 = 24 - (band + 1) * 2.4;
        Poly(cr, {x - half0, y0, x - half1, y1, x + half1, y1, x + half0, y0});
        Fill(cr, band % 2 ? Hex(0xf6f2ea) : Hex(0xd7263d));
    }
    Sun(cr, x, top - 14, 9, Hex(0xfff5b0), Hex(0xffe680));
    SetColour(cr, Hex(0x2b2d42));
    cairo_rectangle(cr, x - 15, top - 4, 30, 5);
    cairo_fill(cr);
    Poly(cr, {x - 14, top - 26, x, top - 42, x + 14, top - 26});
    Fill(cr, Hex(0x2b2d42));
    SetColour(cr, Hex(0xfff1b0), 0.35);
    Poly(cr, {x, top - 15, w * 0.75, top - 60, w * 0.78, top + 10});
    cairo_fill(cr);
    House(cr, x + 30, ground + 2, 50, 34,
          {Hex(0xf6f2ea), Hex(0xd7263d), Hex(0x9fd3f0), Hex(0x2b2d42), true});
    Boat(cr, w * 0.72, h * 0.66, 90, Hex(0x8d5524), Hex(0xfdfcf7), false);
    Boat(cr, w * 0.9, h * 0.56, 36, Hex(0x264653), Hex(0xf4a261), true);
    Gull(cr, w * 0.55, h * 0.3, 10);
    Gull(cr, w * 0.63, h * 0.36, 8);
    Gull(cr, w * 0.48, h * 0.38, 7);
    // Foam where the sea meets the rocks.
    for (int i = 0; i < 6; ++i)
        Ellipse(cr, w * (0.38 + 0.03 * i), h * (0.9 - 0.03 * i), 16, 4);
    Fill(cr, Hex(0xffffff), 0.7);
}

void Harbour(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.4, Hex(0x6aaee8), Hex(0xe2f1fb));
    Clouds(cr, Hex(0xffffff), {{w * 0.1, h * 0.08, 0.8}, {w * 0.62, h * 0.05, 0.65, 0.9}});
    Hill(cr, w, h, h * 0.3, 14, 260, 0.4, Hex(0x6e9e5a), Hex(0x5a8a48));
    // A row of tall gabled houses along the quay.
    const Rgb walls[] = {Hex(0xe63946), Hex(0xf4a261), Hex(0x2a9d8f), Hex(0xe9c46a),
                         Hex(0x457b9d), Hex(0xf28482), Hex(0x8ab17d)};
    const double quay = h * 0.56;
    double x = -8;
    for (int i = 0; x < w; ++i) {
        const double width = 54 + (i * 17) % 16;
        const double height = 120 + (i * 37) % 60;
        const Rgb wall = walls[i % 7];
        SetColour(cr, wall);
        cairo_rectangle(cr, x, quay - height, width, height);
        cairo_fill(cr);
        Poly(cr, {x - 2, quay - height + 1, x + width / 2, quay - height - 30, x + width + 2,
                  quay - height + 1});
        Fill(cr, Darker(wall, 0.45));
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 2; ++col) {
                SetColour(cr, Hex(0xfdfaf0));
                cairo_rectangle(cr, x + 9 + col * (width / 2), quay - height + 16 + row * 34,
                                width / 2 - 18, 20);
                cairo_fill(cr);
                SetColour(cr, Hex(0x5a7fa0));
                cairo_rectangle(cr, x + 11 + col * (width / 2), quay - height + 18 + row * 34,
                                width / 2 - 22, 16);
                cairo_fill(cr);
            }
        SetColour(cr, Darker(wall, 0.5));
        cairo_rectangle(cr, x + width / 2 - 8, quay - 26, 16, 26);
        cairo_fill(cr);
        x += width;
    }
    SetColour(cr, Hex(0x9a8f80));
    cairo_rectangle(cr, 0, quay, w, 14);
    cairo_fill(cr);
    // Water with the houses' colours broken into reflections.
    FillVertical(cr, 0, quay + 14, w, h - quay - 14, Hex(0x3a7fb5), Hex(0x1d4f7a));
    x = -8;
    for (int i = 0; x < w; ++i) {
        const double width = 54 + (i * 17) % 16;
        for (int k = 0; k < 6; ++k) {
            const double y = quay + 22 + k * 16;
            SetColour(cr, walls[i % 7], 0.45 - k * 0.06);
            cairo_rectangle(cr, x + 4 + (k % 2) * 6, y, width - 14, 5);
            cairo_fill(cr);
        }
        x += width;
    }
    for (int i = 0; i < 7; ++i)
        Waves(cr, w, h * (0.78 + i * 0.035), 2, 40, Hex(0x8cc4ea), 1.5, i);
    Boat(cr, w * 0.2, h * 0.8, 80, Hex(0xfefae0), Hex(0xe63946), false);
    Boat(cr, w * 0.66, h * 0.9, 110, Hex(0x264653), Hex(0xffffff), true);
    Boat(cr, w * 0.88, h * 0.74, 56, Hex(0xe76f51), Hex(0xf1faee), false);
    Gull(cr, w * 0.4, h * 0.16, 9);
    Gull(cr, w * 0.47, h * 0.12, 7);
}

void Reef(cairo_t* cr, double w, double h) {
    FillVertical(cr, 0, 0, w, h, Hex(0x5ed3e8), Hex(0x0b4f8a));
    // Sunlight shafts from the surface.
    for (int i = 0; i < 5; ++i) {
        const double x = w * (0.1 + i * 0.22);
        Poly(cr, {x, 0, x + 40, 0, x + 120, h * 0.8, x + 50, h * 0.8});
        Fill(cr, Hex(0xffffff), 0.07);
    }
    // The sandy floor.
    cairo_move_to(cr, 0, h * 0.8);
    cairo_curve_to(cr, w * 0.3, h * 0.74, w * 0.6, h * 0.86, w, h * 0.78);
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    Fill(cr, Hex(0xe9d8a6));
    // Seaweed swaying up from the floor.
    for (int i = 0; i < 6; ++i) {
        const double x = 20 + i * 78.0, height = 120 + (i * 53) % 90;
        cairo_move_to(cr, x, h);
        for (int k = 0; k <= 12; ++k) {
            const double v = k / 12.0;
            cairo_line_to(cr, x + 12 * std::sin(v * 7 + i), h * 0.84 - height * v);
        }
        for (int k = 12; k >= 0; --k) {
            const double v = k / 12.0;
            cairo_line_to(cr, x + 10 + 12 * std::sin(v * 7 + i) - 8 * v, h * 0.84 - height * v);
        }
        cairo_close_path(cr);
        Fill(cr, i % 2 ? Hex(0x2d9c4a) : Hex(0x52b788));
    }
    // Coral: branching fans in warm colours.
    const Rgb corals[] = {Hex(0xff6f91), Hex(0xff9e4a), Hex(0xb56cff), Hex(0xff4d6d)};
    for (int i = 0; i < 4; ++i) {
        const double x = w * (0.12 + 0.26 * i), y = h * 0.86;
        SetColour(cr, corals[i]);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        for (int b = -3; b <= 3; ++b) {
            cairo_set_line_width(cr, 9 - std::abs(b));
            cairo_move_to(cr, x, y);
            cairo_curve_to(cr, x + b * 6, y - 30, x + b * 14, y - 50, x + b * 18,
                           y - 70 - (b % 2) * 12);
            cairo_stroke(cr);
        }
        Disc(cr, x, y, 16, Darker(corals[i], 0.15));
    }
    // Fish of every colour.
    Fish(cr, w * 0.3, h * 0.2, 70, Hex(0xffb703), Hex(0xfb8500), true);
    Fish(cr, w * 0.72, h * 0.32, 60, Hex(0x4cc9f0), Hex(0x4361ee), false);
    Fish(cr, w * 0.2, h * 0.48, 48, Hex(0xf72585), Hex(0x7209b7), false);
    Fish(cr, w * 0.64, h * 0.56, 80, Hex(0xff6b35), Hex(0xffffff), true);
    Fish(cr, w * 0.86, h * 0.12, 40, Hex(0x80ed99), Hex(0x38a3a5), true);
    Fish(cr, w * 0.45, h * 0.68, 36, Hex(0xffd60a), Hex(0x003566), false);
    // A starfish on the sand and bubbles rising.
    SetColour(cr, Hex(0xff7f50));
    Star(cr, w * 0.5, h * 0.93, 20, 5, 0.45);
    for (int i = 0; i < 12; ++i) {
        const double bx = w * (0.55 + 0.08 * std::sin(i * 1.7)), by = h * (0.7 - i * 0.055);
        cairo_new_sub_path(cr);
        cairo_arc(cr, bx, by, 3 + i % 4, 0, 2 * kPi);
        Stroke(cr, Hex(0xe0f7ff), 1.5);
    }
}

void TropicalSunset(cairo_t* cr, double w, double h) {
    FillVertical(cr, 0, 0, w, h * 0.62,
                 {{0, Hex(0x3a1c71)}, {0.45, Hex(0xd76d77)}, {1, Hex(0xffaf7b)}});
    Sun(cr, w * 0.5, h * 0.6, 72, Hex(0xffd56b), Hex(0xffc46b));
    // Thin clouds across the sun.
    for (int i = 0; i < 4; ++i) {
        RoundedRect(cr, w * (0.1 + 0.2 * (i % 2)), h * (0.3 + i * 0.06), w * (0.4 + 0.1 * i), 7,
                    3.5);
        Fill(cr, Hex(0xffe0b0), 0.55);
    }
    FillVertical(cr, 0, h * 0.62, w, h * 0.38, Hex(0xe07a5f), Hex(0x3d2c5e));
    // The sun's path on the water.
    for (int i = 0; i < 14; ++i) {
        const double v = i / 14.0;
        const double half = 70 - 40 * v + 6 * std::sin(i * 2.3);
        RoundedRect(cr, w * 0.5 - half, h * 0.63 + v * h * 0.34, 2 * half, 4, 2);
        Fill(cr, Hex(0xffd56b), 0.8 - 0.5 * v);
    }
    // Palm silhouettes on both shores.
    const Rgb dark = Hex(0x24123a);
    Poly(cr, {-5, h * 0.78, w * 0.3, h * 0.84, w * 0.34, h, -5, h});
    Fill(cr, dark);
    Poly(cr, {w + 5, h * 0.72, w * 0.74, h * 0.8, w * 0.7, h, w + 5, h});
    Fill(cr, dark);
    PalmTree(cr, w * 0.12, h * 0.83, 230, 40, dark, dark);
    PalmTree(cr, w * 0.25, h * 0.86, 150, -20, dark, dark);
    PalmTree(cr, w * 0.88, h * 0.78, 200, -50, dark, dark);
    Birds(cr, dark, {{w * 0.56, h * 0.22, 12}, {w * 0.64, h * 0.26, 9}, {w * 0.5, h * 0.28, 8}});
}

void PondGarden(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.3, Hex(0x8cc8ee), Hex(0xe8f6fc));
    SetColour(cr, Hex(0x77b65a));
    cairo_rectangle(cr, 0, h * 0.28, w, h * 0.72);
    cairo_fill(cr);
    // Trees and a blossoming tree behind the pond.
    RoundTree(cr, w * 0.1, h * 0.36, 80, Hex(0x2f7d46), Hex(0x5a3d2b));
    RoundTree(cr, w * 0.82, h * 0.34, 90, Hex(0xf4a6c0), Hex(0x6b4226));
    for (int i = 0; i < 10; ++i)
        Disc(cr, w * 0.82 + 40 * std::cos(i * 2.1), h * 0.34 - 95 + 30 * std::sin(i * 1.7), 5,
             Hex(0xffd6e5));
    Bush(cr, w * 0.45, h * 0.38, 40, Hex(0x3f8f3a));
    // The pond.
    Ellipse(cr, w * 0.5, h * 0.7, w * 0.62, h * 0.26);
    UseLinearGradient(cr, 0, h * 0.44, 0, h * 0.96, {{0, Hex(0x7cc6e8)}, {1, Hex(0x2f7fb0)}});
    cairo_fill(cr);
    // An arched red bridge.
    SetColour(cr, Hex(0xc1121f));
    cairo_set_line_width(cr, 12);
    cairo_move_to(cr, w * 0.05, h * 0.5);
    cairo_curve_to(cr, w * 0.3, h * 0.36, w * 0.7, h * 0.36, w * 0.95, h * 0.5);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, w * 0.05, h * 0.44);
    cairo_curve_to(cr, w * 0.3, h * 0.3, w * 0.7, h * 0.3, w * 0.95, h * 0.44);
    cairo_stroke(cr);
    for (int i = 0; i <= 8; ++i) {
        const double t = i / 8.0, x = w * (0.05 + 0.9 * t);
        const double arch = 4 * t * (1 - t);
        cairo_move_to(cr, x, h * (0.5 - 0.105 * arch));
        cairo_line_to(cr, x, h * (0.44 - 0.105 * arch));
    }
    cairo_stroke(cr);
    // Lily pads with flowers, and koi.
    for (int i = 0; i < 7; ++i) {
        const double x = w * (0.15 + 0.12 * i),
                     y = h * (0.62 + 0.1 * std::sin(i * 2.2) + 0.04 * (i % 3));
        const double r = 18 + (i % 3) * 5;
        cairo_move_to(cr, x, y);
        cairo_arc(cr, x, y, r, 0.3 + i, 2 * kPi - 0.2 + i);
        cairo_close_path(cr);
        Fill(cr, i % 2 ? Hex(0x40916c) : Hex(0x52b788));
        if (i % 2 == 0)
            Flower(cr, x + 4, y - 3, 11, 8, Hex(0xff8fab), Hex(0xffe066));
    }
    Fish(cr, w * 0.3, h * 0.84, 44, Hex(0xff7b00), Hex(0xffffff), false);
    Fish(cr, w * 0.68, h * 0.76, 38, Hex(0xffffff), Hex(0xff4d00), true);
    // Reeds and stepping stones along the front.
    for (int i = 0; i < 9; ++i) {
        SetColour(cr, Hex(0x386641));
        cairo_set_line_width(cr, 3);
        cairo_move_to(cr, 6 + i * 7.0, h);
        cairo_line_to(cr, 2 + i * 8.0, h * 0.8 - (i % 3) * 12);
        cairo_stroke(cr);
    }
    for (int i = 0; i < 4; ++i) {
        Ellipse(cr, w * (0.56 + 0.12 * i), h * (0.97 - 0.01 * i), 22, 8);
        Fill(cr, Hex(0xa8a29e));
    }
}

// A diamond kite with a bowed tail.
void Kite(cairo_t* cr, double x, double y, double size, double tilt, Rgb a, Rgb b) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, tilt);
    Poly(cr, {0, -size, size * 0.6, -size * 0.2, 0, size, 0, -size});
    Fill(cr, a);
    Poly(cr, {0, -size, -size * 0.6, -size * 0.2, 0, size, 0, -size});
    Fill(cr, b);
    SetColour(cr, Hex(0x5a4636));
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, 0, -size);
    cairo_line_to(cr, 0, size);
    cairo_move_to(cr, -size * 0.6, -size * 0.2);
    cairo_line_to(cr, size * 0.6, -size * 0.2);
    cairo_stroke(cr);
    cairo_move_to(cr, 0, size);
    for (int k = 1; k <= 8; ++k)
        cairo_line_to(cr, 8 * std::sin(k * 1.3), size + k * size * 0.22);
    cairo_stroke(cr);
    for (int k = 1; k <= 3; ++k) {
        const double ty = size + k * size * 0.5, tx = 8 * std::sin(k * 2.6 / 1.1);
        Poly(cr, {tx - 6, ty - 4, tx + 6, ty + 4, tx + 6, ty - 4, tx - 6, ty + 4});
        Fill(cr, k % 2 ? a : b);
    }
    cairo_restore(cr);
}

void Umbrella(cairo_t* cr, double x, double ground, double size, Rgb a, Rgb b) {
    SetColour(cr, Hex(0x6b4a2a));
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, x, ground);
    cairo_line_to(cr, x, ground - size);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {
        cairo_move_to(cr, x, ground - size - size * 0.05);
        cairo_arc(cr, x, ground - size + size * 0.1, size * 0.6, kPi + i * kPi / 6,
                  kPi + (i + 1) * kPi / 6);
        cairo_close_path(cr);
        Fill(cr, i % 2 ? a : b);
    }
}

void KiteBeach(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.56, Hex(0x3d8fe0), Hex(0xcfeafa));
    Clouds(cr, Hex(0xffffff), {{w * 0.55, h * 0.06, 0.75}, {w * 0.02, h * 0.34, 0.6, 0.9}});
    Sea(cr, w, h * 0.56, h * 0.7, Hex(0x2f8ccf), Hex(0x3aa6d8));
    // Wet sand, then dry sand.
    cairo_move_to(cr, 0, h * 0.7);
    for (double x = 0; x <= w; x += 4)
        cairo_line_to(cr, x, h * 0.7 + 5 * std::sin(x / 30));
    cairo_line_to(cr, w, h);
    cairo_line_to(cr, 0, h);
    cairo_close_path(cr);
    Fill(cr, Hex(0xf1d9a7));
    for (double x = 0; x <= w; x += 4)
        x == 0 ? cairo_move_to(cr, x, h * 0.7 + 5 * std::sin(x / 30))
               : cairo_line_to(cr, x, h * 0.7 + 5 * std::sin(x / 30));
    Stroke(cr, Hex(0xffffff), 3);
    Kite(cr, w * 0.25, h * 0.14, 36, -0.3, Hex(0xe63946), Hex(0xffd166));
    Kite(cr, w * 0.7, h * 0.22, 44, 0.25, Hex(0x06d6a0), Hex(0x118ab2));
    Kite(cr, w * 0.45, h * 0.38, 28, -0.1, Hex(0x9b5de5), Hex(0xf15bb5));
    Kite(cr, w * 0.88, h * 0.05, 24, 0.4, Hex(0xff7b00), Hex(0xfff3b0));
    Kite(cr, w * 0.12, h * 0.44, 26, 0.2, Hex(0x3a86ff), Hex(0xffbe0b));
    // Strings run down to the beach.
    SetColour(cr, Hex(0xffffff), 0.7);
    cairo_set_line_width(cr, 1);
    const double kites[4][2] = {{0.25, 0.14}, {0.7, 0.22}, {0.45, 0.38}, {0.12, 0.44}};
    for (const auto& k : kites) {
        cairo_move_to(cr, w * k[0], h * k[1] + 10);
        cairo_line_to(cr, w * (0.3 + k[0] * 0.4), h * 0.86);
    }
    cairo_stroke(cr);
    Umbrella(cr, w * 0.2, h * 0.9, 70, Hex(0xe63946), Hex(0xffffff));
    Umbrella(cr, w * 0.78, h * 0.84, 60, Hex(0x2a9d8f), Hex(0xe9c46a));
    // Towels, a sandcastle and shells.
    Poly(cr, {w * 0.36, h * 0.95, w * 0.56, h * 0.92, w * 0.6, h * 0.99, w * 0.4, h * 1.02});
    Fill(cr, Hex(0x4361ee));
    const double cx = w * 0.72, cy = h * 0.97;
    SetColour(cr, Hex(0xd4a373));
    cairo_rectangle(cr, cx - 30, cy - 26, 60, 26);
    cairo_rectangle(cr, cx - 36, cy - 44, 18, 44);
    cairo_rectangle(cr, cx + 18, cy - 44, 18, 44);
    cairo_rectangle(cr, cx - 10, cy - 52, 20, 26);
    cairo_fill(cr);
    Poly(cr, {cx, cy - 66, cx + 14, cy - 60, cx, cy - 54});
    Fill(cr, Hex(0xe63946));
    for (int i = 0; i < 5; ++i)
        Disc(cr, w * (0.08 + 0.2 * i), h * (0.8 + 0.03 * (i % 2)), 4, Hex(0xfff1e6));
}

void Lagoon(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.42, Hex(0x48a6e8), Hex(0xd8f1fb));
    Sun(cr, w * 0.82, h * 0.07, 24, Hex(0xfff07a), Hex(0xfff6c0));
    Clouds(cr, Hex(0xffffff), {{w * 0.08, h * 0.08, 0.9}, {w * 0.52, h * 0.2, 0.7, 0.95}});
    Birds(cr, Hex(0x2f3e4e), {{w * 0.35, h * 0.26, 9}, {w * 0.42, h * 0.3, 7}});
    FillVertical(cr, 0, h * 0.4, w, h * 0.6, Hex(0x1fa2c7), Hex(0x4fd1c5));
    // The island with its beach, palms and a hut on stilts.
    Ellipse(cr, w * 0.42, h * 0.56, w * 0.36, h * 0.07);
    Fill(cr, Hex(0x7fdfd4));
    Ellipse(cr, w * 0.42, h * 0.54, w * 0.3, h * 0.05);
    Fill(cr, Hex(0xf6e3b4));
    cairo_move_to(cr, w * 0.2, h * 0.53);
    cairo_curve_to(cr, w * 0.3, h * 0.44, w * 0.5, h * 0.42, w * 0.62, h * 0.53);
    cairo_close_path(cr);
    Fill(cr, Hex(0x3a9d4a));
    PalmTree(cr, w * 0.3, h * 0.52, 130, 20, Hex(0x2d8a3e), Hex(0x8b5a2b));
    PalmTree(cr, w * 0.52, h * 0.52, 110, -25, Hex(0x38a84a), Hex(0x8b5a2b));
    PalmTree(cr, w * 0.42, h * 0.5, 150, 8, Hex(0x2a7f3a), Hex(0x7a4f26));
    // Hut over the water.
    const double hx = w * 0.78, hy = h * 0.62;
    SetColour(cr, Hex(0x6b4a2a));
    for (int i = 0; i < 4; ++i)
        cairo_rectangle(cr, hx - 30 + i * 19, hy, 4, 36);
    cairo_fill(cr);
    SetColour(cr, Hex(0xc68642));
    cairo_rectangle(cr, hx - 34, hy - 34, 68, 36);
    cairo_fill(cr);
    Poly(cr, {hx - 46, hy - 32, hx, hy - 74, hx + 46, hy - 32});
    Fill(cr, Hex(0xe9c46a));
    SetColour(cr, Hex(0x4a3020));
    cairo_rectangle(cr, hx - 8, hy - 24, 16, 26);
    cairo_fill(cr);
    // Light on the water and a sailing boat.
    for (int i = 0; i < 8; ++i)
        Waves(cr, w, h * (0.66 + i * 0.045), 2, 50, Hex(0x9ff0ea), 1.5, i * 1.1);
    Boat(cr, w * 0.2, h * 0.8, 100, Hex(0xf94144), Hex(0xfdfcf7), false);
    Fish(cr, w * 0.65, h * 0.92, 40, Hex(0xffd60a), Hex(0xff8500), true);
    Bird(cr, w * 0.7, h * 0.3, 10, Hex(0x2f3e4e));
}

void Waterfall(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.3, Hex(0x7fc1ec), Hex(0xd9f0fb));
    // Forest on the cliff tops.
    for (int i = 0; i < 10; ++i)
        PineTree(cr, i * 46.0 + 10, h * 0.24 + (i % 3) * 6, 90 + (i % 4) * 14, Hex(0x2d6a4f),
                 Hex(0x5a3d2b));
    // Two cliffs with the falls between them.
    Poly(cr, {0, h * 0.22, w * 0.38, h * 0.2, w * 0.36, h * 0.75, 0, h * 0.8});
    Fill(cr, Hex(0x8a7e72));
    Poly(cr, {w, h * 0.22, w * 0.62, h * 0.2, w * 0.64, h * 0.75, w, h * 0.8});
    Fill(cr, Hex(0x9a8d80));
    for (int i = 0; i < 7; ++i) {
        Poly(cr, {0, h * (0.3 + 0.07 * i), w * (0.3 - 0.02 * i), h * (0.29 + 0.07 * i), w * 0.2,
                  h * (0.33 + 0.07 * i)});
        Fill(cr, Hex(0x6f645a), 0.8);
        Poly(cr, {w, h * (0.33 + 0.07 * i), w * (0.7 + 0.02 * i), h * (0.31 + 0.07 * i), w * 0.8,
                  h * (0.36 + 0.07 * i)});
        Fill(cr, Hex(0x7b7064), 0.8);
    }
    FillVertical(cr, w * 0.36, h * 0.2, w * 0.28, h * 0.58, Hex(0xcfefff), Hex(0x8fd3f5));
    for (int i = 0; i < 9; ++i) {
        SetColour(cr, Hex(0xffffff), 0.6);
        cairo_rectangle(cr, w * 0.37 + i * 13.0, h * 0.2, 3 + (i % 3), h * 0.58);
        cairo_fill(cr);
    }
    // The pool, its spray and a little rainbow in the mist.
    FillVertical(cr, 0, h * 0.76, w, h * 0.24, Hex(0x5fb7e5), Hex(0x1e6f9f));
    for (int i = 0; i < 9; ++i)
        Ellipse(cr, w * (0.38 + 0.03 * i), h * 0.77 + 6 * std::sin(i), 26, 12);
    Fill(cr, Hex(0xffffff), 0.85);
    Rainbow(cr, w * 0.5, h * 0.8, 90, 5);
    // Ferns and stones at the front.
    for (int side = 0; side < 2; ++side)
        for (int i = 0; i < 5; ++i) {
            const double x = side ? w - 20 - i * 18.0 : 20 + i * 18.0;
            cairo_save(cr);
            cairo_translate(cr, x, h);
            cairo_rotate(cr, (side ? 0.3 : -0.3) + (i - 2) * 0.2);
            Ellipse(cr, 0, -50, 10, 50);
            Fill(cr, i % 2 ? Hex(0x40916c) : Hex(0x2d6a4f));
            cairo_restore(cr);
        }
    Ellipse(cr, w * 0.3, h * 0.95, 40, 16);
    Fill(cr, Hex(0x6c757d));
    Ellipse(cr, w * 0.72, h * 0.96, 34, 14);
    Fill(cr, Hex(0x7d858c));
}

void BeachHuts(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.4, Hex(0x5aa9e6), Hex(0xdff2fb));
    Sun(cr, w * 0.82, h * 0.08, 26, Hex(0xfff07a), Hex(0xfff6c0));
    Cloud(cr, w * 0.08, h * 0.1, 0.7, Hex(0xffffff));
    Sea(cr, w, h * 0.38, h * 0.58, Hex(0x2e86c1), Hex(0x48a9e6));
    // The pier reaching out to sea.
    SetColour(cr, Hex(0x7a5230));
    for (int i = 0; i < 8; ++i)
        cairo_rectangle(cr, w * 0.45 + i * 26.0, h * 0.4, 4, h * 0.1);
    cairo_fill(cr);
    SetColour(cr, Hex(0xa47148));
    cairo_rectangle(cr, w * 0.42, h * 0.385, w * 0.6, 10);
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        SetColour(cr, Hex(0x2b2d42));
        cairo_rectangle(cr, w * 0.5 + i * 52.0, h * 0.33, 3, h * 0.055);
        cairo_fill(cr);
        Disc(cr, w * 0.5 + i * 52.0 + 1.5, h * 0.33, 5, Hex(0xfff3b0));
    }
    // Sand and the row of huts.
    FillVertical(cr, 0, h * 0.56, w, h * 0.44, Hex(0xf6deb0), Hex(0xe9c98a));
    const Rgb colours[] = {Hex(0xe63946), Hex(0x2a9d8f), Hex(0xffb703),
                           Hex(0x457b9d), Hex(0xf28482), Hex(0x8ac926)};
    for (int i = 0; i < 6; ++i) {
        const double x = 6 + i * 70.0, ground = h * 0.78, hw = 58, hh = 80;
        for (int s = 0; s < 6; ++s) {
            SetColour(cr, s % 2 ? Hex(0xfffaf0) : colours[i]);
            cairo_rectangle(cr, x + s * hw / 6, ground - hh, hw / 6 + 0.5, hh);
            cairo_fill(cr);
        }
        Poly(cr, {x - 6, ground - hh, x + hw / 2, ground - hh - 34, x + hw + 6, ground - hh});
        Fill(cr, Darker(colours[i], 0.35));
        SetColour(cr, Darker(colours[i], 0.25));
        cairo_rectangle(cr, x + hw * 0.3, ground - hh * 0.62, hw * 0.4, hh * 0.62);
        cairo_fill(cr);
        SetColour(cr, Hex(0x8d6a4a));
        cairo_rectangle(cr, x - 4, ground, hw + 8, 6);
        cairo_fill(cr);
    }
    // Buckets, a ball and shells in the front.
    Disc(cr, w * 0.3, h * 0.9, 20, Hex(0xffffff));
    cairo_move_to(cr, w * 0.3, h * 0.9);
    cairo_arc(cr, w * 0.3, h * 0.9, 20, 0, kPi / 1.5);
    cairo_close_path(cr);
    Fill(cr, Hex(0xe63946));
    cairo_move_to(cr, w * 0.3, h * 0.9);
    cairo_arc(cr, w * 0.3, h * 0.9, 20, kPi, kPi * 1.66);
    cairo_close_path(cr);
    Fill(cr, Hex(0x3a86ff));
    Poly(cr, {w * 0.62, h * 0.86, w * 0.72, h * 0.86, w * 0.7, h * 0.95, w * 0.64, h * 0.95});
    Fill(cr, Hex(0xffbe0b));
    SetColour(cr, Hex(0xfb5607));
    cairo_set_line_width(cr, 2.5);
    cairo_arc(cr, w * 0.67, h * 0.86, 12, kPi, 2 * kPi);
    cairo_stroke(cr);
    Umbrella(cr, w * 0.86, h * 0.98, 64, Hex(0x8338ec), Hex(0xffffff));
    for (int i = 0; i < 4; ++i)
        Disc(cr, w * (0.08 + 0.14 * i), h * (0.95 + 0.02 * (i % 2)), 4, Hex(0xfff1e6));
}

void DawnLake(cairo_t* cr, double w, double h) {
    FillVertical(cr, 0, 0, w, h * 0.5,
                 {{0, Hex(0x9ec5f0)}, {0.6, Hex(0xf9c6d0)}, {1, Hex(0xffe5b4)}});
    Sun(cr, w * 0.62, h * 0.4, 30, Hex(0xfff1c9), Hex(0xffe2a0));
    for (int i = 0; i < 4; ++i) {
        RoundedRect(cr, w * (0.05 + 0.3 * (i % 2)) + i * 20, h * (0.06 + 0.06 * i), w * 0.38, 8, 4);
        Fill(cr, Hex(0xffd6e0), 0.8);
    }
    for (int i = 0; i < 4; ++i)
        Bird(cr, w * (0.2 + 0.07 * i), h * (0.2 + 0.02 * (i % 2)), 8, Hex(0x5a4a6a));
    // Mountains in layers of lavender.
    Mountain(cr, w * 0.25, h * 0.16, h * 0.5, 200, Hex(0x9d8ec4), Hex(0x8574b0), Hex(0xf6f0ff));
    Mountain(cr, w * 0.8, h * 0.22, h * 0.5, 180, Hex(0xab9ccf), Hex(0x9384bd), Hex(0xf6f0ff));
    Hill(cr, w, h * 0.52, h * 0.46, 10, 200, 1.0, Hex(0x6b8f71), Hex(0x56785c));
    // The lake mirrors the sky; mist lies on it.
    FillVertical(cr, 0, h * 0.5, w, h * 0.5, Hex(0xf3d4d8), Hex(0x6a8fc8));
    for (int i = 0; i < 8; ++i)
        Waves(cr, w, h * (0.56 + i * 0.05), 1.5, 60, Hex(0xffffff), 1, i);
    RoundedRect(cr, -20, h * 0.49, w * 0.8, 12, 6);
    Fill(cr, Hex(0xffffff), 0.35);
    // Pines on the near shore and a cabin with smoke.
    Poly(cr, {-5, h * 0.72, w * 0.4, h * 0.76, w * 0.5, h, -5, h});
    Fill(cr, Hex(0x3e6b48));
    for (int i = 0; i < 5; ++i)
        PineTree(cr, 14 + i * 30.0, h * (0.78 + 0.03 * (i % 2)), 110 + (i % 3) * 20, Hex(0x1f4d36),
                 Hex(0x4a3426));
    const double cx = w * 0.26, cy = h * 0.86;
    SetColour(cr, Hex(0x8b5a2b));
    cairo_rectangle(cr, cx, cy - 44, 74, 44);
    cairo_fill(cr);
    SetColour(cr, Hex(0x6f4518));
    for (int i = 0; i < 5; ++i)
        cairo_rectangle(cr, cx, cy - 44 + i * 9, 74, 2);
    cairo_fill(cr);
    Poly(cr, {cx - 10, cy - 42, cx + 37, cy - 78, cx + 84, cy - 42});
    Fill(cr, Hex(0x5c3d2e));
    SetColour(cr, Hex(0xffd166));
    cairo_rectangle(cr, cx + 12, cy - 32, 16, 14);
    cairo_fill(cr);
    for (int i = 0; i < 5; ++i)
        Disc(cr, cx + 60 + i * 6.0, cy - 84 - i * 14.0, 6 + i * 2.0, Hex(0xf0f0f5), 0.6 - i * 0.08);
    Boat(cr, w * 0.7, h * 0.66, 70, Hex(0x6d597a), Hex(0xfdfcf7), false);
    Boat(cr, w * 0.88, h * 0.74, 44, Hex(0xb56576), Hex(0xfff1e6), true);
}

} // namespace content::scenes
