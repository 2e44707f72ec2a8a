// The game's two screens, both 1024 x 768 and drawn from pictures: the title
// screen (a tiled background, the title picture and the start button) and
// the game screen (the page drawn by the animation view, five picture
// buttons along the bottom and the page number between the page buttons).
// The controller keeps the current one in g_currentScreen. Windows only.
#pragma once

#include "game/screen_layout.h"
#include "game/win32/button_group.h"
#include "game/win32/framed_image.h"
#include "platform/win_types.h"

#include <cstdint>
#include <string>

class CAnimDoc;
class CAnimView;
class CBookView;
class CShelfView;
class CPageCursor;

class CScreen {
public:
    virtual ~CScreen() = default;
    // Makes the screen ready to be shown in window: reads its pictures.
    virtual void Enter(HWND window) = 0;
    // Draws the whole screen into dc (the paint's context).
    virtual void Paint(HDC dc) = 0;
    // Creates the screen's buttons; the screen-ready messages call it, so it
    // runs after the handler that entered the screen has returned.
    virtual void ShowControls(HWND window) = 0;
    virtual void RemoveControls() = 0;
    // The owner-draw of button `id`.
    virtual void DrawItem(const DRAWITEMSTRUCT* item, uint32_t id) = 0;
};

class CTitleScreen : public CScreen {
public:
    CTitleScreen();
    void Enter(HWND window) override;
    void Paint(HDC dc) override;
    void ShowControls(HWND window) override;
    // Destroys the start button; the title screen is never shown again.
    void RemoveControls() override;
    void DrawItem(const DRAWITEMSTRUCT* item, uint32_t id) override;

    HWND StartButton() const { return buttons.ButtonWindow(0); }
    // The grown-up corner's door shows face (at rest, or how far its hold
    // has come: corner_holds.h); the caller has the window painted.
    void SetDoorFace(int32_t face) { doorFace = face; }

private:
    // Fills canvas (the whole screen) with the background tile in 8-pixel
    // steps.
    void CoverWithTile(HDC canvas);
    // The players' badges below the title picture (player_badges.h).
    void DrawBadges(HDC canvas);

    CFramedImage titlePicture;
    CFramedImage badgesPicture;
    CFramedImage backgroundTile;
    CFramedImage doorPicture;
    int32_t doorFace = 0;
    CTitleButtonGroup buttons;
    FramedImageInfo buttonInfo;
    ButtonWindowInfo buttonWindow;
};

class CGameScreen : public CScreen {
public:
    CGameScreen(CAnimDoc* document, CAnimView* view);
    // Once, while the main window is created: reads the buttons' faces.
    void Prepare(HWND window);
    // Reads the page labels and has the document load the current page.
    void Enter(HWND window) override;
    // The whole page through the view, then the page label.
    void Paint(HDC dc) override;
    // Creates the buttons the first time, shows them again after the book.
    void ShowControls(HWND window) override;
    void RemoveControls() override {}
    void DrawItem(const DRAWITEMSTRUCT* item, uint32_t id) override;
    // Hides the buttons while the book covers the screen.
    void HideControls();

    // The current page's number between the page buttons, with its star
    // when the page is finished.
    void DrawPageLabel(HDC dc);
    // The same straight into the window, after a page change, so that the
    // rest of the screen need not be painted again.
    void RedrawPageLabel(HWND window);
    // The keyboard's way to a button (the command of any game button):
    // shows it pressed for 125 ms, then posts its command to window.
    void PressButton(HWND window, int32_t id);
    // The sound switch's button takes the faces of setting (0 all on,
    // 1 music off, 2 all off) and is drawn again.
    void ShowSoundSetting(int32_t setting);

    const CGameButtonGroup& Buttons() const { return buttons; }

private:
    CFramedImage pageLabels;
    CFramedImage finishedStar;
    CPageCursor* pageCursor = nullptr;
    CAnimDoc* document;
    CAnimView* view;
    CGameButtonGroup buttons;
    FramedImageInfo buttonInfos[kButtonCount];
    ButtonWindowInfo buttonWindows[kButtonCount];
};

// The picture book, full screen: drawn by the book's own views, the thirty
// pages' or the player's own pictures', with no buttons of its own (the
// game screen's are hidden while it is up).
class CBookScreen : public CScreen {
public:
    CBookScreen(CBookView* view, CShelfView* shelfView) : view(view), shelfView(shelfView) {}
    // Reads the book's pictures the first time and shows the page the book
    // is turned to.
    void Enter(HWND window) override;
    void Paint(HDC dc) override;
    void ShowControls(HWND) override {}
    void RemoveControls() override {}
    void DrawItem(const DRAWITEMSTRUCT*, uint32_t) override {}
    // Called by the book when it opens or turns: which of its pages shows
    // (the player's own pictures, from shelfFolder, or the thirty pages);
    // shown at once when window is given.
    void TurnTo(HWND window, bool shelf, const std::string& shelfFolder);

private:
    void ShowTurned(HWND window);

    CBookView* view;
    CShelfView* shelfView;
    bool onShelf = false;
    std::string folder;
};

// The process-wide screens and the one that receives paint, owner-draw and
// show-controls calls (null until the main window is created).
extern CTitleScreen g_titleScreen;
extern CGameScreen g_gameScreen;
extern CScreen* g_currentScreen;

// The keyboard handler's press of a game button: PressButton of g_gameScreen.
void PressButton(HWND window, int32_t id);
