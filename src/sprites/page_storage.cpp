#include "sprites/page_storage.h"
#include "diag/log.h"
#include "game/catalogue.h"
#include "game/page_furniture.h"
#include "game/page_sprite_index.h"
#include "sprites/anim_doc_base.h"
#include "sprites/document_view.h"
#include "sprites/page_source.h"
#include "sprites/sprite.h"

namespace {

// Furniture tags start at 10001; compared unsigned, so negative tags count
// as furniture too and are not stored.
bool IsStored(const CSprite& sprite) {
    return static_cast<uint32_t>(sprite.GetTag()) < static_cast<uint32_t>(kFirstFurnitureTag);
}

bool InRun(int32_t tag, int32_t first, int32_t count) {
    return int64_t{first} <= tag && int64_t{tag} < int64_t{first} + count;
}

// Whether tag names one of the four pictures of a piece of the page now
// loaded; such a tag is always inside the piece file-name table.
bool BelongsToPage(int32_t tag, const CPageSpriteIndex& page) {
    if (tag < 0 || tag >= kPieceFileCount || page.pieceCount <= 0)
        return false;
    return InRun(tag, page.firstLoose, page.pieceCount) ||
           InRun(tag, page.firstHole, page.pieceCount) ||
           InRun(tag, page.firstPlaced, page.pieceCount) ||
           InRun(tag, page.firstDrag, page.pieceCount);
}

void RestoreSprite(const SavedSprite& record, CAnimDocBase& document,
                   const CPageSpriteIndex& page) {
    const int32_t tag = record.tag;
    if (!BelongsToPage(tag, page) || document.FindByTag(tag) != nullptr) {
        Log("PuzzleFileOps::ReadSprites: record skipped, tag %d", static_cast<int>(tag));
        return;
    }
    const POINT at{record.x, record.y};
    CSprite* sprite = nullptr;
    if (const CPageSource* own = document.GetPageSource()) {
        // The player's own page: its pictures are in memory, not in files.
        const SpriteRecord placed = {1, 1, 0, 0, at.x, at.y, kCatalogueDepth, 1, tag};
        sprite = document.AddPieceSprite(placed, own->Piece(tag));
    } else {
        sprite = document.AddSprite(g_pieceFileNames[static_cast<size_t>(tag)], tag, &at);
    }
    // Without a redraw of its own: the new page is drawn whole anyway.
    if (sprite != nullptr)
        sprite->SetVisibleQuiet(record.visible != 0);
}

} // namespace

SavedPage RecordPage(CAnimDocBase& document) {
    SavedPage saved;
    const CDocumentView* view = document.GetView();
    saved.placedCount = view != nullptr ? view->GetPlacedCount() : 0;
    CSpriteList& sprites = document.Sprites();
    for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
        if (IsStored(*sprite))
            saved.sprites.push_back(sprite->ToSaved());
    }
    return saved;
}

void RestorePage(const SavedPage& saved, CAnimDocBase& document) {
    if (CDocumentView* view = document.GetView())
        view->SetPlacedCount(saved.placedCount);
    const CPageSpriteIndex& page = *document.GetPageSprites();
    for (const SavedSprite& record : saved.sprites)
        RestoreSprite(record, document, page);
}
