// The platform's sound effects: short WAVE resources played while the game
// goes on.
#pragma once

#include "platform/win_types.h"

namespace platform {

// Called by CSoundEffects::Play: starts the WAVE resource `name` of the module
// that owns window and returns at once; a sound still playing is cut off. A
// sound that cannot be played is skipped without a word.
void PlaySoundResource(HWND window, const char* name);

} // namespace platform
