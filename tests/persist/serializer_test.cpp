#include "diag/log_switch.h"
#include "persist/serializer.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace {

// The thrown text of f, or "" when nothing was thrown.
template <typename F> std::string ThrownText(F f) {
    try {
        f();
    } catch (const char* text) {
        return text;
    }
    return "";
}

class SerializerTest : public ::testing::Test {
protected:
    ScopedTempDir dir{true};
    ScopedLogSwitch logOn{1};
    std::string path = dir.File("data.bin");
    std::string LogText() { return ReadText("log.txt"); }
};

TEST_F(SerializerTest, OpeningFailuresThrowTheirTexts) {
    EXPECT_EQ(ThrownText([&] { Serializer out(dir.File("missing/data.bin")); }),
              "couldn't open file");
    EXPECT_TRUE(LogText().empty());

    const std::string missing = dir.File("missing.bin");
    EXPECT_EQ(ThrownText([&] { DeSerializer in(missing); }),
              "DeSerializer::DeSerializer: ERROR: couldn't open file");
    EXPECT_NE(LogText().find("DeSerializer::DeSerializer: " + missing), std::string::npos);
}

TEST_F(SerializerTest, IntegerCutShortIsAnUnexpectedEnd) {
    WriteAll(path, {1, 2, 3});
    DeSerializer in(path);
    EXPECT_EQ(ThrownText([&] { in.GetInt(); }), "unexpected end of file");
    // Nothing is given back: the stream stays at its end.
    EXPECT_EQ(ThrownText([&] { in.GetInt(); }), "unexpected end of file");
    EXPECT_TRUE(LogText().empty());
}

TEST_F(SerializerTest, AStringLongerThanTheRestOfTheFileIsAnEofAndAnExactFitIsRead) {
    // The second announces 2^31 bytes: refused before any allocation, which
    // the sanitizer build would otherwise report as an allocation failure.
    const Bytes tooLong[] = {{10, 0, 0, 0, 'a', 'b', 'c', 'd'},
                             {0x00, 0x00, 0x00, 0x80, 'x', 'y', 'z', 'w', 'v', 'u'}};
    for (const Bytes& bytes : tooLong) {
        std::filesystem::remove("log.txt");
        WriteAll(path, bytes);
        DeSerializer in(path);
        EXPECT_EQ(ThrownText([&] { in.GetString(); }), "EOF file found");
        EXPECT_NE(LogText().find("DeSerializer::GetString: eof()"), std::string::npos);
        EXPECT_EQ(ThrownText([&] { in.GetInt(); }), "unexpected end of file");
    }
    WriteAll(path, {0, 0, 0, 0, 4, 0, 0, 0, 'w', 'x', 'y', 'z'});
    DeSerializer in(path);
    EXPECT_EQ(in.GetString(), "");
    EXPECT_EQ(in.GetString(), "wxyz");
    EXPECT_EQ(ThrownText([&] { in.GetInt(); }), "unexpected end of file");
}

// The file replaced by a save and what the save writes instead.
class SafeReplaceTest : public SerializerTest {
protected:
    void WriteNewContents(Serializer& out) {
        out.PutString("VARNOLT1");
        for (int32_t i = 0; i < 30; ++i)
            out.PutInt(i);
    }

    const Bytes previous{8, 0, 0, 0, 'p', 'r', 'e', 'v', 'i', 'o', 'u', 's', 0, 1, 0, 0};
    std::string temporary = Serializer::TemporaryPathFor(path);
};

TEST_F(SafeReplaceTest, TargetChangesOnlyAtCommit) {
    WriteAll(path, previous);
    Serializer out(path);
    WriteNewContents(out);
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_TRUE(std::filesystem::exists(temporary));

    out.Commit();
    EXPECT_EQ(ReadAll(path).size(), 12u + 30u * 4u);
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

TEST_F(SafeReplaceTest, AbandonedWriteLeavesNoTrace) {
    WriteAll(path, previous);
    {
        Serializer out(path);
        WriteNewContents(out);
    }
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_FALSE(std::filesystem::exists(temporary));

    const std::string fresh = dir.File("fresh.bin");
    {
        Serializer out(fresh);
        WriteNewContents(out);
    }
    EXPECT_FALSE(std::filesystem::exists(fresh));
    EXPECT_FALSE(std::filesystem::exists(Serializer::TemporaryPathFor(fresh)));
}

TEST_F(SafeReplaceTest, CommitThatCannotReplaceThrowsAndCleansUp) {
    // A folder in the target's place cannot be replaced by a file.
    std::filesystem::create_directory(path);
    EXPECT_EQ(ThrownText([&] {
                  Serializer out(path);
                  WriteNewContents(out);
                  out.Commit();
              }),
              "file write failed");
    EXPECT_TRUE(std::filesystem::is_directory(path));
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

#ifndef _WIN32
// A real full disk: /dev/full takes writes into the stream's buffer and fails
// them only when they are flushed, which is what Commit must notice.
TEST_F(SafeReplaceTest, AFlushFailingOnAFullDiskKeepsThePreviousFile) {
    WriteAll(path, previous);
    std::filesystem::create_symlink("/dev/full", temporary);
    EXPECT_EQ(ThrownText([&] {
                  Serializer out(path);
                  WriteNewContents(out);
                  out.Commit();
              }),
              "file write failed");
    EXPECT_EQ(ReadAll(path), previous);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(temporary)));
}
#endif

TEST_F(SafeReplaceTest, LeftoverFromAnInterruptedSaveIsOverwritten) {
    WriteAll(temporary, Bytes(200, 0xEE));
    Serializer out(path);
    out.PutInt(7);
    out.Commit();
    EXPECT_EQ(ReadAll(path), (Bytes{7, 0, 0, 0}));
    EXPECT_FALSE(std::filesystem::exists(temporary));
}

} // namespace
