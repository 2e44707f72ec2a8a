// How the game's 1024 x 768 picture reaches the screen. As designed, the
// display is switched to the picture's size. Where that fails, or where the
// player has chosen so (Alt+Enter), the picture is scaled to fit instead:
// full screen at the desktop's own size, or in a framed window the player
// can size and move, with dark bands where the aspect leaves room. The game
// itself keeps composing the same picture; this class sizes the window, sets
// the fit for the copies (platform/win32/present.h), maps the mouse back,
// keeps the child buttons in place and remembers the choice.
#pragma once

#include "persist/settings.h"
#include "platform/picture_fit.h"
#include "platform/win_types.h"

#include <map>
#include <string>

class CFullScreenWindow;

class CPresentation {
public:
    // Called by the CFullScreenWindow constructor once the window exists (the
    // settings were read while it was created): shows the picture the way the
    // player chose, on the monitor that holds the pointer.
    void Begin(CFullScreenWindow& owner, HWND window, int32_t width, int32_t height);

    // Called by the window procedure on Alt+Enter: a window becomes full
    // screen and anything else a window. The choice is stored at once.
    void Toggle(HWND window);

    // Called by the window procedure on WM_SIZE and when the screen's
    // controls have been made: fits the picture to the client area anew.
    void Refit(HWND window);
    // Called on WM_EXITSIZEMOVE: the framed window's new place is stored.
    void Moved(HWND window);
    // Called on WM_DISPLAYCHANGE: a full screen picture follows the
    // desktop's new size (not the game's own mode switch, which it ignores).
    void DisplayChanged(HWND window);

    // Called by the window procedure on WM_ENTERIDLE for a modal dialog: a
    // picture dialog is centred on the picture, wherever the window is. The
    // designed mode switch leaves it where the dialog put itself.
    void CentreDialog(HWND window, HWND dialog) const;

    // Called by the window procedure after every paint: the letterbox bands.
    void PaintBands(HWND window) const;

    // Called by the window procedure for every mouse message: the picture's
    // pixel under client point (x, y); outside the picture in the bands.
    POINT ToPicture(int32_t x, int32_t y) const;

    // Called by the window procedure for WM_DRAWITEM: true when it drew the
    // child button scaled (through draw), false when the picture is shown
    // 1:1 and the button draws itself as designed.
    bool DrawChildScaled(const DRAWITEMSTRUCT* item, void (*draw)(const DRAWITEMSTRUCT* item));

    // Called by the display mode switch: the monitor to switch ("" for the
    // primary display).
    const std::string& Device() const { return device; }

private:
    enum class Shown { kModeSwitch, kFullScreen, kWindow };

    void EnterFullScreen(HWND window);
    void EnterWindow(HWND window);
    void PlaceChildren(HWND window);
    void Remember();
    // The monitor under the pointer, or with byPointer false the window's.
    void FindMonitor(HWND window, bool byPointer = true);

    CFullScreenWindow* owner = nullptr;
    Shown shown = Shown::kModeSwitch;
    std::string device;
    RECT monitor = {0, 0, 1024, 768};
    RECT workArea = {0, 0, 1024, 768};
    int32_t pictureWidth = 1024;
    int32_t pictureHeight = 768;
    PictureFit fit = FitPicture(1024, 768, 1024, 768);
    PresentationChoice choice;
    // Each child button's rectangle in the picture's coordinates, as the
    // screen made it.
    std::map<HWND, RECT> children;
};

// The one presentation, made on first use.
CPresentation& GetPresentation();
