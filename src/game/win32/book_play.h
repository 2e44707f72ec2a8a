// The picture book in play: what it knows (game/picture_book.h and, for the
// player's own pictures, game/shelf_book.h), its views (sprites/book_view.h,
// shelf/shelf_view.h) and screen, the highlight moved by keys, a page chosen
// by mouse, the start-again control held down until every page starts
// afresh, and on "your pictures" the remove control held down until a
// picture is taken off the shelf. The controller holds it, opens and closes
// it and passes on the keys, the mouse and the tick while it is open.
// Windows only.
#pragma once

#include "game/picture_book.h"
#include "game/shelf_book.h"
#include "game/shelf_layout.h"
#include "game/win32/screens.h"
#include "platform/win_types.h"
#include "shelf/shelf_view.h"
#include "sprites/book_view.h"

#include <cstdint>
#include <string>

class CAnimDoc;
class COwnPictures;
class CSoundEffects;

// What the player chose in the book: one of the thirty pages, one of their
// own pictures (by its folder's name), "add a picture", or nothing.
struct BookChoice {
    int32_t page = 0;
    std::string ownPage;
    bool addPicture = false;
};

class CBookPlay {
public:
    CBookPlay(CAnimDoc* document, CSoundEffects* sounds, COwnPictures* ownPictures);

    // The book opened over the document's page, which stays in memory as it
    // is; over one of the player's own pictures it opens on "your
    // pictures". The screen to show it on, and showing it there.
    void Open();
    CScreen* Screen() { return &bookScreen; }
    void Enter(HWND window) { bookScreen.Enter(window); }

    // The thirty pages' page the book was opened on.
    int32_t CurrentPage() const { return book.CurrentPage(); }
    bool OnShelf() const { return onShelf; }
    // The highlighted page or picture, for Enter.
    BookChoice Highlighted() const;
    void MoveHighlight(BookMove move);
    // Page Down (1) and Page Up (-1): the thirty pages, then each sheet of
    // the player's own pictures, and round again. Turn (Y, the turn
    // control): straight to the other page. Neither does anything for a
    // player with no pictures of their own.
    void TurnPage(HWND window, int32_t step);
    void Turn(HWND window);
    // WM_LBUTTONDOWN, WM_MOUSEMOVE and WM_LBUTTONUP at client x, y: what
    // was clicked (pressed and let go over the same thing), if anything.
    BookChoice OnMouse(HWND window, uint32_t message, int32_t x, int32_t y);
    // Delete pressed on "your pictures": the highlighted picture's remove
    // control held (the key's repeats keep the first press's time); and
    // let go, a tap showing it must be held.
    void PressRemoveKey();
    void ReleaseRemoveKey();
    // The keyboard went elsewhere: a hold by Delete is forgotten.
    void CancelRemoveKey();
    // Lets go of a held control before its time.
    void EndHold();
    // The main loop's periodic call while the book is open: a held
    // control's hold moves on, and the changes reach the screen.
    void Tick(HWND window);
    // After a dialog that may have changed the shelf: read again and shown.
    void Refresh(HWND window);

    CBookPlay(const CBookPlay&) = delete;
    CBookPlay& operator=(const CBookPlay&) = delete;

private:
    BookChoice OnBookMouse(HWND window, uint32_t message, int32_t x, int32_t y);
    BookChoice OnShelfMouse(HWND window, uint32_t message, int32_t x, int32_t y);
    void ReadShelf();
    void TurnTo(HWND window, bool shelf);
    void MoveShelfHighlight(BookMove move);
    // Every page's progress cleared, the old save files put aside.
    void StartAgain(HWND window);
    // A hold on a picture's remove control done: its folder moved aside.
    void TakeOffShelf(HWND window, const std::string& name);

    CAnimDoc* document;
    CSoundEffects* sounds;
    COwnPictures* ownPictures;
    CPictureBook book;
    CShelfBook shelf;
    CBookView bookView{&book};
    CShelfView shelfView{&shelf};
    CBookScreen bookScreen{&bookView, &shelfView};
    std::string shelfFolder;
    bool onShelf = false;
    // The page under the last button press in the book; a click opens a
    // page only when the button is let go over the same one.
    int32_t pressedPage = 0;
    bool pressedTurn = false;
    // The same on "your pictures".
    ShelfSpot pressedSpot;
    // The remove control is held by Delete, not the mouse.
    bool removeByKey = false;
};
