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
#pragma once

#include "image.h"
#include "layout.h"
#include "outline.h"

#include <vector>

namespace content {

struct PiecePictures {
    Image loose;
    Image hole;
    Image placed;
    Image drag;
};

// page: page number; picture: the page picture (picture-area size);
// background: the common 1024 x 768 page background.
std::vector<PiecePictures> DrawPiecePictures(int page, const Image& picture,
                                             const Image& background,
                                             const std::vector<PieceLayout>& layout);

// The body shape of a piece at its layout size.
Mask BodyMask(int page, const PieceLayout& piece);

// The drag picture's opaque pixels: the body at (kBodyInset, kBodyInset) and
// its stippled shadow.
Mask DragShape(const Mask& body, Mask* shadowOnly = nullptr);

} // namespace content
