// Where everything stands on the game's screen, in pixels from the top-left
// corner. The game places its windows, buttons and sprites here, the content
// tool draws its pictures to these sizes and places, and the tests look for
// things here, so a picture and its place cannot disagree. The end-to-end
// tests read this file as text: keep each value a plain number.
#pragma once

#include <cstdint>

// A rectangle: left, top, width, height.
struct ScreenBox {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

constexpr int32_t kScreenWidth = 1024;
constexpr int32_t kScreenHeight = 768;

// The title screen: square tiles over the whole screen, the title picture
// centred on them and the start button on the title picture. Each button
// picture holds its released face above its pressed one.
constexpr int32_t kTitleTileSize = 8;
constexpr ScreenBox kTitlePicture = {282, 150, 460, 468};
constexpr ScreenBox kStartButton = {450, 542, 124, 50};

// The page screen's wooden bar along the bottom, and on it the buttons quit,
// about, previous page, next page and clear page (one face each), then in
// the stretches those leave free the sound switch (a face for each of its
// settings) and the picture book; and the page number between the two page
// buttons, with a finished page's star over its right-hand end.
constexpr int32_t kButtonBarTop = 686;
enum GameButton : int32_t {
    kQuitButton,
    kAboutButton,
    kPreviousPageButton,
    kNextPageButton,
    kClearButton,
    kSoundButton,
    kBookButton,
    kButtonCount
};
constexpr ScreenBox kGameButtons[kButtonCount] = {
    {20, 693, 60, 59},   {88, 693, 60, 59},  {399, 693, 60, 59}, {565, 693, 60, 59},
    {876, 693, 128, 59}, {156, 693, 60, 59}, {808, 693, 60, 59},
};
constexpr ScreenBox kPageLabel = {459, 704, 106, 40};
// The current player's badge, in the stretch between the next page button
// and the picture book.
constexpr ScreenBox kBarBadge = {684, 690, 64, 64};

// The players' badges on the title screen: one per player, then the "add a
// player" badge while there is room, in a row centred below the title
// picture. The badge picture holds one row per animal and a last one for
// "add a player", each with its plain face beside its highlighted one.
constexpr int32_t kBadgeSize = 64;
constexpr int32_t kBadgeGap = 16;
constexpr int32_t kTitleBadgesTop = 642;

// The grown-up corner: one row each for the music's volume and the
// effects' (a lower and a louder button round the steps), the fit's three
// choices, help when stuck and the child lock (each on or off), then the
// players, each with their badge and, under it, a start again and a remove
// button that must be held; the add badge after them; back at the bottom.
constexpr ScreenBox kCornerMusicDown = {380, 120, 64, 64};
constexpr ScreenBox kCornerMusicUp = {720, 120, 64, 64};
constexpr ScreenBox kCornerEffectsDown = {380, 210, 64, 64};
constexpr ScreenBox kCornerEffectsUp = {720, 210, 64, 64};
constexpr ScreenBox kCornerFitChoices = {380, 300, 120, 64}; // three, side by side
constexpr int32_t kCornerChoiceGap = 12;
constexpr ScreenBox kCornerHelp = {380, 390, 120, 64};
constexpr ScreenBox kCornerLock = {644, 390, 120, 64};
constexpr ScreenBox kCornerPlayers = {120, 500, 64, 64}; // the first badge
constexpr int32_t kCornerPlayerStep = 136;
constexpr ScreenBox kCornerHoldButton = {0, 72, 64, 40}; // below a badge; remove beside it
constexpr ScreenBox kCornerBack = {860, 680, 124, 60};
// Between each volume's lower and louder buttons, its steps from silent to
// full.
constexpr ScreenBox kCornerMusicSteps = {456, 120, 252, 64};
constexpr ScreenBox kCornerEffectsSteps = {456, 210, 252, 64};
// The title screen's small door into the corner, held for three seconds: in
// its top right corner, on the background tile's 8-pixel steps so that its
// picture can carry the tile behind it.
constexpr ScreenBox kCornerDoor = {960, 16, 48, 48};
constexpr ScreenBox kFinishedStar = {541, 714, 20, 20};

// The picture dialogs: the about box and the directions are squares with
// their OK button inside (relative to the dialog); the ending screen fills
// the screen and has its Quit button on it.
constexpr int32_t kPictureDialogSize = 360;
constexpr ScreenBox kDialogOkButton = {114, 296, 128, 50};
constexpr ScreenBox kEndingQuitButton = {450, 696, 124, 52};
