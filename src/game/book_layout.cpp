#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/cell_grid.h"

static_assert(kBookColumns * kBookRows == kPageCount, "one cell per page");

namespace {

constexpr CellGrid kBookGrid = {kBookGridLeft,   kBookGridTop, kBookCellWidth,
                                kBookCellHeight, kBookColumns, kBookRows};
// The cell's margin that belongs to no page, so that a click between two
// thumbnails opens neither.
constexpr int32_t kCellGutter = 4;

RECT At(int32_t page, int32_t left, int32_t top, int32_t width, int32_t height) {
    return WithinCell(BookCellRect(page), left, top, width, height);
}

} // namespace

RECT BookCellRect(int32_t page) {
    return GridCellRect(kBookGrid, page - 1);
}

RECT ThumbnailRect(int32_t page) {
    return At(page, kThumbnailLeft, kThumbnailTop, kThumbnailWidth, kThumbnailHeight);
}

RECT OutlineRect(int32_t page) {
    return At(page, kThumbnailLeft - kOutlineMargin, kThumbnailTop - kOutlineMargin, kOutlineWidth,
              kOutlineHeight);
}

RECT BookMarkRect(int32_t page) {
    return At(page, kBookMarkLeft, kBookMarkTop, kBookMarkWidth, kBookMarkHeight);
}

int32_t BookPageAt(int32_t x, int32_t y) {
    return GridCellAt(kBookGrid, x, y, kCellGutter) + 1;
}

bool InStartAgain(int32_t x, int32_t y) {
    return InsideRect(kStartAgainRect, x, y);
}
