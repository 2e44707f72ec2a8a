// Night skies: a sleeping village, planets, and fireworks over the city.
#include "art/motifs.h"
#include "art/scenes.h"

#include <cmath>

namespace content::scenes {

using namespace motif;

namespace {

void StarField(cairo_t* cr, double w, double h, int count, double seed) {
    for (int i = 0; i < count; ++i) {
        const double x = std::fmod(i * 83.17 + seed, w), y = std::fmod(i * 41.93 + seed * 3, h);
        SetColour(cr, Hex(0xfff8e1), 0.5 + 0.5 * std::fmod(i * 0.37, 1.0));
        Star(cr, x, y, 1.5 + (i % 4 == 0 ? 2.5 : 0.5), 4, 0.4);
    }
}

} // namespace

void NightVillage(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.7, Hex(0x0b1d4a), Hex(0x3a5a9a));
    StarField(cr, w, h * 0.5, 70, 11);
    Moon(cr, w * 0.75, h * 0.14, 40, Hex(0xfff4c2));
    Hill(cr, w, h, h * 0.5, 24, 320, 0.9, Hex(0x23385e), Hex(0x1b2c4c));
    Hill(cr, w, h, h * 0.66, 16, 420, 2.1, Hex(0x2f4a3a), Hex(0x22362b));
    // A church with its steeple, and houses with lit windows.
    const double cx = w * 0.58, cy = h * 0.62;
    SetColour(cr, Hex(0x6e6a86));
    cairo_rectangle(cr, cx, cy - 90, 60, 90);
    cairo_rectangle(cr, cx + 60, cy - 60, 70, 60);
    cairo_fill(cr);
    Poly(cr, {cx - 6, cy - 90, cx + 30, cy - 170, cx + 66, cy - 90});
    Fill(cr, Hex(0x3e3a56));
    Poly(cr, {cx + 56, cy - 60, cx + 95, cy - 94, cx + 134, cy - 60});
    Fill(cr, Hex(0x4a4566));
    SetColour(cr, Hex(0xffd166));
    RoundedRect(cr, cx + 22, cy - 70, 16, 26, 8);
    cairo_fill(cr);
    SetColour(cr, Hex(0xfff3b0));
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx + 30, cy - 110, 9, 0, 2 * kPi);
    cairo_fill(cr);
    House(cr, w * 0.04, h * 0.7, 90, 64,
          {Hex(0x8d6e63), Hex(0x4e342e), Hex(0xffd166), Hex(0x3e2723), true});
    House(cr, w * 0.32, h * 0.68, 70, 52,
          {Hex(0x7986cb), Hex(0x283593), Hex(0xffe082), Hex(0x1a237e), false});
    House(cr, w * 0.72, h * 0.8, 100, 70,
          {Hex(0xa1887f), Hex(0x5d4037), Hex(0xffca28), Hex(0x3e2723), true});
    for (int i = 0; i < 5; ++i)
        PineTree(cr, w * (0.05 + 0.2 * i), h * (0.92 + 0.02 * (i % 2)), 90, Hex(0x17301f),
                 Hex(0x2a1f16));
    // A path of lanterns down to the front.
    for (int i = 0; i < 4; ++i) {
        const double x = w * (0.3 + 0.08 * i), y = h * (0.74 + 0.07 * i);
        SetColour(cr, Hex(0x2b2b2b));
        cairo_rectangle(cr, x - 1.5, y, 3, 28);
        cairo_fill(cr);
        Sun(cr, x, y, 5, Hex(0xffe8a3), Hex(0xffd166));
    }
    // Fireflies.
    for (int i = 0; i < 12; ++i)
        Disc(cr, w * (0.1 + 0.075 * i), h * (0.82 + 0.05 * std::sin(i * 2.1)), 2.5, Hex(0xd9ff7a),
             0.9);
}

void Planets(cairo_t* cr, double w, double h) {
    UseRadialGradient(cr, w * 0.3, h * 0.4, 20, w * 0.5, h * 0.5, h * 0.8,
                      {{0, Hex(0x2b1a5a)}, {1, Hex(0x07081c)}});
    cairo_paint(cr);
    StarField(cr, w, h, 110, 5);
    // The ringed planet.
    const double px = w * 0.62, py = h * 0.32, pr = 80;
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1, 0.3);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, pr * 1.8, kPi, 2 * kPi);
    cairo_restore(cr);
    Stroke(cr, Hex(0xe9c46a), 9);
    Ellipse(cr, px, py, pr, pr);
    UseLinearGradient(cr, px - pr, py - pr, px + pr, py + pr,
                      {{0, Hex(0xffb347)}, {1, Hex(0xc8553d)}});
    cairo_fill(cr);
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        Ellipse(cr, px, py, pr, pr);
        cairo_clip(cr);
        cairo_rectangle(cr, px - pr, py - pr * 0.6 + i * pr * 0.4, 2 * pr, pr * 0.12);
        Fill(cr, Hex(0xf6d5a0), 0.5);
        cairo_restore(cr);
    }
    cairo_save(cr);
    cairo_translate(cr, px, py);
    cairo_rotate(cr, -0.35);
    cairo_scale(cr, 1, 0.3);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, pr * 1.8, 0, kPi);
    cairo_restore(cr);
    Stroke(cr, Hex(0xf4d58d), 9);
    // A small blue-green world with its moon.
    Disc(cr, w * 0.2, h * 0.6, 54, Hex(0x3a86ff));
    for (int i = 0; i < 3; ++i) {
        Ellipse(cr, w * 0.2 - 20 + i * 22, h * 0.6 - 18 + i * 16, 18, 11);
        Fill(cr, Hex(0x52b788));
    }
    Disc(cr, w * 0.38, h * 0.5, 14, Hex(0xd9d9d9));
    Disc(cr, w * 0.385, h * 0.505, 3, Hex(0xb0b0b0));
    // The rocket with its flame.
    cairo_save(cr);
    cairo_translate(cr, w * 0.6, h * 0.74);
    cairo_rotate(cr, 0.5);
    Poly(cr, {-16, 40, 16, 40, 14, -30, 0, -60, -14, -30});
    Fill(cr, Hex(0xf1faee));
    Poly(cr, {-14, -30, 0, -60, 14, -30});
    Fill(cr, Hex(0xe63946));
    Poly(cr, {-16, 10, -30, 46, -16, 40});
    Fill(cr, Hex(0xe63946));
    Poly(cr, {16, 10, 30, 46, 16, 40});
    Fill(cr, Hex(0xe63946));
    Disc(cr, 0, -6, 8, Hex(0x457b9d));
    Poly(cr, {-10, 42, 10, 42, 0, 90});
    Fill(cr, Hex(0xffb703));
    Poly(cr, {-5, 42, 5, 42, 0, 70});
    Fill(cr, Hex(0xfff3b0));
    cairo_restore(cr);
    // A comet streaking across the top.
    Poly(cr, {w * 0.05, h * 0.08, w * 0.3, h * 0.16, w * 0.05, h * 0.11});
    Fill(cr, Hex(0xbde0fe), 0.6);
    Disc(cr, w * 0.3, h * 0.155, 6, Hex(0xffffff));
    // The grey moon's surface at the bottom.
    Hill(cr, w, h + 1, h * 0.9, 12, 300, 0.3, Hex(0xa8a8b3), Hex(0x7d7d88));
    for (int i = 0; i < 5; ++i) {
        Ellipse(cr, w * (0.1 + 0.2 * i), h * (0.94 + 0.02 * (i % 2)), 16, 5);
        Fill(cr, Hex(0x6c6c78));
    }
}

void Fireworks(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.7, Hex(0x0a0f2c), Hex(0x2c2a5a));
    StarField(cr, w, h * 0.4, 40, 17);
    // Bursts of sparks in several colours.
    struct Burst {
        double x, y, r;
        Rgb colour;
        int rays;
    };
    const Burst bursts[] = {{w * 0.25, h * 0.18, 70, Hex(0xff4d6d), 24},
                            {w * 0.7, h * 0.12, 60, Hex(0xffd60a), 20},
                            {w * 0.55, h * 0.36, 50, Hex(0x4cc9f0), 18},
                            {w * 0.15, h * 0.44, 40, Hex(0x80ed99), 16},
                            {w * 0.86, h * 0.4, 46, Hex(0xc77dff), 18}};
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    for (const Burst& b : bursts) {
        Sun(cr, b.x, b.y, b.r * 0.12, Hex(0xffffff), b.colour);
        for (int i = 0; i < b.rays; ++i) {
            const double a = 2 * kPi * i / b.rays;
            cairo_move_to(cr, b.x + b.r * 0.25 * std::cos(a), b.y + b.r * 0.25 * std::sin(a));
            cairo_line_to(cr, b.x + b.r * std::cos(a), b.y + b.r * std::sin(a));
            Stroke(cr, b.colour, 2.5);
            Disc(cr, b.x + b.r * 1.1 * std::cos(a), b.y + b.r * 1.1 * std::sin(a), 2.5,
                 Lighter(b.colour, 0.5));
        }
    }
    // The skyline with lit windows.
    const double river = h * 0.72;
    double x = -4;
    for (int i = 0; x < w; ++i) {
        const double bw = 34 + (i * 23) % 30, bh = 80 + (i * 53) % 130;
        SetColour(cr, i % 2 ? Hex(0x1b1f3b) : Hex(0x232a4d));
        cairo_rectangle(cr, x, river - bh, bw, bh);
        cairo_fill(cr);
        if (i % 3 == 1) {
            Poly(cr, {x + bw / 2 - 2, river - bh - 30, x + bw / 2 + 2, river - bh - 30,
                      x + bw / 2 + 6, river - bh, x + bw / 2 - 6, river - bh});
            Fill(cr, Hex(0x1b1f3b));
        }
        for (double wy = river - bh + 10; wy < river - 10; wy += 16)
            for (double wx = x + 6; wx < x + bw - 8; wx += 11)
                if (static_cast<int>(wx * 7 + wy * 3) % 5 != 0) {
                    SetColour(cr, Hex(0xffd166), 0.85);
                    cairo_rectangle(cr, wx, wy, 5, 7);
                    cairo_fill(cr);
                }
        x += bw + 3;
    }
    // The river mirrors the bursts and lights; a bridge crosses it.
    FillVertical(cr, 0, river, w, h - river, Hex(0x1a1f45), Hex(0x0a0d24));
    for (const Burst& b : bursts)
        for (int k = 0; k < 6; ++k) {
            RoundedRect(cr, b.x - b.r * 0.6 + k * 4, river + 10 + k * 14 + (b.y / h) * 40,
                        b.r * 1.2 - k * 8, 3, 1.5);
            Fill(cr, b.colour, 0.5 - k * 0.07);
        }
    SetColour(cr, Hex(0x3a3f6b));
    cairo_set_line_width(cr, 10);
    cairo_move_to(cr, -10, h * 0.84);
    cairo_curve_to(cr, w * 0.3, h * 0.78, w * 0.7, h * 0.78, w + 10, h * 0.84);
    cairo_stroke(cr);
    for (int i = 0; i < 6; ++i) {
        const double bx = w * (0.08 + 0.17 * i);
        const double by = h * 0.84 - std::sin((bx / w) * kPi) * h * 0.045;
        SetColour(cr, Hex(0x3a3f6b));
        cairo_rectangle(cr, bx - 4, by, 8, h - by);
        cairo_fill(cr);
        Disc(cr, bx, by - 14, 4, Hex(0xfff3b0));
    }
}

} // namespace content::scenes
