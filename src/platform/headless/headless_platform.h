// Test-side controls of the headless platform: what a test may set or read
// back instead of a real system.
#pragma once

#include "platform/photo_decoder.h"
#include "platform/win_types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace headless {

// Each Take* returns what the seam was asked for since the previous call,
// oldest first, and forgets it, so that one test never sees another's calls.

// ---- The clock (platform/clock.h) ----------------------------------------

// The clock MillisecondClock reports; tests set it to pin Log's time stamps.
void SetClock(uint32_t milliseconds);

// ---- Sound effects (platform/sound.h) --------------------------------------

// The resource names PlaySoundResource was asked to play.
std::vector<std::string> TakePlayedSounds();
// The WAVE file ReadSoundResource gives for name (empty: no such resource).
void SetSoundResource(const std::string& name, const std::vector<uint8_t>& wave);
// The WAVE files PlaySoundBytes was asked to play, and how often StopSounds
// was called.
std::vector<std::vector<uint8_t>> TakePlayedWaves();
int TakeSoundStops();

// ---- The mouse (platform/mouse.h) ------------------------------------------

// The capture and clip calls, as "capture", "release", "clip l,t,r,b" and
// "unclip".
std::vector<std::string> TakeMouseCalls();
// The handles ShowCursorShape was given (null included).
std::vector<HCURSOR> TakeShownCursors();
// The handles DestroyCursorShape was given.
std::vector<HCURSOR> TakeDestroyedCursors();

// ---- The play screen's copies (platform/play_screen.h) ---------------------
// Offscreen sections are plain memory here; nothing is ever shown.

// One copy the view asked for; pixels are not kept.
struct WindowCopy {
    HWND window;
    RECT rect;
    bool fromSection; // CopySectionToWindow rather than CopyPixelsToWindow
};
std::vector<WindowCopy> TakeWindowCopies();
// The windows InvalidateWindow was asked to repaint.
std::vector<HWND> TakeInvalidations();
// Offscreen sections made and not yet deleted.
int LiveOffscreenSections();

// ---- Picture decoding (platform/photo_decoder.h) ---------------------------

// The sizes DecodePhoto decoded to, for pictures it decoded.
std::vector<platform::PhotoSize> TakeDecodedPhotoSizes();

} // namespace headless
