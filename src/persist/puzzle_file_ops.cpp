#include "persist/puzzle_file_ops.h"
#include "diag/log.h"
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_furniture.h"
#include "game/page_sprite_index.h"
#include "persist/serializer.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"

const char* const PuzzleFileOps::kHeaderText = "VARNOLT1";

namespace {

const char* const kWrongText = "PuzzleFileOps::WriteSaveFile: file version text is wrong";
const char* const kWrongVersion = "CAnimDoc::ReadSprites: file version number is wrong";

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

// Puts the piece sprite a record describes on the page, as it was left.
void RestoreRecord(const CSprite& record, CAnimDocBase& document, const CPageSpriteIndex& page) {
    const int32_t tag = record.GetTag();
    if (!BelongsToPage(tag, page) || document.FindByTag(tag) != nullptr) {
        Log("PuzzleFileOps::ReadSprites: record skipped, tag %d", static_cast<int>(tag));
        return;
    }
    const POINT at{record.GetX(), record.GetY()};
    CSprite* sprite = document.AddSprite(g_pieceFileNames[static_cast<size_t>(tag)], tag, &at);
    // Without a redraw of its own: the new page is drawn whole anyway.
    if (sprite != nullptr)
        sprite->SetVisibleQuiet(record.IsVisible());
}

} // namespace

PuzzleFileOps* PuzzleFileOps::Instance() {
    static PuzzleFileOps fileOps(CPageCursor::Instance());
    return &fileOps;
}

PuzzleFileOps::PuzzleFileOps(CPageCursor* pageCursor) : CMappedFile(true), pageCursor(pageCursor) {}

std::string PuzzleFileOps::CurrentSavePath() const {
    const int32_t page = pageCursor->GetPageIndex();
    if (page < 1 || page > kPageCount)
        return std::string();
    return ResolvePath(g_pageSaveFileNames[static_cast<size_t>(page)]);
}

void PuzzleFileOps::SaveCurrentPage(CAnimDocBase& document) {
    const std::string path = CurrentSavePath();
    if (!path.empty())
        WriteSaveFile(path, document);
}

int32_t PuzzleFileOps::LoadCurrentPage(CAnimDocBase& document) {
    const std::string path = CurrentSavePath();
    return path.empty() ? 0 : ReadSprites(path, document);
}

void PuzzleFileOps::WriteSaveFile(const std::string& path, CAnimDocBase& document) {
    try {
        Serializer out(path);
        out.PutString(kHeaderText);
        out.PutInt(kVersion);
        const CAnimView* view = document.GetView();
        out.PutInt(view != nullptr ? view->GetPlacedCount() : 0);
        CSpriteList& sprites = document.Sprites();
        for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
            if (IsStored(*sprite))
                sprite->Serialize(out);
        }
        out.Commit();
    } catch (...) {
        // A missing folder or a full disk: the page keeps its previous save
        // file, and play goes on.
    }
}

int32_t PuzzleFileOps::ReadSprites(const std::string& path, CAnimDocBase& document) {
    CSprite record;
    try {
        DeSerializer in(path);
        if (in.GetString() != kHeaderText)
            throw kWrongText;
        if (in.GetInt() != kVersion)
            throw kWrongVersion;
        const int32_t placedCount = in.GetInt();
        if (CAnimView* view = document.GetView())
            view->SetPlacedCount(placedCount);
        const CPageSpriteIndex& page = *document.GetPageSprites();
        for (;;) {
            try {
                record.DeSerialize(in);
                RestoreRecord(record, document, page);
            } catch (const char*) {
                break; // normally the end of the file after the last record
            } catch (...) {
                Log("DeSerialize: catch exception");
                break;
            }
        }
    } catch (...) {
        // No file, a wrong header or one cut short: nothing was added, and
        // the caller lays the page out from the catalogue.
        return 0;
    }
    return 1;
}
