// The platform's sound effects: short WAVE resources played while the game
// goes on.
#pragma once

#include "platform/win_types.h"

#include <cstdint>
#include <vector>

namespace platform {

// Called by CSoundEffects::Play: starts the WAVE resource `name` of the module
// that owns window and returns at once; a sound still playing is cut off. A
// sound that cannot be played is skipped without a word.
void PlaySoundResource(HWND window, const char* name);

// Called by CEffectsVolume when the effects are set quieter than full, so
// that it can scale them itself: the whole WAVE file of the resource `name`
// of the module that owns window; empty when there is none.
std::vector<uint8_t> ReadSoundResource(HWND window, const char* name);
// Called by CEffectsVolume: starts the WAVE file in wave and returns at
// once; a sound still playing is cut off. wave must stay alive and
// unchanged while it plays, until another sound starts or StopSounds.
void PlaySoundBytes(const std::vector<uint8_t>& wave);
// Called by CEffectsVolume before it lets go of the waves it played: ends
// whatever sound is playing.
void StopSounds();

} // namespace platform
