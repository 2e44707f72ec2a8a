#include "layout.h"

#include "game/catalogue.h"

#include <stdexcept>

namespace content {

namespace {

// Every piece starts this small when the sizes are grown.
constexpr int kStartSize = 24;

} // namespace

PageRange PiecesOf(int page) {
    if (page < 1 || page > kPages)
        throw std::out_of_range("page");
    return {FirstPieceOfPage(page), PieceCountOfPage(page)};
}

int PageOf(int piece) {
    const int page = PageOfPiece(piece);
    if (page == 0)
        throw std::out_of_range("piece");
    return page;
}

std::string PieceFileName(Kind kind, int piece) {
    return g_pieceFileNames[static_cast<size_t>(TagOf(static_cast<int32_t>(kind), piece))];
}

Box PieceLayout::HoleBody() const {
    return {hole.x + kDragFromHole.x + kBodyInset, hole.y + kDragFromHole.y + kBodyInset, w, h};
}

Box PieceLayout::LooseBody() const {
    return {loose.x + kDragFromLoose.x + kBodyInset, loose.y + kDragFromLoose.y + kBodyInset, w, h};
}

Box PieceLayout::LooseFootprint() const {
    const Box body = LooseBody();
    return {body.x, body.y, w + kShadowReach, h + kShadowReach};
}

Box PieceLayout::DragRect(Point topLeft) const {
    return {topLeft.x, topLeft.y, kBodyInset + w + kShadowReach, kBodyInset + h + kShadowReach};
}

Box PieceLayout::LooseRect() const {
    const Box drag = DragAtRest();
    return {loose.x, loose.y, drag.Right() - loose.x, drag.Bottom() - loose.y};
}

Box PieceLayout::HoleRect() const {
    if (first)
        return kPictureArea;
    const Box body = HoleBody();
    return {hole.x, hole.y, body.Right() - hole.x, body.Bottom() - hole.y};
}

int MaxBodyWidth(int pieceCount) {
    if (pieceCount >= 9)
        return 112;
    return pieceCount >= 7 ? 126 : 150;
}

int MaxBodyHeight(int pieceCount) {
    if (pieceCount >= 9)
        return 120;
    return pieceCount >= 7 ? 126 : 150;
}

bool Fits(const std::vector<PieceLayout>& pieces, size_t i, Constraints constraints) {
    const bool loose = constraints == Constraints::kAll;
    const PieceLayout& piece = pieces[i];
    // Recesses keep a little picture between them and the frame.
    const Box inner = {kPictureArea.x, kPictureArea.y, kPictureArea.w - kHoleEdgeMargin,
                       kPictureArea.h - kHoleEdgeMargin};
    if (!kPictureArea.Contains(piece.HoleRect()) || !inner.Contains(piece.HoleBody()))
        return false;
    const Box footprint = piece.LooseFootprint();
    const Box screen{0, 0, kScreenWidth, kLooseBottom};
    if (loose && (!screen.Contains(piece.LooseRect()) || !screen.Contains(footprint) ||
                  footprint.Intersects(kPictureArea.Inflated(kFrameWidth))))
        return false;
    for (size_t j = 0; j < pieces.size(); ++j) {
        if (j == i)
            continue;
        if (piece.HoleBody().Inflated(kHoleGap).Intersects(pieces[j].HoleBody()))
            return false;
        if (loose && footprint.Inflated(kLooseGap).Intersects(pieces[j].LooseFootprint()))
            return false;
    }
    return true;
}

void GrowSizes(std::vector<PieceLayout>& pieces, Constraints constraints) {
    const int count = static_cast<int>(pieces.size());
    for (PieceLayout& piece : pieces)
        piece.w = piece.h = kStartSize;
    for (size_t i = 0; i < pieces.size(); ++i)
        if (!Fits(pieces, i, constraints))
            throw std::runtime_error("piece " + std::to_string(pieces[i].piece) +
                                     " has no room at its positions");
    bool grew = true;
    while (grew) {
        grew = false;
        for (size_t i = 0; i < pieces.size(); ++i) {
            PieceLayout& piece = pieces[i];
            if (piece.w < MaxBodyWidth(count)) {
                ++piece.w;
                if (Fits(pieces, i, constraints))
                    grew = true;
                else
                    --piece.w;
            }
            if (piece.h < MaxBodyHeight(count)) {
                ++piece.h;
                if (Fits(pieces, i, constraints))
                    grew = true;
                else
                    --piece.h;
            }
        }
    }
}

std::vector<PieceLayout> PageLayout(int page) {
    // The positions the game lays a new page out with: record n of the loose
    // and hole lists belongs to the page's n-th piece.
    const PageRange range = PiecesOf(page);
    const SpriteRecord* loose = g_pageTable[page][kLooseKind];
    const SpriteRecord* holes = g_pageTable[page][kHoleKind];
    std::vector<PieceLayout> pieces;
    for (int n = 0; n < range.count; ++n) {
        PieceLayout piece;
        piece.piece = range.first + n;
        piece.first = n == 0;
        piece.loose = {loose[n].x, loose[n].y};
        piece.hole = {holes[n].x, holes[n].y};
        pieces.push_back(piece);
    }
    GrowSizes(pieces);
    return pieces;
}

} // namespace content
