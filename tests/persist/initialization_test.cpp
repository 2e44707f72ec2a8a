// The two small stored files: the options (whether the one-time directions
// are still to come) and the settings (the sound switch).
#include "diag/log_switch.h"
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

// A stored file as the game writes it: its text with the length in front,
// the version, the one value.
Bytes StoredFile(const std::string& text, int32_t version, int32_t value) {
    Bytes bytes(4 + text.size());
    bytes[0] = static_cast<uint8_t>(text.size());
    std::copy(text.begin(), text.end(), bytes.begin() + 4);
    for (int32_t field : {version, value}) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(field) >> (8 * i)));
    }
    return bytes;
}

Bytes OptionsFile(int32_t flag, int32_t version = 256) {
    return StoredFile("VARNOPTN", version, flag);
}

Bytes SettingsFile(int32_t sound, int32_t version = 256, const std::string& text = "VARNSETT") {
    return StoredFile(text, version, sound);
}

// A game folder of its own; the game's state a test changes is put back.
class StoredFilesTest : public ::testing::Test {
protected:
    StoredFilesTest() { g_showOneTimeDirections = 1; }
    ~StoredFilesTest() override {
        g_showOneTimeDirections = 1;
        g_optionsPath.clear();
        SetUserDataDirectory("");
    }

    void Initialize() { options->Initialize(dir.Path().string()); }
    void Initialize(CSettings& settings) { settings.Initialize(dir.Path().string()); }
    std::string LogText() { return ReadText("log.txt"); }

    // Makes it impossible to write the file anew. A read-only folder does
    // that for an ordinary user on Linux, but not for root nor on Windows,
    // where a folder's read-only flag means nothing; there a folder standing
    // where the new file would be written blocks it instead.
    void MakeUnwritable(const std::string& file) {
        fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        const std::string probe = dir.File("probe");
        if (!std::ofstream(probe).is_open())
            return;
        fs::remove(probe);
        fs::permissions(dir.Path(), fs::perms::owner_all, fs::perm_options::add);
        fs::create_directory(Serializer::TemporaryPathFor(file));
    }

    ScopedTempDir dir{true};
    ScopedLogSwitch logOn{1};
    CInitialization* options = CInitialization::GetInstance();
    std::string path = dir.File("options.dta");
    std::string settingsPath = dir.File("settings.dta");
};

using OptionsTest = StoredFilesTest;
using SettingsTest = StoredFilesTest;

} // namespace

TEST_F(OptionsTest, FirstRunWritesTheFileThenRecordsTheDirectionsAsShown) {
    Initialize();
    EXPECT_EQ(g_optionsPath, dir.Path().string() + "\\options.dta");
    EXPECT_EQ(g_showOneTimeDirections, 1);
    EXPECT_EQ(ReadAll(path), OptionsFile(1));
    EXPECT_NE(LogText().find("DeSerializer::DeSerializer: " + g_optionsPath), std::string::npos);

    g_showOneTimeDirections = 0;
    options->Save();
    EXPECT_EQ(ReadAll(path), OptionsFile(0));

    g_showOneTimeDirections = 1;
    Initialize();
    EXPECT_EQ(g_showOneTimeDirections, 0);
}

TEST_F(OptionsTest, GoodFileIsReadAndLeftAsItIsTrailingBytesIncluded) {
    Bytes stored = OptionsFile(0);
    stored.insert(stored.end(), {0xDE, 0xAD, 0xBE, 0xEF, 0x01});
    WriteAll(path, stored);
    Initialize();
    EXPECT_EQ(g_showOneTimeDirections, 0);
    EXPECT_EQ(ReadAll(path), stored);
    EXPECT_TRUE(LogText().empty());

    // The same bytes from memory read the same.
    g_showOneTimeDirections = 1;
    EXPECT_TRUE(CInitialization::GetInstance()->LoadFromBytes(stored.data(), stored.size()));
    EXPECT_EQ(g_showOneTimeDirections, 0);
}

TEST_F(OptionsTest, UnusableFilesAreRewrittenWithTheCurrentValue) {
    Bytes longLength = OptionsFile(0);
    longLength[0] = 9;
    Bytes otherText = OptionsFile(0);
    otherText[11] = 'X';
    Bytes cut = OptionsFile(0);
    cut.resize(16);
    const struct {
        const char* name;
        Bytes stored;
        int32_t current;
        const char* logged;
    } cases[] = {
        {"version 257", OptionsFile(0, 257), 1,
         "CInitialization::DeSerialize: file version number is wrong"},
        {"length 9", longLength, 1, "CInitialization::DeSerialize: file text is wrong"},
        {"other text", otherText, 1, "CInitialization::DeSerialize: file text is wrong"},
        {"16 bytes", cut, 1, ""},
        // A cut file changes nothing, so whatever the flag held is written.
        {"16 bytes, flag already 0", cut, 0, ""},
        {"empty", Bytes{}, 1, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fs::remove("log.txt");
        WriteAll(path, c.stored);
        g_showOneTimeDirections = c.current;
        Initialize();
        EXPECT_EQ(g_showOneTimeDirections, c.current);
        EXPECT_EQ(ReadAll(path), OptionsFile(c.current));
        EXPECT_NE(LogText().find(c.logged), std::string::npos);

        // From memory the same bytes are refused alike, and nothing is written.
        fs::remove(path);
        fs::remove("log.txt");
        EXPECT_FALSE(
            CInitialization::GetInstance()->LoadFromBytes(c.stored.data(), c.stored.size()));
        EXPECT_EQ(g_showOneTimeDirections, c.current);
        EXPECT_FALSE(fs::exists(path));
        EXPECT_NE(LogText().find(c.logged), std::string::npos);
    }
}

TEST_F(OptionsTest, AnUnwritableFolderKeepsTheOldFileOrSendsTheOptionsToThePerUserFolder) {
    const Bytes stored = OptionsFile(1, 257);
    WriteAll(path, stored);
    MakeUnwritable(path);
    Initialize();
    EXPECT_EQ(g_showOneTimeDirections, 1);
    EXPECT_EQ(ReadAll(path), stored);
    g_showOneTimeDirections = 0;
    options->Save();
    EXPECT_EQ(ReadAll(path), stored);
    EXPECT_EQ(g_showOneTimeDirections, 0);

    ScopedTempDir user;
    SetUserDataDirectory(user.Path().string());
    options->Save();
    EXPECT_EQ(ReadAll(user.File("options.dta")), OptionsFile(0));
    // The next run finds the directions shown.
    g_showOneTimeDirections = 1;
    Initialize();
    EXPECT_EQ(g_showOneTimeDirections, 0);
}

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
        EXPECT_EQ(ReadAll(settingsPath), SettingsFile(setting));
        EXPECT_FALSE(fs::exists(Serializer::TemporaryPathFor(settingsPath)));

        CSettings after;
        Initialize(after);
        EXPECT_EQ(after.GetSound(), setting);
    }
    EXPECT_EQ(ReadAll(dir.File("options.dta")), options);
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
        WriteAll(settingsPath, stored);
        CSettings settings;
        settings.SetSound(kSoundMusicOff);
        Initialize(settings);
        EXPECT_EQ(settings.GetSound(), kSoundAllOn);
        EXPECT_EQ(ReadAll(settingsPath), stored);

        // From memory the same bytes are refused alike.
        settings.SetSound(kSoundMusicOff);
        EXPECT_FALSE(settings.LoadFromBytes(stored.data(), stored.size()));
        EXPECT_EQ(settings.GetSound(), kSoundAllOn);
    }
    const Bytes good = SettingsFile(kSoundMusicOff);
    CSettings fromMemory;
    EXPECT_TRUE(fromMemory.LoadFromBytes(good.data(), good.size()));
    EXPECT_EQ(fromMemory.GetSound(), kSoundMusicOff);
    fs::remove(settingsPath);
    CSettings missing;
    missing.SetSound(kSoundAllOff);
    Initialize(missing);
    EXPECT_EQ(missing.GetSound(), kSoundAllOn);
    EXPECT_FALSE(fs::exists(settingsPath));
}

TEST_F(SettingsTest, AnUnwritableFolderKeepsTheOldFileOrSendsTheSettingsToThePerUserFolder) {
    const Bytes stored = SettingsFile(kSoundMusicOff);
    WriteAll(settingsPath, stored);
    MakeUnwritable(settingsPath);
    CSettings settings;
    Initialize(settings);
    ASSERT_EQ(settings.GetSound(), kSoundMusicOff);

    settings.SetSound(kSoundAllOff);
    settings.Save();
    EXPECT_EQ(settings.GetSound(), kSoundAllOff);
    EXPECT_EQ(ReadAll(settingsPath), stored);

    ScopedTempDir user;
    SetUserDataDirectory(user.Path().string());
    settings.Save();
    EXPECT_EQ(ReadAll(user.File("settings.dta")), SettingsFile(kSoundAllOff));
    CSettings nextRun;
    Initialize(nextRun);
    EXPECT_EQ(nextRun.GetSound(), kSoundAllOff);
}
