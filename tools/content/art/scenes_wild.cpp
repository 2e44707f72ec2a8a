// Mountains, forests, desert and snow.
#include "art/motifs.h"
#include "art/scenes.h"

#include <cmath>

namespace content::scenes {

using namespace motif;

void SnowyPeaks(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.5, Hex(0x2f80d1), Hex(0xbfe0f7));
    Cloud(cr, w * 0.62, h * 0.06, 0.7, Hex(0xffffff));
    Mountain(cr, w * 0.22, h * 0.14, h * 0.5, 190, Hex(0x7b8fa6), Hex(0x5e7189), Hex(0xffffff));
    Mountain(cr, w * 0.7, h * 0.08, h * 0.5, 220, Hex(0x8a9cb3), Hex(0x6c7f97), Hex(0xffffff));
    Mountain(cr, w * 0.48, h * 0.26, h * 0.5, 130, Hex(0x6f839c), Hex(0x556a84), Hex(0xf4f8ff));
    // Forest along the shore.
    for (int i = 0; i < 14; ++i)
        PineTree(cr, i * 32.0 + 4, h * 0.52 + (i % 3) * 4, 60 + (i % 4) * 14, Hex(0x1f5f3f),
                 Hex(0x4a3426));
    // The lake with the peaks upside down in it.
    FillVertical(cr, 0, h * 0.53, w, h * 0.47, Hex(0x7fb8e6), Hex(0x2f6fa8));
    cairo_save(cr);
    cairo_rectangle(cr, 0, h * 0.53, w, h * 0.27);
    cairo_clip(cr);
    cairo_translate(cr, 0, h * 1.06);
    cairo_scale(cr, 1, -1);
    cairo_push_group(cr);
    Mountain(cr, w * 0.22, h * 0.14, h * 0.5, 190, Hex(0x7b8fa6), Hex(0x5e7189), Hex(0xffffff));
    Mountain(cr, w * 0.7, h * 0.08, h * 0.5, 220, Hex(0x8a9cb3), Hex(0x6c7f97), Hex(0xffffff));
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, 0.35);
    cairo_restore(cr);
    for (int i = 0; i < 6; ++i)
        Waves(cr, w, h * (0.58 + i * 0.035), 1.5, 50, Hex(0xe0f0ff), 1, i);
    // A meadow with flowers in front.
    Hill(cr, w, h, h * 0.8, 10, 300, 0.5, Hex(0x7cc35a), Hex(0x4e9a35));
    for (int i = 0; i < 14; ++i)
        Flower(cr, 14 + i * 30.0, h * (0.88 + 0.05 * (i % 3)), 8, 5,
               i % 3 == 0   ? Hex(0xffffff)
               : i % 3 == 1 ? Hex(0xffd23f)
                            : Hex(0xc77dff),
               Hex(0xf08c00));
    RoundTree(cr, w * 0.88, h * 0.86, 60, Hex(0x2f8f46), Hex(0x6b4226));
}

void AutumnForest(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.4, Hex(0x8ec5e8), Hex(0xfbe3b8));
    Sun(cr, w * 0.2, h * 0.1, 28, Hex(0xffd56b), Hex(0xffe9b0));
    Clouds(cr, Hex(0xfff8ee), {{w * 0.55, h * 0.07, 0.8}, {w * 0.05, h * 0.24, 0.55, 0.9}});
    for (int i = 0; i < 5; ++i)
        Bird(cr, w * (0.6 + 0.06 * i), h * (0.2 + 0.02 * (i % 2)), 8, Hex(0x5a3e2b));
    Hill(cr, w, h, h * 0.36, 12, 300, 0.3, Hex(0xd9a066), Hex(0xc98d4e));
    for (int i = 0; i < 9; ++i)
        RoundTree(cr, i * 52.0 + 10, h * 0.35 + 6 * std::sin(i), 22,
                  i % 2 ? Hex(0xc8553d) : Hex(0xe09f3e), Hex(0x6b4226));
    SetColour(cr, Hex(0xb5894f));
    cairo_rectangle(cr, 0, h * 0.45, w, h * 0.55);
    cairo_fill(cr);
    // A path narrowing into the wood.
    Poly(cr, {w * 0.46, h * 0.42, w * 0.54, h * 0.42, w * 0.9, h, w * 0.1, h});
    Fill(cr, Hex(0xe3c28f));
    const Rgb leaves[] = {Hex(0xe85d04), Hex(0xf48c06), Hex(0xd00000),
                          Hex(0xffba08), Hex(0xdc2f02), Hex(0x9d0208)};
    // Three rows of trees, far to near.
    for (int row = 0; row < 3; ++row) {
        const double ground = h * (0.44 + row * 0.2);
        const double size = 36 + row * 32;
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < 3 - row / 2; ++i) {
                const double x =
                    side ? w * (0.62 + 0.14 * i + 0.05 * row) : w * (0.38 - 0.14 * i - 0.05 * row);
                RoundTree(cr, x, ground, size, leaves[(row * 2 + i + side) % 6], Hex(0x4a2c1a));
            }
    }
    // Fallen leaves and a pumpkin or two.
    for (int i = 0; i < 40; ++i) {
        const double x = std::fmod(i * 97.3, w), y = h * (0.55 + std::fmod(i * 0.137, 0.43));
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_rotate(cr, i * 0.7);
        Ellipse(cr, 0, 0, 6, 3);
        cairo_restore(cr);
        Fill(cr, leaves[i % 6]);
    }
    for (int i = 0; i < 2; ++i) {
        const double x = w * (0.2 + 0.56 * i), y = h * (0.93 - 0.04 * i);
        for (int k = -1; k <= 1; ++k) {
            Ellipse(cr, x + k * 12, y, 16, 18);
            Fill(cr, k == 0 ? Hex(0xf77f00) : Hex(0xe36414));
        }
        SetColour(cr, Hex(0x386641));
        cairo_rectangle(cr, x - 3, y - 26, 6, 10);
        cairo_fill(cr);
    }
}

void Cactus(cairo_t* cr, double x, double ground, double height, Rgb colour) {
    const double trunk = height * 0.16;
    SetColour(cr, colour);
    RoundedRect(cr, x - trunk / 2, ground - height, trunk, height, trunk / 2);
    cairo_fill(cr);
    RoundedRect(cr, x - trunk * 2.1, ground - height * 0.7, trunk * 0.8, height * 0.35,
                trunk * 0.4);
    RoundedRect(cr, x - trunk * 2.1, ground - height * 0.4, trunk * 1.8, trunk * 0.8, trunk * 0.4);
    RoundedRect(cr, x + trunk * 1.3, ground - height * 0.85, trunk * 0.8, height * 0.4,
                trunk * 0.4);
    RoundedRect(cr, x + trunk * 0.2, ground - height * 0.52, trunk * 1.9, trunk * 0.8, trunk * 0.4);
    cairo_fill(cr);
    SetColour(cr, Darker(colour, 0.25));
    cairo_set_line_width(cr, 1.5);
    cairo_move_to(cr, x, ground - height + 6);
    cairo_line_to(cr, x, ground - 2);
    cairo_stroke(cr);
}

void Desert(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.55, Hex(0x3a86d4), Hex(0xcde8f7));
    Sun(cr, w * 0.2, h * 0.1, 30, Hex(0xfff3a0), Hex(0xfff8d0));
    Clouds(cr, Hex(0xffffff), {{w * 0.58, h * 0.06, 0.75}, {w * 0.3, h * 0.22, 0.5, 0.9}});
    // Flat-topped mesas with bands of red rock.
    auto mesa = [&](double x0, double x1, double top, double base, Rgb rock) {
        Poly(cr, {x0, base, x0 + 24, top, x1 - 24, top, x1, base});
        Fill(cr, rock);
        for (int i = 1; i < 4; ++i) {
            const double y = top + (base - top) * i / 4;
            cairo_rectangle(cr, x0 + 24 * (1 - i / 4.0), y, x1 - x0 - 48 * (1 - i / 4.0), 4);
            Fill(cr, Darker(rock, 0.2));
        }
        Poly(cr, {(x0 + x1) / 2, top, x1 - 24, top, x1, base, (x0 + x1) / 2 + 30, base});
        Fill(cr, Darker(rock, 0.15));
    };
    SetColour(cr, Hex(0xf2c57c));
    cairo_rectangle(cr, 0, h * 0.5, w, h * 0.5);
    cairo_fill(cr);
    mesa(-20, w * 0.45, h * 0.3, h * 0.55, Hex(0xc8553d));
    mesa(w * 0.55, w + 30, h * 0.36, h * 0.55, Hex(0xd9734e));
    mesa(w * 0.36, w * 0.66, h * 0.44, h * 0.55, Hex(0xe08a5c));
    // Dunes rolling to the front.
    Hill(cr, w, h, h * 0.58, 10, 260, 0.6, Hex(0xf2c57c), Hex(0xe9b463));
    Hill(cr, w, h, h * 0.72, 18, 360, 2.0, Hex(0xeab15b), Hex(0xd99a45));
    Hill(cr, w, h, h * 0.86, 14, 420, 4.1, Hex(0xdfa24d), Hex(0xc98a3a));
    Cactus(cr, w * 0.22, h * 0.84, 150, Hex(0x3a8d4a));
    Cactus(cr, w * 0.78, h * 0.9, 120, Hex(0x2f7d3f));
    Cactus(cr, w * 0.55, h * 0.68, 60, Hex(0x4a9d5a));
    for (int i = 0; i < 4; ++i) {
        Ellipse(cr, w * (0.1 + 0.27 * i), h * 0.97, 14, 6);
        Fill(cr, Hex(0x9c6b3f));
    }
    Bird(cr, w * 0.65, h * 0.15, 12, Hex(0x3a2a20));
}

void Snowman(cairo_t* cr, double x, double ground, double size) {
    Disc(cr, x, ground - size * 0.35, size * 0.35, Hex(0xffffff));
    Disc(cr, x, ground - size * 0.88, size * 0.25, Hex(0xffffff));
    Disc(cr, x, ground - size * 1.28, size * 0.18, Hex(0xffffff));
    SetColour(cr, Hex(0xc6d8ea));
    cairo_set_line_width(cr, 2);
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, ground - size * 0.35, size * 0.35, 0.2, kPi - 0.2);
    cairo_stroke(cr);
    // Hat, eyes, carrot nose, scarf and buttons.
    SetColour(cr, Hex(0x22223b));
    cairo_rectangle(cr, x - size * 0.2, ground - size * 1.45, size * 0.4, size * 0.06);
    cairo_rectangle(cr, x - size * 0.13, ground - size * 1.72, size * 0.26, size * 0.28);
    cairo_fill(cr);
    Disc(cr, x - size * 0.06, ground - size * 1.32, size * 0.025, Hex(0x22223b));
    Disc(cr, x + size * 0.06, ground - size * 1.32, size * 0.025, Hex(0x22223b));
    Poly(cr,
         {x, ground - size * 1.28, x + size * 0.2, ground - size * 1.25, x, ground - size * 1.22});
    Fill(cr, Hex(0xf77f00));
    SetColour(cr, Hex(0xd62828));
    cairo_rectangle(cr, x - size * 0.2, ground - size * 1.12, size * 0.4, size * 0.08);
    cairo_rectangle(cr, x + size * 0.08, ground - size * 1.1, size * 0.08, size * 0.25);
    cairo_fill(cr);
    for (int i = 0; i < 3; ++i)
        Disc(cr, x, ground - size * (0.75 + 0.12 * i), size * 0.03, Hex(0x22223b));
    SetColour(cr, Hex(0x6b4226));
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, x - size * 0.22, ground - size * 0.9);
    cairo_line_to(cr, x - size * 0.55, ground - size * 1.1);
    cairo_move_to(cr, x + size * 0.22, ground - size * 0.9);
    cairo_line_to(cr, x + size * 0.55, ground - size * 1.05);
    cairo_stroke(cr);
}

void WinterVillage(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.5, Hex(0x8fb8de), Hex(0xe6f0fa));
    Hill(cr, w, h, h * 0.42, 20, 300, 0.4, Hex(0xf4f8ff), Hex(0xdde8f5));
    for (int i = 0; i < 8; ++i)
        PineTree(cr, 20 + i * 56.0, h * 0.44 + (i % 2) * 8, 70, Hex(0x2d6a4f), Hex(0x4a3426));
    // Snow on the pines' tiers.
    for (int i = 0; i < 8; ++i) {
        Poly(cr, {20 + i * 56.0, h * 0.44 + (i % 2) * 8 - 70, 28 + i * 56.0,
                  h * 0.44 + (i % 2) * 8 - 58, 12 + i * 56.0, h * 0.44 + (i % 2) * 8 - 58});
        Fill(cr, Hex(0xffffff));
    }
    Hill(cr, w, h, h * 0.56, 14, 420, 2.0, Hex(0xffffff), Hex(0xe4edf8));
    // Houses with snowy roofs and warm windows.
    House(cr, w * 0.06, h * 0.62, 96, 70,
          {Hex(0xc0392b), Hex(0xffffff), Hex(0xffd166), Hex(0x4a2c1a), true});
    House(cr, w * 0.4, h * 0.58, 76, 56,
          {Hex(0x2a9d8f), Hex(0xffffff), Hex(0xffd166), Hex(0x264653), true});
    House(cr, w * 0.72, h * 0.64, 90, 64,
          {Hex(0xe9c46a), Hex(0xffffff), Hex(0xffd166), Hex(0x6b3a1e), false});
    Hill(cr, w, h, h * 0.76, 10, 500, 3.0, Hex(0xffffff), Hex(0xe8f0fa));
    Snowman(cr, w * 0.3, h * 0.94, 110);
    // A sled and falling snow.
    SetColour(cr, Hex(0xb5651d));
    cairo_rectangle(cr, w * 0.62, h * 0.9, 90, 10);
    cairo_fill(cr);
    SetColour(cr, Hex(0x8a3b12));
    cairo_set_line_width(cr, 3);
    cairo_move_to(cr, w * 0.6, h * 0.94);
    cairo_line_to(cr, w * 0.62 + 96, h * 0.94);
    cairo_curve_to(cr, w * 0.62 + 110, h * 0.94, w * 0.62 + 110, h * 0.9, w * 0.62 + 102, h * 0.89);
    cairo_stroke(cr);
    for (int i = 0; i < 70; ++i) {
        const double x = std::fmod(i * 61.7, w), y = std::fmod(i * 137.9, h * 0.9);
        Disc(cr, x, y, 1.5 + (i % 3), Hex(0xffffff), 0.9);
    }
}

} // namespace content::scenes
