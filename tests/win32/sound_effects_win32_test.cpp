// Without a sound device (as on these machines) sounds are skipped silently.
#include "diag/log_switch.h"
#include "game/sound_effects.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(SoundEffectsWin32, MissingSoundOutputGoesUnnoticed) {
    ScopedTempDir dir(true);
    ScopedLogSwitch on(1);
    CSoundEffects* sounds = GetSoundEffects();
    for (int32_t index = 0; index < kSoundCount; ++index)
        sounds->Play(nullptr, index);
    for (int i = 0; i < 2 * kPlaceSoundCount; ++i)
        sounds->PlayPlaceSound(nullptr);
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}
