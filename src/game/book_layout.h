// Where everything of the picture book lies on its 1024 x 768 screen: six
// columns of five rows, one cell per page, each with the page's thumbnail on
// the left and its number and mark on the right, and the "start again"
// control in the top right corner. The content tool draws the book's
// pictures to these numbers, the game places and hit-tests by them, and the
// end-to-end tests read them as text: keep each value a plain number.
#pragma once

#include "game/screen_layout.h"
#include "platform/win_types.h"

#include <cstdint>

constexpr int32_t kBookColumns = 6;
constexpr int32_t kBookRows = 5;
constexpr int32_t kBookCellWidth = 164;
constexpr int32_t kBookCellHeight = 132;
constexpr int32_t kBookGridLeft = 20;
constexpr int32_t kBookGridTop = 94;

// A page's solved picture, shrunk: the picture area's shape.
constexpr int32_t kThumbnailWidth = 78;
constexpr int32_t kThumbnailHeight = 106;
constexpr int32_t kThumbnailLeft = 12; // within the cell
constexpr int32_t kThumbnailTop = 13;
// The outlines (current page, keyboard highlight) reach this far around it.
constexpr int32_t kOutlineMargin = 6;
constexpr int32_t kOutlineWidth = kThumbnailWidth + 2 * kOutlineMargin;
constexpr int32_t kOutlineHeight = kThumbnailHeight + 2 * kOutlineMargin;
// The page's number is part of the background, above its mark.
constexpr int32_t kBookNumberCentreX = 128; // within the cell
constexpr int32_t kBookNumberBaseline = 56;
// Finished, started (how many of how many) or untouched.
constexpr int32_t kBookMarkWidth = 62;
constexpr int32_t kBookMarkHeight = 40;
constexpr int32_t kBookMarkLeft = 97; // clear of the outlines
constexpr int32_t kBookMarkTop = 72;
// The mark picture holds one cell per (placed, total) pair, total across
// and placed down, for every count a page can have.
constexpr int32_t kBookMarkCounts = 13;

// Pressed and held for kStartAgainHoldMs, it clears every page.
constexpr ScreenBox kStartAgainBox = {856, 16, 152, 62};
constexpr RECT kStartAgainRect = {kStartAgainBox.x, kStartAgainBox.y,
                                  kStartAgainBox.x + kStartAgainBox.width,
                                  kStartAgainBox.y + kStartAgainBox.height};
constexpr uint32_t kStartAgainHoldMs = 2000;
// The control's faces: at rest, then pressed with the hold 0/10 ... 10/10 done.
constexpr int32_t kStartAgainSteps = 10;
constexpr int32_t kStartAgainFrames = 2 + kStartAgainSteps;

// The current player's badge, on the paper between the title and the way
// back.
constexpr ScreenBox kBookBadgeBox = {548, 10, 64, 64};
constexpr RECT kBookBadgeRect = {kBookBadgeBox.x, kBookBadgeBox.y,
                                 kBookBadgeBox.x + kBookBadgeBox.width,
                                 kBookBadgeBox.y + kBookBadgeBox.height};

// The rectangles of page 1..30's cell and of its parts, in screen pixels.
RECT BookCellRect(int32_t page);
RECT ThumbnailRect(int32_t page);
RECT OutlineRect(int32_t page);
RECT BookMarkRect(int32_t page);
// The page whose cell holds the point, or 0 (between cells or outside).
int32_t BookPageAt(int32_t x, int32_t y);
bool InStartAgain(int32_t x, int32_t y);

// The book's pictures, all drawn by the content tool.
constexpr const char* kBookBackgroundPath = "\\data\\m0031.dat"; // 1024 x 768, numbers included
constexpr const char* kBookThumbnailsPath = "\\data\\m0032.dat"; // page 1..30 stacked
constexpr const char* kBookMarksPath = "\\data\\m0033.dat";      // 13 x 13 mark cells
constexpr const char* kBookOutlinesPath = "\\data\\m0034.dat";   // current page, highlight
constexpr const char* kStartAgainPath = "\\data\\m0035.dat";     // kStartAgainFrames stacked
