// The few Windows types the portable engine speaks in. On Windows they are the
// real ones; elsewhere they are layout-compatible stand-ins, so engine code
// never needs <windows.h> itself.
#pragma once

#ifdef _WIN32
#include "platform/win32/windows_api.h"
#else
#include <cstdint>

struct RECT {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct POINT {
    int32_t x;
    int32_t y;
};

// Opaque: the engine only passes window and cursor handles through to the
// platform.
typedef struct HWND__* HWND;
typedef struct HICON__* HICON;
typedef HICON HCURSOR;
typedef struct HBITMAP__* HBITMAP;
#endif
