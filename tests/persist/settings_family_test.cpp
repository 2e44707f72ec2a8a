// The settings file's family fields (version 258): every value the grown-up
// corner sets survives a restart, older files mean the corner's defaults,
// a household that changes nothing keeps its older file byte for byte, and
// a damaged family field means a first run's settings with the file left
// alone.
#include "persist/settings.h"
#include "persist/settings_bytes.h"
#include "persist/store_locations.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

// Sound, then the default presentation, then the family fields given.
Bytes Family(const std::vector<int32_t>& fields) {
    std::vector<int32_t> values = {kSoundAllOn, 0, 0, 0, 0, 0};
    values.insert(values.end(), fields.begin(), fields.end());
    return StoredSettings(258, values);
}

// The default household's fields: full volumes, normal fit, no help, no
// lock, the first player last, one player (badge 0, folder 0).
const std::vector<int32_t> kDefaults = {4, 4, 0, 0, 0, 0, 1, 0, 0};

class FamilySettingsTest : public ::testing::Test {
protected:
    ~FamilySettingsTest() override { SetUserDataDirectory(""); }
    void Initialize(CSettings& settings) { settings.Initialize(dir.Path().string()); }

    // Stores a household changed by change, reads it back in a new object
    // and returns that object's family.
    FamilyChoice RoundTrip(const std::function<void(FamilyChoice&)>& change) {
        CSettings before;
        Initialize(before);
        FamilyChoice family;
        change(family);
        before.SetFamily(family);
        before.Save();
        CSettings after;
        Initialize(after);
        return after.GetFamily();
    }

    ScopedTempDir dir{true};
    std::string path = dir.File("settings.dta");
};

} // namespace

TEST_F(FamilySettingsTest, EverySettingSurvivesARestart) {
    const std::vector<std::pair<std::string, std::function<void(FamilyChoice&)>>> changes = {
        {"music silent", [](FamilyChoice& f) { f.musicVolume = 0; }},
        {"music half", [](FamilyChoice& f) { f.musicVolume = 2; }},
        {"effects silent", [](FamilyChoice& f) { f.effectsVolume = 0; }},
        {"effects three quarters", [](FamilyChoice& f) { f.effectsVolume = 3; }},
        {"generous", [](FamilyChoice& f) { f.fit = kFitGenerous; }},
        {"very generous", [](FamilyChoice& f) { f.fit = kFitVeryGenerous; }},
        {"help", [](FamilyChoice& f) { f.helpWhenStuck = true; }},
        {"lock", [](FamilyChoice& f) { f.childLock = true; }},
        {"six players, the last one last",
         [](FamilyChoice& f) {
             f.players = {{0, 0}, {5, 1}, {4, 7}, {3, 2}, {2, 99}, {1, 3}};
             f.lastPlayer = 5;
         }},
        {"first player with another badge",
         [](FamilyChoice& f) {
             f.players = {{3, 0}};
         }},
    };
    for (const auto& [name, change] : changes) {
        SCOPED_TRACE(name);
        FamilyChoice expected;
        change(expected);
        ASSERT_FALSE(expected.IsDefault());
        EXPECT_TRUE(RoundTrip(change) == expected);
    }
}

TEST_F(FamilySettingsTest, TheFileLayoutFollowsThePresentation) {
    CSettings settings;
    Initialize(settings);
    settings.SetSound(kSoundMusicOff);
    settings.SetPresentation({kPresentWindow, 10, 20, 800, 600});
    FamilyChoice family;
    family.fit = kFitGenerous;
    family.childLock = true;
    family.players = {{0, 0}, {2, 1}};
    family.lastPlayer = 1;
    settings.SetFamily(family);
    settings.Save();
    EXPECT_EQ(ReadAll(path), StoredSettings(258, {kSoundMusicOff, kPresentWindow, 10, 20, 800, 600,
                                                  4, 4, 1, 0, 1, 1, 2, 0, 0, 2, 1}));
}

TEST_F(FamilySettingsTest, AHouseholdThatChangesNothingKeepsItsOlderFile) {
    const Bytes olderFiles[] = {
        StoredSettings(256, {kSoundMusicOff}),
        StoredSettings(257, {kSoundAllOff, kPresentWindow, 1, 2, 640, 480}),
    };
    for (const Bytes& older : olderFiles) {
        WriteAll(path, older);
        CSettings settings;
        FamilyChoice stale;
        stale.childLock = true;
        settings.SetFamily(stale);
        Initialize(settings);
        // An older file: the corner's defaults, today's game.
        EXPECT_TRUE(settings.GetFamily().IsDefault());
        settings.Save();
        EXPECT_EQ(ReadAll(path), older);
    }
    // Every setting put back to its default: the older layout again.
    WriteAll(path, Family({2, 4, 0, 1, 0, 0, 1, 0, 0}));
    CSettings settings;
    Initialize(settings);
    EXPECT_EQ(settings.GetFamily().musicVolume, 2);
    settings.SetFamily(FamilyChoice());
    settings.Save();
    EXPECT_EQ(ReadAll(path), StoredSettings(256, {kSoundAllOn}));
}

TEST_F(FamilySettingsTest, DamagedFamilyFieldsMeanAFirstRunAndTheFileStays) {
    auto with = [](size_t at, int32_t value) {
        std::vector<int32_t> fields = kDefaults;
        fields[at] = value;
        return Family(fields);
    };
    const Bytes good = Family({1, 2, 2, 1, 1, 1, 2, 0, 0, 4, 1});
    const std::vector<std::pair<std::string, Bytes>> cases = {
        {"music 5", with(0, 5)},
        {"music -1", with(0, -1)},
        {"effects 5", with(1, 5)},
        {"effects -1", with(1, -1)},
        {"fit 3", with(2, 3)},
        {"fit -1", with(2, -1)},
        {"help 2", with(3, 2)},
        {"lock 2", with(4, 2)},
        {"last player beyond the list", with(5, 1)},
        {"last player -1", with(5, -1)},
        {"no players", Family({4, 4, 0, 0, 0, 0, 0})},
        {"seven players", Family({4, 4, 0, 0, 0, 0, 7, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 0, 6})},
        {"a count beyond reach", Family({4, 4, 0, 0, 0, 0, 0x7fffffff, 0, 0})},
        {"badge 6", with(7, 6)},
        {"badge -1", with(7, -1)},
        {"first player not in folder 0", with(8, 1)},
        {"second player in folder 0", Family({4, 4, 0, 0, 0, 0, 2, 0, 0, 1, 0})},
        {"folder 100", Family({4, 4, 0, 0, 0, 0, 2, 0, 0, 1, 100})},
        {"badge twice", Family({4, 4, 0, 0, 0, 0, 2, 1, 0, 1, 3})},
        {"folder twice", Family({4, 4, 0, 0, 0, 0, 3, 0, 0, 1, 2, 2, 2})},
        {"cut short", Bytes(good.begin(), good.end() - 1)},
        {"list cut short", Bytes(good.begin(), good.end() - 8)},
        {"version 258 of a 257 file",
         StoredSettings(258, {kSoundAllOff, kPresentWindow, 0, 0, 800, 600})},
    };
    for (const auto& [name, stored] : cases) {
        SCOPED_TRACE(name);
        WriteAll(path, stored);
        CSettings settings;
        settings.SetSound(kSoundAllOff);
        Initialize(settings);
        EXPECT_EQ(settings.GetSound(), kSoundAllOn);
        EXPECT_TRUE(settings.GetPresentation().IsDefault());
        EXPECT_TRUE(settings.GetFamily().IsDefault());
        EXPECT_EQ(ReadAll(path), stored);
    }
    WriteAll(path, good);
    CSettings settings;
    Initialize(settings);
    const FamilyChoice& family = settings.GetFamily();
    EXPECT_EQ(family.musicVolume, 1);
    EXPECT_EQ(family.effectsVolume, 2);
    EXPECT_EQ(family.fit, kFitVeryGenerous);
    EXPECT_TRUE(family.helpWhenStuck);
    EXPECT_TRUE(family.childLock);
    EXPECT_EQ(family.lastPlayer, 1);
    ASSERT_EQ(family.players.size(), 2u);
    EXPECT_EQ(family.players[1].badge, 4);
    EXPECT_EQ(family.players[1].folder, 1);
}

TEST(FamilyChoiceTest, ValidityCoversEveryRule) {
    EXPECT_TRUE(IsValidFamily(FamilyChoice()));
    FamilyChoice family;
    family.players = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}};
    family.lastPlayer = 5;
    EXPECT_TRUE(IsValidFamily(family));
    family.players.push_back({5, 6});
    EXPECT_FALSE(IsValidFamily(family));
    family.players.clear();
    family.lastPlayer = 0;
    EXPECT_FALSE(IsValidFamily(family));
}
