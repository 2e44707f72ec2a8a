// Countryside pictures: farms, gardens, fields, hills and orchards.
#include "art/motifs.h"
#include "art/scenes.h"

#include <cmath>

namespace content::scenes {

using namespace motif;

void FarmValley(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.5, Hex(0x5aa9e6), Hex(0xbfe3f5));
    Sun(cr, w * 0.78, h * 0.12, 30, Hex(0xffe066), Hex(0xfff3b0));
    Clouds(cr, Hex(0xffffff), {{w * 0.08, h * 0.1, 1.0}, {w * 0.45, h * 0.2, 0.75, 0.95}});
    Hill(cr, w, h, h * 0.42, 22, 380, 0.6, Hex(0x8cc96b), Hex(0x6aa84f));
    Hill(cr, w, h, h * 0.55, 26, 300, 2.4, Hex(0x6fbf4a), Hex(0x4e9a35));
    // Patchwork fields on the far hill.
    SetColour(cr, Hex(0xd9c25a));
    Poly(cr, {w * 0.05, h * 0.47, w * 0.3, h * 0.45, w * 0.34, h * 0.5, w * 0.06, h * 0.53});
    cairo_fill(cr);
    SetColour(cr, Hex(0xa7c957));
    Poly(cr, {w * 0.58, h * 0.43, w * 0.86, h * 0.41, w * 0.9, h * 0.47, w * 0.6, h * 0.49});
    cairo_fill(cr);
    Hill(cr, w, h, h * 0.7, 18, 500, 4.0, Hex(0x58a83c), Hex(0x3d7d2a));
    // The barn and the farmhouse.
    House(cr, w * 0.12, h * 0.63, 96, 70,
          {Hex(0xc8372d), Hex(0x6d2a1f), Hex(0xffe9a8), Hex(0x6b3a1e), false});
    House(cr, w * 0.55, h * 0.6, 70, 52,
          {Hex(0xf5ecd6), Hex(0x3f6fb5), Hex(0x9fd3f0), Hex(0x7a4a2a), true});
    RoundTree(cr, w * 0.9, h * 0.62, 70, Hex(0x3f9b3a), Hex(0x6b4226));
    RoundTree(cr, w * 0.45, h * 0.62, 48, Hex(0x4aa843), Hex(0x6b4226));
    // A path winding down to the front.
    cairo_move_to(cr, w * 0.62, h * 0.6);
    cairo_curve_to(cr, w * 0.5, h * 0.72, w * 0.85, h * 0.8, w * 0.55, h);
    cairo_line_to(cr, w * 0.85, h);
    cairo_curve_to(cr, w * 1.0, h * 0.8, w * 0.62, h * 0.72, w * 0.68, h * 0.6);
    cairo_close_path(cr);
    SetColour(cr, Hex(0xe3c58f));
    cairo_fill(cr);
    Fence(cr, 0, w * 0.5, h * 0.86, 36, Hex(0xf6f1e4));
    for (int i = 0; i < 9; ++i)
        Flower(cr, 20 + i * 24.0, h * 0.93 + (i % 2) * 10, 9, 5,
               i % 3 == 0   ? Hex(0xff6b6b)
               : i % 3 == 1 ? Hex(0xffd93d)
                            : Hex(0xf7f7ff),
               Hex(0xf08c00));
    Birds(cr, Hex(0x334455), {{w * 0.3, h * 0.08, 9}, {w * 0.37, h * 0.12, 7}});
}

void FlowerGarden(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.4, Hex(0x69b7ef), Hex(0xd4eefa));
    Sun(cr, w * 0.15, h * 0.09, 26, Hex(0xfff07a), Hex(0xfff6c0));
    Clouds(cr, Hex(0xffffff), {{w * 0.5, h * 0.08, 0.8}, {w * 0.72, h * 0.2, 0.55, 0.9}});
    // A hedge and a garden shed behind the fence.
    for (int i = 0; i < 9; ++i)
        Disc(cr, i * 55.0 - 10, h * 0.36, 34, i % 2 ? Hex(0x3c8d3a) : Hex(0x347f33));
    SetColour(cr, Hex(0x347f33));
    cairo_rectangle(cr, 0, h * 0.36, w, h * 0.06);
    cairo_fill(cr);
    House(cr, w * 0.64, h * 0.4, 92, 66,
          {Hex(0xc98d4e), Hex(0x2e7d5b), Hex(0xbfe6f7), Hex(0x7a4a2a), false});
    SetColour(cr, Hex(0x7ccf5c));
    cairo_rectangle(cr, 0, h * 0.42, w, h * 0.58);
    cairo_fill(cr);
    Fence(cr, -4, w + 10, h * 0.46, 40, Hex(0xfbf7ee));
    // Beds of tulips in bands of colour, smaller towards the back.
    const Rgb blooms[] = {Hex(0xe63946), Hex(0xffc93c), Hex(0xf7a1c4), Hex(0x9b5de5),
                          Hex(0xff7b2e)};
    for (int row = 0; row < 5; ++row) {
        const double ground = h * (0.52 + row * 0.095);
        const double size = 34 + row * 9;
        SetColour(cr, Hex(0x8a5a3a));
        cairo_rectangle(cr, 0, ground - 4, w, 9 + row * 2);
        cairo_fill(cr);
        for (double x = (row % 2) * size * 0.3 + 8; x < w; x += size * 0.62)
            Tulip(cr, x, ground, size, blooms[(row + static_cast<int>(x / 37)) % 5], Hex(0x2f7d32));
    }
    Butterfly(cr, w * 0.3, h * 0.3, 16, Hex(0xff9f1c), Hex(0x2b2d42));
    Butterfly(cr, w * 0.82, h * 0.5, 13, Hex(0x4cc9f0), Hex(0xffffff));
    Butterfly(cr, w * 0.12, h * 0.58, 12, Hex(0xf72585), Hex(0xffe066));
}

void Balloons(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.7, Hex(0x3f8fd8), Hex(0xcfe9f7));
    Clouds(cr, Hex(0xffffff),
           {{w * 0.05, h * 0.15, 0.9, 0.95},
            {w * 0.6, h * 0.36, 0.7, 0.9},
            {w * 0.35, h * 0.55, 0.6, 0.85}});
    // Patchwork fields below, in perspective.
    const double horizon = h * 0.66;
    SetColour(cr, Hex(0x9ccf6e));
    cairo_rectangle(cr, 0, horizon, w, h - horizon);
    cairo_fill(cr);
    const Rgb fields[] = {Hex(0xd9c25a), Hex(0x6fb34a), Hex(0xa7c957),
                          Hex(0x4f9a3f), Hex(0xe0a84a), Hex(0x86c06c)};
    const int rows = 5, columns = 6;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            auto at = [&](double u, double v) {
                const double y = horizon + (h - horizon) * v * v;
                const double spread = 0.6 + 1.6 * v;
                return std::pair<double, double>{w / 2 + (u - 0.5) * w * spread, y};
            };
            const double u0 = static_cast<double>(c) / columns, u1 = (c + 1.0) / columns;
            const double v0 = static_cast<double>(r) / rows, v1 = (r + 1.0) / rows;
            const auto a = at(u0, v0), b = at(u1, v0), d = at(u1, v1), e = at(u0, v1);
            Poly(cr, {a.first, a.second, b.first, b.second, d.first, d.second, e.first, e.second});
            SetColour(cr, fields[(r * 3 + c * 5) % 6]);
            FillWithOutline(cr, Hex(0x3d6b2a), 1.5 + r);
        }
    // A river winding through the fields.
    cairo_move_to(cr, w * 0.55, horizon);
    cairo_curve_to(cr, w * 0.4, h * 0.75, w * 0.8, h * 0.85, w * 0.45, h + 2);
    cairo_line_to(cr, w * 0.7, h + 2);
    cairo_curve_to(cr, w * 1.0, h * 0.85, w * 0.48, h * 0.75, w * 0.58, horizon);
    cairo_close_path(cr);
    Fill(cr, Hex(0x5fa8e0));
    struct BalloonAt {
        double x, y, r;
        Rgb a, b;
    };
    const BalloonAt balloons[] = {{w * 0.28, h * 0.2, 48, Hex(0xe63946), Hex(0xffd166)},
                                  {w * 0.72, h * 0.14, 36, Hex(0x118ab2), Hex(0xffffff)},
                                  {w * 0.78, h * 0.46, 42, Hex(0x9b5de5), Hex(0xf15bb5)},
                                  {w * 0.18, h * 0.5, 30, Hex(0x06d6a0), Hex(0xffd166)},
                                  {w * 0.5, h * 0.36, 24, Hex(0xff7b2e), Hex(0xfff3b0)}};
    for (const BalloonAt& b : balloons)
        Balloon(cr, b.x, b.y, b.r, b.a, b.b);
}

// A Dutch mill: a tapering tower, a cap and four lattice sails.
void Mill(cairo_t* cr, double x, double ground, double height) {
    const double top = ground - height;
    Poly(cr, {x - height * 0.2, ground, x - height * 0.12, top + height * 0.15, x + height * 0.12,
              top + height * 0.15, x + height * 0.2, ground});
    Fill(cr, Hex(0x8b4a2b));
    Poly(cr, {x, ground, x, top + height * 0.15, x + height * 0.12, top + height * 0.15,
              x + height * 0.2, ground});
    Fill(cr, Hex(0x6e3a22));
    Poly(cr,
         {x - height * 0.15, top + height * 0.16, x, top, x + height * 0.15, top + height * 0.16});
    Fill(cr, Hex(0x3a2a20));
    SetColour(cr, Hex(0x2f6e9e));
    RoundedRect(cr, x - height * 0.05, ground - height * 0.2, height * 0.1, height * 0.2, 4);
    cairo_fill(cr);
    const double hubY = top + height * 0.12;
    for (int i = 0; i < 4; ++i) {
        cairo_save(cr);
        cairo_translate(cr, x, hubY);
        cairo_rotate(cr, 0.35 + i * kPi / 2);
        SetColour(cr, Hex(0x4a3326));
        cairo_rectangle(cr, -2, 0, 4, height * 0.62);
        cairo_fill(cr);
        SetColour(cr, Hex(0xf4ecdc));
        cairo_rectangle(cr, 3, height * 0.1, height * 0.13, height * 0.5);
        cairo_fill(cr);
        SetColour(cr, Hex(0x8a7a6a));
        cairo_set_line_width(cr, 1.2);
        for (int k = 1; k < 6; ++k) {
            cairo_move_to(cr, 3, height * (0.1 + k * 0.085));
            cairo_line_to(cr, 3 + height * 0.13, height * (0.1 + k * 0.085));
        }
        cairo_stroke(cr);
        cairo_restore(cr);
    }
    Disc(cr, x, hubY, 5, Hex(0x2a2a2a));
}

void Windmill(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.5, Hex(0x4d9de0), Hex(0xdcefff));
    Clouds(cr, Hex(0xffffff), {{w * 0.05, h * 0.12, 0.8}, {w * 0.45, h * 0.06, 0.6, 0.9}});
    const double horizon = h * 0.5;
    SetColour(cr, Hex(0x7cc35a));
    cairo_rectangle(cr, 0, horizon, w, h - horizon);
    cairo_fill(cr);
    // Stripes of tulips running to the horizon.
    const Rgb stripes[] = {Hex(0xe63946), Hex(0xffd23f), Hex(0xf78fb3), Hex(0xff8c42),
                           Hex(0x9d4edd), Hex(0xe63946), Hex(0xfff1e6)};
    const double vanishX = w * 0.3;
    for (int i = 0; i < 7; ++i) {
        const double x0 = -w * 0.6 + i * w * 0.3, x1 = x0 + w * 0.22;
        Poly(cr, {vanishX + (x0 - vanishX) * 0.02, horizon, vanishX + (x1 - vanishX) * 0.02,
                  horizon, x1, h, x0, h});
        Fill(cr, stripes[i]);
        // Dots of blossom along the stripe.
        for (int k = 0; k < 10; ++k) {
            const double v = (k + 0.5) / 10;
            const double y = horizon + (h - horizon) * v;
            const double xm = vanishX + ((x0 + x1) / 2 - vanishX) * (0.02 + 0.98 * v);
            Disc(cr, xm, y, 1.5 + 6 * v, Lighter(stripes[i], 0.3));
        }
    }
    // A canal along the right side.
    Poly(cr, {w * 0.62, horizon, w * 0.66, horizon, w * 1.05, h * 0.62, w * 1.05, h * 0.7});
    Fill(cr, Hex(0x4a90c8));
    SetColour(cr, Hex(0x5a8f3a));
    cairo_rectangle(cr, 0, horizon - 2, w, 5);
    cairo_fill(cr);
    House(cr, w * 0.05, horizon + 4, 44, 30,
          {Hex(0xb5523b), Hex(0x404e5c), Hex(0xfff1c1), Hex(0x2f4f4f), false});
    RoundTree(cr, w * 0.9, horizon + 2, 34, Hex(0x3f8f3a), Hex(0x5a3d2b));
    Mill(cr, w * 0.62, horizon + 20, 190);
    Bird(cr, w * 0.25, h * 0.2, 8, Hex(0x334455));
}

void Castle(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.7, Hex(0x5aa0e0), Hex(0xe2f2fb));
    Clouds(cr, Hex(0xffffff), {{w * 0.62, h * 0.1, 0.9}, {w * 0.05, h * 0.2, 0.6, 0.9}});
    Hill(cr, w, h, h * 0.62, 30, 520, 1.2, Hex(0x7dc95e), Hex(0x4a9a3a));
    const Rgb stone = Hex(0xd8d0c0), shade = Hex(0xb3a996), roof = Hex(0x3b5ba9);
    const double base = h * 0.6;
    // Curtain wall with battlements.
    SetColour(cr, stone);
    cairo_rectangle(cr, w * 0.16, base - 110, w * 0.68, 110);
    cairo_fill(cr);
    for (double x = w * 0.16; x < w * 0.84; x += 18) {
        cairo_rectangle(cr, x, base - 124, 11, 14);
    }
    cairo_fill(cr);
    // The keep behind the gate.
    SetColour(cr, shade);
    cairo_rectangle(cr, w * 0.36, base - 200, w * 0.28, 100);
    cairo_fill(cr);
    Poly(cr, {w * 0.33, base - 200, w * 0.5, base - 270, w * 0.67, base - 200});
    Fill(cr, roof);
    auto tower = [&](double x, double width, double height) {
        SetColour(cr, stone);
        cairo_rectangle(cr, x - width / 2, base - height, width, height);
        cairo_fill(cr);
        SetColour(cr, shade);
        cairo_rectangle(cr, x + width * 0.2, base - height, width * 0.3, height);
        cairo_fill(cr);
        Poly(cr, {x - width * 0.62, base - height, x, base - height - width * 1.4, x + width * 0.62,
                  base - height});
        Fill(cr, Hex(0xc0392b));
        SetColour(cr, Hex(0x5a4636));
        cairo_rectangle(cr, x - 1, base - height - width * 1.4 - 26, 2, 26);
        cairo_fill(cr);
        Poly(cr, {x + 1, base - height - width * 1.4 - 26, x + 22, base - height - width * 1.4 - 20,
                  x + 1, base - height - width * 1.4 - 14});
        Fill(cr, Hex(0xffd23f));
        SetColour(cr, Hex(0x3a3a4a));
        RoundedRect(cr, x - 5, base - height + 26, 10, 18, 5);
        cairo_fill(cr);
    };
    tower(w * 0.16, 58, 170);
    tower(w * 0.84, 58, 170);
    tower(w * 0.5, 40, 250);
    // Gate and a drawbridge road down the hill.
    SetColour(cr, Hex(0x4a3526));
    cairo_new_sub_path(cr);
    cairo_arc(cr, w * 0.5, base - 40, 26, kPi, 2 * kPi);
    cairo_line_to(cr, w * 0.5 + 26, base);
    cairo_line_to(cr, w * 0.5 - 26, base);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColour(cr, Hex(0x2a2a2a));
    cairo_set_line_width(cr, 2);
    for (double x = w * 0.5 - 20; x <= w * 0.5 + 20; x += 8) {
        cairo_move_to(cr, x, base - 60);
        cairo_line_to(cr, x, base);
    }
    cairo_stroke(cr);
    cairo_move_to(cr, w * 0.5 - 26, base);
    cairo_curve_to(cr, w * 0.4, h * 0.75, w * 0.1, h * 0.85, w * 0.2, h + 2);
    cairo_line_to(cr, w * 0.55, h + 2);
    cairo_curve_to(cr, w * 0.45, h * 0.85, w * 0.6, h * 0.75, w * 0.5 + 26, base);
    cairo_close_path(cr);
    Fill(cr, Hex(0xe8d4a0));
    RoundTree(cr, w * 0.85, h * 0.86, 70, Hex(0x3f9b3a), Hex(0x6b4226));
    RoundTree(cr, w * 0.68, h * 0.78, 44, Hex(0x4aa843), Hex(0x6b4226));
    Bush(cr, w * 0.08, h * 0.95, 40, Hex(0x3f8f3a));
    for (int i = 0; i < 7; ++i)
        Flower(cr, w * 0.6 + i * 22, h * 0.96, 7, 5, Hex(0xffd23f), Hex(0xe07a00));
}

void RainbowValley(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.6, Hex(0x6fa8dc), Hex(0xe4f1fb));
    Rainbow(cr, w * 0.5, h * 0.62, w * 0.62, 14);
    Cloud(cr, -10, h * 0.12, 1.1, Hex(0xffffff));
    Cloud(cr, w * 0.7, h * 0.22, 0.9, Hex(0xf4f7fb));
    Hill(cr, w, h, h * 0.5, 26, 300, 0.2, Hex(0x9ed27a), Hex(0x7bbf5a));
    Hill(cr, w, h, h * 0.62, 22, 420, 2.9, Hex(0x6cbf4c), Hex(0x4a9a36));
    // The river from the far hills to the front.
    cairo_move_to(cr, w * 0.47, h * 0.55);
    cairo_curve_to(cr, w * 0.3, h * 0.66, w * 0.75, h * 0.76, w * 0.3, h + 2);
    cairo_line_to(cr, w * 0.7, h + 2);
    cairo_curve_to(cr, w * 1.05, h * 0.76, w * 0.42, h * 0.66, w * 0.52, h * 0.55);
    cairo_close_path(cr);
    UseLinearGradient(cr, 0, h * 0.55, 0, h, {{0, Hex(0x9fd3f5)}, {1, Hex(0x3b86c8)}});
    cairo_fill(cr);
    House(cr, w * 0.08, h * 0.7, 78, 56,
          {Hex(0xfff4e0), Hex(0xd1495b), Hex(0x9fd3f0), Hex(0x6b3a1e), true});
    RoundTree(cr, w * 0.86, h * 0.72, 64, Hex(0x2f8f46), Hex(0x6b4226));
    RoundTree(cr, w * 0.72, h * 0.6, 38, Hex(0x3fa34d), Hex(0x6b4226));
    Sheep(cr, w * 0.18, h * 0.88, 40, false);
    Sheep(cr, w * 0.86, h * 0.9, 46, true);
    for (int i = 0; i < 6; ++i)
        Flower(cr, 20 + i * 30.0, h * 0.97, 7, 5, Hex(0xffffff), Hex(0xffc300));
}

void Farmyard(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.45, Hex(0x5ba4e6), Hex(0xd6eefa));
    Sun(cr, w * 0.85, h * 0.08, 24, Hex(0xffe066), Hex(0xfff3b0));
    Cloud(cr, w * 0.1, h * 0.1, 0.7, Hex(0xffffff));
    Hill(cr, w, h, h * 0.42, 16, 400, 1.0, Hex(0xb6d96f), Hex(0x9cc95a));
    SetColour(cr, Hex(0x8cc35a));
    cairo_rectangle(cr, 0, h * 0.52, w, h * 0.48);
    cairo_fill(cr);
    // The barn with its loft and big cross-braced doors.
    const double bx = w * 0.08, by = h * 0.58, bw = 190, bh = 130;
    Poly(cr, {bx - 10, by - bh, bx + bw / 2, by - bh - 70, bx + bw + 10, by - bh});
    Fill(cr, Hex(0x5a2d22));
    SetColour(cr, Hex(0xc0392b));
    cairo_rectangle(cr, bx, by - bh, bw, bh);
    cairo_fill(cr);
    SetColour(cr, Hex(0xffffff));
    cairo_rectangle(cr, bx + bw * 0.3, by - bh * 0.6, bw * 0.4, bh * 0.6);
    cairo_set_line_width(cr, 5);
    cairo_stroke(cr);
    cairo_move_to(cr, bx + bw * 0.3, by - bh * 0.6);
    cairo_line_to(cr, bx + bw * 0.7, by);
    cairo_move_to(cr, bx + bw * 0.7, by - bh * 0.6);
    cairo_line_to(cr, bx + bw * 0.3, by);
    cairo_stroke(cr);
    SetColour(cr, Hex(0xfff1c1));
    cairo_rectangle(cr, bx + bw * 0.42, by - bh - 40, bw * 0.16, 28);
    cairo_fill(cr);
    // The silo.
    SetColour(cr, Hex(0xb8c4cc));
    cairo_rectangle(cr, bx + bw + 14, by - 170, 50, 170);
    cairo_fill(cr);
    SetColour(cr, Hex(0x8e9ba5));
    cairo_rectangle(cr, bx + bw + 44, by - 170, 20, 170);
    cairo_fill(cr);
    cairo_new_sub_path(cr);
    cairo_arc(cr, bx + bw + 39, by - 170, 25, kPi, 2 * kPi);
    Fill(cr, Hex(0x6d7a84));
    // Hay bales.
    for (int i = 0; i < 3; ++i) {
        const double x = w * 0.58 + i * 46, y = h * 0.64 - (i == 1 ? 30 : 0);
        SetColour(cr, Hex(0xe9c46a));
        RoundedRect(cr, x, y, 42, 34, 8);
        cairo_fill(cr);
        SetColour(cr, Hex(0xc9a227));
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, x + 6, y + 10);
        cairo_line_to(cr, x + 36, y + 10);
        cairo_move_to(cr, x + 6, y + 24);
        cairo_line_to(cr, x + 36, y + 24);
        cairo_stroke(cr);
    }
    Fence(cr, -4, w + 4, h * 0.8, 44, Hex(0xf5f0e6));
    Sheep(cr, w * 0.22, h * 0.76, 60, false);
    Sheep(cr, w * 0.62, h * 0.78, 54, true);
    Sheep(cr, w * 0.4, h * 0.95, 66, true);
    // Two hens pecking in the front.
    for (int i = 0; i < 2; ++i) {
        const double x = w * (0.75 + i * 0.14), y = h * (0.92 + i * 0.03);
        Ellipse(cr, x, y, 16, 12);
        Fill(cr, i ? Hex(0xffffff) : Hex(0xb5651d));
        Disc(cr, x - 14, y - 10, 7, i ? Hex(0xffffff) : Hex(0xb5651d));
        Poly(cr, {x - 21, y - 11, x - 27, y - 8, x - 20, y - 7});
        Fill(cr, Hex(0xf4a300));
        Disc(cr, x - 14, y - 17, 3.5, Hex(0xe63946));
        Disc(cr, x - 16, y - 11, 1.4, Hex(0x111111));
    }
}

void Orchard(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.45, Hex(0x6cb4ec), Hex(0xe0f3fc));
    Sun(cr, w * 0.16, h * 0.09, 26, Hex(0xffe066), Hex(0xfff3b0));
    Clouds(cr, Hex(0xffffff), {{w * 0.55, h * 0.08, 0.9}, {w * 0.3, h * 0.22, 0.55, 0.9}});
    Birds(cr, Hex(0x334455), {{w * 0.8, h * 0.22, 9}, {w * 0.86, h * 0.25, 7}});
    Hill(cr, w, h, h * 0.38, 18, 300, 0.7, Hex(0xa5d67e), Hex(0x8cc96b));
    Hill(cr, w, h, h * 0.5, 12, 500, 2.0, Hex(0x79c35a), Hex(0x4f9f3b));
    // Rows of apple trees, bigger in front.
    for (int row = 0; row < 3; ++row) {
        const double ground = h * (0.5 + row * 0.17);
        const double size = 40 + row * 26;
        for (double x = (row % 2) * size * 0.8 + 20; x < w + size; x += size * 1.6) {
            RoundTree(cr, x, ground, size, row == 2 ? Hex(0x2f8f3a) : Hex(0x3f9b3a), Hex(0x6b4226));
            for (int k = 0; k < 6; ++k) {
                const double ax = x + size * 0.32 * std::cos(k * 1.9 + row);
                const double ay = ground - size * 1.05 + size * 0.28 * std::sin(k * 2.3 + row);
                Disc(cr, ax, ay, size * 0.07, Hex(0xd62828));
            }
        }
    }
    // A ladder against a tree and a basket of apples.
    SetColour(cr, Hex(0x9c6b3f));
    cairo_set_line_width(cr, 5);
    cairo_move_to(cr, w * 0.62, h * 0.98);
    cairo_line_to(cr, w * 0.72, h * 0.7);
    cairo_move_to(cr, w * 0.7, h * 0.98);
    cairo_line_to(cr, w * 0.79, h * 0.71);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 3.5);
    for (int k = 1; k < 7; ++k) {
        const double v = k / 7.0;
        cairo_move_to(cr, w * (0.62 + 0.1 * v), h * (0.98 - 0.28 * v));
        cairo_line_to(cr, w * (0.7 + 0.09 * v), h * (0.98 - 0.27 * v));
    }
    cairo_stroke(cr);
    const double bx = w * 0.12, by = h * 0.9;
    for (int k = 0; k < 7; ++k)
        Disc(cr, bx + 14 + k * 11.0, by - 6 - (k % 2) * 6, 9,
             k % 3 ? Hex(0xe63946) : Hex(0x9acd32));
    Poly(cr, {bx, by - 4, bx + 100, by - 4, bx + 90, by + 38, bx + 10, by + 38});
    Fill(cr, Hex(0xc68642));
    SetColour(cr, Hex(0x8d5a2b));
    cairo_set_line_width(cr, 2);
    for (int k = 1; k < 4; ++k) {
        cairo_move_to(cr, bx + 3 + k, by - 4 + k * 10);
        cairo_line_to(cr, bx + 97 - k, by - 4 + k * 10);
    }
    cairo_stroke(cr);
}

} // namespace content::scenes
