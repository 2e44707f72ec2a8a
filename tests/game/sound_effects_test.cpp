// Through the headless seam, which records every sound asked for.
#include "game/random.h"
#include "game/sound_effects.h"
#include "persist/settings.h"
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

class SoundEffectsTest : public ::testing::Test {
protected:
    SoundEffectsTest() { headless::TakePlayedSounds(); }
};

} // namespace

TEST_F(SoundEffectsTest, EventSoundsPlayTheirResourcesAndNothingElse) {
    CRandom random;
    CPlaceSoundBag bag;
    CSoundEffects sounds(&random, &bag);
    for (int32_t index :
         {kSoundChangePage, kSoundClear, kSoundPickup, -1, kSoundCount, 3, 22, kSoundFanfare})
        sounds.Play(nullptr, index);
    EXPECT_EQ(headless::TakePlayedSounds(),
              (std::vector<std::string>{"ChangePageWAVE", "ClearWAVE", "PickupWAVE", "Place01WAVE",
                                        "Place20WAVE", "FanfareWAVE"}));
}

// The sound switch in each of its settings, over the same seeded draws as
// a run that never touched it: silence takes sounds out, never reorders them.
TEST_F(SoundEffectsTest, EffectsOffPlayNothingWhileThePlaceSoundBagMovesOn) {
    CRandom heardRandom, switchedRandom;
    heardRandom.Seed(4242);
    switchedRandom.Seed(4242);
    CPlaceSoundBag heardBag, switchedBag;
    CSoundEffects heard(&heardRandom, &heardBag), switched(&switchedRandom, &switchedBag);
    for (int i = 0; i < 40; ++i)
        heard.PlayPlaceSound(nullptr);
    const std::vector<std::string> all = headless::TakePlayedSounds();

    std::vector<std::string> expected;
    SoundSetting setting = kSoundAllOn;
    for (int round = 0; round < 4; ++round) {
        switched.SetEnabled(EffectsAreOn(setting));
        switched.Play(nullptr, kSoundChangePage);
        for (int i = 0; i < 10; ++i)
            switched.PlayPlaceSound(nullptr);
        if (EffectsAreOn(setting)) {
            expected.push_back("ChangePageWAVE");
            expected.insert(expected.end(), all.begin() + 10 * round,
                            all.begin() + 10 * round + 10);
        }
        setting = NextSoundSetting(setting);
    }
    EXPECT_EQ(headless::TakePlayedSounds(), expected);
    EXPECT_EQ(expected.size(), 33u) << "all on, music off and all on again were heard";
}
