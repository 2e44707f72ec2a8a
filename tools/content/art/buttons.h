// Picture buttons: a released face and a visibly pressed one (sunk, darker,
// lit from below), each drawn over the exact pixels the button covers so the
// rounded corners blend into what lies behind it.
#pragma once

#include "paint.h"

#include <functional>

namespace content {

struct ButtonColours {
    Rgb light;
    Rgb dark;
    Rgb edge;
    Rgb ink;
};

constexpr ButtonColours kCreamButton{Hex(0xfbf1d6), Hex(0xdcc48e), Hex(0x4a2e16), Hex(0x3b2a1a)};
constexpr ButtonColours kGreenButton{Hex(0x8fe07a), Hex(0x3f9e3a), Hex(0x1f4d1c), Hex(0xffffff)};

// Draws the button's symbol centred in a w x h box at the origin; the face
// is already set up and the ink colour is the current source.
using ButtonSymbol = std::function<void(cairo_t* cr, double w, double h)>;

// Two faces stacked (released above pressed), each over `behind`, which must
// be the face's size.
Image DrawButton(const Image& behind, const ButtonColours& colours, const ButtonSymbol& symbol);

// A ring round (cx, cy) for a control that acts when held: faint, and
// filling clockwise from the top as done goes from 0 to 1 in the ink colour.
void HoldRing(cairo_t* cr, double cx, double cy, double r, double done, double width);

// Symbols.
ButtonSymbol TextSymbol(const char* text, double size);
ButtonSymbol ArrowSymbol(bool left);
ButtonSymbol InfoSymbol();
ButtonSymbol DoorSymbol();
ButtonSymbol ClearSymbol();
// The sound switch's speaker for setting 0 (all on), 1 (music off), 2 (all off).
ButtonSymbol SpeakerSymbol(int setting);
// The picture book: an open book.
ButtonSymbol BookSymbol();

} // namespace content
