#include "diag/log.h"
#include "diag/log_switch.h"
#include "platform/clock.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

TEST(Log, SwitchedOffWritesNothingAndSucceeds) {
    ScopedTempDir dir(true);
    ScopedLogSwitch off(0);
    EXPECT_EQ(Log("DirectDrawCreateEx Failed"), 1);
    EXPECT_EQ(Log("Using device # %i", 3), 1);
    EXPECT_FALSE(std::filesystem::exists("log.txt"));
}

TEST(Log, SwitchedOnAppendsStampedLinesToALogLeftByAnEarlierRun) {
    ScopedTempDir dir(true);
    WriteAll("log.txt", {'1', ':', ' ', ' ', 'o', 'l', 'd', '\n'});
    ScopedLogSwitch on(1);
    const int before = static_cast<int>(platform::MillisecondClock()) / 100;
    EXPECT_EQ(Log("SetDisplayMode Failed"), 1);
    EXPECT_EQ(Log("Using device # %i of %s", 3, "4"), 1);
    const int after = static_cast<int>(platform::MillisecondClock()) / 100;

    EXPECT_EQ(LoggedMessages(),
              (std::vector<std::string>{"old", "SetDisplayMode Failed", "Using device # 3 of 4"}));
    std::ifstream in("log.txt");
    std::string line;
    std::getline(in, line);
    while (std::getline(in, line)) {
        const int stamp = std::stoi(line);
        EXPECT_GE(stamp, before) << line;
        EXPECT_LE(stamp, after) << line;
    }
}

TEST(Log, UnopenableLogFileReportsZero) {
    ScopedTempDir dir(true);
    std::filesystem::create_directory("log.txt"); // a folder cannot be opened as the log
    ScopedLogSwitch on(1);
    EXPECT_EQ(Log("lost"), 0);
}
