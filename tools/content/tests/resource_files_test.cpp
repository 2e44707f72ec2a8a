#include "generated_content.h"
#include "picture_file.h"
#include "sound.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>

namespace content::testing {
namespace {

uint32_t Le(const std::vector<uint8_t>& b, size_t at, int bytes) {
    uint32_t value = 0;
    for (int i = 0; i < bytes; ++i)
        value |= static_cast<uint32_t>(b[at + i]) << (8 * i);
    return value;
}

std::vector<uint8_t> Resource(const std::string& file) {
    return ReadFile(GeneratedContent() + "/resources/" + file);
}

struct Samples {
    std::vector<int> left, right;
};

Samples ReadWave(const std::vector<uint8_t>& bytes) {
    Samples samples;
    const uint32_t frames = Le(bytes, 40, 4) / 4;
    for (uint32_t i = 0; i < frames; ++i) {
        samples.left.push_back(static_cast<int16_t>(Le(bytes, 44 + 4 * i, 2)));
        samples.right.push_back(static_cast<int16_t>(Le(bytes, 46 + 4 * i, 2)));
    }
    return samples;
}

TEST(Sounds, EveryWaveIsShortStereoSixteenBitPcmThatStartsAndEndsSilent) {
    for (int index = 0; index < kSoundCount; ++index) {
        const std::string name = SoundName(index);
        SCOPED_TRACE(name);
        const std::vector<uint8_t> bytes = Resource(name + ".wav");
        ASSERT_GE(bytes.size(), 44u);
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "RIFF");
        EXPECT_EQ(Le(bytes, 4, 4), bytes.size() - 8);
        EXPECT_EQ(std::string(bytes.begin() + 8, bytes.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(Le(bytes, 20, 2), 1u);     // PCM
        EXPECT_EQ(Le(bytes, 22, 2), 2u);     // stereo
        EXPECT_EQ(Le(bytes, 24, 4), 44100u); // samples a second
        EXPECT_EQ(Le(bytes, 28, 4), 44100u * 4);
        EXPECT_EQ(Le(bytes, 32, 2), 4u);
        EXPECT_EQ(Le(bytes, 34, 2), 16u);
        EXPECT_EQ(std::string(bytes.begin() + 36, bytes.begin() + 40), "data");
        EXPECT_EQ(Le(bytes, 40, 4), bytes.size() - 44);
        const Samples samples = ReadWave(bytes);
        EXPECT_LT(samples.left.size(), 44100u);
        EXPECT_GT(samples.left.size(), 44100u / 20);
        for (const std::vector<int>* channel : {&samples.left, &samples.right}) {
            // No click: the first and last samples are silent and the sound
            // swells in and dies away rather than jumping.
            EXPECT_EQ(channel->front(), 0);
            EXPECT_EQ(channel->back(), 0);
            for (size_t i = 1; i < 40; ++i) {
                EXPECT_LT(std::abs((*channel)[i] - (*channel)[i - 1]), 1500) << i;
                const size_t j = channel->size() - i;
                EXPECT_LT(std::abs((*channel)[j] - (*channel)[j - 1]), 300) << j;
            }
        }
        int peak = 0;
        for (int sample : samples.left)
            peak = std::max(peak, std::abs(sample));
        EXPECT_GT(peak, 8000);
        EXPECT_LT(peak, 32767);
    }
}

TEST(Sounds, TheTwentyPlaceSoundsAreTwentyDifferentNotes) {
    std::set<std::vector<uint8_t>> distinct;
    std::set<int> pitches;
    for (int n = 1; n <= kPlaceSounds; ++n) {
        distinct.insert(Resource(SoundName(n + 2) + ".wav"));
        // The strongest zero-crossing rate over the first tenth of a second
        // tells the fundamental well enough to see that the notes differ.
        const Samples samples = ReadWave(Resource(SoundName(n + 2) + ".wav"));
        int crossings = 0;
        for (size_t i = 1; i < 4410; ++i)
            crossings += (samples.left[i - 1] < 0) != (samples.left[i] < 0);
        pitches.insert(crossings);
    }
    EXPECT_EQ(distinct.size(), 20u);
    EXPECT_GE(pitches.size(), 10u);
}

// The cursors' headers and the icon are read by the system's own loader in
// the Windows tests (ContentResources); here, what that cannot tell.
TEST(Pointers, EachCursorsHotSpotLiesOnItsDrawnShape) {
    for (const char* name : {"ArrowCursor", "HandCursor", "HandCursor2"}) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> bytes = Resource(std::string(name) + ".cur");
        ASSERT_EQ(bytes.size(), 22u + 40 + 8 + 128 + 128);
        const uint32_t hotX = Le(bytes, 10, 2), hotY = Le(bytes, 12, 2);
        ASSERT_LT(std::max(hotX, hotY), 32u);
        // The AND mask is clear (0) where the pointer is drawn.
        const size_t andMask = 22 + 40 + 8 + 128;
        const size_t row = 31 - hotY;
        EXPECT_FALSE(bytes[andMask + row * 4 + hotX / 8] & (0x80 >> (hotX % 8)));
    }
}

} // namespace
} // namespace content::testing
