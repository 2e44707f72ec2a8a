// The settings file's presentation (version 257): the player's choice of
// full screen or window and the window's place survive a restart, files of
// version 256 read exactly as before, and a player who never changes the
// presentation keeps writing version 256 files byte for byte.
#include "persist/settings.h"
#include "persist/store_locations.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

Bytes Stored(int32_t version, const std::vector<int32_t>& values) {
    const std::string text = "VARNSETT";
    Bytes bytes(4 + text.size());
    bytes[0] = static_cast<uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bytes.begin() + 4);
    std::vector<int32_t> fields = {version};
    fields.insert(fields.end(), values.begin(), values.end());
    for (int32_t field : fields)
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(field) >> (8 * i)));
    return bytes;
}

class PresentationSettingsTest : public ::testing::Test {
protected:
    ~PresentationSettingsTest() override { SetUserDataDirectory(""); }
    void Initialize(CSettings& settings) { settings.Initialize(dir.Path().string()); }

    ScopedTempDir dir{true};
    std::string path = dir.File("settings.dta");
};

} // namespace

TEST_F(PresentationSettingsTest, TheChoiceAndTheWindowsPlaceSurviveARestart) {
    const PresentationChoice choices[] = {
        {kPresentWindow, 120, 80, 1100, 860},
        {kPresentFullScreen, 120, 80, 1100, 860}, // the window's place kept for Alt+Enter
        {kPresentFullScreen, 0, 0, 0, 0},
        {kPresentWindow, -1800, -5, 640, 480}, // a monitor left of the main one
        {kPresentModeSwitch, 7, -3, 0, 0},     // only a place: still kept
    };
    for (const PresentationChoice& choice : choices) {
        SCOPED_TRACE(choice.mode);
        CSettings before;
        Initialize(before);
        before.SetSound(kSoundMusicOff);
        before.SetPresentation(choice);
        before.Save();
        EXPECT_EQ(ReadAll(path), Stored(257, {kSoundMusicOff, choice.mode, choice.left, choice.top,
                                              choice.width, choice.height}));

        CSettings after;
        Initialize(after);
        EXPECT_EQ(after.GetSound(), kSoundMusicOff);
        EXPECT_EQ(after.GetPresentation().mode, choice.mode);
        EXPECT_EQ(after.GetPresentation().left, choice.left);
        EXPECT_EQ(after.GetPresentation().top, choice.top);
        EXPECT_EQ(after.GetPresentation().width, choice.width);
        EXPECT_EQ(after.GetPresentation().height, choice.height);
    }
}

TEST_F(PresentationSettingsTest, OlderFilesReadAsBeforeAndTheDefaultWritesThemUnchanged) {
    WriteAll(path, Stored(256, {kSoundAllOff}));
    CSettings settings;
    settings.SetPresentation({kPresentWindow, 1, 2, 3, 4});
    Initialize(settings);
    EXPECT_EQ(settings.GetSound(), kSoundAllOff);
    EXPECT_TRUE(settings.GetPresentation().IsDefault());

    // Never touched the presentation: the file keeps the designed layout.
    settings.SetSound(kSoundMusicOff);
    settings.Save();
    EXPECT_EQ(ReadAll(path), Stored(256, {kSoundMusicOff}));

    // Back to the mode switch after a window: the window's place is kept,
    // so the newer layout stays.
    settings.SetPresentation({kPresentModeSwitch, 10, 20, 1040, 800});
    settings.Save();
    EXPECT_EQ(ReadAll(path), Stored(257, {kSoundMusicOff, 0, 10, 20, 1040, 800}));
}

TEST_F(PresentationSettingsTest, ADamagedPresentationMeansTheDefaultsAndIsLeftAsItIs) {
    const Bytes good = Stored(257, {kSoundAllOff, kPresentWindow, 0, 0, 800, 600});
    const std::vector<std::pair<std::string, Bytes>> cases = {
        {"mode 3", Stored(257, {kSoundAllOff, 3, 0, 0, 800, 600})},
        {"mode -1", Stored(257, {kSoundAllOff, -1, 0, 0, 800, 600})},
        {"width -1", Stored(257, {kSoundAllOff, kPresentWindow, 0, 0, -1, 600})},
        {"height -1", Stored(257, {kSoundAllOff, kPresentWindow, 0, 0, 800, -1})},
        {"version 258", Stored(258, {kSoundAllOff, kPresentWindow, 0, 0, 800, 600})},
        {"cut short", Bytes(good.begin(), good.end() - 1)},
        {"sound 3", Stored(257, {3, kPresentWindow, 0, 0, 800, 600})},
    };
    for (const auto& [name, stored] : cases) {
        SCOPED_TRACE(name);
        WriteAll(path, stored);
        CSettings settings;
        Initialize(settings);
        EXPECT_EQ(settings.GetSound(), kSoundAllOn);
        EXPECT_TRUE(settings.GetPresentation().IsDefault());
        EXPECT_EQ(ReadAll(path), stored);
    }
    WriteAll(path, good);
    CSettings settings;
    Initialize(settings);
    EXPECT_EQ(settings.GetPresentation().mode, kPresentWindow);
}
