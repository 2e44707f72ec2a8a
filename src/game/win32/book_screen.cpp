#include "game/win32/screens.h"
#include "shelf/shelf_view.h"
#include "sprites/book_view.h"

void CBookScreen::Enter(HWND window) {
    view->LoadPictures();
    shelfView->LoadPictures();
    ShowTurned(window);
}

void CBookScreen::Paint(HDC) {
    // The views copy to the window themselves, as the game screen's does.
    if (onShelf)
        shelfView->RedrawAll();
    else
        view->RedrawAll();
}

void CBookScreen::TurnTo(HWND window, bool shelf, const std::string& shelfFolder) {
    onShelf = shelf;
    folder = shelfFolder;
    if (window != nullptr) {
        ShowTurned(window);
        Paint(nullptr);
    }
}

void CBookScreen::ShowTurned(HWND window) {
    if (onShelf)
        shelfView->Show(window, folder);
    else
        view->Show(window);
}
