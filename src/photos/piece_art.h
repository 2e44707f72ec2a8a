// The four pictures of every piece, cut from the page picture:
//   loose  - the piece lying beside the picture, with a faint shadow;
//   hole   - the empty recess it leaves in the picture;
//   placed - the piece back in the picture, exactly the picture's pixels;
//   drag   - the piece lifted, with a stippled shadow that reads as soft on
//            any background.
// The page's first piece owns every picture pixel outside the other pieces,
// so its hole and placed pictures cover the whole picture area; every other
// piece's pictures are opaque only on its own body. Each pixel of the
// picture therefore belongs to exactly one piece and shows that piece's hole
// or placed picture, in any order of sprites and any state of play.
// The content tool draws the built-in pieces with this and the photo cutter
// its own, so both look and play alike.
#pragma once

#include "photos/piece_geometry.h"
#include "photos/raster.h"

#include <vector>

namespace photos {

struct PiecePictures {
    Image loose;
    Image hole;
    Image placed;
    Image drag;
};

// picture: the page picture (the size of the pieces' area); background: the
// 1024 x 768 page background the loose pieces lie on; masks[i]: the body
// shape of pieces[i] at its body size.
std::vector<PiecePictures> DrawPiecePictures(const Image& picture, const Image& background,
                                             const std::vector<PieceGeometry>& pieces,
                                             const std::vector<Mask>& masks);

// The drag picture's opaque pixels: the body at (kBodyInset, kBodyInset) and
// its stippled shadow.
Mask DragShape(const Mask& body, Mask* shadowOnly = nullptr);

} // namespace photos
