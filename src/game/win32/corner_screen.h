// The grown-up corner on the screen, full screen and drawn from the content
// tool's pictures: its background with the labels, each volume's steps, the
// choices (chosen or not), the players' badges with their held buttons, and
// the keys' focus. What it shows comes from the settings and from the look
// the corner's play keeps; it has no child windows. Windows only.
#pragma once

#include "game/grown_up_corner.h"
#include "game/win32/framed_image.h"
#include "game/win32/screens.h"

#include <cstdint>

// What the corner's play wants shown beyond the settings themselves.
struct CornerLook {
    CornerHit held;         // the control being held, kNothing for none
    int32_t heldFace = 0;   // its face (corner_holds.h: HoldFace)
    CornerHit focus;        // the keys' control
    bool showFocus = false; // only once a key has been used
};

class CCornerScreen : public CScreen {
public:
    explicit CCornerScreen(const CornerLook* look);
    // Reads the corner's pictures the first time.
    void Enter(HWND window) override;
    // Composes the corner off screen and copies it in one go.
    void Paint(HDC dc) override;
    void ShowControls(HWND) override {}
    void RemoveControls() override {}
    void DrawItem(const DRAWITEMSTRUCT*, uint32_t) override {}

private:
    void DrawSettings(HDC canvas, const FamilyChoice& family);
    void DrawPlayers(HDC canvas, const FamilyChoice& family);
    void DrawFocus(HDC canvas);
    // Frame `frame` of picture at box's top-left.
    static void DrawAt(CFramedImage& picture, HDC canvas, int32_t frame, const ScreenBox& box);

    const CornerLook* look;
    bool picturesRead = false;
    CFramedImage background;
    CFramedImage steps;
    CFramedImage choices;
    CFramedImage holdButtons;
    CFramedImage badges;
};
