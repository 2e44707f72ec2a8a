#include "game/page_sprite_index.h"
#include "game/catalogue.h"

CPageSpriteIndex* CPageSpriteIndex::Instance() {
    static CPageSpriteIndex index;
    return &index;
}

void CPageSpriteIndex::SetPage(int32_t page) {
    // Any other number gets entry 0's empty lists: no tag then matches.
    const bool known = page >= 1 && page <= kPageCount;
    const PageRecord& record = g_pageTable[known ? page : 0];
    firstLoose = record[kLooseKind][0].nameIndex;
    firstHole = record[kHoleKind][0].nameIndex;
    firstPlaced = record[kPlacedKind][0].nameIndex;
    firstDrag = record[kDragKind][0].nameIndex;
    int32_t count = 0;
    while (record[kLooseKind][count].nameIndex != kEndOfList)
        ++count;
    pieceCount = count;
}

bool CPageSpriteIndex::IsDragPicture(int32_t tag) const {
    const uint32_t value = static_cast<uint32_t>(tag);
    const uint32_t first = static_cast<uint32_t>(firstDrag);
    return first <= value && value < first + static_cast<uint32_t>(pieceCount);
}

bool CPageSpriteIndex::IsHole(int32_t tag) const {
    const uint32_t value = static_cast<uint32_t>(tag);
    return static_cast<uint32_t>(firstHole) <= value && value < static_cast<uint32_t>(firstPlaced);
}
