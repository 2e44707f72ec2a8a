#include "persist/initialization.h"
#include "persist/settings.h"
#include "persist/store_locations.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// A settings file as the game writes it.
Bytes SettingsFile(int32_t sound, int32_t version = 256, const std::string& text = "VARNSETT") {
    Bytes bytes(4 + text.size());
    bytes[0] = static_cast<uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bytes.begin() + 4);
    for (int32_t value : {version, sound}) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
    }
    return bytes;
}

class SettingsTest : public ::testing::Test {
protected:
    void Initialize(CSettings& settings) { settings.Initialize(dir.Path().string()); }

    ScopedTempDir dir{true};
    std::string path = dir.File("settings.dta");
};

} // namespace

TEST(SoundSwitch, StepsThroughItsThreeSettingsInTurn) {
    SoundSetting setting = kSoundAllOn;
    const struct {
        SoundSetting expected;
        bool music, effects;
    } steps[] = {
        {kSoundMusicOff, false, true}, {kSoundAllOff, false, false}, {kSoundAllOn, true, true}};
    for (const auto& step : steps) {
        setting = NextSoundSetting(setting);
        EXPECT_EQ(setting, step.expected);
        EXPECT_EQ(MusicIsOn(setting), step.music) << setting;
        EXPECT_EQ(EffectsAreOn(setting), step.effects) << setting;
    }
}

TEST_F(SettingsTest, EverySettingSurvivesARestartAndTheOptionsFileIsLeftAlone) {
    CInitialization::GetInstance()->Initialize(dir.Path().string());
    const Bytes options = ReadAll(dir.File("options.dta"));
    for (SoundSetting setting : {kSoundMusicOff, kSoundAllOff, kSoundAllOn}) {
        CSettings before;
        Initialize(before);
        before.SetSound(setting);
        before.Save();
        EXPECT_EQ(ReadAll(path), SettingsFile(setting));
        EXPECT_FALSE(fs::exists(Serializer::TemporaryPathFor(path)));

        CSettings after;
        Initialize(after);
        EXPECT_EQ(after.GetSound(), setting);
    }
    EXPECT_EQ(ReadAll(dir.File("options.dta")), options);
    g_optionsPath.clear();
}

TEST_F(SettingsTest, AMissingShortOrDamagedFileMeansEverythingOnAndIsLeftAsItIs) {
    Bytes longLength = SettingsFile(kSoundAllOff);
    longLength[0] = 9;
    std::vector<std::pair<std::string, Bytes>> cases = {
        {"other text", SettingsFile(kSoundAllOff, 256, "VARNOPTN")},
        {"length 9", longLength},
        {"version 257", SettingsFile(kSoundAllOff, 257)},
        {"setting 3", SettingsFile(3)},
        {"setting -1", SettingsFile(-1)},
    };
    for (size_t size = 0; size < SettingsFile(kSoundAllOff).size(); ++size) {
        Bytes cut = SettingsFile(kSoundAllOff);
        cut.resize(size);
        cases.push_back({"cut to " + std::to_string(size), cut});
    }
    for (const auto& [name, stored] : cases) {
        SCOPED_TRACE(name);
        WriteAll(path, stored);
        CSettings settings;
        settings.SetSound(kSoundMusicOff);
        Initialize(settings);
        EXPECT_EQ(settings.GetSound(), kSoundAllOn);
        EXPECT_EQ(ReadAll(path), stored);
    }
    fs::remove(path);
    CSettings missing;
    missing.SetSound(kSoundAllOff);
    Initialize(missing);
    EXPECT_EQ(missing.GetSound(), kSoundAllOn);
    EXPECT_FALSE(fs::exists(path));
}

// Where no new file can be made (see the options file's test for why a
// folder stands in the way rather than permissions), the old file stays and
// the choice still holds for the run; with a per-user folder the settings
// go there, as the options do.
TEST_F(SettingsTest, AnUnwritableFolderKeepsTheOldFileOrSendsTheSettingsToThePerUserFolder) {
    const Bytes stored = SettingsFile(kSoundMusicOff);
    WriteAll(path, stored);
    fs::create_directory(Serializer::TemporaryPathFor(path));
    CSettings settings;
    Initialize(settings);
    ASSERT_EQ(settings.GetSound(), kSoundMusicOff);

    settings.SetSound(kSoundAllOff);
    settings.Save();
    EXPECT_EQ(settings.GetSound(), kSoundAllOff);
    EXPECT_EQ(ReadAll(path), stored);

    ScopedTempDir user;
    SetUserDataDirectory(user.Path().string());
    settings.Save();
    EXPECT_EQ(ReadAll(user.File("settings.dta")), SettingsFile(kSoundAllOff));
    CSettings nextRun;
    Initialize(nextRun);
    EXPECT_EQ(nextRun.GetSound(), kSoundAllOff);
    SetUserDataDirectory("");
    ForgetStoreFailures();
}
