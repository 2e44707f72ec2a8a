// The one object behind the main window's game handlers: it sets the game up
// when the window is created, leaves the title screen for the game screen,
// moves between pages, shows the directions, the about box and the ending
// picture, and ends the game. It keeps the game's state word, which the main
// loop and the keyboard read. Windows only.
#pragma once

#include "game/game_state.h"
#include "game/win32/book_play.h"
#include "game/win32/corner_play.h"
#include "game/win32/house_rules.h"
#include "game/win32/own_pictures.h"
#include "game/win32/screens.h"
#include "game/win32/sound_switch.h"
#include "game/win32/title_players.h"
#include "platform/win_types.h"

#include <shellapi.h>

#include <cstdint>
#include <string>

class CAnimDoc;
class CAnimView;
class CCursorSet;
class CGameScreen;
class CSoundEffects;
class CTitleScreen;

class CGameController {
public:
    CGameController(CTitleScreen* titleScreen, CGameScreen* gameScreen, CAnimDoc* document,
                    CAnimView* view);

    // WM_CREATE, inside window creation: base directory, "save" folder,
    // options, the title screen, the game buttons' faces and the cursors.
    LRESULT OnCreate(HWND window, const CREATESTRUCTA* creation);
    // WM_PAINT: the current screen; the first paint of the game screen
    // starts play (and shows the one-time directions).
    LRESULT OnPaint(HWND window);
    // WM_COMMAND from the buttons and keys: 1 when handled; 0 for ID_QUIT
    // (which only asks for WM_CLOSE) and for anything unknown.
    LRESULT OnCommand(HWND window, int32_t id, int32_t notification);
    // WM_CLOSE: the ending picture, the page stored, the music stopped, the
    // window destroyed.
    LRESULT OnClose(HWND window);
    // WM_QUERYENDSESSION and WM_ENDSESSION: the page shown and the options
    // are stored, the page staying as it is on the screen.
    void OnEndSession(HWND window);

    int32_t GetState() const { return state; }

    // The picture book (book_play.h). A key the book answers (a BookKey),
    // and the mouse while the book is open (WM_LBUTTONDOWN, WM_MOUSEMOVE,
    // WM_LBUTTONUP at client x, y).
    void OnBookKey(HWND window, int32_t key);
    // Delete let go while the book is open (a hold of it removes a picture),
    // and the keyboard lost (a key let go elsewhere never comes up here).
    void OnBookRemoveKeyUp();
    void OnBookLostKeyboard();
    void OnBookMouse(HWND window, uint32_t message, int32_t x, int32_t y);
    // WM_DROPFILES: pictures dropped onto the window become pages while a
    // page is played; at any other time the drop is let go.
    void OnDropFiles(HWND window, HDROP drop);
    // The main loop's periodic call while the book is open: the start-again
    // control's hold moves on, and the changes reach the screen.
    void TickBook(HWND window);
    // The grown-up corner's settings in force, and the child lock's holds
    // (keyboard.cpp, the window procedure and the main loop pass them on).
    CHouseRules& HouseRules() { return houseRules; }
    // The title screen's player badges (the keys and the window procedure
    // pass them on while the title shows).
    CTitlePlayers& TitlePlayers() { return titlePlayers; }
    // The grown-up corner (corner_play.h): its door on the title screen
    // takes the mouse and G there (the window procedure and the keys pass
    // them on); UWM_OPEN_CORNER and the tick open it.
    CCornerPlay& Corner() { return corner; }
    void OpenCorner(HWND window);
    // While the corner shows: the mouse (WM_LBUTTONDOWN, WM_MOUSEMOVE,
    // WM_LBUTTONUP at x, y), a CornerKey, and Enter or Space coming up.
    void OnCornerMouse(HWND window, uint32_t message, int32_t x, int32_t y);
    void OnCornerKey(HWND window, int32_t key);
    void OnCornerKeyUp(HWND window);
    // The main loop's periodic call on the title screen and in the corner:
    // the door's or a corner control's hold moves on.
    void TickCorner(HWND window);

    CGameController(const CGameController&) = delete;
    CGameController& operator=(const CGameController&) = delete;

private:
    void Start(HWND window);
    void ChangePage(HWND window, int32_t direction);
    void ShowAboutBox(HWND window);
    void ShowDirectionsOnce(HWND window);
    // The picture book: opened over the page in play, which stays in memory;
    // closed onto page (one chosen in it), or with 0 back onto the page it
    // was opened over.
    void OpenBook(HWND window);
    void CloseBook(HWND window, int32_t page);
    // Closed onto one of the player's own pictures; the book stays open
    // when the picture cannot be opened.
    void CloseBookOnOwn(HWND window, const std::string& name);
    // What was chosen in the book carried out.
    void TakeBookChoice(HWND window, const BookChoice& choice);
    // "Add a picture" from the book: the new page shows, or the book again.
    void AddFromBook(HWND window);
    // Back from the corner to the title screen, its badges as the corner
    // left the household.
    void CloseCorner(HWND window);
    // Tells the player, the first time it happens, that nothing the game
    // writes could be kept anywhere.
    void NoticeStoreFailure(HWND window);
    // A page is loaded once the game screen has been entered; before that
    // the document is empty and must never be stored over a page's save.
    bool HasPage() const { return state != kStateTitle && state != kStateCorner; }

    int32_t state = kStateTitle;
    CCursorSet* cursors;
    CSoundEffects* sounds;
    CTitleScreen* titleScreen;
    CGameScreen* gameScreen;
    CAnimDoc* document;
    CAnimView* view;
    // The speaker button's switch and the picture book: the game's own.
    CSoundSwitch soundSwitch{gameScreen, document, sounds};
    // Set while the ending picture is up, so that a second close request
    // cannot end the game twice.
    bool closing = false;
    CBookPlay bookPlay{document, sounds, &ownPictures};
    CHouseRules houseRules{view, sounds};
    CTitlePlayers titlePlayers;
    CCornerPlay corner{titleScreen, &houseRules, sounds};
    // The player's own pictures: adding them and paging among them.
    COwnPictures ownPictures{document};
};

extern CGameController g_gameController;
