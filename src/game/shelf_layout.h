// Where everything of the picture book's second page, "your pictures", lies
// on its 1024 x 768 screen: a sheet of five columns of three rows, one cell
// per picture of the player's own with its thumbnail, its mark and its
// remove control; the control that turns between the thirty pages and this
// one (drawn on both), the "add a picture" control, and the arrows that
// turn the sheets when there are more pictures than one sheet holds. The
// content tool draws the pictures to these numbers, the game places and
// hit-tests by them, and the end-to-end tests read them as text: keep each
// value a plain number.
#pragma once

#include "game/screen_layout.h"
#include "platform/win_types.h"

#include <cstdint>

constexpr int32_t kShelfColumns = 5;
constexpr int32_t kShelfRows = 3;
constexpr int32_t kShelfPerSheet = 15;
constexpr int32_t kShelfCellWidth = 196;
constexpr int32_t kShelfCellHeight = 200;
constexpr int32_t kShelfGridLeft = 22;
constexpr int32_t kShelfGridTop = 94;

// The box a thumbnail is fitted into, keeping its picture's shape: a
// landscape page fills it, a portrait one stands in its middle.
constexpr int32_t kShelfThumbLeft = 20; // within the cell
constexpr int32_t kShelfThumbTop = 12;
constexpr int32_t kShelfThumbWidth = 156;
constexpr int32_t kShelfThumbHeight = 117;
// The outlines (the page being played, the keyboard's highlight) around it.
constexpr int32_t kShelfOutlineMargin = 6;
constexpr int32_t kShelfOutlineWidth = 168;
constexpr int32_t kShelfOutlineHeight = 129;

// Finished, started (how many of how many) or new, as the thirty pages'.
constexpr int32_t kShelfMarkLeft = 18; // within the cell
constexpr int32_t kShelfMarkTop = 146;
constexpr int32_t kShelfMarkWidth = 62;
constexpr int32_t kShelfMarkHeight = 40;
// The mark picture holds one column per piece count a picture can be cut
// into (kShelfMarkCounts, in that order) and one row per pieces placed.
constexpr int32_t kShelfMarkCounts[] = {4, 6, 9, 12, 16};
constexpr int32_t kShelfMarkColumns = 5;
constexpr int32_t kShelfMarkRows = 17;

// Each picture's remove control: pressed and held for kRemoveHoldMs, the
// picture's folder moves aside. A tap shows for kRemoveTapNoticeMs that it
// must be held.
constexpr int32_t kRemoveLeft = 88; // within the cell
constexpr int32_t kRemoveTop = 142;
constexpr int32_t kRemoveWidth = 96;
constexpr int32_t kRemoveHeight = 48;
constexpr uint32_t kRemoveHoldMs = 2000;
constexpr uint32_t kRemoveTapNoticeMs = 1500;
// Its faces, stacked: at rest, "hold it" after a tap, then pressed with the
// hold 0/10 ... 10/10 done.
constexpr int32_t kRemoveSteps = 10;
constexpr int32_t kRemoveRestFrame = 0;
constexpr int32_t kRemoveTapFrame = 1;
constexpr int32_t kRemoveFrames = 13;

// The turn control: on the thirty pages (only for a player with pictures
// of their own) it leads to "your pictures", there back to the thirty.
constexpr ScreenBox kTurnTabBox = {676, 12, 168, 50};
constexpr int32_t kTurnToShelfFrame = 0;
constexpr int32_t kTurnToBookFrame = 1;
// Whose pictures' progress the page shows: the player's badge, between the
// title and the turn control.
constexpr ScreenBox kShelfBadgeBox = {500, 10, 64, 64};
// "Add a picture", where the thirty pages have "start again": at rest,
// pressed.
constexpr ScreenBox kAddPictureBox = {856, 16, 152, 62};
// The sheets' arrows, shown when the pictures fill more than one sheet.
constexpr ScreenBox kPreviousSheetBox = {22, 700, 120, 56};
constexpr ScreenBox kNextSheetBox = {882, 700, 120, 56};

// What lies under a point of the "your pictures" page.
enum class ShelfSpotKind {
    kNothing,
    kPicture, // a cell: its thumbnail or mark (slot says which)
    kRemove,  // a cell's remove control
    kTurn,
    kAddPicture,
    kPreviousSheet,
    kNextSheet,
};

struct ShelfSpot {
    ShelfSpotKind kind = ShelfSpotKind::kNothing;
    int32_t slot = -1; // 0 .. kShelfPerSheet - 1 for a cell's parts
    bool operator==(const ShelfSpot& other) const {
        return kind == other.kind && slot == other.slot;
    }
};

// The rectangles of a sheet's slot 0 .. kShelfPerSheet - 1 and of its
// parts, in screen pixels. The thumbnail's own rectangle is the box's
// middle part of the picture's width x height (already fitted).
RECT ShelfCellRect(int32_t slot);
RECT ShelfThumbBoxRect(int32_t slot);
RECT ShelfThumbRect(int32_t slot, int32_t width, int32_t height);
RECT ShelfOutlineRect(int32_t slot);
RECT ShelfMarkRect(int32_t slot);
RECT ShelfRemoveRect(int32_t slot);
RECT BoxRect(const ScreenBox& box);
// What is at the point; the sheets' arrows count only when shown.
ShelfSpot ShelfSpotAt(int32_t x, int32_t y, bool sheetArrows);
bool InTurnTab(int32_t x, int32_t y);
// The mark picture's column for a picture of pieceCount pieces; -1 for a
// count no picture is cut into.
int32_t ShelfMarkColumn(int32_t pieceCount);
// A page picture of width x height fitted into the thumbnail box, keeping
// its shape: *fittedWidth x *fittedHeight, each at least 1.
void FitThumbnail(int32_t width, int32_t height, int32_t* fittedWidth, int32_t* fittedHeight);

// The pictures, all drawn by the content tool.
constexpr const char* kShelfBackgroundPath = "\\data\\m0061.dat"; // 1024 x 768, cards included
constexpr const char* kShelfMarksPath = "\\data\\m0062.dat";      // 5 x 17 mark cells
constexpr const char* kShelfOutlinesPath = "\\data\\m0063.dat";   // current, highlight
constexpr const char* kRemoveControlPath = "\\data\\m0064.dat";   // kRemoveFrames stacked
constexpr const char* kTurnTabPath = "\\data\\m0065.dat";         // to the shelf, to the book
constexpr const char* kAddPicturePath = "\\data\\m0066.dat";      // at rest, pressed
constexpr const char* kSheetArrowsPath = "\\data\\m0067.dat";     // previous, next
