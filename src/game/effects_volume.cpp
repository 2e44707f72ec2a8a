#include "game/effects_volume.h"
#include "game/wave_volume.h"
#include "platform/sound.h"

CEffectsVolume::CEffectsVolume(int32_t soundCount)
    : scaled(static_cast<size_t>(soundCount)), refused(static_cast<size_t>(soundCount), false) {}

CEffectsVolume::~CEffectsVolume() {
    Forget();
}

void CEffectsVolume::SetStep(int32_t newStep, int32_t newFullStep) {
    if (newFullStep < 1)
        newFullStep = 1;
    newStep = newStep < 0 ? 0 : newStep > newFullStep ? newFullStep : newStep;
    if (static_cast<int64_t>(newStep) * fullStep == static_cast<int64_t>(step) * newFullStep)
        return;
    Forget();
    step = newStep;
    fullStep = newFullStep;
}

void CEffectsVolume::Forget() {
    bool anyHeld = false;
    for (const std::vector<uint8_t>& wave : scaled)
        anyHeld = anyHeld || !wave.empty();
    // A sound may still be playing from one of these.
    if (anyHeld)
        platform::StopSounds();
    for (std::vector<uint8_t>& wave : scaled)
        std::vector<uint8_t>().swap(wave);
    refused.assign(refused.size(), false);
}

void CEffectsVolume::Play(HWND window, int32_t index, const char* name) {
    if (step == 0 || index < 0 || static_cast<size_t>(index) >= scaled.size() || refused[index])
        return;
    std::vector<uint8_t>& wave = scaled[index];
    if (wave.empty()) {
        wave = platform::ReadSoundResource(window, name);
        if (!ScaleWave(wave, step, fullStep)) {
            wave.clear();
            refused[index] = true;
            return;
        }
    }
    platform::PlaySoundBytes(wave);
}
