// Process-wide state of the application shell.
#pragma once

#include "platform/win_types.h"

#include <cstdint>
#include <string>

class CFullScreenWindow;

extern std::string g_className;   // "Varnolt"; also the start of the mutex name
extern std::string g_windowTitle; // "Varnolt"
// Written only by the window procedure on WM_ACTIVATEAPP; read by the main loop.
extern volatile int32_t g_appActive;
extern CFullScreenWindow* g_mainWindow;
// The first copy's window, seen by every process started from this program
// file (a shared section), so that a second copy can bring it forward.
extern volatile uint32_t g_mainWindowHandle;
