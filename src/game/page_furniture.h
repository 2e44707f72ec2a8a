// The six sprites every page carries besides its pieces: five picture buttons
// along the bottom edge and the page-number strip between the page buttons.
// Their tags are fixed numbers above every piece's name index, which is also
// why the page save files leave them out.
#pragma once

#include "game/catalogue.h"
#include "game/screen_layout.h"

#include <cstdint>

// Button i carries tag kFirstButtonTag + i, the command it sends.
constexpr int32_t kFirstButtonTag = 10001;
constexpr int32_t kPageNumberTag = 10006;
// Tags from here on are page furniture, not pieces.
constexpr int32_t kFirstFurnitureTag = kFirstButtonTag;

// Quit, about, previous page, next page, clear page: each picture is two
// cell rows, the released face above the pressed one. A record's nameIndex
// holds the button's tag.
extern const SpriteRecord g_buttonRecords[kButtonCount];
extern const char* const g_buttonPicturePaths[kButtonCount];

// One cell row per page number (row 0 is never shown).
constexpr int32_t kPageLabelFrames = kPageCount + 1;
// The document sets
// frameRow to the current page before making the strip's sprite, which is
// why this one record is not const.
extern SpriteRecord g_pageNumberRecord;
extern const char* const kPageNumberPicturePath;
