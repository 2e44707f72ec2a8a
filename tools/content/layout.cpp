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
