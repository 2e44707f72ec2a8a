// The game's short sounds: WAVE resources built into the program, played
// without waiting, and the bag that deals out the twenty placement sounds.
#pragma once

#include "game/random.h"
#include "platform/win_types.h"

#include <cstdint>

// Sound indices: positions in g_soundNames.
constexpr int32_t kSoundChangePage = 0;
constexpr int32_t kSoundClear = 1;
constexpr int32_t kSoundPickup = 2;
constexpr int32_t kFirstPlaceSound = 3;
constexpr int32_t kPlaceSoundCount = 20;
constexpr int32_t kLastPlaceSound = kFirstPlaceSound + kPlaceSoundCount - 1;
// A page's last piece in place.
constexpr int32_t kSoundFanfare = kLastPlaceSound + 1;
constexpr int32_t kSoundCount = kSoundFanfare + 1;

// The WAVE resource name of each sound index.
extern const char* const g_soundNames[kSoundCount];

// Deals the placement sounds so that none repeats until all twenty have been
// heard; one bag spans the whole run, across pages.
class CPlaceSoundBag {
public:
    CPlaceSoundBag();
    // The sound index (kFirstPlaceSound and up) of the next placement sound.
    int32_t Choose(CRandom& random);
    // Placement sounds of the current cycle not yet chosen.
    int32_t SoundsLeft() const { return placeSoundsLeft; }

private:
    void Refill();

    // 1 marks a sound already chosen in this cycle; entries outside the
    // placement sounds stay unused so that the index is the sound index.
    int32_t placeSoundUsed[kSoundCount];
    int32_t placeSoundsLeft;
};

// The process-wide bag, made on first use.
CPlaceSoundBag* GetPlaceSoundBag();

class CSoundEffects {
public:
    // The process-wide object uses GetRandom() and GetPlaceSoundBag().
    CSoundEffects(CRandom* random, CPlaceSoundBag* bag);
    virtual ~CSoundEffects() = default;

    // Starts the sound of that index; an index outside the table plays
    // nothing, and nor does any index while the effects are off.
    void Play(HWND window, int32_t index);
    // Starts the next placement sound from the bag. The bag moves on even
    // while the effects are off, so switching them back on continues the
    // same order of sounds.
    void PlayPlaceSound(HWND window);

    // The sound switch's half for the effects (on at start).
    void SetEnabled(bool on) { enabled = on; }

private:
    CRandom* random;
    CPlaceSoundBag* bag;
    bool enabled = true;
};

// The process-wide sound effects, made on first use. The controller and the
// view each fetch it once when they are constructed.
CSoundEffects* GetSoundEffects();
