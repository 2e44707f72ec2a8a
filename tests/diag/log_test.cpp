#include "diag/log.h"
#include "diag/log_switch.h"
#include "platform/platform.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>
#include <vector>

namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

TEST(Log, SwitchedOffWritesNothingAndSucceeds) {
    ScopedTempDir dir(true);
    ScopedLogSwitch off(0);
    EXPECT_EQ(Log("DirectDrawCreateEx Failed"), 1);
    EXPECT_EQ(Log("Using device # %i", 3), 1);
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}

TEST(Log, SwitchedOnCreatesThenAppendsStampedLines) {
    ScopedTempDir dir(true);
    ScopedLogSwitch on(1);
    const int before = static_cast<int>(platform::MillisecondClock()) / 100;
    EXPECT_EQ(Log("SetDisplayMode Failed"), 1);
    EXPECT_EQ(Log("Using device # %i of %s", 3, "4"), 1);
    const int after = static_cast<int>(platform::MillisecondClock()) / 100;

    const std::vector<std::string> lines = Lines(ReadText("log.txt"));
    ASSERT_EQ(lines.size(), 2u);
    const std::string messages[] = {"SetDisplayMode Failed", "Using device # 3 of 4"};
    for (size_t i = 0; i < lines.size(); ++i) {
        const size_t colon = lines[i].find(":  ");
        ASSERT_NE(colon, std::string::npos) << lines[i];
        const int stamp = std::stoi(lines[i].substr(0, colon));
        EXPECT_GE(stamp, before);
        EXPECT_LE(stamp, after);
        EXPECT_EQ(lines[i].substr(colon + 3), messages[i]);
    }
}

TEST(Log, AppendsToALogLeftByAnEarlierRun) {
    ScopedTempDir dir(true);
    WriteAll("log.txt", {'1', ':', ' ', ' ', 'o', 'l', 'd', '\n'});
    ScopedLogSwitch on(1);
    Log("new");
    const std::vector<std::string> lines = Lines(ReadText("log.txt"));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "1:  old");
    EXPECT_NE(lines[1].find(":  new"), std::string::npos);
}

TEST(Log, UnopenableLogFileReportsZero) {
    ScopedTempDir dir(true);
    std::filesystem::create_directory("log.txt"); // a folder cannot be opened as the log
    ScopedLogSwitch on(1);
    EXPECT_EQ(Log("lost"), 0);
}
