// The picture book: every page's progress at a glance, the page that was
// showing when it opened, the keyboard's highlight, and the "start again"
// control that must be held down before it clears everything. What it looks
// like is the book view's (sprites/book_view.h); this is what it knows.
#pragma once

#include "game/page_progress.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

enum class BookMove { kLeft, kRight, kUp, kDown };

class CPictureBook {
public:
    using SavePathOf = std::function<std::string(int32_t page)>;

    // Opens on currentPage, whose progress is given as the page stands in
    // memory; every other page's is read from its save file, which is all
    // opening does with files. The highlight starts on the current page.
    void Open(int32_t currentPage, const PageProgress& current, const SavePathOf& savePathOf);

    int32_t CurrentPage() const { return currentPage; }
    int32_t Highlight() const { return highlight; }
    // Page 1..30's progress as the book shows it.
    const PageProgress& Progress(int32_t page) const;

    // Right and Left step through the pages in order, wrapping round; Up
    // and Down move a row, wrapping within the column. Returns the page the
    // highlight left.
    int32_t Move(BookMove move);
    // Every page untouched: what the book shows after starting again.
    void ClearProgress();

    // The start-again control, held from `now` (milliseconds of the game's
    // clock). Released early, nothing happens.
    void BeginHold(uint32_t now);
    void EndHold() { holding = false; }
    bool Holding() const { return holding; }
    // The control's face at `now`: 0 at rest, then 1 + steps of the hold done.
    int32_t HoldFrame(uint32_t now) const;
    bool HoldComplete(uint32_t now) const;

private:
    std::array<PageProgress, 31> progress{}; // by page; entry 0 unused
    int32_t currentPage = 1;
    int32_t highlight = 1;
    bool holding = false;
    uint32_t holdStart = 0;
};
