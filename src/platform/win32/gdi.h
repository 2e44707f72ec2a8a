// The GDI steps that the play screen, the pictures, the screens and the
// dialogs all take: a window's device context, a DIB section, its header, and
// a bitmap copied through a memory device context. Windows only.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

namespace gdi {

// A window's device context (the screen's for a null window), given back on
// every way out. Get is null when the window has none.
class WindowDC {
public:
    explicit WindowDC(HWND window) : window(window), dc(GetDC(window)) {}
    ~WindowDC() {
        if (dc != nullptr)
            ReleaseDC(window, dc);
    }
    HDC Get() const { return dc; }

    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;

private:
    HWND window;
    HDC dc;
};

// A memory device context compatible with like (the screen when null), with
// bitmap selected into it while it lives. Get is null when none could be made.
class MemoryDC {
public:
    MemoryDC(HDC like, HBITMAP bitmap);
    ~MemoryDC();
    HDC Get() const { return dc; }

    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;

private:
    HDC dc;
    HGDIOBJ previous = nullptr;
};

// The header of an uncompressed picture without a colour table: 24 bits a
// pixel unless told otherwise; rows stored bottom first for a positive
// height, top first for a negative one.
BITMAPINFO BitmapInfo(int32_t width, int32_t height, WORD bitCount = 24);

// A DIB section laid out as info says, made on window's device context (the
// screen's for a null window). *pixels receives its rows, which belong to the
// section. Null, with *pixels null, when it cannot be made.
HBITMAP CreateSection(HWND window, const BITMAPINFO* info, void** pixels);

// Copies the width x height block at (srcX, srcY) of bitmap 1:1 to (x, y) of
// dc, through one memory device context kept for all such copies. False when
// no memory device context could be had for the copy. Called by the DIB
// sections' Draw, the play screen's copy to the window and the dialogs.
bool BlitBitmap(HDC dc, int32_t x, int32_t y, int32_t width, int32_t height, HBITMAP bitmap,
                int32_t srcX, int32_t srcY);

// Copies the width x height block at (x, y) of section to the same place in
// window's client area, then sends it on (SendToScreen). Called by the play
// screen's copies to the window, 1:1 and scaled.
void CopyBlockToWindow(HWND window, HBITMAP section, int32_t x, int32_t y, int32_t width,
                       int32_t height);

// Called after each block drawn straight to a window: has that block reach the
// screen by itself. Under Wine a window's drawing is sent to the X server as
// one bounding rectangle, when the thread next looks at its input; a piece's
// old and new places after a quick move would send everything between them
// (and, scaled, twice as many pixels again). Looking at the queue's mouse
// input after each block sends each alone. Mouse input only, because other
// kinds can call the window procedure from here, in the middle of a frame.
// On Windows this asks the queue's state and nothing more.
void SendToScreen();

} // namespace gdi
