// The effects' volume, through the headless seam: quieter sounds are the
// resource's WAVE file scaled sample for sample and played from memory; at
// full the designed resource sound plays; silent plays nothing; a file that
// is no 8- or 16-bit PCM wave is never played.
#include "game/sound_effects.h"
#include "game/wave_volume.h"
#include "platform/headless/headless_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put32(Bytes& bytes, uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutId(Bytes& bytes, const char* id) {
    bytes.insert(bytes.end(), id, id + 4);
}

// A RIFF WAVE file: its fmt chunk (PCM of bits), an odd-sized chunk the
// scaling must step over, then the data.
Bytes Wave(uint16_t bits, const Bytes& data, uint16_t format = 1) {
    Bytes fmt = {static_cast<uint8_t>(format), 0, 2, 0};
    Put32(fmt, 44100);
    Put32(fmt, 44100 * 2 * bits / 8);
    fmt.push_back(static_cast<uint8_t>(2 * bits / 8));
    fmt.push_back(0);
    fmt.push_back(static_cast<uint8_t>(bits));
    fmt.push_back(0);
    Bytes body;
    PutId(body, "WAVE");
    PutId(body, "fmt ");
    Put32(body, static_cast<uint32_t>(fmt.size()));
    body.insert(body.end(), fmt.begin(), fmt.end());
    PutId(body, "LIST");
    Put32(body, 3);
    body.insert(body.end(), {'a', 'b', 'c', 0});
    PutId(body, "data");
    Put32(body, static_cast<uint32_t>(data.size()));
    body.insert(body.end(), data.begin(), data.end());
    Bytes wave;
    PutId(wave, "RIFF");
    Put32(wave, static_cast<uint32_t>(body.size()));
    wave.insert(wave.end(), body.begin(), body.end());
    return wave;
}

Bytes Samples16(const std::vector<int16_t>& samples) {
    Bytes bytes;
    for (int16_t s : samples) {
        bytes.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s) & 0xFF));
        bytes.push_back(static_cast<uint8_t>(static_cast<uint16_t>(s) >> 8));
    }
    return bytes;
}

const std::vector<int16_t> kLoud = {32767, -32768, 1000, -1000, 3, -3, 0, 1};

class EffectsVolumeTest : public ::testing::Test {
protected:
    EffectsVolumeTest() {
        headless::TakePlayedSounds();
        headless::TakePlayedWaves();
        headless::TakeSoundStops();
        headless::SetSoundResource("PickupWAVE", Wave(16, Samples16(kLoud)));
    }
    ~EffectsVolumeTest() override { headless::SetSoundResource("PickupWAVE", {}); }

    CRandom random;
    CPlaceSoundBag bag;
    CSoundEffects sounds{&random, &bag};
};

} // namespace

TEST_F(EffectsVolumeTest, QuieterSoundsAreScaledSampleForSample) {
    const std::vector<std::pair<int32_t, std::vector<int16_t>>> steps = {
        {3, {24575, -24576, 750, -750, 2, -2, 0, 0}},
        {2, {16383, -16384, 500, -500, 1, -1, 0, 0}},
        {1, {8191, -8192, 250, -250, 0, 0, 0, 0}},
    };
    for (const auto& [step, expected] : steps) {
        SCOPED_TRACE(step);
        sounds.SetVolume(step, 4);
        sounds.Play(nullptr, kSoundPickup);
        sounds.Play(nullptr, kSoundPickup);
        const std::vector<Bytes> played = headless::TakePlayedWaves();
        ASSERT_EQ(played.size(), 2u);
        EXPECT_EQ(played[0], Wave(16, Samples16(expected))) << "the headers stay as they were";
        EXPECT_EQ(played[1], played[0]);
        EXPECT_TRUE(headless::TakePlayedSounds().empty());
    }
}

TEST_F(EffectsVolumeTest, FullPlaysTheResourceAndSilentOrSwitchedOffPlaysNothing) {
    sounds.SetVolume(4, 4);
    sounds.Play(nullptr, kSoundPickup);
    EXPECT_EQ(headless::TakePlayedSounds(), std::vector<std::string>{"PickupWAVE"});
    sounds.SetVolume(0, 4);
    sounds.Play(nullptr, kSoundPickup);
    sounds.PlayPlaceSound(nullptr);
    sounds.SetVolume(2, 4);
    sounds.SetEnabled(false);
    sounds.Play(nullptr, kSoundPickup);
    EXPECT_TRUE(headless::TakePlayedSounds().empty());
    EXPECT_TRUE(headless::TakePlayedWaves().empty());
}

TEST_F(EffectsVolumeTest, AChangeOfVolumeStopsASoundBeforeItsWaveGoes) {
    sounds.SetVolume(2, 4);
    sounds.Play(nullptr, kSoundPickup);
    EXPECT_EQ(headless::TakeSoundStops(), 0);
    sounds.SetVolume(2, 4);
    EXPECT_EQ(headless::TakeSoundStops(), 0) << "the same volume keeps its waves";
    sounds.SetVolume(1, 4);
    EXPECT_EQ(headless::TakeSoundStops(), 1);
    sounds.Play(nullptr, kSoundPickup);
    const std::vector<Bytes> played = headless::TakePlayedWaves();
    ASSERT_EQ(played.size(), 2u);
    EXPECT_NE(played[0], played[1]);
}

TEST(WaveVolumeTest, EightBitSamplesScaleAboutTheirMiddle) {
    Bytes wave = Wave(8, {255, 0, 128, 130, 126});
    ASSERT_TRUE(ScaleWave(wave, 2, 4));
    EXPECT_EQ(wave, Wave(8, {191, 64, 128, 129, 127}));
}

TEST(WaveVolumeTest, WhatIsNoPcmWaveIsLeftAlone) {
    const Bytes good = Wave(16, Samples16(kLoud));
    const std::vector<std::pair<std::string, Bytes>> cases = {
        {"empty", {}},
        {"not RIFF", Bytes(good.size(), 'x')},
        {"float samples", Wave(32, Samples16(kLoud), 3)},
        {"compressed", Wave(16, Samples16(kLoud), 2)},
        {"24 bits", Wave(24, Samples16(kLoud))},
        {"data cut short", Bytes(good.begin(), good.end() - 1)},
        {"header only", Bytes(good.begin(), good.begin() + 12)},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(name);
        Bytes wave = bytes;
        EXPECT_FALSE(ScaleWave(wave, 1, 4));
        EXPECT_EQ(wave, bytes);
    }
}

TEST_F(EffectsVolumeTest, ASoundThatCannotBeScaledIsNeverPlayed) {
    headless::SetSoundResource("PickupWAVE", Wave(16, Samples16(kLoud), 2));
    sounds.SetVolume(2, 4);
    sounds.Play(nullptr, kSoundPickup);
    sounds.Play(nullptr, kSoundClear); // no resource at all
    EXPECT_TRUE(headless::TakePlayedWaves().empty());
    EXPECT_TRUE(headless::TakePlayedSounds().empty());
}
