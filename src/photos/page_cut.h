// The photo cutter: from a frame-sized picture, a piece count and a seed, the
// pieces of a photo page, shaped, drawn and laid out as on the built-in
// pages. The holes sit in a jittered grid over the picture; the first piece
// owns the rest of the picture, as on every built-in page; the loose pieces
// lie beside the picture, on the screen, clear of the picture's border, the
// bottom bar and each other. The same picture, count and seed always give
// the same page, so a page folder only stores the picture and the seed.
#pragma once

#include "photos/aid_art.h"
#include "photos/piece_art.h"
#include "photos/piece_geometry.h"
#include "photos/raster.h"

#include <cstdint>
#include <vector>

namespace photos {

// Holes and loose pieces keep this far apart; 12 keeps every hole picture
// (which reaches 11 pixels left of its body) off the other bodies.
constexpr int kPhotoHoleGap = 12;
constexpr int kPhotoLooseGap = 4;
// Recesses keep a little picture between them and the border.
constexpr int kPhotoHoleEdgeMargin = 6;

struct PhotoLayout {
    Box frame;
    std::vector<PieceGeometry> pieces; // the first piece first
    std::vector<Mask> masks;           // each piece's body shape
};

// Where the pieces of a page go and their shapes. Empty (no pieces) when the
// frame is not a photo frame or the count not one of kPieceCounts.
PhotoLayout LayOutPhotoPage(const Box& frame, int32_t pieceCount, uint32_t seed);

// The keyboard's aids for one piece: the ring round it while it lies loose
// and chosen, and the frames of its hole's hint glow.
struct AidPictures {
    Image selectionRing;
    Image holeGlow;
};

struct CutPage {
    PhotoLayout layout;
    std::vector<PiecePictures> pictures; // one per piece, in layout order
    std::vector<AidPictures> aids;       // likewise
};

// picture: frame-sized; background: the 1024 x 768 page background the loose
// pieces' shadows fall on. Empty when the sizes or the count do not fit.
CutPage CutPhotoPage(const Image& picture, const Image& background, const Box& frame,
                     int32_t pieceCount, uint32_t seed);

} // namespace photos
