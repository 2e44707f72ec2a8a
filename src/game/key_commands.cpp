#include "game/key_commands.h"
#include "game/commands.h"
#include "game/game_state.h"

namespace {

// Windows virtual-key codes, spelt out so that this stays portable.
constexpr uint32_t kKeyBackspace = 8;
constexpr uint32_t kKeyTab = 9;
constexpr uint32_t kKeyReturn = 13;
constexpr uint32_t kKeyEscape = 27;
constexpr uint32_t kKeySpace = 32;
constexpr uint32_t kKeyPageUp = 33;
constexpr uint32_t kKeyPageDown = 34;
constexpr uint32_t kKeyLeft = 37;
constexpr uint32_t kKeyUp = 38;
constexpr uint32_t kKeyRight = 39;
constexpr uint32_t kKeyDown = 40;
constexpr uint32_t kKeyDelete = 46;
constexpr uint32_t kKeyA = 65;
constexpr uint32_t kKeyB = 66;
constexpr uint32_t kKeyC = 67;
constexpr uint32_t kKeyG = 71;
constexpr uint32_t kKeyH = 72;
constexpr uint32_t kKeyI = 73;
constexpr uint32_t kKeyM = 77;
constexpr uint32_t kKeyQ = 81;
constexpr uint32_t kKeyY = 89;

constexpr KeyResponse kIgnored = {KeyAction::kNothing, 0, nullptr};

KeyResponse Press(int32_t command, const char* logLine = nullptr) {
    return {KeyAction::kPressButton, command, logLine};
}

KeyResponse Play(PlayKey key) {
    return {KeyAction::kPlay, 0, nullptr, key};
}

KeyResponse RespondWhilePlaying(uint32_t key, bool shift) {
    switch (key) {
    case kKeyTab:
        return Play(shift ? PlayKey::kPreviousPiece : PlayKey::kNextPiece);
    case kKeyRight:
        return Play(PlayKey::kNextHole);
    case kKeyLeft:
        return Play(PlayKey::kPreviousHole);
    case kKeyReturn:
    case kKeySpace:
        return Play(PlayKey::kLiftOrDrop);
    case kKeyBackspace:
        return Play(PlayKey::kSendHome);
    case kKeyH:
        return Play(PlayKey::kHint);
    case kKeyEscape:
        return {KeyAction::kEndAtOnce, 0, nullptr};
    case kKeyPageUp:
    case kKeyUp:
        return Press(ID_PREV_PAGE);
    case kKeyPageDown:
    case kKeyDown:
        return Press(ID_NEXT_PAGE);
    case kKeyC:
        return Press(ID_CLEAR_PAGE);
    case kKeyI:
        return Press(ID_INFO);
    case kKeyM:
        return Press(ID_SOUND);
    case kKeyB:
        return Press(ID_BOOK);
    case kKeyA:
        return {KeyAction::kCommand, ID_ADD_PICTURE, nullptr};
    case kKeyY:
        return {KeyAction::kCommand, ID_YOUR_PICTURES, nullptr};
    case kKeyQ:
        return Press(ID_QUIT, "VK_Q");
    default:
        return kIgnored;
    }
}

KeyResponse Book(BookKey key) {
    return {KeyAction::kBook, key, nullptr};
}

// In the book Escape only closes it: a child's way out of a screen must not
// end the game.
KeyResponse RespondInBook(uint32_t key) {
    switch (key) {
    case kKeyB:
    case kKeyEscape:
        return Book(kBookKeyClose);
    case kKeyReturn:
        return Book(kBookKeyOpen);
    case kKeyLeft:
        return Book(kBookKeyLeft);
    case kKeyRight:
        return Book(kBookKeyRight);
    case kKeyUp:
        return Book(kBookKeyUp);
    case kKeyDown:
        return Book(kBookKeyDown);
    case kKeyM:
        return Book(kBookKeySound);
    case kKeyPageDown:
        return Book(kBookKeyNextPage);
    case kKeyPageUp:
        return Book(kBookKeyPreviousPage);
    case kKeyY:
        return Book(kBookKeyTurn);
    case kKeyA:
        return Book(kBookKeyAddPicture);
    case kKeyDelete:
        return Book(kBookKeyRemove);
    default:
        return kIgnored;
    }
}

KeyResponse Corner(CornerKey key) {
    return {KeyAction::kCorner, key, nullptr};
}

// The corner's controls are gone round with the arrows or Tab; Escape only
// leaves the corner.
KeyResponse RespondInCorner(uint32_t key, bool shift) {
    switch (key) {
    case kKeyTab:
        return Corner(shift ? kCornerKeyPrevious : kCornerKeyNext);
    case kKeyRight:
    case kKeyDown:
        return Corner(kCornerKeyNext);
    case kKeyLeft:
    case kKeyUp:
        return Corner(kCornerKeyPrevious);
    case kKeyReturn:
    case kKeySpace:
        return Corner(kCornerKeyPress);
    case kKeyEscape:
        return Corner(kCornerKeyBack);
    default:
        return kIgnored;
    }
}

} // namespace

KeyResponse RespondToKey(int32_t state, uint32_t key, bool shift) {
    if (state == kStateTitle && (key == kKeyReturn || key == kKeySpace))
        return {KeyAction::kStart, 0, "VK_RETURN"};
    // The arrows choose among the players' badges.
    if (state == kStateTitle && (key == kKeyLeft || key == kKeyRight))
        return {KeyAction::kChoosePlayer, key == kKeyLeft ? -1 : 1, nullptr};
    if (state == kStateTitle && key == kKeyG)
        return {KeyAction::kCornerDoor, 0, nullptr};
    if (state == kStateCorner)
        return RespondInCorner(key, shift);
    // While starting, the page is loaded but not yet shown: nothing may act
    // on it before the player has seen it.
    if (state == kStatePlaying)
        return RespondWhilePlaying(key, shift);
    if (state == kStateBook)
        return RespondInBook(key);
    return kIgnored;
}
