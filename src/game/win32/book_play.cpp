#include "game/win32/book_play.h"
#include "diag/log.h"
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_progress.h"
#include "game/sound_effects.h"
#include "game/win32/own_pictures.h"
#include "persist/player_saves.h"
#include "persist/puzzle_file_ops.h"
#include "persist/save_backup.h"
#include "persist/store_locations.h"
#include "platform/platform.h"
#include "shelf/shelf.h"
#include "shelf/shelf_pages.h"
#include "sprites/anim_doc.h"
#include "sprites/page_completion.h"

#include <string>
#include <vector>

CBookPlay::CBookPlay(CAnimDoc* document, CSoundEffects* sounds, COwnPictures* ownPictures)
    : document(document), sounds(sounds), ownPictures(ownPictures) {}

void CBookPlay::Open() {
    const int32_t page = document->GetPageCursor()->GetPageIndex();
    // Over one of the player's own pictures the page in memory is not the
    // cursor's: that one is counted from its save file, as every other is.
    const PageProgress current = document->GetPageSource() == nullptr
                                     ? PageProgressOf(*document)
                                     : ReadPageProgress(document->SavePathOf(page), page);
    book.Open(page, current, [this](int32_t number) { return document->SavePathOf(number); });
    ReadShelf();
    // A player with no pictures of their own sees the book as it always was.
    onShelf = !shelf.Empty() && !shelf.Current().empty();
    bookScreen.TurnTo(nullptr, onShelf, shelfFolder);
}

void CBookPlay::ReadShelf() {
    shelfFolder = ShelfFolder();
    std::vector<ShelfEntry> entries;
    if (!shelfFolder.empty())
        entries = ReadShelfEntries(shelfFolder, CPlayerSaves::GetInstance()->Folder());
    const std::string shown = ownPictures->ShownName();
    // The picture being played counts as it stands in memory.
    for (ShelfEntry& entry : entries)
        if (entry.name == shown)
            entry.progress = PageProgressOf(*document);
    shelf.Open(std::move(entries), shown);
    bookView.ShowTurnTab(!shelf.Empty());
    shelfView.SheetChanged();
}

void CBookPlay::Refresh(HWND window) {
    const int32_t sheet = shelf.Sheet();
    ReadShelf();
    if (onShelf && shelf.Empty()) {
        TurnTo(window, false);
        return;
    }
    if (onShelf && sheet < shelf.SheetCount())
        shelf.TurnSheet(sheet - shelf.Sheet());
    bookScreen.TurnTo(window, onShelf, shelfFolder);
}

BookChoice CBookPlay::Highlighted() const {
    BookChoice choice;
    if (!onShelf) {
        choice.page = book.Highlight();
    } else if (shelf.Highlight() >= 0) {
        choice.ownPage = shelf.Entries()[static_cast<size_t>(shelf.Highlight())].name;
    }
    return choice;
}

void CBookPlay::MoveHighlight(BookMove move) {
    if (onShelf) {
        MoveShelfHighlight(move);
        return;
    }
    const int32_t left = book.Move(move);
    bookView.PageChanged(left);
    bookView.PageChanged(book.Highlight());
}

void CBookPlay::MoveShelfHighlight(BookMove move) {
    const int32_t left = shelf.HighlightSlot();
    if (shelf.Move(move)) {
        shelfView.SheetChanged();
        return;
    }
    shelfView.SlotChanged(left);
    shelfView.SlotChanged(shelf.HighlightSlot());
}

void CBookPlay::TurnPage(HWND window, int32_t step) {
    if (shelf.Empty())
        return;
    // Page 0 is the thirty pages, page 1 + n the shelf's sheet n.
    const int32_t pages = 1 + shelf.SheetCount();
    const int32_t at = onShelf ? 1 + shelf.Sheet() : 0;
    const int32_t next = ((at + step) % pages + pages) % pages;
    if (next > 0 && next - 1 != shelf.Sheet()) {
        shelf.TurnSheet(next - 1 - shelf.Sheet());
        shelfView.SheetChanged();
        if (onShelf)
            sounds->Play(window, kSoundChangePage);
    }
    TurnTo(window, next > 0);
}

void CBookPlay::Turn(HWND window) {
    if (!shelf.Empty())
        TurnTo(window, !onShelf);
}

void CBookPlay::TurnTo(HWND window, bool toShelf) {
    EndHold();
    // Among the shelf's sheets the changed cells reach the screen at the
    // next tick.
    if (toShelf == onShelf)
        return;
    onShelf = toShelf;
    Log(onShelf ? "CBookPlay: your pictures shown" : "CBookPlay: the thirty pages shown");
    sounds->Play(window, kSoundChangePage);
    bookScreen.TurnTo(window, onShelf, shelfFolder);
}

BookChoice CBookPlay::OnMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    return onShelf ? OnShelfMouse(window, message, x, y) : OnBookMouse(window, message, x, y);
}

BookChoice CBookPlay::OnBookMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    BookChoice choice;
    const bool turnShown = !shelf.Empty();
    switch (message) {
    case WM_LBUTTONDOWN:
        pressedPage = BookPageAt(x, y);
        pressedTurn = turnShown && InTurnTab(x, y);
        if (InStartAgain(x, y)) {
            book.BeginHold(platform::MillisecondClock());
            platform::CaptureMouse(window);
        }
        break;
    case WM_MOUSEMOVE:
        // Sliding off the control lets go of it.
        if (book.Holding() && !InStartAgain(x, y))
            EndHold();
        break;
    case WM_LBUTTONUP: {
        EndHold();
        const int32_t page = BookPageAt(x, y);
        if (page != 0 && page == pressedPage)
            choice.page = page;
        const bool turn = pressedTurn && turnShown && InTurnTab(x, y);
        pressedPage = 0;
        pressedTurn = false;
        if (turn)
            TurnTo(window, true);
        break;
    }
    default:
        break;
    }
    return choice;
}

BookChoice CBookPlay::OnShelfMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    BookChoice choice;
    const ShelfSpot spot = ShelfSpotAt(x, y, shelf.SheetCount() > 1);
    switch (message) {
    case WM_LBUTTONDOWN:
        pressedSpot = spot;
        if (spot.kind == ShelfSpotKind::kRemove && !shelf.HoldingRemove() &&
            shelf.PressRemove(spot.slot, platform::MillisecondClock()))
            platform::CaptureMouse(window);
        shelfView.SetAddPressed(spot.kind == ShelfSpotKind::kAddPicture);
        break;
    case WM_MOUSEMOVE:
        // Sliding off the remove control lets go of it without a word.
        if (shelf.HoldingRemove() && !removeByKey && !(spot == pressedSpot)) {
            shelf.CancelRemove();
            platform::ReleaseMouse();
        }
        shelfView.SetAddPressed(pressedSpot.kind == ShelfSpotKind::kAddPicture &&
                                spot == pressedSpot);
        break;
    case WM_LBUTTONUP: {
        if (shelf.HoldingRemove() && !removeByKey) {
            if (shelf.ReleaseRemove(platform::MillisecondClock()))
                Log("CBookPlay: a picture is removed only when held");
            platform::ReleaseMouse();
        }
        shelfView.SetAddPressed(false);
        const bool clicked = spot == pressedSpot;
        pressedSpot = ShelfSpot();
        if (!clicked)
            break;
        if (spot.kind == ShelfSpotKind::kPicture && shelf.InSlot(spot.slot) != nullptr)
            choice.ownPage = shelf.InSlot(spot.slot)->name;
        else if (spot.kind == ShelfSpotKind::kAddPicture)
            choice.addPicture = true;
        else if (spot.kind == ShelfSpotKind::kTurn)
            TurnTo(window, false);
        else if (spot.kind == ShelfSpotKind::kPreviousSheet)
            TurnPage(window, -1);
        else if (spot.kind == ShelfSpotKind::kNextSheet)
            TurnPage(window, 1);
        break;
    }
    default:
        break;
    }
    return choice;
}

void CBookPlay::PressRemoveKey() {
    if (!onShelf || shelf.HoldingRemove())
        return;
    removeByKey = shelf.PressRemove(shelf.HighlightSlot(), platform::MillisecondClock());
}

void CBookPlay::ReleaseRemoveKey() {
    if (!removeByKey)
        return;
    removeByKey = false;
    if (shelf.HoldingRemove() && shelf.ReleaseRemove(platform::MillisecondClock()))
        Log("CBookPlay: a picture is removed only when held");
}

void CBookPlay::CancelRemoveKey() {
    if (!removeByKey)
        return;
    removeByKey = false;
    shelf.CancelRemove();
}

void CBookPlay::EndHold() {
    if (shelf.HoldingRemove()) {
        shelf.CancelRemove();
        if (!removeByKey)
            platform::ReleaseMouse();
    }
    removeByKey = false;
    if (!book.Holding())
        return;
    book.EndHold();
    platform::ReleaseMouse();
    bookView.SetControlFrame(0);
}

void CBookPlay::Tick(HWND window) {
    const uint32_t now = platform::MillisecondClock();
    if (onShelf) {
        const std::string done = shelf.CompletedRemoval(now);
        if (!done.empty())
            TakeOffShelf(window, done);
        if (onShelf)
            shelfView.Tick(now);
        return;
    }
    bookView.SetControlFrame(book.HoldFrame(now));
    if (book.HoldComplete(now)) {
        EndHold();
        StartAgain(window);
    }
    bookView.Tick();
}

void CBookPlay::TakeOffShelf(HWND window, const std::string& name) {
    if (shelf.HoldingRemove() && !removeByKey)
        platform::ReleaseMouse();
    removeByKey = false;
    // The picture being played is left for the thirty pages' page first,
    // its progress stored into the folder that moves aside.
    const bool wasShown = name == ownPictures->ShownName();
    if (!ownPictures->Remove(name)) {
        shelf.CancelRemove();
        return;
    }
    Log("CBookPlay: %s taken off the shelf", name.c_str());
    sounds->Play(window, kSoundClear);
    shelf.Remove(name);
    if (wasShown) {
        const int32_t page = document->GetPageCursor()->GetPageIndex();
        book.Open(page, PageProgressOf(*document),
                  [this](int32_t number) { return document->SavePathOf(number); });
    }
    shelfView.SheetChanged();
    if (shelf.Empty()) {
        bookView.ShowTurnTab(false);
        TurnTo(window, false);
    }
}

void CBookPlay::StartAgain(HWND window) {
    // The page in play goes into the set put aside too, as it stands now.
    document->StoreCurrentPage();
    // Saves may lie in the game's folder and in the per-user one; each set
    // is put aside where it lies.
    std::vector<std::string> paths;
    for (const std::string& folder :
         {document->GetFileOps()->ResolvePath(""), g_userDataDirectory}) {
        for (int32_t page = 1; !folder.empty() && page <= kPageCount; ++page)
            paths.push_back(folder + CPlayerSaves::GetInstance()->NameOf(
                                         g_pageSaveFileNames[static_cast<size_t>(page)]));
    }
    MoveSavesToPrevious(paths);
    // Without its save file the page comes back as new.
    document->LoadPage(window);
    book.ClearProgress();
    bookView.AllPagesChanged();
    sounds->Play(window, kSoundClear);
}
