#include "game/commands.h"
#include "game/game_state.h"
#include "game/key_commands.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <iterator>

namespace {

constexpr uint32_t kBackspace = 8, kTab = 9, kReturn = 13, kEscape = 27, kSpace = 32, kPageUp = 33,
                   kPageDown = 34, kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kB = 66, kC = 67,
                   kH = 72, kI = 73, kM = 77, kQ = 81;

struct Answer {
    int32_t state;
    uint32_t key;
    KeyAction action;
    int32_t command;
    const char* logLine;
    PlayKey playKey = PlayKey::kNextPiece;
};

// Every key that does something, and in which state.
const Answer kAnswers[] = {
    {kStateTitle, kReturn, KeyAction::kStart, 0, "VK_RETURN"},
    {kStateTitle, kSpace, KeyAction::kStart, 0, "VK_RETURN"},
    {kStatePlaying, kEscape, KeyAction::kEndAtOnce, 0, nullptr},
    {kStatePlaying, kPageUp, KeyAction::kPressButton, ID_PREV_PAGE, nullptr},
    {kStatePlaying, kUp, KeyAction::kPressButton, ID_PREV_PAGE, nullptr},
    {kStatePlaying, kPageDown, KeyAction::kPressButton, ID_NEXT_PAGE, nullptr},
    {kStatePlaying, kDown, KeyAction::kPressButton, ID_NEXT_PAGE, nullptr},
    {kStatePlaying, kC, KeyAction::kPressButton, ID_CLEAR_PAGE, nullptr},
    {kStatePlaying, kI, KeyAction::kPressButton, ID_INFO, nullptr},
    {kStatePlaying, kQ, KeyAction::kPressButton, ID_QUIT, "VK_Q"},
    {kStatePlaying, kTab, KeyAction::kPlay, 0, nullptr, PlayKey::kNextPiece},
    {kStatePlaying, kRight, KeyAction::kPlay, 0, nullptr, PlayKey::kNextHole},
    {kStatePlaying, kLeft, KeyAction::kPlay, 0, nullptr, PlayKey::kPreviousHole},
    {kStatePlaying, kReturn, KeyAction::kPlay, 0, nullptr, PlayKey::kLiftOrDrop},
    {kStatePlaying, kSpace, KeyAction::kPlay, 0, nullptr, PlayKey::kLiftOrDrop},
    {kStatePlaying, kBackspace, KeyAction::kPlay, 0, nullptr, PlayKey::kSendHome},
    {kStatePlaying, kH, KeyAction::kPlay, 0, nullptr, PlayKey::kHint},
    {kStatePlaying, kM, KeyAction::kPressButton, ID_SOUND, nullptr},
    {kStatePlaying, kB, KeyAction::kPressButton, ID_BOOK, nullptr},
    // In the book Escape only goes back: it never ends the game.
    {kStateBook, kB, KeyAction::kBook, kBookKeyClose, nullptr},
    {kStateBook, kEscape, KeyAction::kBook, kBookKeyClose, nullptr},
    {kStateBook, kReturn, KeyAction::kBook, kBookKeyOpen, nullptr},
    {kStateBook, kLeft, KeyAction::kBook, kBookKeyLeft, nullptr},
    {kStateBook, kRight, KeyAction::kBook, kBookKeyRight, nullptr},
    {kStateBook, kUp, KeyAction::kBook, kBookKeyUp, nullptr},
    {kStateBook, kDown, KeyAction::kBook, kBookKeyDown, nullptr},
    {kStateBook, kM, KeyAction::kBook, kBookKeySound, nullptr},
};

} // namespace

TEST(KeyCommands, EachStateAnswersItsOwnKeysOnly) {
    for (const Answer& a : kAnswers) {
        SCOPED_TRACE(testing::Message() << "state " << a.state << " key " << a.key);
        const KeyResponse response = RespondToKey(a.state, a.key);
        EXPECT_EQ(response.action, a.action);
        EXPECT_EQ(response.command, a.command);
        EXPECT_STREQ(response.logLine, a.logLine);
        if (a.action == KeyAction::kPlay) {
            EXPECT_EQ(response.playKey, a.playKey);
        }
    }
    // Every answering key in every other state, and the keys beside them,
    // do nothing: while starting the page is not yet shown to act on.
    const int32_t states[] = {kStateTitle, kStateStarting, kStatePlaying, kStateBook, -1, 4};
    for (int32_t state : states) {
        for (uint32_t key : {0u,  7u,  8u,  9u,  10u, 12u, 13u, 14u, 26u, 27u, 28u, 31u,
                             32u, 33u, 34u, 35u, 37u, 38u, 39u, 40u, 41u, 65u, 66u, 67u,
                             68u, 72u, 73u, 74u, 76u, 77u, 78u, 80u, 81u, 82u, 255u}) {
            const bool answers =
                std::any_of(std::begin(kAnswers), std::end(kAnswers),
                            [&](const Answer& a) { return a.state == state && a.key == key; });
            if (answers)
                continue;
            const KeyResponse response = RespondToKey(state, key);
            EXPECT_EQ(response.action, KeyAction::kNothing) << state << " " << key;
            EXPECT_EQ(response.logLine, nullptr) << state << " " << key;
        }
    }
}

TEST(KeyCommands, ShiftTurnsTabRoundAndChangesNoOtherKey) {
    EXPECT_EQ(RespondToKey(kStatePlaying, kTab, true).playKey, PlayKey::kPreviousPiece);
    EXPECT_EQ(RespondToKey(kStatePlaying, kRight, true).playKey, PlayKey::kNextHole);
    EXPECT_EQ(RespondToKey(kStatePlaying, kC, true).command, ID_CLEAR_PAGE);
}
