// The play screen's copies: the view composes the play screen in memory and
// copies only the changed rectangles to the window. Rectangles are client
// coordinates of the window, right and bottom exclusive. A null window has no
// client area: nothing is copied to it or invalidated.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

namespace platform {

// Called by CAnimViewBase::CreateOffscreen: a 24-bit picture of width x
// height whose rows are stored bottom row first, made for window's display
// (a DIB section). *pixels receives its rows, which belong to the section.
// Null when it cannot be made; *pixels is then null.
HBITMAP CreateOffscreenSection(HWND window, int32_t width, int32_t height, void** pixels);

// Called when the view replaces or drops its offscreen image. Null is ignored.
void DeleteOffscreenSection(HBITMAP section);

// Called by CAnimViewBase::Blit: copies the block rect of the section (which
// lies inside it) to the same place of window, unconverted.
void CopySectionToWindow(HWND window, HBITMAP section, const RECT& rect);

// Called by CAnimViewBase::Blit for a view without a DIB section: the same
// copy from a width x height 24-bit picture in memory, rows bottom first.
void CopyPixelsToWindow(HWND window, const void* pixels, int32_t width, int32_t height,
                        const RECT& rect);

// Called by CAnimView::NewBackground: the whole client area is to be painted
// again, without erasing it first.
void InvalidateWindow(HWND window);

} // namespace platform
