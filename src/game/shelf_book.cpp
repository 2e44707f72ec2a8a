#include "game/shelf_book.h"
#include "game/shelf_layout.h"

#include <algorithm>
#include <utility>

CShelfBook::CShelfBook() : removeHold(kRemoveHoldMs) {}

void CShelfBook::Open(std::vector<ShelfEntry> newEntries, const std::string& currentName) {
    entries = std::move(newEntries);
    current = currentName;
    CancelRemove();
    tapSlot = -1;
    pendingRemoval.clear();
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const ShelfEntry& e) { return e.name == current; });
    highlight = entries.empty()          ? -1
                : found == entries.end() ? 0
                                         : static_cast<int32_t>(found - entries.begin());
    ShowHighlightsSheet();
}

void CShelfBook::Remove(const std::string& name) {
    const auto found = std::find_if(entries.begin(), entries.end(),
                                    [&](const ShelfEntry& e) { return e.name == name; });
    if (found == entries.end())
        return;
    CancelRemove();
    tapSlot = -1;
    entries.erase(found);
    if (name == current)
        current.clear();
    highlight = std::min(highlight, static_cast<int32_t>(entries.size()) - 1);
    ShowHighlightsSheet();
}

const ShelfEntry* CShelfBook::InSlot(int32_t slot) const {
    if (slot < 0 || slot >= kShelfPerSheet)
        return nullptr;
    const size_t at = static_cast<size_t>(sheet) * kShelfPerSheet + static_cast<size_t>(slot);
    return at < entries.size() ? &entries[at] : nullptr;
}

int32_t CShelfBook::SlotOf(const std::string& name) const {
    for (int32_t slot = 0; slot < kShelfPerSheet; ++slot) {
        const ShelfEntry* entry = InSlot(slot);
        if (entry != nullptr && entry->name == name)
            return slot;
    }
    return -1;
}

int32_t CShelfBook::SheetCount() const {
    const int32_t count = static_cast<int32_t>(entries.size());
    return std::max(1, (count + kShelfPerSheet - 1) / kShelfPerSheet);
}

void CShelfBook::TurnSheet(int32_t step) {
    const int32_t count = SheetCount();
    sheet = ((sheet + step) % count + count) % count;
    CancelRemove();
    tapSlot = -1;
    if (!entries.empty())
        highlight = sheet * kShelfPerSheet;
}

int32_t CShelfBook::HighlightSlot() const {
    if (highlight < 0 || highlight / kShelfPerSheet != sheet)
        return -1;
    return highlight % kShelfPerSheet;
}

bool CShelfBook::Move(BookMove move) {
    const int32_t count = static_cast<int32_t>(entries.size());
    if (count == 0)
        return false;
    const int32_t was = sheet;
    switch (move) {
    case BookMove::kLeft:
        highlight = (highlight - 1 + count) % count;
        break;
    case BookMove::kRight:
        highlight = (highlight + 1) % count;
        break;
    case BookMove::kDown:
        highlight = highlight + kShelfColumns < count ? highlight + kShelfColumns
                                                      : highlight % kShelfColumns;
        break;
    case BookMove::kUp: {
        int32_t up = highlight - kShelfColumns;
        if (up < 0) {
            // Round to the same column's last picture.
            up = highlight;
            while (up + kShelfColumns < count)
                up += kShelfColumns;
        }
        highlight = up;
        break;
    }
    }
    ShowHighlightsSheet();
    return sheet != was;
}

void CShelfBook::ShowHighlightsSheet() {
    const int32_t newSheet = highlight < 0 ? 0 : highlight / kShelfPerSheet;
    if (newSheet != sheet) {
        CancelRemove();
        tapSlot = -1;
    }
    sheet = newSheet;
}

bool CShelfBook::PressRemove(int32_t slot, uint32_t now) {
    const ShelfEntry* entry = InSlot(slot);
    if (entry == nullptr)
        return false;
    removeHold.Press(now);
    removeSlot = slot;
    removeName = entry->name;
    tapSlot = -1;
    return true;
}

bool CShelfBook::ReleaseRemove(uint32_t now) {
    if (!removeHold.Holding())
        return false;
    // Let go after the full time before a tick saw it: still the hold.
    if (removeHold.Completed(now))
        pendingRemoval = removeName;
    const bool tap = removeHold.Release(now);
    if (tap) {
        tapSlot = removeSlot;
        tapUntil = now + kRemoveTapNoticeMs;
    }
    removeSlot = -1;
    return tap;
}

void CShelfBook::CancelRemove() {
    removeHold.Cancel();
    removeSlot = -1;
}

std::string CShelfBook::CompletedRemoval(uint32_t now) {
    std::string done;
    if (!pendingRemoval.empty())
        done.swap(pendingRemoval);
    else if (removeHold.Completed(now))
        done = removeName;
    return done;
}

int32_t CShelfBook::RemoveFrame(int32_t slot, uint32_t now) const {
    if (slot == removeSlot && removeHold.Holding())
        return 2 + removeHold.Progress(now, kRemoveSteps);
    // Wrapping-safe: the notice lasts while now is before tapUntil.
    if (slot == tapSlot && static_cast<int32_t>(tapUntil - now) > 0)
        return kRemoveTapFrame;
    return kRemoveRestFrame;
}
