// Piece outlines: jigsaw pieces with round tabs and blanks, or smooth
// pebbles, each filling its body box. Outlines are rasterised here rather
// than by Cairo so the masks, and with them the game's hit shapes, never
// depend on a library version.
#pragma once

#include "image.h"

#include <vector>

namespace content {

struct Vec {
    double x = 0;
    double y = 0;
};
using Polygon = std::vector<Vec>;

enum class OutlineStyle { kJigsaw, kPebble };

OutlineStyle StyleOfPage(int page);

// The outline of piece `piece` in a w x h box; the same arguments always give
// the same outline, and two pieces of one page never share one.
Polygon PieceOutline(int page, int piece, int w, int h);

// Pixels whose centres lie inside the polygon (even-odd rule).
Mask Rasterize(const Polygon& polygon, int w, int h);

Mask PieceMask(int page, int piece, int w, int h);

// A classic piece for decoration (icon, title): tabs out at the top and
// right, blanks in at the bottom and left.
Polygon EmblemOutline(double size);

} // namespace content
