// The platform seam: the only system services the portable engine uses.
// src/platform/win32 implements them with Win32 calls; src/platform/headless
// implements them for native builds (tests, fuzzers, benchmarks, the content
// tool), recording what it was asked to do and never pretending a window exists.
#pragma once

#include "platform/win_types.h"

#include <cstdint>
#include <string>

namespace platform {

// Called by Log for its time stamp: the multimedia millisecond clock.
uint32_t MillisecondClock();

// Called by Log: writes "<stamp>:  " with the system's own formatter into
// buffer (at least 24 characters) and returns the characters written.
int FormatLogPrefix(char* buffer, int stamp);

// Called by the file class and its tests: the calling thread's last-error code
// (GetLastError/SetLastError on Windows).
uint32_t LastErrorCode();
void SetLastErrorCode(uint32_t code);

// Called by the serializer and the native file class: a game path, which
// uses backslashes and ignores case, as the host's file system spells it.
std::string NativePath(const std::string& gamePath);

// ---- Stored files, sound effects and the mouse pointer ------------------

// Called by Serializer::Commit: forces the finished file `from` to disk, then
// puts it in place of `to` in one step, replacing any file there (a rename;
// MoveFileExA with write-through on Windows). Both are native paths in one
// folder. False when either step failed; `to` is then as it was.
bool MoveFileReplacing(const std::string& from, const std::string& to);

// Called by CSoundEffects::Play: starts the WAVE resource `name` of the module
// that owns window and returns at once; a sound still playing is cut off. A
// sound that cannot be played is skipped without a word.
void PlaySoundResource(HWND window, const char* name);

// Called by CCursorSet::ApplyCursor and the buttons' WM_SETCURSOR handling:
// makes cursor the pointer shape; null shows no shape at all.
void ShowCursorShape(HCURSOR cursor);

// Called when the cursor set lets go of a cursor it loaded.
void DestroyCursorShape(HCURSOR cursor);

// ---- end of stored files, sound effects and the mouse pointer -----------

// ---- The play screen: offscreen image, copies to the window, the mouse --
// The view composes the play screen in memory and copies only the changed
// rectangles to the window. Rectangles are client coordinates of the window,
// right and bottom exclusive. A null window has no client area: nothing is
// copied to it or invalidated.

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

// Called by the view when a piece is lifted: every mouse message goes to
// window until the capture is released, wherever the pointer is.
void CaptureMouse(HWND window);

// Called by the view when the button is released and when a drag ends.
void ReleaseMouse();

// Called by the view: keeps the pointer inside rect (screen coordinates);
// null lets it go anywhere again.
void ClipPointer(const RECT* rect);

// ---- end of the play screen ---------------------------------------------

} // namespace platform
