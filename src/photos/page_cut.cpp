#include "photos/page_cut.h"

#include "game/screen_layout.h"
#include "photos/photo_frame.h"
#include "photos/piece_outline.h"
#include "photos/shape_random.h"

#include <algorithm>

namespace photos {

namespace {

// Seeds of the cutter's separate draws, so that changing one never shifts
// another.
constexpr uint64_t kHoleDraws = 0x70686f746f686f6cull;
constexpr uint64_t kLooseDraws = 0x70686f746f6c6f6full;
constexpr uint64_t kShapeDraws = 0x70686f746f736870ull;

constexpr int kSmallestBody = 32;
// Loose pieces end two pixels above the button bar, as on the built-in pages.
constexpr Box kLooseArea{0, 0, kScreenWidth, kButtonBarTop - 2};
// The placement search moves in steps of this many pixels.
constexpr int kLooseStep = 4;

struct Grid {
    int columns = 0;
    int rows = 0;
};

Grid GridFor(int32_t count, bool landscape) {
    // Columns x rows of a landscape page for each count; any other count
    // is cut as sixteen.
    struct CountGrid {
        int32_t count;
        Grid grid;
    };
    constexpr CountGrid kGrids[] = {{4, {2, 2}}, {6, {3, 2}}, {9, {3, 3}}, {12, {4, 3}}};
    Grid grid{4, 4};
    for (const CountGrid& entry : kGrids)
        if (entry.count == count)
            grid = entry.grid;
    if (!landscape)
        std::swap(grid.columns, grid.rows);
    return grid;
}

// The largest body side for a count: more pieces, smaller pieces, as on the
// built-in pages, so that they all find room beside the picture.
int LargestBody(int32_t count) {
    if (count <= 4)
        return 150;
    if (count <= 6)
        return 140;
    return count <= 9 ? 120 : count <= 12 ? 112 : 100;
}

// One body per grid cell, at most `largest` on a side, jittered in size and
// place. The first piece's body starts where its hole picture, which covers
// the whole frame, puts it: at the frame's corner plus the fit offset.
bool PlaceHoles(const Box& frame, int32_t count, int largest, Random& random,
                std::vector<PieceGeometry>& pieces) {
    const Grid grid = GridFor(count, frame.w > frame.h);
    const int half = kPhotoHoleGap / 2;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) {
            const int cellLeft = frame.x + frame.w * column / grid.columns;
            const int cellRight = frame.x + frame.w * (column + 1) / grid.columns;
            const int cellTop = frame.y + frame.h * row / grid.rows;
            const int cellBottom = frame.y + frame.h * (row + 1) / grid.rows;
            const int left = column == 0 ? frame.x + kDragFromHole.x + kBodyInset : cellLeft + half;
            const int top = row == 0 ? frame.y + kDragFromHole.y + kBodyInset : cellTop + half;
            const int right = column == grid.columns - 1 ? frame.Right() - kPhotoHoleEdgeMargin
                                                         : cellRight - half;
            const int bottom =
                row == grid.rows - 1 ? frame.Bottom() - kPhotoHoleEdgeMargin : cellBottom - half;
            const int roomW = std::min(largest, right - left);
            const int roomH = std::min(largest, bottom - top);
            if (roomW < kSmallestBody || roomH < kSmallestBody)
                return false;
            PieceGeometry piece;
            piece.area = frame;
            piece.first = pieces.empty();
            piece.w = roomW - random.Between(0, roomW / 10);
            piece.h = roomH - random.Between(0, roomH / 10);
            const int x = piece.first ? left : left + random.Between(0, right - left - piece.w);
            const int y = piece.first ? top : top + random.Between(0, bottom - top - piece.h);
            piece.hole = {x - kDragFromHole.x - kBodyInset, y - kDragFromHole.y - kBodyInset};
            pieces.push_back(piece);
        }
    return true;
}

bool LooseFits(const PieceGeometry& piece, const std::vector<Box>& taken, const Box& keepOut) {
    const Box footprint = piece.LooseFootprint();
    if (!kLooseArea.Contains(piece.LooseRect()) || !kLooseArea.Contains(footprint) ||
        footprint.Intersects(keepOut))
        return false;
    const Box apart = footprint.Inflated(kPhotoLooseGap);
    for (const Box& other : taken)
        if (apart.Intersects(other))
            return false;
    return true;
}

// First place on one side of the picture, scanning rows from a drawn start
// row (so the pieces spread down the side) and each row from the screen's
// edge inwards.
bool FindLoosePlace(PieceGeometry& piece, bool leftSide, int startRow,
                    const std::vector<Box>& taken, const Box& keepOut) {
    const int rows = kLooseArea.h / kLooseStep;
    const int columns = kLooseArea.w / kLooseStep;
    for (int r = 0; r < rows; ++r) {
        const int y = ((startRow + r) % rows) * kLooseStep;
        for (int c = 0; c < columns; ++c) {
            const int footX = leftSide
                                  ? c * kLooseStep
                                  : kLooseArea.Right() - piece.w - kShadowReach - c * kLooseStep;
            const int x = footX - kDragFromLoose.x - kBodyInset;
            if (leftSide ? footX >= keepOut.x : footX + piece.w + kShadowReach <= keepOut.Right())
                break;
            piece.loose = {x, y};
            if (LooseFits(piece, taken, keepOut))
                return true;
        }
    }
    return false;
}

bool PlaceLoose(const Box& frame, Random& random, std::vector<PieceGeometry>& pieces) {
    const Box keepOut = frame.Inflated(kFrameBorder);
    std::vector<size_t> order(pieces.size());
    for (size_t i = 0; i < order.size(); ++i)
        order[i] = i;
    for (size_t i = order.size(); i > 1; --i)
        std::swap(order[i - 1],
                  order[static_cast<size_t>(random.Between(0, static_cast<int>(i) - 1))]);
    std::vector<Box> taken;
    for (size_t k = 0; k < order.size(); ++k) {
        PieceGeometry& piece = pieces[order[k]];
        const bool left = k % 2 == 0;
        const int startRow = random.Between(0, kLooseArea.h / kLooseStep - 1);
        if (!FindLoosePlace(piece, left, startRow, taken, keepOut) &&
            !FindLoosePlace(piece, !left, startRow, taken, keepOut) &&
            !FindLoosePlace(piece, left, 0, taken, keepOut) &&
            !FindLoosePlace(piece, !left, 0, taken, keepOut))
            return false;
        taken.push_back(piece.LooseFootprint());
    }
    return true;
}

} // namespace

PhotoLayout LayOutPhotoPage(const Box& frame, int32_t pieceCount, uint32_t seed) {
    PhotoLayout layout;
    layout.frame = frame;
    if (!IsFrame(frame) || !IsPieceCount(pieceCount))
        return layout;
    // Smaller pieces until they all find room; the draws restart for each
    // size so the result depends on the seed alone.
    for (int largest = LargestBody(pieceCount); largest >= kSmallestBody; largest -= largest / 10) {
        Random holes(kHoleDraws, seed, static_cast<uint64_t>(largest));
        Random loose(kLooseDraws, seed, static_cast<uint64_t>(largest));
        std::vector<PieceGeometry> pieces;
        if (PlaceHoles(frame, pieceCount, largest, holes, pieces) &&
            PlaceLoose(frame, loose, pieces)) {
            layout.pieces = std::move(pieces);
            break;
        }
    }
    for (size_t i = 0; i < layout.pieces.size(); ++i) {
        Random shape(kShapeDraws, seed, i);
        const PieceGeometry& piece = layout.pieces[i];
        layout.masks.push_back(Rasterize(JigsawOutline(shape, piece.w, piece.h), piece.w, piece.h));
    }
    return layout;
}

CutPage CutPhotoPage(const Image& picture, const Image& background, const Box& frame,
                     int32_t pieceCount, uint32_t seed) {
    CutPage page;
    if (picture.Width() != frame.w || picture.Height() != frame.h ||
        background.Width() != kScreenWidth || background.Height() != kScreenHeight)
        return page;
    page.layout = LayOutPhotoPage(frame, pieceCount, seed);
    if (page.layout.pieces.empty())
        return page;
    page.pictures = DrawPiecePictures(picture, background, page.layout.pieces, page.layout.masks);
    for (const Mask& body : page.layout.masks)
        page.aids.push_back({DrawSelectionRing(body), DrawHoleGlow(body)});
    return page;
}

} // namespace photos
