#include "generated_content.h"
#include "picture_file.h"
#include "sound.h"

#include <cmath>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

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

struct CursorExpectation {
    const char* name;
    uint32_t hotX, hotY;
};

TEST(Pointers, EachCursorIsA32By32MonochromeCursorWithItsHotSpotOnTheShape) {
    const CursorExpectation cursors[] = {
        {"ArrowCursor", 3, 3}, {"HandCursor", 11, 5}, {"HandCursor2", 17, 17}};
    for (const CursorExpectation& cursor : cursors) {
        SCOPED_TRACE(cursor.name);
        const std::vector<uint8_t> bytes = Resource(std::string(cursor.name) + ".cur");
        ASSERT_EQ(bytes.size(), 22u + 40 + 8 + 128 + 128);
        EXPECT_EQ(Le(bytes, 0, 2), 0u);
        EXPECT_EQ(Le(bytes, 2, 2), 2u); // cursor
        EXPECT_EQ(Le(bytes, 4, 2), 1u);
        EXPECT_EQ(bytes[6], 32);
        EXPECT_EQ(bytes[7], 32);
        EXPECT_EQ(Le(bytes, 10, 2), cursor.hotX);
        EXPECT_EQ(Le(bytes, 12, 2), cursor.hotY);
        EXPECT_EQ(Le(bytes, 14, 4), bytes.size() - 22);
        EXPECT_EQ(Le(bytes, 18, 4), 22u);
        EXPECT_EQ(Le(bytes, 22, 4), 40u);
        EXPECT_EQ(Le(bytes, 26, 4), 32u);
        EXPECT_EQ(Le(bytes, 30, 4), 64u);
        EXPECT_EQ(Le(bytes, 36, 2), 1u); // one bit a pixel
        // The AND mask is clear (0) where the pointer is drawn.
        const size_t andMask = 22 + 40 + 8 + 128;
        const size_t row = 31 - cursor.hotY;
        const bool drawn =
            !(bytes[andMask + row * 4 + cursor.hotX / 8] & (0x80 >> (cursor.hotX % 8)));
        EXPECT_TRUE(drawn);
    }
}

TEST(Pointers, TheIconHoldsSixteenThirtyTwoAndFortyEightPixelImages) {
    const std::vector<uint8_t> bytes = Resource("Varnolt.ico");
    EXPECT_EQ(Le(bytes, 2, 2), 1u); // icon
    ASSERT_EQ(Le(bytes, 4, 2), 3u);
    const int sizes[] = {16, 32, 48};
    for (int i = 0; i < 3; ++i) {
        const size_t entry = 6 + 16 * i;
        EXPECT_EQ(bytes[entry], sizes[i]);
        EXPECT_EQ(bytes[entry + 1], sizes[i]);
        EXPECT_EQ(Le(bytes, entry + 6, 2), 32u);
        const uint32_t length = Le(bytes, entry + 8, 4), offset = Le(bytes, entry + 12, 4);
        ASSERT_LE(offset + length, bytes.size());
        EXPECT_EQ(Le(bytes, offset + 4, 4), static_cast<uint32_t>(sizes[i]));
        EXPECT_EQ(Le(bytes, offset + 8, 4), static_cast<uint32_t>(2 * sizes[i]));
        const uint32_t maskRow = ((sizes[i] + 31) / 32) * 4;
        EXPECT_EQ(length, 40u + sizes[i] * sizes[i] * 4 + maskRow * sizes[i]);
    }
}

TEST(ResourceScript, DeclaresEveryResourceByItsNameAndEachFileExists) {
    std::ifstream script(GeneratedContent() + "/resources/content.rc");
    std::map<std::string, std::string> declared; // name -> type
    for (std::string line; std::getline(script, line);) {
        if (line.rfind("//", 0) == 0 || line.empty())
            continue;
        std::istringstream words(line);
        std::string name, type, file;
        words >> name >> type >> file;
        declared[name] = type;
        ASSERT_GE(file.size(), 3u) << line;
        EXPECT_NO_THROW(Resource(file.substr(1, file.size() - 2))) << line;
    }
    std::map<std::string, std::string> expected = {
        {"IDI_VARNOLT", "ICON"},           {"ArrowCursor", "CURSOR"},
        {"HandCursor", "CURSOR"},          {"HandCursor2", "CURSOR"},
        {"AboutDialogBkg", "BITMAP"},      {"OneTimeDirectionsDialogBkg", "BITMAP"},
        {"EndingScrnDialogBkg", "BITMAP"}, {"OKButtonUp", "BITMAP"},
        {"OKButtonDown", "BITMAP"},        {"QuitButtonUp", "BITMAP"},
        {"QuitButtonDown", "BITMAP"},      {"CannotSaveDialogBkg", "BITMAP"}};
    for (int index = 0; index < kSoundCount; ++index)
        expected[SoundName(index)] = "WAVE";
    EXPECT_EQ(declared, expected);
    EXPECT_EQ(SoundName(0), "ChangePageWAVE");
    EXPECT_EQ(SoundName(3), "Place01WAVE");
    EXPECT_EQ(SoundName(22), "Place20WAVE");
    EXPECT_EQ(SoundName(23), "FanfareWAVE");
}

} // namespace
} // namespace content::testing
