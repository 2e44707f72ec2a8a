// Countryside pictures: farms, gardens, fields, hills and orchards.
#include "art/motifs.h"
#include "art/scenes.h"

#include <cmath>

namespace content::scenes {

using namespace motif;

void FarmValley(cairo_t* cr, double w, double h) {
    Sky(cr, w, h * 0.5, Hex(0x5aa9e6), Hex(0xbfe3f5));
    Sun(cr, w * 0.78, h * 0.12, 30, Hex(0xffe066), Hex(0xfff3b0));
    Cloud(cr, w * 0.08, h * 0.1, 1.0, Hex(0xffffff));
    Cloud(cr, w * 0.45, h * 0.2, 0.75, Hex(0xffffff), 0.95);
    Hill(cr, w, h, h * 0.42, 22, 380, 0.6, Hex(0x8cc96b), Hex(0x6aa84f));
    Hill(cr, w, h, h * 0.55, 26, 300, 2.4, Hex(0x6fbf4a), Hex(0x4e9a35));
    // Patchwork fields on the far hill.
    SetColour(cr, Hex(0xd9c25a));
    cairo_move_to(cr, w * 0.05, h * 0.47);
    cairo_line_to(cr, w * 0.3, h * 0.45);
    cairo_line_to(cr, w * 0.34, h * 0.5);
    cairo_line_to(cr, w * 0.06, h * 0.53);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColour(cr, Hex(0xa7c957));
    cairo_move_to(cr, w * 0.58, h * 0.43);
    cairo_line_to(cr, w * 0.86, h * 0.41);
    cairo_line_to(cr, w * 0.9, h * 0.47);
    cairo_line_to(cr, w * 0.6, h * 0.49);
    cairo_close_path(cr);
    cairo_fill(cr);
    Hill(cr, w, h, h * 0.7, 18, 500, 4.0, Hex(0x58a83c), Hex(0x3d7d2a));
    // The barn and the farmhouse.
    House(cr, w * 0.12, h * 0.63, 96, 70, {Hex(0xc8372d), Hex(0x6d2a1f), Hex(0xffe9a8), Hex(0x6b3a1e), false});
    House(cr, w * 0.55, h * 0.6, 70, 52, {Hex(0xf5ecd6), Hex(0x3f6fb5), Hex(0x9fd3f0), Hex(0x7a4a2a), true});
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
               i % 3 == 0 ? Hex(0xff6b6b) : i % 3 == 1 ? Hex(0xffd93d) : Hex(0xf7f7ff),
               Hex(0xf08c00));
    Bird(cr, w * 0.3, h * 0.08, 9, Hex(0x334455));
    Bird(cr, w * 0.37, h * 0.12, 7, Hex(0x334455));
}

} // namespace content::scenes
