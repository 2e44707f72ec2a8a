// Piece outlines of the built-in pages: jigsaw pieces with round tabs and
// blanks, or smooth pebbles, each filling its body box, drawn with the
// engine's outlines (photos/piece_outline.h) from draws of their own page
// and piece.
#pragma once

#include "image.h"
#include "photos/piece_outline.h"

#include <vector>

namespace content {

using photos::Polygon;
using photos::Rasterize;
using photos::Vec;

enum class OutlineStyle { kJigsaw, kPebble };

OutlineStyle StyleOfPage(int page);

// The outline of piece `piece` in a w x h box; the same arguments always give
// the same outline, and two pieces of one page never share one.
Polygon PieceOutline(int page, int piece, int w, int h);

Mask PieceMask(int page, int piece, int w, int h);

// A classic piece for decoration (icon, title): tabs out at the top and
// right, blanks in at the bottom and left.
Polygon EmblemOutline(double size);

} // namespace content
