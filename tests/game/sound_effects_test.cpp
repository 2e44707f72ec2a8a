// Through the headless seam, which records every sound asked for.
#include "game/random.h"
#include "game/sound_effects.h"
#include "persist/settings.h"
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>
#include <set>
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

TEST_F(SoundEffectsTest, PlacementsPlayEveryPlaceSoundOncePerTwenty) {
    CRandom random;
    random.Seed(31337);
    CPlaceSoundBag bag;
    CSoundEffects sounds(&random, &bag);
    std::set<std::string> expected;
    for (int i = 1; i <= 20; ++i)
        expected.insert((i < 10 ? "Place0" : "Place") + std::to_string(i) + "WAVE");

    for (int cycle = 0; cycle < 3; ++cycle) {
        for (int i = 0; i < 20; ++i)
            sounds.PlayPlaceSound(nullptr);
        const std::vector<std::string> played = headless::TakePlayedSounds();
        EXPECT_EQ(played.size(), 20u);
        EXPECT_EQ(std::set<std::string>(played.begin(), played.end()), expected);
    }
}

// The controller and the view fetch the sound effects separately; one bag
// serves both, so a cycle goes on across pages and callers.
TEST_F(SoundEffectsTest, EveryCallerSharesOneBag) {
    CSoundEffects* fromView = GetSoundEffects();
    CSoundEffects* fromController = GetSoundEffects();
    ASSERT_EQ(fromView, fromController);
    // Start from a fresh cycle, whatever earlier tests left: a bag that
    // never refills fails here rather than looping for ever.
    for (int i = 0; i < kPlaceSoundCount && GetPlaceSoundBag()->SoundsLeft() != kPlaceSoundCount;
         ++i)
        fromView->PlayPlaceSound(nullptr);
    ASSERT_EQ(GetPlaceSoundBag()->SoundsLeft(), kPlaceSoundCount);
    headless::TakePlayedSounds();

    for (int i = 0; i < 10; ++i) {
        fromView->PlayPlaceSound(nullptr);
        fromController->Play(nullptr, kSoundChangePage);
    }
    for (int i = 0; i < 10; ++i)
        fromController->PlayPlaceSound(nullptr);
    std::set<std::string> placeSounds;
    for (const std::string& name : headless::TakePlayedSounds()) {
        if (name != "ChangePageWAVE")
            placeSounds.insert(name);
    }
    EXPECT_EQ(placeSounds.size(), 20u);
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
