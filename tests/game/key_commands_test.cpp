#include "game/commands.h"
#include "game/game_state.h"
#include "game/key_commands.h"

#include <gtest/gtest.h>

#include <map>

namespace {

constexpr uint32_t kBackspace = 8, kTab = 9, kReturn = 13, kEscape = 27, kSpace = 32, kPageUp = 33,
                   kPageDown = 34, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kB = 66, kC = 67,
                   kH = 72, kI = 73, kM = 77, kQ = 81;

bool Ignored(const KeyResponse& response) {
    return response.action == KeyAction::kNothing && response.logLine == nullptr;
}

} // namespace

TEST(KeyCommands, OnTheTitleScreenOnlyEnterAndSpaceStart) {
    for (uint32_t key : {kReturn, kSpace}) {
        const KeyResponse response = RespondToKey(kStateTitle, key);
        EXPECT_EQ(response.action, KeyAction::kStart) << key;
        ASSERT_NE(response.logLine, nullptr);
        EXPECT_STREQ(response.logLine, "VK_RETURN");
    }
    for (uint32_t key = 0; key < 256; ++key) {
        if (key != kReturn && key != kSpace) {
            EXPECT_TRUE(Ignored(RespondToKey(kStateTitle, key))) << key;
        }
    }
}

TEST(KeyCommands, WhileStartingNoKeyDoesAnything) {
    for (uint32_t key = 0; key < 256; ++key)
        EXPECT_TRUE(Ignored(RespondToKey(kStateStarting, key))) << key;
}

TEST(KeyCommands, WhilePlayingThePageKeysPressTheirButtonsThePlayKeysPlayAndEscapeEndsAtOnce) {
    const std::map<uint32_t, int32_t> pressed = {
        {kPageUp, ID_PREV_PAGE}, {kUp, ID_PREV_PAGE}, {kPageDown, ID_NEXT_PAGE},
        {kDown, ID_NEXT_PAGE},   {kC, ID_CLEAR_PAGE}, {kI, ID_INFO},
        {kM, ID_SOUND},          {kB, ID_BOOK},       {kQ, ID_QUIT}};
    const std::map<uint32_t, PlayKey> played = {{kTab, PlayKey::kNextPiece},
                                                {kRight, PlayKey::kNextHole},
                                                {kLeft, PlayKey::kPreviousHole},
                                                {kReturn, PlayKey::kLiftOrDrop},
                                                {kSpace, PlayKey::kLiftOrDrop},
                                                {kBackspace, PlayKey::kSendHome},
                                                {kH, PlayKey::kHint}};
    for (uint32_t key = 0; key < 256; ++key) {
        const KeyResponse response = RespondToKey(kStatePlaying, key);
        const auto found = pressed.find(key);
        const auto play = played.find(key);
        if (key == kEscape) {
            EXPECT_EQ(response.action, KeyAction::kEndAtOnce);
        } else if (found != pressed.end()) {
            EXPECT_EQ(response.action, KeyAction::kPressButton) << key;
            EXPECT_EQ(response.command, found->second) << key;
        } else if (play != played.end()) {
            EXPECT_EQ(response.action, KeyAction::kPlay) << key;
            EXPECT_EQ(response.playKey, play->second) << key;
            EXPECT_EQ(response.logLine, nullptr) << key;
        } else {
            EXPECT_TRUE(Ignored(response)) << key;
        }
    }
    // Shift turns Tab round; it changes no other key.
    EXPECT_EQ(RespondToKey(kStatePlaying, kTab, true).playKey, PlayKey::kPreviousPiece);
    EXPECT_EQ(RespondToKey(kStatePlaying, kRight, true).playKey, PlayKey::kNextHole);
    EXPECT_EQ(RespondToKey(kStatePlaying, kC, true).command, ID_CLEAR_PAGE);
    // Only Q says so in the diagnostic log.
    ASSERT_NE(RespondToKey(kStatePlaying, kQ).logLine, nullptr);
    EXPECT_STREQ(RespondToKey(kStatePlaying, kQ).logLine, "VK_Q");
    EXPECT_EQ(RespondToKey(kStatePlaying, kPageDown).logLine, nullptr);
}

TEST(KeyCommands, UnknownStatesIgnoreEveryKey) {
    for (int32_t state : {-1, 4, 100}) {
        for (uint32_t key : {kReturn, kSpace, kEscape, kPageDown, kQ})
            EXPECT_TRUE(Ignored(RespondToKey(state, key))) << state << " " << key;
    }
}

TEST(KeyCommands, InTheBookTheKeysMoveChooseAndCloseAndNoneEndsTheGame) {
    const std::map<uint32_t, int32_t> bookKeys = {{kLeft, kBookKeyLeft},    {kRight, kBookKeyRight},
                                                  {kUp, kBookKeyUp},        {kDown, kBookKeyDown},
                                                  {kReturn, kBookKeyOpen},  {kB, kBookKeyClose},
                                                  {kEscape, kBookKeyClose}, {kM, kBookKeySound}};
    for (uint32_t key = 0; key < 256; ++key) {
        const KeyResponse response = RespondToKey(kStateBook, key);
        const auto found = bookKeys.find(key);
        if (found != bookKeys.end()) {
            EXPECT_EQ(response.action, KeyAction::kBook) << key;
            EXPECT_EQ(response.command, found->second) << key;
        } else {
            EXPECT_TRUE(Ignored(response)) << key;
        }
    }
}
