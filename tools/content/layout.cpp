#include "layout.h"

#include "game/piece_positions.h"

#include <cstdio>
#include <stdexcept>

namespace content {

namespace {

// Pieces per page, in page order.
constexpr int kPieceCounts[kPages] = {9, 9, 9,  8, 8,  12, 6, 8, 7, 4, 7, 9, 8, 4, 7,
                                      6, 5, 11, 8, 11, 9,  7, 6, 5, 4, 5, 9, 7, 8, 4};

constexpr int kStartSize = 24;

const char kKindLetters[] = {'b', 'h', 'i', 'o'};

} // namespace

PageRange PiecesOf(int page) {
    if (page < 1 || page > kPages)
        throw std::out_of_range("page");
    int first = 1;
    for (int p = 1; p < page; ++p)
        first += kPieceCounts[p - 1];
    return {first, kPieceCounts[page - 1]};
}

int PageOf(int piece) {
    for (int page = 1; page <= kPages; ++page) {
        const PageRange range = PiecesOf(page);
        if (piece >= range.first && piece < range.first + range.count)
            return page;
    }
    throw std::out_of_range("piece");
}

std::string PieceFileName(Kind kind, int piece) {
    char name[32];
    std::snprintf(name, sizeof name, "\\Data\\%c%03d.dat", kKindLetters[static_cast<int>(kind)],
                  piece);
    return name;
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
    const PageRange range = PiecesOf(page);
    std::vector<PieceLayout> pieces;
    for (int n = 0; n < range.count; ++n) {
        const PiecePositions& at = g_piecePositions[range.first - 1 + n];
        PieceLayout piece;
        piece.piece = range.first + n;
        piece.first = n == 0;
        piece.loose = {at.looseX, at.looseY};
        piece.hole = {at.holeX, at.holeY};
        pieces.push_back(piece);
    }
    GrowSizes(pieces);
    return pieces;
}

} // namespace content
