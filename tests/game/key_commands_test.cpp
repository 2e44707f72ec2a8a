#include "game/commands.h"
#include "game/game_state.h"
#include "game/key_commands.h"

#include <gtest/gtest.h>
#include <string>

namespace {

constexpr uint32_t kTab = 9, kReturn = 13, kEscape = 27, kSpace = 32, kLeft = 37, kUp = 38,
                   kRight = 39, kDown = 40, kC = 67, kM = 77, kQ = 81;

std::string Describe(const KeyResponse& r) {
    return std::to_string(static_cast<int>(r.action)) + "/" + std::to_string(r.command) + "/" +
           std::to_string(static_cast<int>(r.playKey)) + "/" + (r.logLine ? r.logLine : "-");
}

} // namespace

// The keys the end-to-end scenarios never press, and the log lines they do not read.
TEST(KeyCommands, KeysNoScenarioPressesAnswerInTheirOwnStateOnly) {
    const struct {
        int32_t state;
        uint32_t key;
        KeyResponse response;
    } answers[] = {
        {kStateTitle, kReturn, {KeyAction::kStart, 0, "VK_RETURN"}},
        {kStateTitle, kSpace, {KeyAction::kStart, 0, "VK_RETURN"}},
        {kStateTitle, kLeft, {KeyAction::kChoosePlayer, -1, nullptr}},
        {kStateTitle, kRight, {KeyAction::kChoosePlayer, 1, nullptr}},
        {kStatePlaying, kUp, {KeyAction::kPressButton, ID_PREV_PAGE, nullptr}},
        {kStatePlaying, kDown, {KeyAction::kPressButton, ID_NEXT_PAGE, nullptr}},
        {kStatePlaying, kQ, {KeyAction::kPressButton, ID_QUIT, "VK_Q"}},
        {kStatePlaying, kLeft, {KeyAction::kPlay, 0, nullptr, PlayKey::kPreviousHole}},
        {kStatePlaying, kSpace, {KeyAction::kPlay, 0, nullptr, PlayKey::kLiftOrDrop}},
        {kStateBook, kReturn, {KeyAction::kBook, kBookKeyOpen, nullptr}},
        {kStateBook, kLeft, {KeyAction::kBook, kBookKeyLeft, nullptr}},
        {kStateBook, kRight, {KeyAction::kBook, kBookKeyRight, nullptr}},
        {kStateBook, kUp, {KeyAction::kBook, kBookKeyUp, nullptr}},
        {kStateBook, kDown, {KeyAction::kBook, kBookKeyDown, nullptr}},
        {kStateBook, kM, {KeyAction::kBook, kBookKeySound, nullptr}},
        // A: add a picture of the player's own; it has no button to press.
        {kStatePlaying, 65u, {KeyAction::kCommand, ID_ADD_PICTURE, nullptr}},
        // In the book too, and there Y turns to the player's own pictures and
        // Page Up and Down turn the book's pages.
        {kStateBook, 65u, {KeyAction::kBook, kBookKeyAddPicture, nullptr}},
        {kStateTitle, 65u, {KeyAction::kNothing, 0, nullptr}},
        // Y: the player's own pages.
        {kStatePlaying, 89u, {KeyAction::kCommand, ID_YOUR_PICTURES, nullptr}},
        {kStateBook, 89u, {KeyAction::kBook, kBookKeyTurn, nullptr}},
        {kStateBook, 33u, {KeyAction::kBook, kBookKeyPreviousPage, nullptr}},
        {kStateBook, 34u, {KeyAction::kBook, kBookKeyNextPage, nullptr}},
        // Delete, held, takes the highlighted picture off the shelf; while
        // playing it does nothing.
        {kStateBook, 46u, {KeyAction::kBook, kBookKeyRemove, nullptr}},
        {kStatePlaying, 46u, {KeyAction::kNothing, 0, nullptr}},
        // G: held on the title screen, the grown-up corner's way in.
        {kStateTitle, 71u, {KeyAction::kCornerDoor, 0, nullptr}},
        {kStatePlaying, 71u, {KeyAction::kNothing, 0, nullptr}},
        {kStateBook, 71u, {KeyAction::kNothing, 0, nullptr}},
        {kStateCorner, 71u, {KeyAction::kNothing, 0, nullptr}},
        {kStateCorner, kTab, {KeyAction::kCorner, kCornerKeyNext, nullptr}},
        {kStateCorner, kRight, {KeyAction::kCorner, kCornerKeyNext, nullptr}},
        {kStateCorner, kDown, {KeyAction::kCorner, kCornerKeyNext, nullptr}},
        {kStateCorner, kLeft, {KeyAction::kCorner, kCornerKeyPrevious, nullptr}},
        {kStateCorner, kUp, {KeyAction::kCorner, kCornerKeyPrevious, nullptr}},
        {kStateCorner, kReturn, {KeyAction::kCorner, kCornerKeyPress, nullptr}},
        {kStateCorner, kSpace, {KeyAction::kCorner, kCornerKeyPress, nullptr}},
        {kStateCorner, kEscape, {KeyAction::kCorner, kCornerKeyBack, nullptr}},
    };
    for (const auto& a : answers) {
        SCOPED_TRACE(testing::Message() << "state " << a.state << " key " << a.key);
        EXPECT_EQ(Describe(RespondToKey(a.state, a.key)), Describe(a.response));
    }
    // While starting the page is not yet shown to act on; out of range is no state.
    for (int32_t state : {int32_t{kStateStarting}, -1, 5}) {
        for (uint32_t key = 0; key < 256; ++key)
            EXPECT_EQ(RespondToKey(state, key).action, KeyAction::kNothing) << state << " " << key;
    }
    // The title answers only its start keys and the badges' arrows; the
    // book's keys are not the page's.
    for (uint32_t key : {kEscape, kTab, kC, kQ, kM, kUp, kDown})
        EXPECT_EQ(RespondToKey(kStateTitle, key).action, KeyAction::kNothing) << key;
    for (uint32_t key : {kTab, kC, kQ, kSpace, 8u, 72u, 73u})
        EXPECT_EQ(RespondToKey(kStateBook, key).action, KeyAction::kNothing) << key;
    for (uint32_t key : {0u, 7u, 10u, 90u, 255u})
        EXPECT_EQ(RespondToKey(kStatePlaying, key).action, KeyAction::kNothing) << key;
    // In the corner no key reaches the page, the title or the game's end.
    for (uint32_t key : {kC, kQ, kM, 8u, 72u, 33u, 34u, 65u, 89u})
        EXPECT_EQ(RespondToKey(kStateCorner, key).action, KeyAction::kNothing) << key;
    EXPECT_EQ(RespondToKey(kStateCorner, kTab, true).command, kCornerKeyPrevious);
}

TEST(KeyCommands, ShiftTurnsTabRoundAndChangesNoOtherKey) {
    EXPECT_EQ(RespondToKey(kStatePlaying, kTab, true).playKey, PlayKey::kPreviousPiece);
    EXPECT_EQ(RespondToKey(kStatePlaying, kRight, true).playKey, PlayKey::kNextHole);
    EXPECT_EQ(RespondToKey(kStatePlaying, kC, true).command, ID_CLEAR_PAGE);
}
