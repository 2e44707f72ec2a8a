// A real full disk, natively: /dev/full takes writes into the stream's buffer
// and fails them only when they are flushed, which is what Commit must notice.
#include "persist/serializer.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

TEST(SerializerDiskFull, FailedFlushKeepsThePreviousFile) {
    ScopedTempDir dir;
    const std::string path = dir.File("page01.sav");
    const Bytes previous{8,   0,   0, 0, 'V', 'A', 'R', 'N', 'O', 'L',
                         'T', '1', 0, 1, 0,   0,   3,   0,   0,   0};
    WriteAll(path, previous);
    const std::string temporary = Serializer::TemporaryPathFor(path);
    std::filesystem::create_symlink("/dev/full", temporary);

    const char* thrown = nullptr;
    try {
        Serializer out(path);
        out.PutString("VARNOLT1");
        out.PutInt(256);
        out.PutInt(0);
        out.Commit();
    } catch (const char* text) {
        thrown = text;
    }
    ASSERT_NE(thrown, nullptr);
    EXPECT_STREQ(thrown, "file write failed");
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(temporary)));
}
