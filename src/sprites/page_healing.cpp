#include "sprites/page_healing.h"
#include "game/catalogue.h"
#include "sprites/anim_doc_base.h"
#include "sprites/sprite.h"

namespace {

// Whether the piece of this record sits in its hole on the restored page.
bool IsPlaced(const CAnimDocBase& document, const SpriteRecord& record) {
    const int32_t placedTag = TagOf(kPlacedKind, PieceOf(record.nameIndex));
    const CSprite* placed = document.FindByTag(placedTag);
    return placed != nullptr && placed->IsVisible();
}

} // namespace

void CPageHealing::AddMissingPieces(CAnimDocBase& document, int32_t page) const {
    if (page < 1 || page > kPageCount)
        return;
    for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
        for (const SpriteRecord* record = g_pageTable[page][kind]; record->nameIndex != kEndOfList;
             ++record) {
            if (document.FindByTag(record->nameIndex) != nullptr)
                continue;
            // A placed piece keeps its hole covered and lies nowhere else.
            const bool hidden =
                (kind == kLooseKind || kind == kHoleKind) && IsPlaced(document, *record);
            CSprite* sprite = document.AddPieceSprite(
                *record, g_pieceFileNames[static_cast<size_t>(record->nameIndex)]);
            if (sprite != nullptr && hidden)
                sprite->SetVisibleQuiet(false);
        }
    }
}
