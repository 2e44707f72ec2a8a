#pragma once

#include "platform/win_types.h"

// Called by WinMain: dispatches messages first; while the game is active each
// idle pass ticks the play screen's view (only while playing) and waits up to
// 10 ms for the next message, while it is inactive the loop blocks. Returns
// the quit message's wParam.
WPARAM RunMainLoop();
