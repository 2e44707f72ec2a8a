#include "sprites/page_healing.h"
#include "game/catalogue.h"
#include "sprites/anim_doc_base.h"
#include "sprites/page_source.h"
#include "sprites/sprite.h"

namespace {

// Whether the piece of this record sits in its hole on the restored page.
bool IsPlaced(const CAnimDocBase& document, const SpriteRecord& record) {
    const int32_t placedTag = TagOf(kPlacedKind, PieceOf(record.nameIndex));
    const CSprite* placed = document.FindByTag(placedTag);
    return placed != nullptr && placed->IsVisible();
}

} // namespace

template <typename Add>
void CPageHealing::Heal(CAnimDocBase& document, int32_t kind, const SpriteRecord& record,
                        Add add) const {
    if (document.FindByTag(record.nameIndex) != nullptr)
        return;
    // A placed piece keeps its hole covered and lies nowhere else.
    const bool hidden = (kind == kLooseKind || kind == kHoleKind) && IsPlaced(document, record);
    CSprite* sprite = add(record);
    if (sprite != nullptr && hidden)
        sprite->SetVisibleQuiet(false);
}

void CPageHealing::AddMissingPieces(CAnimDocBase& document, int32_t page) const {
    if (page < 1 || page > kPageCount)
        return;
    for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
        for (const SpriteRecord* record = g_pageTable[page][kind]; record->nameIndex != kEndOfList;
             ++record)
            Heal(document, kind, *record, [&](const SpriteRecord& r) {
                return document.AddPieceSprite(r,
                                               g_pieceFileNames[static_cast<size_t>(r.nameIndex)]);
            });
    }
}

void CPageHealing::AddMissingPieces(CAnimDocBase& document, const CPageSource& source) const {
    for (int32_t kind = 0; kind < kPieceKindCount; ++kind)
        for (int32_t k = 0; k < source.PieceCount(); ++k)
            Heal(document, kind, source.Record(kind, k), [&](const SpriteRecord& r) {
                return document.AddPieceSprite(r, source.Piece(r.nameIndex));
            });
}
