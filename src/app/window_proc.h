// The main window's procedure: it unpacks each message and hands it to exactly
// one handler.
#pragma once

#include "platform/win_types.h"

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
