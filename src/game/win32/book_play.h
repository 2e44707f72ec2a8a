// The picture book in play: what it knows (game/picture_book.h), its view
// (sprites/book_view.h) and screen, the highlight moved by keys, a page
// chosen by mouse, and the start-again control held down until every page
// starts afresh. The controller holds it, opens and closes it and passes on
// the keys, the mouse and the tick while it is open. Windows only.
#pragma once

#include "game/picture_book.h"
#include "game/win32/screens.h"
#include "platform/win_types.h"
#include "sprites/book_view.h"

#include <cstdint>

class CAnimDoc;
class CSoundEffects;

class CBookPlay {
public:
    CBookPlay(CAnimDoc* document, CSoundEffects* sounds);

    // The book opened over the document's page, which stays in memory as it
    // is; the screen to show it on, and showing it there.
    void Open();
    CScreen* Screen() { return &bookScreen; }
    void Enter(HWND window) { bookScreen.Enter(window); }

    // The page the book was opened on, and the page highlighted.
    int32_t CurrentPage() const { return book.CurrentPage(); }
    int32_t Highlight() const { return book.Highlight(); }
    void MoveHighlight(BookMove move);
    // WM_LBUTTONDOWN, WM_MOUSEMOVE and WM_LBUTTONUP at client x, y: the page
    // clicked (pressed and let go over the same one), or 0.
    int32_t OnMouse(HWND window, uint32_t message, int32_t x, int32_t y);
    // Lets go of the start-again control before its time.
    void EndHold();
    // The main loop's periodic call while the book is open: the start-again
    // control's hold moves on, and the changes reach the screen.
    void Tick(HWND window);

    CBookPlay(const CBookPlay&) = delete;
    CBookPlay& operator=(const CBookPlay&) = delete;

private:
    // Every page's progress cleared, the old save files put aside.
    void StartAgain(HWND window);

    CAnimDoc* document;
    CSoundEffects* sounds;
    CPictureBook book;
    CBookView bookView{&book};
    CBookScreen bookScreen{&bookView};
    // The page under the last button press in the book; a click opens a
    // page only when the button is let go over the same one.
    int32_t pressedPage = 0;
};
