#include "art/background.h"

#include "canvas.h"
#include "layout.h"
#include "paint.h"
#include "random.h"

#include <cmath>

namespace content {

namespace {

constexpr uint64_t kFeltSeed = 0x66656c74ull;
constexpr uint64_t kGrainSeed = 0x677261696eull;

void DrawFelt(cairo_t* cr) {
    UseRadialGradient(cr, 512, 330, 60, 512, 380, 700, {{0, Hex(0x3b6f7c)}, {1, Hex(0x1c3a45)}});
    cairo_paint(cr);
}

// A faint, even weave so the felt does not look like a flat fill.
void AddFeltTexture(Image& image) {
    Random random(kFeltSeed);
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x) {
            const int grain = random.Between(-3, 3) + (((x + y) & 3) == 0 ? 2 : 0);
            Rgb& p = image.At(x, y);
            auto add = [grain](uint8_t c) {
                return static_cast<uint8_t>(std::max(0, std::min(255, c + grain)));
            };
            p = {add(p.r), add(p.g), add(p.b)};
        }
}

void SoftShadow(cairo_t* cr, double x, double y, double w, double h, double spread) {
    for (int i = 0; i < 8; ++i) {
        const double grow = spread * (8 - i) / 8.0;
        RoundedRect(cr, x - grow + 3, y - grow + 5, w + 2 * grow, h + 2 * grow, 4 + grow);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.05);
        cairo_fill(cr);
    }
}

// Wood with long, slightly wavy grain running along the given direction.
void WoodFill(cairo_t* cr, double x, double y, double w, double h, Rgb light, Rgb dark,
              bool horizontal, uint64_t seed) {
    cairo_save(cr);
    cairo_rectangle(cr, x, y, w, h);
    cairo_clip(cr);
    if (horizontal)
        UseLinearGradient(cr, 0, y, 0, y + h, {{0, light}, {1, dark}});
    else
        UseLinearGradient(cr, x, 0, x + w, 0, {{0, light}, {1, dark}});
    cairo_paint(cr);
    Random random(kGrainSeed, seed);
    const double across = horizontal ? h : w;
    const int lines = static_cast<int>(across / 2.2);
    for (int i = 0; i < lines; ++i) {
        const double offset = random.Uniform(0, across);
        const double wave = random.Uniform(0.5, 2.0);
        const double phase = random.Uniform(0, 6.28);
        const double length = horizontal ? w : h;
        for (double t = 0; t <= length; t += 6) {
            const double d = offset + wave * std::sin(t / 57.0 + phase);
            if (horizontal)
                t == 0 ? cairo_move_to(cr, x + t, y + d) : cairo_line_to(cr, x + t, y + d);
            else
                t == 0 ? cairo_move_to(cr, x + d, y + t) : cairo_line_to(cr, x + d, y + t);
        }
        cairo_set_line_width(cr, random.Uniform(0.6, 1.4));
        SetColour(cr, dark, random.Uniform(0.12, 0.3));
        cairo_stroke(cr);
    }
    cairo_restore(cr);
}

void DrawFrame(cairo_t* cr, const Box& area) {
    const Box outer = area.Inflated(kFrameWidth);
    SoftShadow(cr, outer.x, outer.y, outer.w, outer.h, 10);
    const Rgb light = Hex(0xc8935a), dark = Hex(0x8a5a30);
    const double f = kFrameWidth;
    // Four mitred sides, each with grain along its length.
    struct Side {
        double x0, y0, x1, y1, x2, y2, x3, y3;
        bool horizontal;
    };
    const double l = outer.x, t = outer.y, r = outer.Right(), b = outer.Bottom();
    const Side sides[4] = {{l, t, r, t, r - f, t + f, l + f, t + f, true},
                           {r, t, r, b, r - f, b - f, r - f, t + f, false},
                           {r, b, l, b, l + f, b - f, r - f, b - f, true},
                           {l, b, l, t, l + f, t + f, l + f, b - f, false}};
    for (int i = 0; i < 4; ++i) {
        const Side& s = sides[i];
        cairo_save(cr);
        Poly(cr, {s.x0, s.y0, s.x1, s.y1, s.x2, s.y2, s.x3, s.y3});
        cairo_clip(cr);
        WoodFill(cr, l, t, r - l, b - t, light, dark, s.horizontal, static_cast<uint64_t>(i));
        // Light falls from the upper left: top and left sides are brighter.
        cairo_set_source_rgba(cr, i == 0 || i == 3 ? 1 : 0, i == 0 || i == 3 ? 1 : 0,
                              i == 0 || i == 3 ? 1 : 0, i == 0 || i == 3 ? 0.10 : 0.16);
        cairo_paint(cr);
        cairo_restore(cr);
    }
    cairo_set_line_width(cr, 1);
    SetColour(cr, Hex(0xf0c890), 0.7);
    cairo_rectangle(cr, l + 0.5, t + 0.5, r - l - 1, b - t - 1);
    cairo_stroke(cr);
    SetColour(cr, Hex(0x3a2412));
    cairo_rectangle(cr, l + f - 1.5, t + f - 1.5, r - l - 2 * f + 3, b - t - 2 * f + 3);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
    // Mitre joints.
    SetColour(cr, Hex(0x5a3a1c), 0.6);
    cairo_set_line_width(cr, 1);
    for (const Side& s : sides) {
        cairo_move_to(cr, s.x0, s.y0);
        cairo_line_to(cr, s.x3, s.y3);
        cairo_stroke(cr);
    }
    SetColour(cr, Hex(0x202428));
    cairo_rectangle(cr, area.x, area.y, area.w, area.h);
    cairo_fill(cr);
}

void DrawBar(cairo_t* cr) {
    for (int i = 0; i < 6; ++i) {
        cairo_rectangle(cr, 0, kButtonBarTop - 6 + i, kScreenWidth, 6 - i);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.06);
        cairo_fill(cr);
    }
    WoodFill(cr, 0, kButtonBarTop, kScreenWidth, kScreenHeight - kButtonBarTop, Hex(0x9a6636),
             Hex(0x5e3a1c), true, 9);
    SetColour(cr, Hex(0xe0b07a), 0.8);
    cairo_rectangle(cr, 0, kButtonBarTop, kScreenWidth, 1.5);
    cairo_fill(cr);
    SetColour(cr, Hex(0x2a1a0c), 0.5);
    cairo_rectangle(cr, 0, kButtonBarTop + 1.5, kScreenWidth, 1);
    cairo_fill(cr);
    // A recessed slot for the page number.
    const Box slot = ToBox(kPageLabel).Inflated(3);
    RoundedRect(cr, slot.x, slot.y, slot.w, slot.h, 6);
    SetColour(cr, Hex(0x2e1c0e));
    cairo_fill(cr);
    RoundedRect(cr, slot.x + 0.5, slot.y + 0.5, slot.w - 1, slot.h - 1, 6);
    SetColour(cr, Hex(0xd8a870), 0.5);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

} // namespace

Image DrawBackground(const Box& pictureArea) {
    Canvas felt(kScreenWidth, kScreenHeight);
    DrawFelt(felt.Context());
    Image image = felt.ToImage();
    AddFeltTexture(image);
    Canvas canvas(image);
    cairo_t* cr = canvas.Context();
    DrawFrame(cr, pictureArea);
    DrawBar(cr);
    Image out = canvas.ToImage();
    Avoid(out, kKey);
    return out;
}

} // namespace content
