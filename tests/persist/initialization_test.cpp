#include "diag/log_switch.h"
#include "persist/initialization.h"
#include "persist/store_locations.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

// An options file as the game writes it, with the fields given.
Bytes OptionsFile(int32_t flag, int32_t version = 256) {
    Bytes bytes{8, 0, 0, 0, 'V', 'A', 'R', 'N', 'O', 'P', 'T', 'N'};
    for (int32_t value : {version, flag}) {
        for (int i = 0; i < 4; ++i)
            bytes.push_back(static_cast<uint8_t>(static_cast<uint32_t>(value) >> (8 * i)));
    }
    return bytes;
}

class OptionsTest : public ::testing::Test {
protected:
    OptionsTest() { g_showOneTimeDirections = 1; }
    ~OptionsTest() override {
        g_showOneTimeDirections = 1;
        g_optionsPath.clear();
    }

    void Initialize() { options->Initialize(dir.Path().string()); }
    std::string LogText() { return ReadText("log.txt"); }

    // Makes it impossible to write a new file in the folder. A read-only
    // folder does that for an ordinary user on Linux, but not for root nor
    // on Windows, where a folder's read-only flag means nothing; there a
    // folder standing where the new file would be written blocks it instead.
    void MakeFolderUnwritable() {
        fs::permissions(dir.Path(), fs::perms::owner_read | fs::perms::owner_exec);
        const std::string probe = dir.File("probe");
        if (!std::ofstream(probe).is_open())
            return;
        fs::remove(probe);
        fs::permissions(dir.Path(), fs::perms::owner_all, fs::perm_options::add);
        fs::create_directory(Serializer::TemporaryPathFor(path));
    }

    ScopedTempDir dir{true};
    ScopedLogSwitch logOn{1};
    CInitialization* options = CInitialization::GetInstance();
    std::string path = dir.File("options.dta");
};

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
    }
}

TEST_F(OptionsTest, UnwritableFolderKeepsTheOldFileAndPlayGoesOn) {
    const Bytes stored = OptionsFile(1, 257);
    WriteAll(path, stored);
    MakeFolderUnwritable();

    Initialize();
    EXPECT_EQ(g_showOneTimeDirections, 1);
    EXPECT_EQ(ReadAll(path), stored);

    g_showOneTimeDirections = 0;
    options->Save();
    EXPECT_EQ(ReadAll(path), stored);
    EXPECT_EQ(g_showOneTimeDirections, 0);
}

TEST_F(OptionsTest, AnUnwritableGameFolderKeepsTheOptionsInThePerUserFolder) {
    ScopedTempDir user;
    SetUserDataDirectory(user.Path().string());
    MakeFolderUnwritable();

    Initialize();
    const std::string kept = user.File("options.dta");
    EXPECT_EQ(ReadAll(kept), OptionsFile(1));
    g_showOneTimeDirections = 0;
    options->Save();
    EXPECT_EQ(ReadAll(kept), OptionsFile(0));
    // The next run finds the directions shown.
    g_showOneTimeDirections = 1;
    Initialize();
    EXPECT_EQ(g_showOneTimeDirections, 0);
    EXPECT_FALSE(fs::exists(path));
    SetUserDataDirectory("");
    ForgetStoreFailures();
}
