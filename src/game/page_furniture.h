// The sprites every page carries besides its pieces: the picture buttons
// along the bottom edge (screen_layout.h), the page-number strip between the
// page buttons and a finished page's star on it. Their tags are fixed numbers
// above every piece's name index, which is also why the page save files
// leave them out.
#pragma once

#include "game/catalogue.h"
#include "game/screen_layout.h"

#include <cstdint>

// Each button's tag is the command it sends: ID_QUIT (10001) onwards for the
// first five, then ID_SOUND and ID_BOOK.
constexpr int32_t kFirstButtonTag = 10001;
constexpr int32_t kPageNumberTag = 10006;
// Tags from here on are page furniture, not pieces.
constexpr int32_t kFirstFurnitureTag = kFirstButtonTag;

// Each picture is two cell rows, the released face above the pressed one;
// the sound switch's has a column of them per sound setting, and the
// document shows the column of the setting in force. A record's nameIndex
// holds the button's tag.
extern const SpriteRecord g_buttonRecords[kButtonCount];
extern const char* const g_buttonPicturePaths[kButtonCount];
// The button whose tag (command) that is, or -1.
int32_t GameButtonOfTag(int32_t tag);

// One cell row per page number (row 0 is never shown).
constexpr int32_t kPageLabelFrames = kPageCount + 1;
// The document sets
// frameRow to the current page before making the strip's sprite, which is
// why this one record is not const.
extern SpriteRecord g_pageNumberRecord;
extern const char* const kPageNumberPicturePath;

// A finished page's label carries a small star (kFinishedStar), a sprite
// above the page number shown only while every piece is in place.
constexpr int32_t kFinishedStarTag = 10021;
extern const SpriteRecord g_finishedStarRecord;
extern const char* const kFinishedStarPath;

// The current player's badge on the bar (kBarBadge), a cell of the badge
// picture (player_badges.h).
constexpr int32_t kBarBadgeTag = 10023;

// How many sprites a page carries besides its pieces: the buttons, the page
// number, the star and the player's badge.
constexpr int32_t kFurnitureCount = kButtonCount + 3;

// The sparkle over a page just finished: twinkling stars of kSparkleSize
// pixels square, kSparkleFrames of them stacked in one picture. Put on the
// page for the moment only, never stored.
constexpr int32_t kSparkleTag = 10022;
constexpr int32_t kSparkleFrames = 8;
constexpr int32_t kSparkleSize = 40;
extern const char* const kSparklePicturePath;
