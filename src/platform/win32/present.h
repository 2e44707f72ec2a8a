// The scaled presentation's share of the platform: where the play screen's
// copies land when the game's picture is not shown 1:1 at the window's
// top-left. The app's presentation sets the fit; the copies to the window
// (platform.h) then scale each changed block with the game's own scaler into
// a client-sized picture and copy that block alone. With the identity fit,
// the designed 1024 x 768 screen, the copies are exactly the plain ones.
#pragma once

#include "platform/picture_fit.h"
#include "platform/win_types.h"

namespace present {

// Called by the app's presentation whenever the window's client area or the
// presentation changes.
void SetFit(HWND window, const PictureFit& fit);

// The fit in force: the identity one until SetFit is called.
const PictureFit& CurrentFit();

// Called by the controller's paint handler right after BeginPaint: while the
// picture is scaled, what the screens then draw in the picture's coordinates
// (the title screen, the page label) lands scaled in the picture's area. At
// 1:1 the context is left exactly as it is.
void PreparePaint(HDC dc);

// Called by the copies to the window: scales the block rect (picture
// coordinates) of pixels (width x height, 24-bit, rows bottom first) into
// the window. False when the fit is the identity and nothing was done.
bool CopyScaled(HWND window, const void* pixels, int32_t width, int32_t height, const RECT& rect);

// Called by the window procedure when a child button paints while the
// picture is scaled: the button's rectangle in the picture's coordinates is
// drawn by draw into a memory picture of that size, which then fills the
// button's client area scaled.
void PaintScaledChild(HDC target, const RECT& targetRect, int32_t pictureWidth,
                      int32_t pictureHeight, void (*draw)(HDC dc, void* context), void* context);

} // namespace present
