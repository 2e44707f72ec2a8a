#include "game/sound_effects.h"
#include "platform/sound.h"

const char* const g_soundNames[kSoundCount] = {
    "ChangePageWAVE", "ClearWAVE",   "PickupWAVE",  "Place01WAVE", "Place02WAVE", "Place03WAVE",
    "Place04WAVE",    "Place05WAVE", "Place06WAVE", "Place07WAVE", "Place08WAVE", "Place09WAVE",
    "Place10WAVE",    "Place11WAVE", "Place12WAVE", "Place13WAVE", "Place14WAVE", "Place15WAVE",
    "Place16WAVE",    "Place17WAVE", "Place18WAVE", "Place19WAVE", "Place20WAVE", "FanfareWAVE",
};

CPlaceSoundBag::CPlaceSoundBag() {
    Refill();
}

CPlaceSoundBag* GetPlaceSoundBag() {
    static CPlaceSoundBag bag;
    return &bag;
}

void CPlaceSoundBag::Refill() {
    for (int32_t& used : placeSoundUsed)
        used = 0;
    placeSoundsLeft = kPlaceSoundCount;
}

// Draws until an unheard sound comes up. With one sound left that takes
// twenty draws on average, which costs nothing next to playing it.
int32_t CPlaceSoundBag::Choose(CRandom& random) {
    int32_t index;
    do {
        index = random.Draw(kFirstPlaceSound, kLastPlaceSound);
    } while (placeSoundUsed[index] == 1);
    placeSoundUsed[index] = 1;
    // Refilled at once, so the first sound of a cycle may repeat the last one
    // of the cycle before.
    if (--placeSoundsLeft == 0)
        Refill();
    return index;
}

CSoundEffects::CSoundEffects(CRandom* random, CPlaceSoundBag* bag) : random(random), bag(bag) {}

CSoundEffects* GetSoundEffects() {
    static CSoundEffects effects(GetRandom(), GetPlaceSoundBag());
    return &effects;
}

void CSoundEffects::Play(HWND window, int32_t index) {
    if (!enabled || index < 0 || index >= kSoundCount)
        return;
    platform::PlaySoundResource(window, g_soundNames[index]);
}

void CSoundEffects::PlayPlaceSound(HWND window) {
    // Chosen whether or not it is heard.
    const int32_t index = bag->Choose(*random);
    Play(window, index);
}
