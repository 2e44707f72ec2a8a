#include "game/win32/game_controller.h"
#include "audio/music_playlist.h"
#include "game/commands.h"
#include "game/key_commands.h"
#include "game/page_cursor.h"
#include "game/sound_effects.h"
#include "game/win32/picture_dialogs.h"
#include "game/win32/screens.h"
#include "image/cursor_set.h"
#include "image/win32/cursor_loader.h"
#include "persist/initialization.h"
#include "persist/mapped_file.h"
#include "persist/settings.h"
#include "persist/store_locations.h"
#include "platform/win32/present.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"

CGameController::CGameController(CTitleScreen* titleScreen, CGameScreen* gameScreen,
                                 CAnimDoc* document, CAnimView* view)
    : cursors(GetCursorSet()), sounds(GetSoundEffects()), titleScreen(titleScreen),
      gameScreen(gameScreen), document(document), view(view) {}

LRESULT CGameController::OnCreate(HWND window, const CREATESTRUCTA* creation) {
    SetBaseDirectory();
    const CMappedFile base(true);
    // A folder that cannot be made here sends the pages to the per-user
    // folder when they are stored. An installed game's folder is the
    // program's: nothing is made there.
    if (!StoresPerUser())
        CMappedFile::EnsureDirectory(base.ResolvePath("\\save"));
    CInitialization::GetInstance()->Initialize(base.ResolvePath(""));
    // Beside the options file, so the two always travel together.
    CSettings::GetInstance()->Initialize(base.ResolvePath(""));
    soundSwitch.Apply(window);
    houseRules.Apply();
    titlePlayers.Enter();
    // The game begins at the title screen with no page loaded; the state word
    // says so together with the current screen.
    state = kStateTitle;
    closing = false;
    g_currentScreen = titleScreen;
    titleScreen->Enter(window);
    gameScreen->Prepare(window);
    PostMessageA(window, UWM_TITLE_SCREEN_READY, 0, 0);
    LoadCursors(cursors, creation != nullptr ? creation->hInstance : nullptr);
    cursors->SetKind(kCursorArrow);
    // Pictures dropped onto the window become pages of the player's own. The
    // style is what DragAcceptFiles would set; set here, it keeps the shell's
    // library out of the start-up.
    SetWindowLongPtrA(window, GWL_EXSTYLE,
                      GetWindowLongPtrA(window, GWL_EXSTYLE) | WS_EX_ACCEPTFILES);
    return 0;
}

LRESULT CGameController::OnPaint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    // A picture scaled to a larger screen or a window: drawn to its scale.
    present::PreparePaint(dc);
    if (g_currentScreen != nullptr)
        g_currentScreen->Paint(dc);
    EndPaint(window, &paint);
    // Play starts once the page has been seen.
    if (state == kStateStarting) {
        state = kStatePlaying;
        ShowDirectionsOnce(window);
    }
    if (state == kStatePlaying)
        NoticeStoreFailure(window);
    SetFocus(window);
    return 0;
}

void CGameController::NoticeStoreFailure(HWND window) {
    // Once per run, in the game's own pictures; play goes on either way.
    if (TakeStoreFailureNotice())
        ShowPictureDialog(window, kPictureDialog, PictureDialogProc, "CannotSaveDialogBkg");
}

void CGameController::ShowDirectionsOnce(HWND window) {
    if (g_showOneTimeDirections == 0)
        return;
    ShowPictureDialog(window, kPictureDialog, PictureDialogProc, "OneTimeDirectionsDialogBkg");
    // Saved at once: once per options file, not once per run.
    g_showOneTimeDirections = 0;
    CInitialization::GetInstance()->Save();
}

LRESULT CGameController::OnCommand(HWND window, int32_t id, int32_t) {
    if (id == ID_START) {
        Start(window);
        return 1;
    }
    if (id == ID_QUIT) {
        // With the child lock on only a hold of the button quits
        // (house_rules.h); its click does nothing.
        if (!houseRules.LockOn())
            PostMessageA(window, WM_CLOSE, 0, 0);
        else
            SetFocus(window);
        return 0;
    }
    // The page commands come from the game screen's buttons and keys; from
    // anywhere else before a page is loaded they would store an empty page.
    if (!HasPage())
        return 0;
    // The book covers the page and its buttons; only its own two commands
    // reach it.
    if (state == kStateBook && id != ID_SOUND && id != ID_BOOK)
        return 0;
    switch (id) {
    case ID_INFO:
        ShowAboutBox(window);
        break;
    case ID_PREV_PAGE:
        ChangePage(window, kPreviousPage);
        break;
    case ID_NEXT_PAGE:
        ChangePage(window, kNextPage);
        break;
    case ID_CLEAR_PAGE:
        view->ClearPage(window);
        SetFocus(window);
        break;
    case ID_SOUND:
        soundSwitch.Cycle(window);
        SetFocus(window);
        break;
    case ID_ADD_PICTURE:
        if (state == kStatePlaying) {
            view->CancelDrag(window);
            ownPictures.AddFromDialog(window);
        }
        break;
    case ID_YOUR_PICTURES:
        if (state == kStatePlaying) {
            view->CancelDrag(window);
            sounds->Play(window, kSoundChangePage);
            ownPictures.ShowShelf(window);
        }
        break;
    case ID_BOOK:
        if (state == kStateBook)
            CloseBook(window, 0);
        else
            OpenBook(window);
        break;
    default:
        return 0;
    }
    return 1;
}

void CGameController::Start(HWND window) {
    // Only the title screen starts; a second start would reload the page
    // without storing it.
    if (state != kStateTitle)
        return;
    // Whose progress the pages are, before the first is loaded.
    titlePlayers.ChooseHighlighted();
    g_currentScreen = gameScreen;
    gameScreen->Enter(window);
    PostMessageA(window, UWM_GAME_SCREEN_READY, 0, 0);
    titleScreen->RemoveControls();
    state = kStateStarting;
}

void CGameController::ChangePage(HWND window, int32_t direction) {
    // Started first: the sound plays while the new page loads.
    sounds->Play(window, kSoundChangePage);
    // On one of the player's own pages the page keys go round those.
    if (!ownPictures.Step(window, direction == kNextPage ? 1 : -1))
        document->ChangePage(direction);
    gameScreen->RedrawPageLabel(window);
    NoticeStoreFailure(window);
    SetFocus(window);
}

void CGameController::ShowAboutBox(HWND window) {
    // Stored, but not rebuilt from its file: a store that failed must not
    // cost the player what is on the screen.
    document->StorePage();
    NoticeStoreFailure(window);
    ShowPictureDialog(window, kPictureDialog, PictureDialogProc, "AboutDialogBkg");
    SetFocus(window);
}

LRESULT CGameController::OnClose(HWND window) {
    if (closing)
        return 0;
    closing = true;
    // The piece in hand goes home before the ending picture covers it.
    view->CancelDrag(window);
    ShowPictureDialog(window, kEndingDialog, EndingDialogProc, "EndingScrnDialogBkg");
    // Closed from the title screen, there is no page to store, and storing
    // the empty document would wipe page 1's save.
    if (HasPage())
        document->StorePage();
    g_musicPlaylist.Stop();
    DestroyWindow(window);
    return 0;
}

void CGameController::OnEndSession(HWND) {
    // From the title screen there is no page yet, and an empty one must not
    // be stored over page 1's save.
    if (HasPage())
        document->StorePage();
    CInitialization::GetInstance()->Save();
}

void CGameController::OpenBook(HWND window) {
    if (state != kStatePlaying)
        return;
    // The page stays in memory as it is: a piece in the air goes back, and
    // the sparkle of a page just finished ends.
    view->CancelDrag(window);
    view->Finish().StopSparkle();
    bookPlay.Open();
    gameScreen->HideControls();
    state = kStateBook;
    g_currentScreen = bookPlay.Screen();
    bookPlay.Enter(window);
    cursors->SetKind(kCursorArrow);
    cursors->ApplyCursor();
    InvalidateRect(window, nullptr, FALSE);
    SetFocus(window);
}

void CGameController::OnDropFiles(HWND window, HDROP drop) {
    if (state != kStatePlaying) {
        DragFinish(drop);
        return;
    }
    view->CancelDrag(window);
    ownPictures.AddDropped(window, drop);
}

void CGameController::CloseBook(HWND window, int32_t page) {
    if (state != kStateBook)
        return;
    bookPlay.EndHold();
    state = kStatePlaying;
    g_currentScreen = gameScreen;
    // Another page is a page change like any other: the page left is stored.
    // Over one of the player's own pictures even the cursor's page is
    // another page.
    if (page != 0 && (page != document->GetPageCursor()->GetPageIndex() ||
                      document->GetPageSource() != nullptr)) {
        sounds->Play(window, kSoundChangePage);
        document->GoToPage(page);
        ownPictures.Forget();
    }
    gameScreen->ShowControls(window);
    SetFocus(window);
}

void CGameController::OnBookKey(HWND window, int32_t key) {
    if (state != kStateBook)
        return;
    switch (key) {
    case kBookKeyClose:
        CloseBook(window, 0);
        break;
    case kBookKeyOpen:
        TakeBookChoice(window, bookPlay.Highlighted());
        break;
    case kBookKeyNextPage:
        bookPlay.TurnPage(window, 1);
        break;
    case kBookKeyPreviousPage:
        bookPlay.TurnPage(window, -1);
        break;
    case kBookKeyTurn:
        bookPlay.Turn(window);
        break;
    case kBookKeyAddPicture:
        AddFromBook(window);
        break;
    case kBookKeyRemove:
        bookPlay.PressRemoveKey();
        break;
    case kBookKeySound:
        soundSwitch.Cycle(window);
        break;
    case kBookKeyLeft:
        bookPlay.MoveHighlight(BookMove::kLeft);
        break;
    case kBookKeyRight:
        bookPlay.MoveHighlight(BookMove::kRight);
        break;
    case kBookKeyUp:
        bookPlay.MoveHighlight(BookMove::kUp);
        break;
    case kBookKeyDown:
        bookPlay.MoveHighlight(BookMove::kDown);
        break;
    default:
        break;
    }
}

void CGameController::OnBookRemoveKeyUp() {
    if (state == kStateBook)
        bookPlay.ReleaseRemoveKey();
}

void CGameController::OnBookLostKeyboard() {
    if (state == kStateBook)
        bookPlay.CancelRemoveKey();
}

void CGameController::OnBookMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    if (state != kStateBook)
        return;
    TakeBookChoice(window, bookPlay.OnMouse(window, message, x, y));
}

void CGameController::TakeBookChoice(HWND window, const BookChoice& choice) {
    if (choice.addPicture)
        AddFromBook(window);
    else if (!choice.ownPage.empty())
        CloseBookOnOwn(window, choice.ownPage);
    else if (choice.page != 0)
        CloseBook(window, choice.page);
}

void CGameController::CloseBookOnOwn(HWND window, const std::string& name) {
    if (state != kStateBook)
        return;
    bookPlay.EndHold();
    if (name != ownPictures.ShownName()) {
        if (!ownPictures.Open(name))
            return;
        sounds->Play(window, kSoundChangePage);
    }
    state = kStatePlaying;
    g_currentScreen = gameScreen;
    gameScreen->ShowControls(window);
    NoticeStoreFailure(window);
    SetFocus(window);
}

void CGameController::AddFromBook(HWND window) {
    if (state != kStateBook)
        return;
    bookPlay.EndHold();
    if (ownPictures.AddFromDialog(window)) {
        // The new page shows at once, as when added while playing.
        state = kStatePlaying;
        g_currentScreen = gameScreen;
        gameScreen->ShowControls(window);
    } else {
        bookPlay.Refresh(window);
    }
    SetFocus(window);
}

void CGameController::TickBook(HWND window) {
    if (state != kStateBook)
        return;
    bookPlay.Tick(window);
}

void CGameController::OpenCorner(HWND window) {
    // Only from the title screen: no page is in play, and who plays is
    // chosen only after it.
    if (state != kStateTitle)
        return;
    ShowWindow(titleScreen->StartButton(), SW_HIDE);
    state = kStateCorner;
    g_currentScreen = corner.Open(window);
    InvalidateRect(window, nullptr, FALSE);
    SetFocus(window);
}

void CGameController::CloseCorner(HWND window) {
    if (state != kStateCorner)
        return;
    state = kStateTitle;
    g_currentScreen = titleScreen;
    titlePlayers.Enter();
    ShowWindow(titleScreen->StartButton(), SW_SHOW);
    InvalidateRect(window, nullptr, FALSE);
    SetFocus(window);
}

void CGameController::OnCornerMouse(HWND window, uint32_t message, int32_t x, int32_t y) {
    if (state == kStateCorner && corner.OnMouse(window, message, x, y))
        CloseCorner(window);
}

void CGameController::OnCornerKey(HWND window, int32_t key) {
    if (state == kStateCorner && corner.OnKey(window, key))
        CloseCorner(window);
}

void CGameController::OnCornerKeyUp(HWND window) {
    if (state == kStateCorner && corner.OnKeyUp(window))
        CloseCorner(window);
}

void CGameController::TickCorner(HWND window) {
    if (state == kStateTitle && corner.TickDoor(window))
        OpenCorner(window);
    else if (state == kStateCorner)
        corner.Tick(window);
}
