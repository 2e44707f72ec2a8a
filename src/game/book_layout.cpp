#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/cell_grid.h"

static_assert(kBookColumns * kBookRows == kPageCount, "one cell per page");

// Each cell's margin of 4 belongs to no page, so that a click between two
// thumbnails opens neither.
constexpr CellGrid kBookGrid = {
    kBookGridLeft, kBookGridTop, kBookCellWidth, kBookCellHeight, kBookColumns, kBookRows, 4};

RECT BookCellRect(int32_t page) {
    return GridCellRect(kBookGrid, page - 1);
}

RECT ThumbnailRect(int32_t page) {
    return GridPartRect(kBookGrid, page - 1, kThumbnailLeft, kThumbnailTop, kThumbnailWidth,
                        kThumbnailHeight);
}

RECT OutlineRect(int32_t page) {
    return GridPartRect(kBookGrid, page - 1, kThumbnailLeft - kOutlineMargin,
                        kThumbnailTop - kOutlineMargin, kOutlineWidth, kOutlineHeight);
}

RECT BookMarkRect(int32_t page) {
    return GridPartRect(kBookGrid, page - 1, kBookMarkLeft, kBookMarkTop, kBookMarkWidth,
                        kBookMarkHeight);
}

int32_t BookPageAt(int32_t x, int32_t y) {
    return GridCellAt(kBookGrid, x, y) + 1;
}

bool InStartAgain(int32_t x, int32_t y) {
    return InsideRect(kStartAgainRect, x, y);
}
