// The photo page file: what is written reads back, and every damaged or
// later form is refused with its log line.
#include "diag/log_switch.h"
#include "photos/page_file.h"
#include "photos/photo_frame.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace {

using photos::PhotoPageInfo;

PhotoPageInfo Example() {
    PhotoPageInfo info;
    info.pieceCount = 12;
    info.cutSeed = 0xC0FFEE01u;
    info.frame = photos::kLandscapeFrame;
    info.photoName = "photo.jpg";
    return info;
}

// A page file whose fields are given one by one, with a correct checksum.
Bytes Made(uint32_t version, uint32_t count, const photos::Box& frame, const std::string& name,
           uint32_t seed = 7) {
    Bytes out = {'V', 'P', 'H', 'O', 'T', 'O', 'P', 'G'};
    auto put = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i)
            out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    };
    put(version), put(count), put(seed);
    for (const int v : {frame.x, frame.y, frame.w, frame.h})
        put(static_cast<uint32_t>(v));
    put(static_cast<uint32_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    uint32_t crc = 0xFFFFFFFFu;
    for (const uint8_t byte : out) {
        crc ^= byte;
        for (int bit = 0; bit < 8; ++bit)
            crc = crc & 1 ? (crc >> 1) ^ 0xEDB88320u : crc >> 1;
    }
    put(~crc);
    return out;
}

class PageFile : public ::testing::Test {
protected:
    // The one log line a refusal wrote.
    std::string Refusal(const Bytes& file) {
        std::filesystem::remove("log.txt");
        PhotoPageInfo info;
        info.pieceCount = -5;
        EXPECT_FALSE(photos::DecodePageFile(file.data(), file.size(), &info));
        EXPECT_EQ(info.pieceCount, -5); // untouched
        const std::vector<std::string> lines = LoggedMessages();
        EXPECT_EQ(lines.size(), 1u);
        return lines.empty() ? "" : lines.back();
    }
    ScopedTempDir dir{true};
    ScopedLogSwitch logOn{1};
};

TEST_F(PageFile, WhatIsWrittenReadsBack) {
    for (const int32_t count : photos::kPieceCounts)
        for (const photos::Box& frame : {photos::kLandscapeFrame, photos::kPortraitFrame}) {
            PhotoPageInfo info = Example();
            info.pieceCount = count;
            info.frame = frame;
            info.photoName = std::string(64, 'a');
            const Bytes file = photos::EncodePageFile(info);
            PhotoPageInfo read;
            ASSERT_TRUE(photos::DecodePageFile(file.data(), file.size(), &read));
            EXPECT_EQ(read.pieceCount, count);
            EXPECT_EQ(read.cutSeed, info.cutSeed);
            EXPECT_TRUE(photos::SameBox(read.frame, frame));
            EXPECT_EQ(read.photoName, info.photoName);
        }
    // The bytes are the documented layout.
    EXPECT_EQ(photos::EncodePageFile(Example()),
              Made(1, 12, photos::kLandscapeFrame, "photo.jpg", 0xC0FFEE01u));
}

TEST_F(PageFile, TheWriterRefusesWhatTheReaderWould) {
    PhotoPageInfo info = Example();
    info.pieceCount = 5;
    EXPECT_TRUE(photos::EncodePageFile(info).empty());
    info = Example();
    info.frame.x += 1;
    EXPECT_TRUE(photos::EncodePageFile(info).empty());
    const std::vector<std::string> names = {
        "", "..", "a\\b.jpg", "c:x.jpg", "a/b", std::string(65, 'x'), "tab\there"};
    for (const std::string& name : names) {
        info = Example();
        info.photoName = name;
        EXPECT_TRUE(photos::EncodePageFile(info).empty()) << name;
    }
}

TEST_F(PageFile, EveryTruncationAndEveryDamagedByteIsRefused) {
    const Bytes file = photos::EncodePageFile(Example());
    for (size_t size = 0; size < file.size(); ++size) {
        const Bytes cut(file.begin(), file.begin() + static_cast<ptrdiff_t>(size));
        const std::string line = Refusal(cut);
        EXPECT_TRUE(line == "PhotoPageFile: file too short" ||
                    line == "PhotoPageFile: damaged file")
            << size << ": " << line;
    }
    Bytes longer = file;
    longer.push_back(0);
    EXPECT_EQ(Refusal(longer), "PhotoPageFile: damaged file");
    for (size_t at = 0; at < file.size(); ++at) {
        Bytes damaged = file;
        damaged[at] ^= 0x10;
        EXPECT_FALSE(Refusal(damaged).empty()) << at;
    }
}

TEST_F(PageFile, EachFieldIsChecked) {
    EXPECT_EQ(Refusal(Made(2, 4, photos::kPortraitFrame, "p.png")),
              "PhotoPageFile: written by a newer version");
    EXPECT_EQ(Refusal(Made(0xFFFFFFFFu, 4, photos::kPortraitFrame, "p.png")),
              "PhotoPageFile: written by a newer version");
    EXPECT_EQ(Refusal(Made(0, 4, photos::kPortraitFrame, "p.png")), "PhotoPageFile: damaged file");
    EXPECT_EQ(Refusal(Made(1, 7, photos::kPortraitFrame, "p.png")), "PhotoPageFile: damaged file");
    EXPECT_EQ(Refusal(Made(1, 4, {0, 0, 426, 576}, "p.png")), "PhotoPageFile: damaged file");
    EXPECT_EQ(Refusal(Made(1, 4, photos::kPortraitFrame, "..")), "PhotoPageFile: damaged file");
    EXPECT_EQ(Refusal(Made(1, 4, photos::kPortraitFrame, "a\\p.png")),
              "PhotoPageFile: damaged file");
    Bytes notOurs = Made(1, 4, photos::kPortraitFrame, "p.png");
    notOurs[0] = 'B';
    EXPECT_EQ(Refusal(notOurs), "PhotoPageFile: not a page file");
    // A name length far past the end is refused, not followed.
    Bytes huge = Made(1, 4, photos::kPortraitFrame, "p.png");
    huge[39] = 0x7F;
    EXPECT_EQ(Refusal(huge), "PhotoPageFile: damaged file");
    PhotoPageInfo info;
    EXPECT_TRUE(photos::DecodePageFile(Made(1, 16, photos::kPortraitFrame, "p.png").data(),
                                       Made(1, 16, photos::kPortraitFrame, "p.png").size(), &info));
    EXPECT_EQ(info.pieceCount, 16);
    EXPECT_FALSE(photos::DecodePageFile(nullptr, 100, &info));
}

} // namespace
