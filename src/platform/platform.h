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

} // namespace platform
