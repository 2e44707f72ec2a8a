#include "sprites/anim_doc.h"
#include "game/page_cursor.h"
#include "game/page_furniture.h"
#include "game/page_sprite_index.h"
#include "game/player_badges.h"
#include "persist/player_saves.h"
#include "persist/puzzle_file_ops.h"
#include "persist/settings.h"
#include "persist/store_locations.h"
#include "sprites/document_view.h"
#include "sprites/page_completion.h"
#include "sprites/page_source.h"
#include "sprites/page_storage.h"

CAnimDoc::CAnimDoc() : pageCursor(CPageCursor::Instance()), fileOps(PuzzleFileOps::Instance()) {}

void CAnimDoc::ChangePage(int32_t direction) {
    StorePage();
    // Turning a page leaves the player's own pages for the built-in ones.
    if (direction == kNextPage || direction == kPreviousPage)
        pageSource = nullptr;
    if (direction == kNextPage)
        pageCursor->Next();
    else if (direction == kPreviousPage)
        pageCursor->Previous();
    LoadPage(mainWindow);
}

void CAnimDoc::GoToPage(int32_t page) {
    if (page < 1 || page > kPageCount)
        return;
    StorePage();
    pageSource = nullptr;
    pageCursor->GoTo(page);
    LoadPage(mainWindow);
}

void CAnimDoc::ShowOwnPage(const CPageSource* source) {
    StorePage();
    pageSource = source;
    LoadPage(mainWindow);
}

void CAnimDoc::StorePage() {
    // A page key may come while a piece is carried.
    if (view != nullptr)
        view->CancelDrag(mainWindow);
    StoreCurrentPage();
}

void CAnimDoc::LoadPage(HWND window) {
    if (pageSource != nullptr) {
        LoadOwnPage(window);
        return;
    }
    if (!SetBackground(window, kPageBackgroundPath)) {
        // The old background stays, but the page being left must not stay
        // under the new one: its sprites carry the same kinds of tags, and
        // a piece would then be found twice.
        DeleteSprites();
        if (view != nullptr)
            view->NewPageOnOldBackground();
    }
    const int32_t page = pageCursor->GetPageIndex();
    pageSprites->SetPage(page);
    if (!RestoreCurrentPage())
        AddPiecesFromCatalogue(page);
    else
        healing.AddMissingPieces(*this, page);
    AddFurniture(page);
}

void CAnimDoc::LoadOwnPage(HWND window) {
    if (!SetBackground(window, pageSource->BackgroundPath())) {
        DeleteSprites();
        if (view != nullptr)
            view->NewPageOnOldBackground();
    }
    pageSprites->firstLoose = kOwnFirstLoose;
    pageSprites->firstHole = kOwnFirstHole;
    pageSprites->firstPlaced = kOwnFirstPlaced;
    pageSprites->firstDrag = kOwnFirstDrag;
    pageSprites->pieceCount = pageSource->PieceCount();
    if (!RestoreCurrentPage())
        AddOwnPieces();
    else
        healing.AddMissingPieces(*this, *pageSource);
    AddFurniture(pageSource->Label());
}

void CAnimDoc::AddOwnPieces() {
    for (int32_t kind = 0; kind < kPieceKindCount; ++kind)
        for (int32_t k = 0; k < pageSource->PieceCount(); ++k) {
            const SpriteRecord record = pageSource->Record(kind, k);
            AddPieceSprite(record, pageSource->Piece(record.nameIndex));
        }
}

std::string CAnimDoc::SavePathOf(int32_t page) const {
    if (page < 1 || page > kPageCount)
        return std::string();
    return StoredFileToRead(
        fileOps->ResolvePath(""),
        CPlayerSaves::GetInstance()->NameOf(g_pageSaveFileNames[static_cast<size_t>(page)]));
}

std::string CAnimDoc::CurrentSaveName() const {
    const int32_t page = pageCursor->GetPageIndex();
    if (page < 1 || page > kPageCount)
        return std::string();
    // The player's own (the first player's are the game's as they were).
    return CPlayerSaves::GetInstance()->NameOf(g_pageSaveFileNames[static_cast<size_t>(page)]);
}

std::string CAnimDoc::CurrentSavePath() const {
    const std::string name = CurrentSaveName();
    return name.empty() ? name : StoredFileToRead(fileOps->ResolvePath(""), name);
}

bool CAnimDoc::StoreCurrentPage() {
    if (pageSource != nullptr)
        return fileOps->WriteSaveFile(pageSource->SavePath(), RecordPage(*this));
    const std::string name = CurrentSaveName();
    if (name.empty())
        return false;
    const SavedPage page = RecordPage(*this);
    return StoreFile(fileOps->ResolvePath(""), name,
                     [&](const std::string& path) { return fileOps->WriteSaveFile(path, page); });
}

bool CAnimDoc::RestoreCurrentPage() {
    SavedPage saved;
    const std::string path = pageSource != nullptr ? pageSource->SavePath() : CurrentSavePath();
    if (path.empty() || !fileOps->ReadSaveFile(path, &saved))
        return false;
    RestorePage(saved, *this);
    return true;
}

void CAnimDoc::AddPiecesFromCatalogue(int32_t page) {
    if (page < 1 || page > kPageCount)
        return;
    for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
        for (const SpriteRecord* record = g_pageTable[page][kind]; record->nameIndex != kEndOfList;
             ++record)
            AddPieceSprite(*record, g_pieceFileNames[static_cast<size_t>(record->nameIndex)]);
    }
}

void CAnimDoc::AddFurniture(int32_t label) {
    for (int32_t button = 0; button < kButtonCount; ++button) {
        SpriteRecord record = g_buttonRecords[button];
        // The sound switch shows the face of the setting in force.
        if (button == kSoundButton)
            record.frameColumn = CSettings::GetInstance()->GetSound();
        AddGridSprite(record, g_buttonPicturePaths[button], record.nameIndex);
    }
    if (pageSource != nullptr) {
        // The player's own pages are labelled apart from the thirty.
        SpriteRecord own = g_pageNumberRecord;
        own.frameRows = kOwnPageLabelFrames;
        own.frameRow = label >= 0 && label < kOwnPageLabelFrames ? label : 0;
        AddGridSprite(own, kOwnPageLabelPath, kPageNumberTag);
    } else {
        g_pageNumberRecord.frameRow = label;
        AddGridSprite(g_pageNumberRecord, kPageNumberPicturePath, kPageNumberTag);
    }
    // A page loaded finished shows its star, without any celebration.
    SpriteRecord star = g_finishedStarRecord;
    star.visible = PageProgressOf(*this).Finished() ? 1 : 0;
    AddGridSprite(star, kFinishedStarPath, kFinishedStarTag);
    // Whose progress this is: the player's badge on the bar.
    const SpriteRecord badge = {kBadgeRows,
                                2,
                                CPlayerSaves::GetInstance()->Badge(),
                                0,
                                kBarBadge.x,
                                kBarBadge.y,
                                kCatalogueDepth,
                                1,
                                kBarBadgeTag};
    AddGridSprite(badge, kBadgesPath, kBarBadgeTag);
}
