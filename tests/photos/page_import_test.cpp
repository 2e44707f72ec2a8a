// Storing a photo page: a complete folder appears in one step, and an
// import that fails at any point leaves nothing behind.
#include "diag/log_switch.h"
#include "image/dib_image.h"
#include "photo_test_support.h"
#include "photos/game_picture.h"
#include "photos/page_import.h"
#include "photos/photo_frame.h"
#include "platform/folders.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

namespace fs = std::filesystem;
using photos::Image;

class PhotoImport : public ::testing::Test {
protected:
    PhotoImport() : picture(PatternPicture(photos::kPortraitFrame.w, photos::kPortraitFrame.h)) {
        fs::create_directory(dir.Path() / "shelf");
        WriteAll(dir.File("holiday.jpg"), Bytes(3 << 20, 0x5A)); // three copy chunks
        import.shelfFolder = dir.File("shelf");
        import.pageName = "photo0001";
        import.sourcePhoto = dir.File("holiday.jpg");
        import.picture = &picture;
        import.info.pieceCount = 9;
        import.info.cutSeed = 42;
        import.info.frame = photos::kPortraitFrame;
        import.info.photoName = "photo.jpg";
    }
    std::vector<std::string> ShelfNames() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(dir.Path() / "shelf"))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    ScopedTempDir dir{true};
    ScopedLogSwitch logOn{1};
    Image picture;
    photos::PhotoImport import;
};

TEST_F(PhotoImport, ACompletePageFolderAppears) {
    ASSERT_TRUE(photos::ImportPhotoPage(import));
    EXPECT_EQ(ShelfNames(), std::vector<std::string>{"photo0001"});
    const std::string page = dir.File("shelf/photo0001");
    CDIBImage stored(32, 32);
    ASSERT_TRUE(stored.LoadFile(page + "/picture.dat"));
    EXPECT_TRUE(photos::CopyFromDib(stored) == picture);
    const Bytes pageFile = ReadAll(page + "/page.dta");
    photos::PhotoPageInfo info;
    ASSERT_TRUE(photos::DecodePageFile(pageFile.data(), pageFile.size(), &info));
    EXPECT_EQ(info.cutSeed, 42u);
    EXPECT_EQ(ReadAll(page + "/photo.jpg"), ReadAll(dir.File("holiday.jpg")));
}

TEST_F(PhotoImport, AFailureMidwayLeavesNothingBehind) {
    // The picture and the page file are written, then the photo is gone.
    fs::remove(dir.File("holiday.jpg"));
    EXPECT_FALSE(photos::ImportPhotoPage(import));
    EXPECT_TRUE(ShelfNames().empty());
    EXPECT_EQ(LoggedMessages().back(), "PhotoImport: cannot copy the photo");
}

TEST_F(PhotoImport, AnExistingPageIsNeverTouched) {
    ASSERT_TRUE(photos::ImportPhotoPage(import));
    const Bytes before = ReadAll(dir.File("shelf/photo0001/page.dta"));
    import.info.cutSeed = 43;
    EXPECT_FALSE(photos::ImportPhotoPage(import));
    EXPECT_EQ(ShelfNames(), std::vector<std::string>{"photo0001"});
    EXPECT_EQ(ReadAll(dir.File("shelf/photo0001/page.dta")), before);
    // Nor is it when the page appears while the import runs: the last step
    // refuses to replace it and clears up.
    EXPECT_FALSE(platform::RenameFolder(dir.File("shelf/photo0001"), dir.File("shelf")));
}

TEST_F(PhotoImport, BadRequestsWriteNothing) {
    Image wrongSize(10, 10);
    photos::PhotoImport bad = import;
    bad.picture = &wrongSize;
    EXPECT_FALSE(photos::ImportPhotoPage(bad));
    bad = import;
    bad.pageName = "..\\elsewhere";
    EXPECT_FALSE(photos::ImportPhotoPage(bad));
    bad = import;
    bad.info.photoName = "a/b.jpg";
    EXPECT_FALSE(photos::ImportPhotoPage(bad));
    bad = import;
    bad.shelfFolder = dir.File("no-such-shelf");
    EXPECT_FALSE(photos::ImportPhotoPage(bad));
    EXPECT_TRUE(ShelfNames().empty());
    EXPECT_FALSE(fs::exists(dir.File("no-such-shelf")));
}

TEST_F(PhotoImport, WhatAnInterruptedImportLeftIsSweptAway) {
    // A crash mid-import leaves a half-written folder (with a read-only file
    // and a folder inside); a finished page beside it stays.
    ASSERT_TRUE(photos::ImportPhotoPage(import));
    fs::create_directories(dir.Path() / "shelf/photo0002.partial/deeper");
    WriteAll(dir.File("shelf/photo0002.partial/picture.dat"), Bytes(100, 1));
    WriteAll(dir.File("shelf/photo0002.partial/deeper/x"), Bytes(5, 2));
    fs::permissions(dir.Path() / "shelf/photo0002.partial/picture.dat", fs::perms::owner_read);
    photos::SweepUnfinishedImports(import.shelfFolder);
    EXPECT_EQ(ShelfNames(), std::vector<std::string>{"photo0001"});
    // A new import of the same name starts afresh over any leftover.
    fs::create_directories(dir.Path() / "shelf/photo0003.partial");
    WriteAll(dir.File("shelf/photo0003.partial/stale"), Bytes(3, 3));
    import.pageName = "photo0003";
    ASSERT_TRUE(photos::ImportPhotoPage(import));
    EXPECT_FALSE(fs::exists(dir.File("shelf/photo0003/stale")));
    EXPECT_EQ(ShelfNames(), (std::vector<std::string>{"photo0001", "photo0003"}));
}

TEST(PlatformFolders, RemoveListAndRename) {
    ScopedTempDir dir;
    EXPECT_TRUE(platform::RemoveFolderTree(dir.File("absent")));
    std::vector<std::string> names;
    EXPECT_FALSE(platform::ListFolder(dir.File("absent"), &names));
    fs::create_directories(dir.Path() / "a/b/c");
    WriteAll(dir.File("a/b/c/file"), Bytes(1, 1));
    ASSERT_TRUE(platform::ListFolder(dir.File("a"), &names));
    EXPECT_EQ(names, std::vector<std::string>{"b"});
    fs::create_directory(dir.Path() / "empty");
    EXPECT_FALSE(platform::RenameFolder(dir.File("a"), dir.File("empty")));
    EXPECT_TRUE(fs::exists(dir.File("a/b/c/file")));
    EXPECT_TRUE(platform::RenameFolder(dir.File("a"), dir.File("moved")));
    EXPECT_TRUE(fs::exists(dir.File("moved/b/c/file")));
    EXPECT_TRUE(platform::RemoveFolderTree(dir.File("moved")));
    EXPECT_FALSE(fs::exists(dir.File("moved")));
}

} // namespace
