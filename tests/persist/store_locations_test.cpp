// Where stored files go: the game folder first, the per-user folder when the
// game folder refuses them (or always, for an installed game), and one
// notice when neither takes them.
#include "persist/serializer.h"
#include "persist/store_locations.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

const char kName[] = "\\save\\page01.sav";

class StoreLocations : public ::testing::Test {
protected:
    StoreLocations() { SetUserDataDirectory((user.Path() / "Varnolt").string()); }
    ~StoreLocations() override { SetUserDataDirectory(""); }

    // Stores a file holding value the way the game stores its files.
    bool Store(int32_t value) {
        return StoreFile(game.Path().string(), kName, [value](const std::string& path) {
            try {
                Serializer out(path);
                out.PutInt(value);
                out.Commit();
                return true;
            } catch (...) {
                return false;
            }
        });
    }

    // The value the file the game would read holds; -1 when there is none.
    int32_t ReadBack() {
        try {
            DeSerializer in(StoredFileToRead(game.Path().string(), kName));
            return in.GetInt();
        } catch (...) {
            return -1;
        }
    }

    fs::path GameCopy() const { return game.Path() / "save" / "page01.sav"; }
    fs::path UserCopy() const { return user.Path() / "Varnolt" / "save" / "page01.sav"; }

    ScopedTempDir cwd{true}; // where a log would go
    ScopedTempDir game;
    ScopedTempDir user;
};

} // namespace

TEST_F(StoreLocations, TheGameFolderComesFirstAndThePerUserFolderTakesWhatItRefuses) {
    ASSERT_TRUE(Store(1));
    EXPECT_TRUE(fs::exists(GameCopy()));
    EXPECT_FALSE(fs::exists(user.Path() / "Varnolt"));
    EXPECT_EQ(ReadBack(), 1);

    // A plain file where the save folder should be.
    fs::remove_all(game.Path() / "save");
    WriteAll((game.Path() / "save").string(), Bytes{'x'});
    ASSERT_TRUE(Store(2));
    EXPECT_TRUE(fs::exists(UserCopy()));
    EXPECT_EQ(ReadBack(), 2);

    // Once the game folder takes the file again, the per-user copy would
    // hide it, so it goes.
    fs::remove(game.Path() / "save");
    ASSERT_TRUE(Store(3));
    EXPECT_FALSE(fs::exists(UserCopy()));
    EXPECT_EQ(ReadBack(), 3);
    EXPECT_FALSE(TakeStoreFailureNotice());
}

TEST_F(StoreLocations, WhenNothingTakesTheFileThePlayerIsToldOncePerRun) {
    WriteAll((game.Path() / "save").string(), Bytes{'x'});
    WriteAll((user.Path() / "Varnolt").string(), Bytes{'x'});
    EXPECT_FALSE(TakeStoreFailureNotice());
    EXPECT_FALSE(Store(1));
    EXPECT_EQ(ReadBack(), -1);
    EXPECT_TRUE(TakeStoreFailureNotice());
    EXPECT_FALSE(TakeStoreFailureNotice());
    EXPECT_FALSE(Store(2));
    EXPECT_FALSE(TakeStoreFailureNotice());

    // Without a per-user folder the game folder is the only place.
    SetUserDataDirectory("");
    fs::remove(game.Path() / "save");
    ASSERT_TRUE(Store(3));
    EXPECT_EQ(ReadBack(), 3);
}

TEST_F(StoreLocations, AnInstalledGameStoresPerUserAndStillReadsWhatItsFolderHeld) {
    // Progress an earlier, uninstalled copy left in the program folder.
    ASSERT_TRUE(Store(1));
    EXPECT_FALSE(StoresPerUser());
    KeepStoresPerUser(true);
    EXPECT_TRUE(StoresPerUser());
    EXPECT_EQ(ReadBack(), 1);
    ASSERT_TRUE(Store(2));
    EXPECT_TRUE(fs::exists(UserCopy()));
    EXPECT_EQ(ReadBack(), 2);
    EXPECT_TRUE(fs::exists(GameCopy())) << "the program folder is only read";

    // Without a per-user folder the game folder is the only place, even so.
    SetUserDataDirectory("");
    KeepStoresPerUser(true);
    EXPECT_FALSE(StoresPerUser());
    ASSERT_TRUE(Store(3));
    EXPECT_EQ(ReadBack(), 3);
}
