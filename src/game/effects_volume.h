// The effects' volume. At full the designed resource sounds play as they
// always did; quieter, each sound's WAVE file is read once from the
// program's resources, scaled by the game itself and played from memory;
// silent, nothing plays. CSoundEffects holds one and asks it to play.
#pragma once

#include "platform/win_types.h"

#include <cstddef>
#include <cstdint>
#include <vector>

class CEffectsVolume {
public:
    // soundCount: how many sounds there are (their indices 0 .. count - 1).
    explicit CEffectsVolume(int32_t soundCount);
    ~CEffectsVolume();

    // Called by the sound settings: the step from 0 (silent) to fullStep.
    // A change lets go of the scaled sounds (and so stops one playing).
    void SetStep(int32_t step, int32_t fullStep);
    bool IsFull() const { return step >= fullStep; }

    // Called by CSoundEffects::Play for a sound index and its resource name
    // when the volume is not full: plays the scaled sound; nothing while
    // silent or when the resource cannot be read or scaled.
    void Play(HWND window, int32_t index, const char* name);

    CEffectsVolume(const CEffectsVolume&) = delete;
    CEffectsVolume& operator=(const CEffectsVolume&) = delete;

private:
    void Forget();

    int32_t step = 1;
    int32_t fullStep = 1;
    // By sound index: the scaled WAVE file, empty until first played. A
    // sound that could not be scaled is remembered as refused.
    std::vector<std::vector<uint8_t>> scaled;
    std::vector<bool> refused;
};
