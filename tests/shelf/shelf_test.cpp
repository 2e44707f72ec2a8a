// The shelf's folder: pages listed in the order they were added, names
// never reused, removal moving a page aside, and stepping among the pages
// wrapping round.
#include "support/temp_dir.h"

#include "persist/store_locations.h"
#include "photos/page_import.h"
#include "shelf/shelf.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

class ShelfFolderTest : public ::testing::Test {
protected:
    ShelfFolderTest() : user(dir.Path().string()) {
        SetUserDataDirectory(user);
        shelf = ShelfFolder();
    }
    ~ShelfFolderTest() override { SetUserDataDirectory(""); }
    void MakePage(const std::string& name) { fs::create_directory(user + "/pictures/" + name); }

    ScopedTempDir dir;
    std::string user;
    std::string shelf;
};

TEST_F(ShelfFolderTest, IsMadeWhenMissingAndSweptOfUnfinishedImports) {
    EXPECT_EQ(shelf, user + "\\pictures");
    ASSERT_TRUE(PrepareShelf(shelf));
    EXPECT_TRUE(fs::is_directory(user + "/pictures"));
    MakePage(std::string("page000001") + photos::kUnfinishedSuffix);
    MakePage("page000002");
    ASSERT_TRUE(PrepareShelf(shelf));
    EXPECT_EQ(ListShelf(shelf), std::vector<std::string>{"page000002"});
    EXPECT_FALSE(PrepareShelf(""));
}

TEST_F(ShelfFolderTest, ListsPagesOldestFirstAndNamesNewOnesAfterEvenRemovedOnes) {
    ASSERT_TRUE(PrepareShelf(shelf));
    EXPECT_EQ(NextPageName(shelf), "page000001");
    for (const char* name : {"page000010", "page000002", "notes", "page00003x"})
        MakePage(name);
    std::ofstream(user + "/pictures/page000011") << "a file, not a page";
    EXPECT_EQ(ListShelf(shelf), (std::vector<std::string>{"page000002", "page000010"}));
    EXPECT_EQ(NextPageName(shelf), "page000011");
    ASSERT_TRUE(RemoveFromShelf(shelf, "page000010"));
    EXPECT_TRUE(fs::is_directory(user + "/pictures/removed/page000010"));
    EXPECT_EQ(ListShelf(shelf), std::vector<std::string>{"page000002"});
    EXPECT_EQ(NextPageName(shelf), "page000011");
    EXPECT_FALSE(RemoveFromShelf(shelf, "page000010"));
    EXPECT_FALSE(RemoveFromShelf(shelf, "..\\save"));
}

TEST(ShelfSteps, PageUpAndDownWrapRoundAmongTheOwnPages) {
    const std::vector<std::string> names = {"a", "b", "c"};
    EXPECT_EQ(StepAmong(names, "a", 1), "b");
    EXPECT_EQ(StepAmong(names, "c", 1), "a");
    EXPECT_EQ(StepAmong(names, "a", -1), "c");
    EXPECT_EQ(StepAmong(names, "b", -1), "a");
    EXPECT_EQ(StepAmong({"only"}, "only", 1), "only");
    EXPECT_EQ(StepAmong(names, "gone", 1), "");
    EXPECT_EQ(StepAmong({}, "a", -1), "");
}

} // namespace
