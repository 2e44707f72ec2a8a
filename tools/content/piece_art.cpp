#include "piece_art.h"

namespace content {

Mask BodyMask(int page, const PieceLayout& piece) {
    return PieceMask(page, piece.piece, piece.w, piece.h);
}

std::vector<PiecePictures> DrawPiecePictures(int page, const Image& picture,
                                             const Image& background,
                                             const std::vector<PieceLayout>& layout) {
    std::vector<photos::PieceGeometry> pieces;
    std::vector<Mask> masks;
    for (const PieceLayout& piece : layout) {
        pieces.push_back(piece);
        masks.push_back(BodyMask(page, piece));
    }
    return photos::DrawPiecePictures(picture, background, pieces, masks);
}

} // namespace content
