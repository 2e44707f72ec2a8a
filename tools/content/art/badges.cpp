#include "art/badges.h"

#include "canvas.h"
#include "game/player_badges.h"
#include "paint.h"

#include <cmath>

namespace content {

namespace {

constexpr double kS = kBadgeSize;
constexpr double kPi2 = 6.283185307179586;

void Circle(cairo_t* cr, double x, double y, double r, Rgb colour) {
    cairo_arc(cr, x, y, r, 0, kPi2);
    SetColour(cr, colour);
    cairo_fill(cr);
}

void Eyes(cairo_t* cr, double y, double apart, double r) {
    Circle(cr, kS / 2 - apart, y, r, Hex(0x2b2b33));
    Circle(cr, kS / 2 + apart, y, r, Hex(0x2b2b33));
    Circle(cr, kS / 2 - apart + r / 3, y - r / 3, r / 3, Hex(0xffffff));
    Circle(cr, kS / 2 + apart + r / 3, y - r / 3, r / 3, Hex(0xffffff));
}

// A pointed ear at the three corners given (left side) and its mirror image.
void Ears(cairo_t* cr, Rgb colour, double x0, double y0, double x1, double y1, double x2,
          double y2) {
    SetColour(cr, colour);
    Poly(cr, {x0, y0, x1, y1, x2, y2});
    cairo_fill(cr);
    Poly(cr, {kS - x0, y0, kS - x1, y1, kS - x2, y2});
    cairo_fill(cr);
}

void Face(cairo_t* cr, Rgb fur) {
    Circle(cr, kS / 2, 37, 19, fur);
}

void Cat(cairo_t* cr) {
    Ears(cr, Hex(0xf29a38), 15, 30, 17, 10, 30, 22);
    Face(cr, Hex(0xf4a340));
    Eyes(cr, 34, 7, 3);
    Circle(cr, kS / 2, 41, 2.5, Hex(0xe0607a));
    SetColour(cr, Hex(0x5a3a1a));
    cairo_set_line_width(cr, 1);
    for (double dy : {-2.0, 2.0}) {
        cairo_move_to(cr, 24, 42 + dy);
        cairo_line_to(cr, 12, 40 + 2 * dy);
        cairo_move_to(cr, 40, 42 + dy);
        cairo_line_to(cr, 52, 40 + 2 * dy);
    }
    cairo_stroke(cr);
}

void Bear(cairo_t* cr) {
    Circle(cr, 18, 22, 7, Hex(0x8a5a32));
    Circle(cr, 46, 22, 7, Hex(0x8a5a32));
    Face(cr, Hex(0x9a6a42));
    Circle(cr, kS / 2, 44, 8, Hex(0xd9b48a));
    Eyes(cr, 33, 7, 3);
    Circle(cr, kS / 2, 41, 3, Hex(0x2b2b33));
}

void Rabbit(cairo_t* cr) {
    for (double x : {24.0, 40.0}) {
        cairo_save(cr);
        cairo_translate(cr, x, 14);
        cairo_scale(cr, 5, 13);
        cairo_arc(cr, 0, 0, 1, 0, kPi2);
        cairo_restore(cr);
        SetColour(cr, Hex(0xd0d0dc));
        cairo_fill(cr);
    }
    Face(cr, Hex(0xdcdce6));
    Eyes(cr, 35, 7, 3);
    Circle(cr, kS / 2, 42, 3, Hex(0xf08aa0));
}

void Frog(cairo_t* cr) {
    Circle(cr, 21, 22, 8, Hex(0x5cb03c));
    Circle(cr, 43, 22, 8, Hex(0x5cb03c));
    Face(cr, Hex(0x6cc04a));
    Eyes(cr, 22, 11, 4);
    SetColour(cr, Hex(0x2e6a20));
    cairo_set_line_width(cr, 2);
    cairo_arc(cr, kS / 2, 38, 11, 0.3, 2.84);
    cairo_stroke(cr);
}

void Pig(cairo_t* cr) {
    Ears(cr, Hex(0xe88ea2), 16, 26, 18, 14, 28, 21);
    Face(cr, Hex(0xf5a3b5));
    Eyes(cr, 32, 8, 3);
    cairo_save(cr);
    cairo_translate(cr, kS / 2, 43);
    cairo_scale(cr, 8, 6);
    cairo_arc(cr, 0, 0, 1, 0, kPi2);
    cairo_restore(cr);
    SetColour(cr, Hex(0xe07890));
    cairo_fill(cr);
    Circle(cr, kS / 2 - 3, 43, 1.6, Hex(0x8a3a4a));
    Circle(cr, kS / 2 + 3, 43, 1.6, Hex(0x8a3a4a));
}

void Owl(cairo_t* cr) {
    Ears(cr, Hex(0x7a5f8e), 16, 26, 18, 12, 27, 20);
    Face(cr, Hex(0x8a6f9e));
    Circle(cr, kS / 2 - 8, 34, 7, Hex(0xfff3d0));
    Circle(cr, kS / 2 + 8, 34, 7, Hex(0xfff3d0));
    Eyes(cr, 34, 8, 3.5);
    SetColour(cr, Hex(0xf2a020));
    Poly(cr, {28, 41, 36, 41, 32, 48});
    cairo_fill(cr);
}

void AddBadge(cairo_t* cr) {
    Circle(cr, kS / 2, kS / 2, 22, Hex(0x5cb85c));
    SetColour(cr, Hex(0xffffff));
    cairo_rectangle(cr, kS / 2 - 4, kS / 2 - 14, 8, 28);
    cairo_rectangle(cr, kS / 2 - 14, kS / 2 - 4, 28, 8);
    cairo_fill(cr);
}

void Card(cairo_t* cr, bool highlighted) {
    FillVertical(cr, 0, 0, kS, kS, Hex(0xfffaf0), Hex(0xf0e2c4));
    cairo_set_line_width(cr, highlighted ? 6 : 2);
    SetColour(cr, highlighted ? Hex(0xffc72c) : Hex(0x8a6a40));
    const double inset = highlighted ? 3 : 1;
    cairo_rectangle(cr, inset, inset, kS - 2 * inset, kS - 2 * inset);
    cairo_stroke(cr);
}

using Animal = void (*)(cairo_t*);
const Animal kAnimals[kBadgeRows] = {Cat, Bear, Rabbit, Frog, Pig, Owl, AddBadge};

} // namespace

Image DrawBadges() {
    Image strip(2 * kBadgeSize, kBadgeRows * kBadgeSize, Rgb{0, 0, 0});
    for (int row = 0; row < kBadgeRows; ++row)
        for (int column = 0; column < 2; ++column) {
            Canvas canvas(kBadgeSize, kBadgeSize);
            cairo_t* cr = canvas.Context();
            Card(cr, column == 1);
            kAnimals[row](cr);
            strip.Paste(canvas.ToImage(), column * kBadgeSize, row * kBadgeSize);
        }
    Avoid(strip, kKey);
    return strip;
}

} // namespace content
