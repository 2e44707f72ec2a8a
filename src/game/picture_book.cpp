#include "game/picture_book.h"
#include "game/book_layout.h"
#include "game/catalogue.h"

namespace {

// 1..count after stepping by delta from value, wrapping round.
int32_t Wrap(int32_t value, int32_t delta, int32_t count) {
    return ((value - 1 + delta) % count + count) % count + 1;
}

} // namespace

void CPictureBook::Open(int32_t page, const PageProgress& current, const SavePathOf& savePathOf) {
    currentPage = page;
    highlight = page;
    holding = false;
    for (int32_t p = 1; p <= kPageCount; ++p)
        progress[p] = p == page ? current : ReadPageProgress(savePathOf(p), p);
}

const PageProgress& CPictureBook::Progress(int32_t page) const {
    return progress[page >= 1 && page <= kPageCount ? page : 0];
}

int32_t CPictureBook::Move(BookMove move) {
    const int32_t left = highlight;
    const int32_t row = (highlight - 1) / kBookColumns;
    const int32_t column = (highlight - 1) % kBookColumns;
    switch (move) {
    case BookMove::kLeft:
        highlight = Wrap(highlight, -1, kPageCount);
        break;
    case BookMove::kRight:
        highlight = Wrap(highlight, 1, kPageCount);
        break;
    case BookMove::kUp:
        highlight = Wrap(row + 1, -1, kBookRows) * kBookColumns - kBookColumns + column + 1;
        break;
    case BookMove::kDown:
        highlight = Wrap(row + 1, 1, kBookRows) * kBookColumns - kBookColumns + column + 1;
        break;
    }
    return left;
}

void CPictureBook::ClearProgress() {
    for (int32_t p = 1; p <= kPageCount; ++p)
        progress[p] = PageProgress{0, PieceCountOfPage(p)};
}

void CPictureBook::BeginHold(uint32_t now) {
    holding = true;
    holdStart = now;
}

int32_t CPictureBook::HoldFrame(uint32_t now) const {
    if (!holding)
        return 0;
    const uint32_t held = now - holdStart;
    if (held >= kStartAgainHoldMs)
        return 1 + kStartAgainSteps;
    return 1 + static_cast<int32_t>(held * kStartAgainSteps / kStartAgainHoldMs);
}

bool CPictureBook::HoldComplete(uint32_t now) const {
    return holding && now - holdStart >= kStartAgainHoldMs;
}
