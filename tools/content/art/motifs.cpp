#include "art/motifs.h"

#include <cmath>

namespace content::motif {

namespace {

const Rgb kWhite{255, 255, 255};
const Rgb kBlack{0, 0, 0};

void Circle(cairo_t* cr, double x, double y, double r) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * kPi);
}

// A soft light around the disc of radius, fading out at reach.
void Glow(cairo_t* cr, double x, double y, double radius, double reach, Rgb colour, double alpha) {
    UseRadialGradient(cr, x, y, radius, x, y, reach, {{0, colour, alpha}, {1, colour, 0}});
    Circle(cr, x, y, reach);
    cairo_fill(cr);
}

} // namespace

void Ellipse(cairo_t* cr, double x, double y, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * kPi);
    cairo_restore(cr);
}

void Disc(cairo_t* cr, double x, double y, double r, Rgb colour, double alpha) {
    Circle(cr, x, y, r);
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

void Fill(cairo_t* cr, Rgb colour, double alpha) {
    SetColour(cr, colour, alpha);
    cairo_fill(cr);
}

void Stroke(cairo_t* cr, Rgb colour, double width) {
    SetColour(cr, colour);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

Rgb Darker(Rgb colour, double amount) {
    return Mix(colour, kBlack, amount);
}
Rgb Lighter(Rgb colour, double amount) {
    return Mix(colour, kWhite, amount);
}

void Sky(cairo_t* cr, double w, double h, Rgb top, Rgb bottom) {
    FillVertical(cr, 0, 0, w, h, top, bottom);
}

void Sun(cairo_t* cr, double x, double y, double radius, Rgb core, Rgb glow) {
    Glow(cr, x, y, radius, radius * 2.6, glow, 0.55);
    SetColour(cr, core);
    Circle(cr, x, y, radius);
    cairo_fill(cr);
}

void Moon(cairo_t* cr, double x, double y, double radius, Rgb light) {
    // A soft glow, then a crescent: the disc less an offset disc.
    Glow(cr, x, y, radius, radius * 2.4, light, 0.35);
    cairo_push_group(cr);
    Circle(cr, x, y, radius);
    SetColour(cr, light);
    cairo_fill(cr);
    cairo_set_operator(cr, CAIRO_OPERATOR_CLEAR);
    Circle(cr, x + radius * 0.45, y - radius * 0.25, radius * 0.85);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint(cr);
}

void Cloud(cairo_t* cr, double x, double y, double s, Rgb colour, double alpha) {
    cairo_push_group(cr);
    SetColour(cr, colour);
    Circle(cr, x, y, 18 * s);
    Circle(cr, x + 22 * s, y - 10 * s, 22 * s);
    Circle(cr, x + 48 * s, y - 2 * s, 17 * s);
    Circle(cr, x + 66 * s, y + 6 * s, 12 * s);
    cairo_fill(cr);
    RoundedRect(cr, x - 8 * s, y, 84 * s, 18 * s, 9 * s);
    cairo_fill(cr);
    // A touch of shade along the underside.
    SetColour(cr, Mix(colour, Hex(0x7890b0), 0.35));
    RoundedRect(cr, x - 6 * s, y + 10 * s, 80 * s, 8 * s, 4 * s);
    cairo_fill(cr);
    cairo_pop_group_to_source(cr);
    cairo_paint_with_alpha(cr, alpha);
}

void Star(cairo_t* cr, double x, double y, double radius, int points, double inner) {
    for (int i = 0; i < 2 * points; ++i) {
        const double angle = -kPi / 2 + i * kPi / points;
        const double r = i % 2 == 0 ? radius : radius * inner;
        const double px = x + r * std::cos(angle), py = y + r * std::sin(angle);
        i == 0 ? cairo_move_to(cr, px, py) : cairo_line_to(cr, px, py);
    }
    cairo_close_path(cr);
    cairo_fill(cr);
}

void Bird(cairo_t* cr, double x, double y, double size, Rgb colour) {
    SetColour(cr, colour);
    cairo_set_line_width(cr, std::max(1.5, size / 6));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_move_to(cr, x - size, y - size * 0.3);
    cairo_curve_to(cr, x - size * 0.6, y - size * 0.7, x - size * 0.2, y - size * 0.5, x, y);
    cairo_curve_to(cr, x + size * 0.2, y - size * 0.5, x + size * 0.6, y - size * 0.7, x + size,
                   y - size * 0.3);
    cairo_stroke(cr);
}

void Clouds(cairo_t* cr, Rgb colour, std::initializer_list<CloudAt> clouds) {
    for (const CloudAt& cloud : clouds)
        Cloud(cr, cloud.x, cloud.y, cloud.size, colour, cloud.alpha);
}

void Birds(cairo_t* cr, Rgb colour, std::initializer_list<BirdAt> birds) {
    for (const BirdAt& bird : birds)
        Bird(cr, bird.x, bird.y, bird.size, colour);
}

void Hill(cairo_t* cr, double w, double bottom, double base, double amplitude, double wavelength,
          double phase, Rgb top, Rgb low) {
    cairo_move_to(cr, -2, bottom);
    for (double x = -2; x <= w + 2; x += 2) {
        const double y = base - amplitude * std::sin(x / wavelength * 2 * kPi + phase) -
                         amplitude * 0.35 * std::sin(x / wavelength * 4.7 + phase * 1.7);
        cairo_line_to(cr, x, y);
    }
    cairo_line_to(cr, w + 2, bottom);
    cairo_close_path(cr);
    UseLinearGradient(cr, 0, base - amplitude, 0, bottom, {{0, top}, {1, low}});
    cairo_fill(cr);
}

void Mountain(cairo_t* cr, double peakX, double peakY, double baseY, double halfWidth, Rgb rock,
              Rgb shade, Rgb snow) {
    const double height = baseY - peakY;
    Poly(cr, {peakX - halfWidth, baseY, peakX - halfWidth * 0.45, peakY + height * 0.45,
              peakX - halfWidth * 0.2, peakY + height * 0.3, peakX, peakY, peakX + halfWidth * 0.3,
              peakY + height * 0.35, peakX + halfWidth * 0.55, peakY + height * 0.5,
              peakX + halfWidth, baseY});
    SetColour(cr, rock);
    cairo_fill(cr);
    // The shaded right flank.
    Poly(cr, {peakX, peakY, peakX + halfWidth * 0.3, peakY + height * 0.35,
              peakX + halfWidth * 0.55, peakY + height * 0.5, peakX + halfWidth, baseY,
              peakX + halfWidth * 0.05, baseY, peakX + halfWidth * 0.12, peakY + height * 0.5});
    SetColour(cr, shade);
    cairo_fill(cr);
    // Snow cap with a ragged lower edge.
    const double capY = peakY + height * 0.28;
    const double capHalf = halfWidth * 0.28 * 0.28 / 0.3 + 2;
    Poly(cr, {peakX, peakY, peakX + capHalf * 0.95, capY - height * 0.02, peakX + capHalf * 0.5,
              capY - height * 0.06, peakX + capHalf * 0.15, capY + height * 0.02,
              peakX - capHalf * 0.3, capY - height * 0.05, peakX - capHalf * 0.7,
              capY + height * 0.01, peakX - capHalf * 1.1, capY - height * 0.03});
    SetColour(cr, snow);
    cairo_fill(cr);
}

void RoundTree(cairo_t* cr, double x, double ground, double size, Rgb leaves, Rgb trunk) {
    SetColour(cr, trunk);
    Poly(cr, {x - size * 0.09, ground, x - size * 0.05, ground - size * 0.9, x + size * 0.05,
              ground - size * 0.9, x + size * 0.09, ground});
    cairo_fill(cr);
    const double cy = ground - size * 1.05;
    SetColour(cr, Mix(leaves, kBlack, 0.25));
    Circle(cr, x + size * 0.08, cy + size * 0.08, size * 0.5);
    cairo_fill(cr);
    SetColour(cr, leaves);
    Circle(cr, x - size * 0.22, cy + size * 0.05, size * 0.33);
    Circle(cr, x + size * 0.2, cy + size * 0.02, size * 0.36);
    Circle(cr, x - size * 0.02, cy - size * 0.22, size * 0.36);
    cairo_fill(cr);
    SetColour(cr, Mix(leaves, kWhite, 0.25));
    Circle(cr, x - size * 0.14, cy - size * 0.26, size * 0.14);
    cairo_fill(cr);
}

void PineTree(cairo_t* cr, double x, double ground, double height, Rgb leaves, Rgb trunk) {
    SetColour(cr, trunk);
    cairo_rectangle(cr, x - height * 0.04, ground - height * 0.18, height * 0.08, height * 0.18);
    cairo_fill(cr);
    for (int tier = 0; tier < 3; ++tier) {
        const double top = ground - height + tier * height * 0.22;
        const double bottom = ground - height * 0.14 - (2 - tier) * height * 0.18;
        const double half = height * (0.18 + 0.07 * tier);
        Poly(cr, {x, top, x + half, bottom, x - half, bottom});
        SetColour(cr, Mix(leaves, kWhite, 0.06 * (2 - tier)));
        cairo_fill(cr);
        Poly(cr, {x, top, x + half, bottom, x, bottom});
        SetColour(cr, Mix(leaves, kBlack, 0.2));
        cairo_fill(cr);
    }
}

void PalmTree(cairo_t* cr, double x, double ground, double height, double lean, Rgb leaves,
              Rgb trunk) {
    const double topX = x + lean, topY = ground - height;
    cairo_move_to(cr, x - height * 0.05, ground);
    cairo_curve_to(cr, x, ground - height * 0.5, topX - lean * 0.4, topY + height * 0.2,
                   topX - height * 0.02, topY);
    cairo_line_to(cr, topX + height * 0.02, topY);
    cairo_curve_to(cr, topX - lean * 0.3, topY + height * 0.2, x + height * 0.06,
                   ground - height * 0.5, x + height * 0.05, ground);
    cairo_close_path(cr);
    SetColour(cr, trunk);
    cairo_fill(cr);
    const double frond = height * 0.55;
    const double angles[] = {-2.9, -2.3, -1.6, -0.9, -0.25, 0.3, 2.6};
    for (double angle : angles) {
        const double ex = topX + frond * std::cos(angle);
        const double ey = topY + frond * std::sin(angle) + frond * 0.35;
        const double mx = topX + frond * 0.55 * std::cos(angle);
        const double my = topY + frond * 0.55 * std::sin(angle) - frond * 0.12;
        cairo_move_to(cr, topX, topY);
        cairo_curve_to(cr, mx, my - frond * 0.12, mx, my, ex, ey);
        cairo_curve_to(cr, mx, my + frond * 0.1, mx, my + frond * 0.12, topX, topY + 3);
        cairo_close_path(cr);
        SetColour(cr, angle < -1.6 ? Mix(leaves, kWhite, 0.1) : leaves);
        cairo_fill(cr);
    }
}

void Bush(cairo_t* cr, double x, double ground, double size, Rgb colour) {
    SetColour(cr, Mix(colour, kBlack, 0.15));
    Circle(cr, x - size * 0.45, ground - size * 0.3, size * 0.45);
    Circle(cr, x + size * 0.45, ground - size * 0.3, size * 0.42);
    cairo_fill(cr);
    SetColour(cr, colour);
    Circle(cr, x, ground - size * 0.5, size * 0.55);
    cairo_fill(cr);
    cairo_rectangle(cr, x - size * 0.85, ground - size * 0.3, size * 1.7, size * 0.3);
    SetColour(cr, Mix(colour, kBlack, 0.15));
    cairo_fill(cr);
}

void House(cairo_t* cr, double x, double ground, double w, double h, const HouseStyle& style) {
    const double roofH = h * 0.55;
    const double top = ground - h;
    if (style.chimney) {
        SetColour(cr, Mix(style.roof, kBlack, 0.3));
        cairo_rectangle(cr, x + w * 0.68, top - roofH * 0.8, w * 0.12, roofH * 0.6);
        cairo_fill(cr);
    }
    SetColour(cr, style.wall);
    cairo_rectangle(cr, x, top, w, h);
    cairo_fill(cr);
    SetColour(cr, Mix(style.wall, kBlack, 0.12));
    cairo_rectangle(cr, x + w * 0.82, top, w * 0.18, h);
    cairo_fill(cr);
    Poly(cr, {x - w * 0.08, top + 1, x + w * 0.5, top - roofH, x + w * 1.08, top + 1});
    SetColour(cr, style.roof);
    cairo_fill(cr);
    Poly(cr, {x + w * 0.5, top - roofH, x + w * 1.08, top + 1, x + w * 0.5, top + 1});
    SetColour(cr, Mix(style.roof, kBlack, 0.15));
    cairo_fill(cr);
    // Door and two windows with crossbars.
    SetColour(cr, style.door);
    RoundedRect(cr, x + w * 0.4, ground - h * 0.5, w * 0.2, h * 0.5, w * 0.04);
    cairo_fill(cr);
    for (double wx : {x + w * 0.1, x + w * 0.68}) {
        const double ww = w * 0.2, wy = top + h * 0.2, wh = h * 0.28;
        SetColour(cr, Mix(style.wall, kBlack, 0.35));
        cairo_rectangle(cr, wx - 1.5, wy - 1.5, ww + 3, wh + 3);
        cairo_fill(cr);
        SetColour(cr, style.window);
        cairo_rectangle(cr, wx, wy, ww, wh);
        cairo_fill(cr);
        SetColour(cr, Mix(style.wall, kBlack, 0.35));
        cairo_rectangle(cr, wx + ww / 2 - 0.75, wy, 1.5, wh);
        cairo_rectangle(cr, wx, wy + wh / 2 - 0.75, ww, 1.5);
        cairo_fill(cr);
    }
}

void Boat(cairo_t* cr, double x, double water, double size, Rgb hull, Rgb sail, bool mirrored) {
    cairo_save(cr);
    cairo_translate(cr, x, water);
    if (mirrored)
        cairo_scale(cr, -1, 1);
    Poly(cr, {-size * 0.55, -size * 0.12, size * 0.6, -size * 0.12, size * 0.42, size * 0.08,
              -size * 0.4, size * 0.08});
    SetColour(cr, hull);
    cairo_fill(cr);
    SetColour(cr, Mix(hull, kWhite, 0.5));
    cairo_rectangle(cr, -size * 0.5, -size * 0.1, size * 1.08, size * 0.03);
    cairo_fill(cr);
    SetColour(cr, Hex(0x5a4030));
    cairo_rectangle(cr, -size * 0.02, -size * 0.95, size * 0.035, size * 0.84);
    cairo_fill(cr);
    cairo_move_to(cr, size * 0.03, -size * 0.9);
    cairo_curve_to(cr, size * 0.3, -size * 0.6, size * 0.42, -size * 0.35, size * 0.45,
                   -size * 0.17);
    cairo_line_to(cr, size * 0.03, -size * 0.17);
    cairo_close_path(cr);
    SetColour(cr, sail);
    cairo_fill(cr);
    Poly(cr, {-size * 0.04, -size * 0.8, -size * 0.04, -size * 0.17, -size * 0.4, -size * 0.17});
    SetColour(cr, Mix(sail, kBlack, 0.1));
    cairo_fill(cr);
    cairo_restore(cr);
}

void Waves(cairo_t* cr, double w, double y, double amplitude, double wavelength, Rgb colour,
           double lineWidth, double phase) {
    for (double x = -4; x <= w + 4; x += 2) {
        const double wy = y + amplitude * std::sin((x / wavelength) * 2 * kPi + phase);
        x == -4 ? cairo_move_to(cr, x, wy) : cairo_line_to(cr, x, wy);
    }
    SetColour(cr, colour);
    cairo_set_line_width(cr, lineWidth);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void Flower(cairo_t* cr, double x, double y, double radius, int petals, Rgb petal, Rgb centre) {
    for (int i = 0; i < petals; ++i) {
        const double angle = 2 * kPi * i / petals;
        cairo_save(cr);
        cairo_translate(cr, x + radius * 0.55 * std::cos(angle),
                        y + radius * 0.55 * std::sin(angle));
        cairo_rotate(cr, angle);
        cairo_scale(cr, 1.0, 0.6);
        Circle(cr, 0, 0, radius * 0.48);
        cairo_restore(cr);
        SetColour(cr, i % 2 == 0 ? petal : Mix(petal, kWhite, 0.15));
        cairo_fill(cr);
    }
    SetColour(cr, centre);
    Circle(cr, x, y, radius * 0.3);
    cairo_fill(cr);
}

void Tulip(cairo_t* cr, double x, double ground, double height, Rgb bloom, Rgb stem) {
    SetColour(cr, stem);
    cairo_set_line_width(cr, std::max(1.5, height * 0.06));
    cairo_move_to(cr, x, ground);
    cairo_curve_to(cr, x + height * 0.05, ground - height * 0.4, x - height * 0.03,
                   ground - height * 0.6, x, ground - height * 0.75);
    cairo_stroke(cr);
    cairo_move_to(cr, x, ground - height * 0.1);
    cairo_curve_to(cr, x + height * 0.25, ground - height * 0.3, x + height * 0.25,
                   ground - height * 0.45, x + height * 0.2, ground - height * 0.55);
    cairo_curve_to(cr, x + height * 0.1, ground - height * 0.35, x + height * 0.05,
                   ground - height * 0.25, x, ground - height * 0.15);
    cairo_fill(cr);
    const double top = ground - height;
    const double half = height * 0.16;
    cairo_move_to(cr, x - half, top + height * 0.08);
    cairo_line_to(cr, x - half * 0.5, top + height * 0.16);
    cairo_line_to(cr, x, top);
    cairo_line_to(cr, x + half * 0.5, top + height * 0.16);
    cairo_line_to(cr, x + half, top + height * 0.08);
    cairo_curve_to(cr, x + half * 1.1, top + height * 0.25, x + half * 0.6, top + height * 0.3, x,
                   top + height * 0.3);
    cairo_curve_to(cr, x - half * 0.6, top + height * 0.3, x - half * 1.1, top + height * 0.25,
                   x - half, top + height * 0.08);
    cairo_close_path(cr);
    SetColour(cr, bloom);
    cairo_fill(cr);
}

void Fence(cairo_t* cr, double x0, double x1, double ground, double height, Rgb colour) {
    SetColour(cr, Mix(colour, kBlack, 0.2));
    cairo_rectangle(cr, x0, ground - height * 0.75, x1 - x0, height * 0.1);
    cairo_rectangle(cr, x0, ground - height * 0.35, x1 - x0, height * 0.1);
    cairo_fill(cr);
    SetColour(cr, colour);
    for (double x = x0; x < x1; x += height * 0.42) {
        Poly(cr, {x, ground, x, ground - height * 0.85, x + height * 0.1, ground - height,
                  x + height * 0.2, ground - height * 0.85, x + height * 0.2, ground});
        cairo_fill(cr);
    }
}

void Fish(cairo_t* cr, double x, double y, double size, Rgb body, Rgb fin, bool facingLeft) {
    cairo_save(cr);
    cairo_translate(cr, x, y);
    if (!facingLeft)
        cairo_scale(cr, -1, 1);
    Poly(cr, {size * 0.35, 0, size * 0.6, -size * 0.25, size * 0.6, size * 0.25});
    SetColour(cr, fin);
    cairo_fill(cr);
    cairo_save(cr);
    cairo_scale(cr, 1.0, 0.55);
    Circle(cr, 0, 0, size * 0.45);
    cairo_restore(cr);
    SetColour(cr, body);
    cairo_fill(cr);
    SetColour(cr, fin);
    cairo_move_to(cr, -size * 0.05, -size * 0.22);
    cairo_curve_to(cr, size * 0.05, -size * 0.42, size * 0.2, -size * 0.35, size * 0.25,
                   -size * 0.18);
    cairo_close_path(cr);
    cairo_fill(cr);
    SetColour(cr, Mix(body, kWhite, 0.45));
    cairo_set_line_width(cr, size * 0.05);
    cairo_move_to(cr, -size * 0.02, -size * 0.2);
    cairo_curve_to(cr, size * 0.06, -size * 0.05, size * 0.06, size * 0.05, -size * 0.02,
                   size * 0.2);
    cairo_stroke(cr);
    SetColour(cr, kWhite);
    Circle(cr, -size * 0.25, -size * 0.05, size * 0.07);
    cairo_fill(cr);
    SetColour(cr, Hex(0x102030));
    Circle(cr, -size * 0.26, -size * 0.05, size * 0.035);
    cairo_fill(cr);
    cairo_restore(cr);
}

void Butterfly(cairo_t* cr, double x, double y, double size, Rgb wing, Rgb spot) {
    for (int side : {-1, 1}) {
        cairo_save(cr);
        cairo_translate(cr, x, y);
        cairo_scale(cr, side, 1);
        cairo_move_to(cr, 0, 0);
        cairo_curve_to(cr, size * 0.3, -size * 0.9, size * 1.0, -size * 0.6, size * 0.7, 0);
        cairo_curve_to(cr, size * 0.9, size * 0.5, size * 0.3, size * 0.7, 0, size * 0.1);
        cairo_close_path(cr);
        SetColour(cr, wing);
        cairo_fill(cr);
        SetColour(cr, spot);
        Circle(cr, size * 0.5, -size * 0.3, size * 0.14);
        cairo_fill(cr);
        cairo_restore(cr);
    }
    SetColour(cr, Hex(0x2a2020));
    cairo_save(cr);
    cairo_translate(cr, x, y + size * 0.05);
    cairo_scale(cr, 0.25, 1);
    Circle(cr, 0, 0, size * 0.4);
    cairo_restore(cr);
    cairo_fill(cr);
}

void Rainbow(cairo_t* cr, double cx, double cy, double radius, double band) {
    const Rgb colours[] = {Hex(0xe8473c), Hex(0xf39a2b), Hex(0xf6d32d),
                           Hex(0x5cb85c), Hex(0x3a8fd6), Hex(0x6a4fb3)};
    cairo_set_line_width(cr, band);
    for (int i = 0; i < 6; ++i) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, radius - i * band, kPi, 2 * kPi);
        SetColour(cr, colours[i], 0.85);
        cairo_stroke(cr);
    }
}

void Balloon(cairo_t* cr, double x, double y, double radius, Rgb a, Rgb b) {
    const int gores = 6;
    for (int i = 0; i < gores; ++i) {
        const double t0 = -1 + 2.0 * i / gores, t1 = -1 + 2.0 * (i + 1) / gores;
        cairo_move_to(cr, x, y - radius);
        cairo_curve_to(cr, x + radius * 1.35 * t0, y - radius, x + radius * 1.25 * t0,
                       y + radius * 0.5, x + radius * 0.25 * t0, y + radius * 1.15);
        cairo_line_to(cr, x + radius * 0.25 * t1, y + radius * 1.15);
        cairo_curve_to(cr, x + radius * 1.25 * t1, y + radius * 0.5, x + radius * 1.35 * t1,
                       y - radius, x, y - radius);
        cairo_close_path(cr);
        SetColour(cr, i % 2 == 0 ? a : b);
        cairo_fill(cr);
    }
    SetColour(cr, Hex(0x6b4a2a));
    cairo_set_line_width(cr, 1.2);
    for (double dx : {-0.25, 0.25}) {
        cairo_move_to(cr, x + radius * dx, y + radius * 1.15);
        cairo_line_to(cr, x + radius * dx * 0.7, y + radius * 1.5);
    }
    cairo_stroke(cr);
    SetColour(cr, Hex(0x8b5a2b));
    cairo_rectangle(cr, x - radius * 0.2, y + radius * 1.5, radius * 0.4, radius * 0.3);
    cairo_fill(cr);
}

void Sheep(cairo_t* cr, double x, double ground, double size, bool facingLeft) {
    cairo_save(cr);
    cairo_translate(cr, x, ground);
    if (!facingLeft)
        cairo_scale(cr, -1, 1);
    SetColour(cr, Hex(0x3a3230));
    for (double lx : {-0.3, -0.1, 0.15, 0.32})
        cairo_rectangle(cr, size * lx, -size * 0.3, size * 0.07, size * 0.3);
    cairo_fill(cr);
    SetColour(cr, Hex(0xf4f1ea));
    for (int i = 0; i < 7; ++i) {
        const double a = kPi + i * kPi / 6;
        Circle(cr, size * 0.35 * std::cos(a), -size * 0.48 + size * 0.2 * std::sin(a), size * 0.2);
    }
    cairo_fill(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, -size * 0.45);
    cairo_scale(cr, 1.0, 0.6);
    Circle(cr, 0, 0, size * 0.42);
    cairo_restore(cr);
    cairo_fill(cr);
    SetColour(cr, Hex(0x3a3230));
    cairo_save(cr);
    cairo_translate(cr, -size * 0.45, -size * 0.52);
    cairo_scale(cr, 0.75, 1.0);
    Circle(cr, 0, 0, size * 0.14);
    cairo_restore(cr);
    cairo_fill(cr);
    cairo_restore(cr);
}

} // namespace content::motif
