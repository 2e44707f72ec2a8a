// The picture book's "your pictures" page: what it knows. The player's own
// pictures in the order they were added, each with the current player's
// progress on it, the one being played, the keyboard's highlight, the sheet
// shown when there are more than one sheet holds, and the remove control
// held down until a picture is taken off the shelf. Its look is the shelf
// view's (shelf/shelf_view.h); the book in play (game/win32/book_play.h)
// fills and drives it.
#pragma once

#include "game/page_progress.h"
#include "game/picture_book.h"
#include "game/press_hold.h"

#include <cstdint>
#include <string>
#include <vector>

struct ShelfEntry {
    std::string name;        // the page's folder on the shelf
    PageProgress progress{}; // total 0: the page file could not be read
};

class CShelfBook {
public:
    CShelfBook();

    // Opens on entries, the page being played among them named current (or
    // none: ""). The highlight starts on it, else on the first picture.
    void Open(std::vector<ShelfEntry> entries, const std::string& current);
    // Takes the picture named name off the page; the highlight stays on the
    // same place, or the last picture when it was the last.
    void Remove(const std::string& name);

    const std::vector<ShelfEntry>& Entries() const { return entries; }
    bool Empty() const { return entries.empty(); }
    const std::string& Current() const { return current; }
    // The picture in slot 0 .. kShelfPerSheet - 1 of the sheet shown, or null.
    const ShelfEntry* InSlot(int32_t slot) const;
    int32_t SlotOf(const std::string& name) const;

    int32_t Sheet() const { return sheet; }
    int32_t SheetCount() const;
    // The previous (-1) or next (1) sheet, wrapping round; the highlight
    // moves to its first picture.
    void TurnSheet(int32_t step);

    // The highlighted picture's place in Entries(), -1 when there is none.
    int32_t Highlight() const { return highlight; }
    int32_t HighlightSlot() const;
    // Right and Left step through every picture in order, wrapping round;
    // Up and Down move a row, wrapping within the column. The sheet follows
    // the highlight. Returns whether the sheet changed.
    bool Move(BookMove move);

    // The remove control of slot pressed at now (milliseconds of the game's
    // clock); false when the slot holds no picture.
    bool PressRemove(int32_t slot, uint32_t now);
    // Let go at now: true when that was a tap, which shows the "hold it"
    // face for a while.
    bool ReleaseRemove(uint32_t now);
    // Forgets a hold without acting (the pointer slid off the control).
    void CancelRemove();
    bool HoldingRemove() const { return removeHold.Holding(); }
    int32_t RemoveSlot() const { return removeSlot; }
    // Called on every tick: the name of the picture whose hold has just
    // lasted long enough (exactly once), else "".
    std::string CompletedRemoval(uint32_t now);
    // The face slot's remove control shows at now (kRemoveRestFrame,
    // kRemoveTapFrame or 2 + the hold's steps done).
    int32_t RemoveFrame(int32_t slot, uint32_t now) const;

private:
    void ShowHighlightsSheet();

    std::vector<ShelfEntry> entries;
    std::string current;
    int32_t highlight = -1;
    int32_t sheet = 0;
    CPressHold removeHold;
    int32_t removeSlot = -1;
    std::string removeName;
    // A hold let go after its full time before a tick saw it complete.
    std::string pendingRemoval;
    // A tap on a remove control shows "hold it" until this time.
    int32_t tapSlot = -1;
    uint32_t tapUntil = 0;
};
