// Loading the cursor set from the program's resources (Windows only).
#pragma once

#include "image/cursor_set.h"

#include <windows.h>

// Called by the controller when the main window is created: loads
// "ArrowCursor", "HandCursor" and "HandCursor2" from module into slots 0, 1
// and 2 of set. A cursor that fails to load leaves its slot null, which shows
// no pointer while that slot is current; nothing is reported.
void LoadCursors(CCursorSet* set, HINSTANCE module);
