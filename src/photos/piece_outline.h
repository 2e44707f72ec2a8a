// Piece outlines: jigsaw pieces with round tabs and blanks, or smooth
// pebbles, each filling its body box. Outlines are rasterised here rather
// than by a drawing library so the masks, and with them the game's hit
// shapes, never depend on a library version. The content tool draws the
// built-in pieces with these, and the photo cutter its pieces.
#pragma once

#include "photos/raster.h"
#include "photos/shape_random.h"

#include <vector>

namespace photos {

struct Vec {
    double x = 0;
    double y = 0;
};
using Polygon = std::vector<Vec>;

enum class Side { kFlat, kOut, kIn };

// A jigsaw piece in a w x h box whose sides (top, right, bottom, left) have
// a round tab (out), a blank (in) or nothing, of the given depth.
Polygon JigsawWithSides(const Side sides[4], double w, double h, double depth, Random& random);
// A jigsaw piece with at least three shaped sides, drawn from random.
Polygon JigsawOutline(Random& random, int w, int h);
// A rounded, gently lumpy pebble filling its w x h box.
Polygon PebbleOutline(Random& random, int w, int h);

// Pixels whose centres lie inside the polygon (even-odd rule).
Mask Rasterize(const Polygon& polygon, int w, int h);

} // namespace photos
