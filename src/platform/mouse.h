// The platform's mouse: capturing and clipping the pointer while a piece is
// carried, and the pointer's shape.
#pragma once

#include "platform/win_types.h"

namespace platform {

// Called by the view when a piece is lifted, and by the game controller while
// "Start again" is held: every mouse message goes to window until the capture
// is released, wherever the pointer is.
void CaptureMouse(HWND window);

// Called by the view when the button is released and when a drag ends, and by
// the game controller when "Start again" is let go.
void ReleaseMouse();

// Called by the view: keeps the pointer inside rect (screen coordinates);
// null lets it go anywhere again.
void ClipPointer(const RECT* rect);

// Called by CCursorSet::ApplyCursor and the buttons' WM_SETCURSOR handling:
// makes cursor the pointer shape; null shows no shape at all.
void ShowCursorShape(HCURSOR cursor);

// Called by the cursor set when it lets go of a cursor it loaded.
void DestroyCursorShape(HCURSOR cursor);

} // namespace platform
