// Picture dialogs drawn inside the game's own window instead of over it: a
// child of the window, run by a loop of its own until it is answered. The
// player's own pictures ask and tell through these, so that adding a photo
// opens and closes no window of its own: under Wine without a window
// manager every top-level window that closes costs a two-second wait, and
// on any desktop a window that comes and goes moves the focus about.
// Windows only.
#pragma once

#include "platform/win_types.h"

// Called by the photo dialogs: dialog index's picture dialog, run by
// procedure, centred in parent's client area until the procedure ends it
// with EndPictureDialog (picture_dialogs.h). Its result, or 0 when it could
// not be made or the game is ending. Meanwhile the page beneath takes no
// input, as beneath a modal dialog, and keys always reach the dialog.
INT_PTR ShowPictureDialogInside(HWND parent, int index, DLGPROC procedure,
                                const char* backgroundName);
