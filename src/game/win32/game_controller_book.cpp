// The controller's picture book: opened over the page in play, a page chosen
// from it, and starting again.
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/key_commands.h"
#include "game/page_cursor.h"
#include "game/sound_effects.h"
#include "game/win32/game_controller.h"
#include "game/win32/screens.h"
#include "image/cursor_set.h"
#include "persist/puzzle_file_ops.h"
#include "persist/save_backup.h"
#include "persist/store_locations.h"
#include "platform/clock.h"
#include "platform/mouse.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/page_completion.h"

#include <vector>

void CGameController::OpenBook(HWND window) {
    if (state != kStatePlaying)
        return;
    // The page stays in memory as it is: a piece in the air goes back, and
    // the sparkle of a page just finished ends.
    view->CancelDrag(window);
    view->StopCelebration();
    book.Open(document->GetPageCursor()->GetPageIndex(), PageProgressOf(*document),
              [this](int32_t page) { return document->SavePathOf(page); });
    gameScreen->HideControls();
    state = kStateBook;
    g_currentScreen = &bookScreen;
    bookScreen.Enter(window);
    cursors->SetKind(kCursorArrow);
    cursors->ApplyCursor();
    InvalidateRect(window, nullptr, FALSE);
    SetFocus(window);
}

void CGameController::CloseBook(HWND window, int32_t page) {
    if (state != kStateBook)
        return;
    EndHold();
    state = kStatePlaying;
    g_currentScreen = gameScreen;
    // Another page is a page change like any other: the page left is stored.
    if (page != document->GetPageCursor()->GetPageIndex()) {
        sounds->Play(window, kSoundChangePage);
        document->GoToPage(page);
    }
    gameScreen->ShowControls(window);
    SetFocus(window);
}

void CGameController::OnBookKey(HWND window, int32_t key) {
    if (state != kStateBook)
        return;
    switch (key) {
    case kBookKeyClose:
        CloseBook(window, book.CurrentPage());
        break;
    case kBookKeyOpen:
        CloseBook(window, book.Highlight());
        break;
    case kBookKeySound:
        CycleSound(window);
        break;
    case kBookKeyLeft:
        MoveHighlight(BookMove::kLeft);
        break;
    case kBookKeyRight:
        MoveHighlight(BookMove::kRight);
        break;
    case kBookKeyUp:
        MoveHighlight(BookMove::kUp);
        break;
    case kBookKeyDown:
        MoveHighlight(BookMove::kDown);
        break;
    default:
        break;
    }
}

void CGameController::MoveHighlight(BookMove move) {
    const int32_t left = book.Move(move);
    bookView.PageChanged(left);
    bookView.PageChanged(book.Highlight());
}

void CGameController::OnBookMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    if (state != kStateBook)
        return;
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
        if (clicked)
            CloseBook(window, page);
        break;
    }
    default:
        break;
    }
}

void CGameController::EndHold() {
    if (!book.Holding())
        return;
    book.EndHold();
    platform::ReleaseMouse();
    bookView.SetControlFrame(0);
}

void CGameController::TickBook(HWND window) {
    if (state != kStateBook)
        return;
    const uint32_t now = platform::MillisecondClock();
    bookView.SetControlFrame(book.HoldFrame(now));
    if (book.HoldComplete(now)) {
        EndHold();
        StartAgain(window);
    }
    bookView.Tick();
}

void CGameController::StartAgain(HWND window) {
    // The page in play goes into the set put aside too, as it stands now.
    document->StoreCurrentPage();
    // Saves may lie in the game's folder and in the per-user one; each set
    // is put aside where it lies.
    std::vector<std::string> paths;
    for (const std::string& folder :
         {document->GetFileOps()->ResolvePath(""), g_userDataDirectory}) {
        for (int32_t page = 1; !folder.empty() && page <= kPageCount; ++page)
            paths.push_back(folder + g_pageSaveFileNames[static_cast<size_t>(page)]);
    }
    MoveSavesToPrevious(paths);
    // Without its save file the page comes back as new.
    document->LoadPage(window);
    book.ClearProgress();
    bookView.AllPagesChanged();
    sounds->Play(window, kSoundClear);
}
