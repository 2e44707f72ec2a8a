#include "game/shelf_layout.h"
#include "game/cell_grid.h"

#include <algorithm>

static_assert(kShelfColumns * kShelfRows == kShelfPerSheet, "one cell per slot");
static_assert(sizeof kShelfMarkCounts / sizeof kShelfMarkCounts[0] == kShelfMarkColumns,
              "one mark column per piece count");
static_assert(kShelfMarkRows == 16 + 1, "a row for every count of placed pieces");
static_assert(kShelfOutlineWidth == kShelfThumbWidth + 2 * kShelfOutlineMargin &&
                  kShelfOutlineHeight == kShelfThumbHeight + 2 * kShelfOutlineMargin,
              "the outlines go round the thumbnail box");
static_assert(kRemoveFrames == 3 + kRemoveSteps, "rest, tap, then each step of the hold");

// Each cell's margin of 4 belongs to no picture, so that a click between
// two cells opens neither.
constexpr CellGrid kShelfGrid = {
    kShelfGridLeft, kShelfGridTop, kShelfCellWidth, kShelfCellHeight, kShelfColumns, kShelfRows, 4};

RECT BoxRect(const ScreenBox& box) {
    return {box.x, box.y, box.x + box.width, box.y + box.height};
}

RECT ShelfCellRect(int32_t slot) {
    return GridCellRect(kShelfGrid, slot);
}

RECT ShelfThumbBoxRect(int32_t slot) {
    return GridPartRect(kShelfGrid, slot, kShelfThumbLeft, kShelfThumbTop, kShelfThumbWidth,
                        kShelfThumbHeight);
}

RECT ShelfThumbRect(int32_t slot, int32_t width, int32_t height) {
    return GridPartRect(kShelfGrid, slot, kShelfThumbLeft + (kShelfThumbWidth - width) / 2,
                        kShelfThumbTop + (kShelfThumbHeight - height) / 2, width, height);
}

RECT ShelfOutlineRect(int32_t slot) {
    return GridPartRect(kShelfGrid, slot, kShelfThumbLeft - kShelfOutlineMargin,
                        kShelfThumbTop - kShelfOutlineMargin, kShelfOutlineWidth,
                        kShelfOutlineHeight);
}

RECT ShelfMarkRect(int32_t slot) {
    return GridPartRect(kShelfGrid, slot, kShelfMarkLeft, kShelfMarkTop, kShelfMarkWidth,
                        kShelfMarkHeight);
}

RECT ShelfRemoveRect(int32_t slot) {
    return GridPartRect(kShelfGrid, slot, kRemoveLeft, kRemoveTop, kRemoveWidth, kRemoveHeight);
}

ShelfSpot ShelfSpotAt(int32_t x, int32_t y, bool sheetArrows) {
    if (InTurnTab(x, y))
        return {ShelfSpotKind::kTurn, -1};
    if (InsideRect(BoxRect(kAddPictureBox), x, y))
        return {ShelfSpotKind::kAddPicture, -1};
    if (sheetArrows && InsideRect(BoxRect(kPreviousSheetBox), x, y))
        return {ShelfSpotKind::kPreviousSheet, -1};
    if (sheetArrows && InsideRect(BoxRect(kNextSheetBox), x, y))
        return {ShelfSpotKind::kNextSheet, -1};
    const int32_t slot = GridCellAt(kShelfGrid, x, y);
    if (slot < 0)
        return {};
    if (InsideRect(ShelfRemoveRect(slot), x, y))
        return {ShelfSpotKind::kRemove, slot};
    return {ShelfSpotKind::kPicture, slot};
}

bool InTurnTab(int32_t x, int32_t y) {
    return InsideRect(BoxRect(kTurnTabBox), x, y);
}

int32_t ShelfMarkColumn(int32_t pieceCount) {
    for (int32_t column = 0; column < kShelfMarkColumns; ++column)
        if (kShelfMarkCounts[column] == pieceCount)
            return column;
    return -1;
}

void FitThumbnail(int32_t width, int32_t height, int32_t* fittedWidth, int32_t* fittedHeight) {
    if (width <= 0 || height <= 0) {
        *fittedWidth = kShelfThumbWidth;
        *fittedHeight = kShelfThumbHeight;
        return;
    }
    // Wider than the box's shape: full width; otherwise full height.
    if (int64_t{width} * kShelfThumbHeight >= int64_t{height} * kShelfThumbWidth) {
        *fittedWidth = kShelfThumbWidth;
        *fittedHeight =
            static_cast<int32_t>((int64_t{height} * kShelfThumbWidth + width / 2) / width);
    } else {
        *fittedHeight = kShelfThumbHeight;
        *fittedWidth =
            static_cast<int32_t>((int64_t{width} * kShelfThumbHeight + height / 2) / height);
    }
    *fittedWidth = std::clamp(*fittedWidth, 1, kShelfThumbWidth);
    *fittedHeight = std::clamp(*fittedHeight, 1, kShelfThumbHeight);
}
