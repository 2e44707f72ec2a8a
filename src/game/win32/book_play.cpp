#include "game/win32/book_play.h"
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_progress.h"
#include "game/sound_effects.h"
#include "persist/player_saves.h"
#include "persist/puzzle_file_ops.h"
#include "persist/save_backup.h"
#include "persist/store_locations.h"
#include "platform/platform.h"
#include "sprites/anim_doc.h"
#include "sprites/page_completion.h"

#include <string>
#include <vector>

CBookPlay::CBookPlay(CAnimDoc* document, CSoundEffects* sounds)
    : document(document), sounds(sounds) {}

void CBookPlay::Open() {
    const int32_t page = document->GetPageCursor()->GetPageIndex();
    // Over one of the player's own pictures the page in memory is not the
    // cursor's: that one is counted from its save file, as every other is.
    const PageProgress current = document->GetPageSource() == nullptr
                                     ? PageProgressOf(*document)
                                     : ReadPageProgress(document->SavePathOf(page), page);
    book.Open(page, current, [this](int32_t number) { return document->SavePathOf(number); });
}

void CBookPlay::MoveHighlight(BookMove move) {
    const int32_t left = book.Move(move);
    bookView.PageChanged(left);
    bookView.PageChanged(book.Highlight());
}

int32_t CBookPlay::OnMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    switch (message) {
    case WM_LBUTTONDOWN:
        pressedPage = BookPageAt(x, y);
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
        const bool clicked = page != 0 && page == pressedPage;
        pressedPage = 0;
        return clicked ? page : 0;
    }
    default:
        break;
    }
    return 0;
}

void CBookPlay::EndHold() {
    if (!book.Holding())
        return;
    book.EndHold();
    platform::ReleaseMouse();
    bookView.SetControlFrame(0);
}

void CBookPlay::Tick(HWND window) {
    const uint32_t now = platform::MillisecondClock();
    bookView.SetControlFrame(book.HoldFrame(now));
    if (book.HoldComplete(now)) {
        EndHold();
        StartAgain(window);
    }
    bookView.Tick();
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
