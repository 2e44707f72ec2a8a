// The four pictures of every built-in piece (loose, hole, placed, drag),
// drawn by the engine's piece art (photos/piece_art.h, which tells how they
// look) from the page picture and the catalogue's layout.
#pragma once

#include "image.h"
#include "layout.h"
#include "outline.h"
#include "photos/piece_art.h"

#include <vector>

namespace content {

using photos::DragShape;
using photos::PiecePictures;

// page: page number; picture: the page picture (picture-area size);
// background: the common 1024 x 768 page background.
std::vector<PiecePictures> DrawPiecePictures(int page, const Image& picture,
                                             const Image& background,
                                             const std::vector<PieceLayout>& layout);

// The body shape of a piece at its layout size.
Mask BodyMask(int page, const PieceLayout& piece);

} // namespace content
