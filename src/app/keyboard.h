// The main window's WM_KEYDOWN: keys become commands, most of them through a
// visible press of the button they stand for.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

// Called by the window procedure with the key's virtual-key code, and
// whether it is the repeat of a key held down; what a key does depends on
// the controller's state (game/key_commands.h).
void OnKeyDown(HWND window, uint32_t key, bool repeated);

// The window procedure's WM_KEYUP: the end of a child lock's hold.
void OnKeyUp(HWND window, uint32_t key);
