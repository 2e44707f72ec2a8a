// Runs unchanged against both implementations of CMappedFile: POSIX in the
// native build, Win32 under Wine.
#include "persist/mapped_file.h"
#include "platform/files.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

class MappedFileTest : public ::testing::Test {
protected:
    MappedFileTest() : saved(g_baseDirectory) { g_baseDirectory = dir.Path().string(); }
    ~MappedFileTest() override { g_baseDirectory = saved; }

    // A data file of n bytes 0, 1, 2, ... under the base directory.
    void MakeFile(const std::string& name, int n) {
        Bytes bytes(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            bytes[static_cast<size_t>(i)] = static_cast<uint8_t>(i);
        WriteAll(dir.File(name), bytes);
    }

    ScopedTempDir dir;
    std::string saved;
};

} // namespace

TEST_F(MappedFileTest, ResolvePathAppendsNameToBaseDirectory) {
    CMappedFile file;
    EXPECT_EQ(file.ResolvePath("\\save\\page01.sav"), dir.Path().string() + "\\save\\page01.sav");
    EXPECT_EQ(file.ResolvePath(""), dir.Path().string());
    g_baseDirectory.clear();
    EXPECT_EQ(file.ResolvePath("\\save\\page01.sav"), "\\save\\page01.sav");
}

TEST_F(MappedFileTest, MissingOrEmptyFilesDeliverNothing) {
    CMappedFile missing;
    EXPECT_EQ(missing.OpenRead("\\missing.dat"), 0);
    EXPECT_EQ(missing.GetSize(), 0);
    char buffer[4];
    EXPECT_FALSE(missing.Read(buffer, 1));

    MakeFile("empty.dat", 0);
    CMappedFile empty;
    ASSERT_NE(empty.OpenRead("\\empty.dat"), 0);
    int32_t delivered = -1;
    EXPECT_FALSE(empty.Read(buffer, 4, &delivered));
    EXPECT_EQ(delivered, 0);
    EXPECT_TRUE(empty.Close());
}

TEST_F(MappedFileTest, ReadsDeliverTheFileAndAShortReadAtTheEndWhatThereWas) {
    MakeFile("data.dat", 100);
    for (bool mapped : {true, false}) {
        SCOPED_TRACE(mapped ? "mapped" : "read");
        CMappedFile file(mapped);
        ASSERT_NE(file.OpenRead("\\data.dat"), 0);
        EXPECT_EQ(file.GetSize(), 100);
        uint8_t buffer[100] = {};
        int32_t delivered = 0;
        EXPECT_TRUE(file.Read(buffer, 90, &delivered));
        EXPECT_EQ(delivered, 90);
        EXPECT_EQ(buffer[89], 89);
        platform::SetLastErrorCode(0);
        EXPECT_FALSE(file.Read(buffer, 100, &delivered));
        EXPECT_EQ(delivered, 10);
        EXPECT_EQ(buffer[0], 90);
        EXPECT_EQ(buffer[9], 99);
        EXPECT_EQ(file.Tell(), 100);
        if (mapped) {
            EXPECT_EQ(platform::LastErrorCode(), CMappedFile::kErrorInvalidParameter);
        }
        // At the end nothing more arrives.
        EXPECT_FALSE(file.Read(buffer, 1, &delivered));
        EXPECT_EQ(delivered, 0);
        EXPECT_TRUE(file.Close());
        EXPECT_EQ(file.GetSize(), 0);
    }
}

TEST_F(MappedFileTest, SeekClampsToTheFileBothWays) {
    MakeFile("data.dat", 100);
    CMappedFile file;
    ASSERT_NE(file.OpenRead("\\data.dat"), 0);

    EXPECT_TRUE(file.Seek(10, 2));
    EXPECT_EQ(file.Tell(), 90);
    EXPECT_TRUE(file.Seek(-30, 1));
    EXPECT_EQ(file.Tell(), 60);

    platform::SetLastErrorCode(0);
    EXPECT_FALSE(file.Seek(-5, 0));
    EXPECT_EQ(file.Tell(), 0);
    EXPECT_EQ(platform::LastErrorCode(), CMappedFile::kErrorInvalidParameter);

    EXPECT_FALSE(file.Seek(150, 0));
    EXPECT_EQ(file.Tell(), 100);
    EXPECT_FALSE(file.Seek(-1, 2));
    EXPECT_EQ(file.Tell(), 100);

    EXPECT_FALSE(file.Seek(0, 3)); // unknown origin changes nothing
    EXPECT_EQ(file.Tell(), 100);
    EXPECT_TRUE(file.Close());
}

TEST_F(MappedFileTest, WrittenBytesReadBackAndOnlyAFileOpenedForWritingTakesThem) {
    const uint8_t bytes[] = {1, 2, 3, 4, 5};
    {
        CMappedFile file;
        EXPECT_FALSE(file.Write(bytes, 1));
        ASSERT_NE(file.OpenWrite("\\out.dat"), 0);
        int32_t written = 0;
        EXPECT_TRUE(file.Write(bytes, 5, &written));
        EXPECT_EQ(written, 5);
        EXPECT_EQ(file.Tell(), 5);
        EXPECT_TRUE(file.Close());
        CMappedFile reader;
        ASSERT_NE(reader.OpenRead("\\out.dat"), 0);
        EXPECT_FALSE(reader.Write(bytes, 1));
    }
    EXPECT_EQ(ReadAll(dir.File("out.dat")), Bytes(bytes, bytes + 5));
    // Opening for writing replaces what was there.
    CMappedFile file;
    ASSERT_NE(file.OpenWrite("\\out.dat"), 0);
    EXPECT_TRUE(file.Close());
    EXPECT_TRUE(ReadAll(dir.File("out.dat")).empty());
}

TEST(Directories, EnsureDirectoryCreatesOnlyWhatIsMissing) {
    ScopedTempDir dir(true);
    EXPECT_FALSE(CMappedFile::IsDirectory("save"));
    EXPECT_TRUE(CMappedFile::EnsureDirectory("save"));
    EXPECT_TRUE(CMappedFile::IsDirectory("save"));

    WriteAll("save/keep.sav", {1, 2, 3});
    EXPECT_TRUE(CMappedFile::EnsureDirectory("save"));
    EXPECT_EQ(ReadAll("save/keep.sav"), (Bytes{1, 2, 3}));

    WriteAll("plain", {0});
    EXPECT_FALSE(CMappedFile::IsDirectory("plain"));
    EXPECT_FALSE(CMappedFile::EnsureDirectory("plain"));
    EXPECT_FALSE(CMappedFile::IsDirectory("plain"));
}
