#include "game/book_layout.h"
#include "game/catalogue.h"

static_assert(kBookColumns * kBookRows == kPageCount, "one cell per page");

namespace {

// The cell's margin that belongs to no page, so that a click between two
// thumbnails opens neither.
constexpr int32_t kCellGutter = 4;

RECT At(int32_t page, int32_t left, int32_t top, int32_t width, int32_t height) {
    const RECT cell = BookCellRect(page);
    return {cell.left + left, cell.top + top, cell.left + left + width, cell.top + top + height};
}

bool Inside(const RECT& r, int32_t x, int32_t y) {
    return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}

} // namespace

RECT BookCellRect(int32_t page) {
    const int32_t index = page - 1;
    const int32_t left = kBookGridLeft + (index % kBookColumns) * kBookCellWidth;
    const int32_t top = kBookGridTop + (index / kBookColumns) * kBookCellHeight;
    return {left, top, left + kBookCellWidth, top + kBookCellHeight};
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
    const int32_t column = (x - kBookGridLeft) / kBookCellWidth;
    const int32_t row = (y - kBookGridTop) / kBookCellHeight;
    if (x < kBookGridLeft || y < kBookGridTop || column >= kBookColumns || row >= kBookRows)
        return 0;
    const int32_t page = row * kBookColumns + column + 1;
    const RECT cell = BookCellRect(page);
    const RECT inner = {cell.left + kCellGutter, cell.top + kCellGutter, cell.right - kCellGutter,
                        cell.bottom - kCellGutter};
    return Inside(inner, x, y) ? page : 0;
}

bool InStartAgain(int32_t x, int32_t y) {
    return Inside(kStartAgainRect, x, y);
}
