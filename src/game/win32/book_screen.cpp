#include "game/win32/screens.h"
#include "sprites/book_view.h"

void CBookScreen::Enter(HWND window) {
    view->LoadPictures();
    view->Show(window);
}

void CBookScreen::Paint(HDC) {
    // The view copies to the window itself, as the game screen's does.
    view->RedrawAll();
}
