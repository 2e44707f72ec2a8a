// Where every piece of every page lies and how big it is. Positions are the
// game's own data (game/piece_positions.h); sizes follow from them by one
// rule, so the pictures always fit the positions the game uses.
#pragma once

#include "game/catalogue.h"
#include "game/screen_layout.h"
#include "image.h"

#include <string>
#include <vector>

namespace content {

constexpr int kPages = 30;
constexpr int kPieces = 220;

// A place on the game's screen as one of the tool's boxes.
constexpr Box ToBox(const ScreenBox& place) {
    return {place.x, place.y, place.width, place.height};
}

// The page picture: the rectangle every page's first hole covers.
constexpr Box kPictureArea{299, 54, 426, 576};
// The wooden frame the background draws around the picture area; loose
// pieces keep clear of it.
constexpr int kFrameWidth = 16;
// Loose pieces, shadows included, end two pixels above the button bar.
constexpr int kLooseBottom = kButtonBarTop - 2;

// The game carries a drag picture with its top-left 10 right of and 9 below
// its hole when it fits exactly, and rests it 14 right of and 7 below the
// loose piece. Every picture is laid out around these two offsets.
constexpr Point kDragFromHole{kFitOffsetX, kFitOffsetY};
constexpr Point kDragFromLoose{kDragRestOffsetX, kDragRestOffsetY};
// The piece body starts one pixel inside its drag picture: the hit test
// ignores a sprite's left and top edge, so every body pixel stays pickable.
constexpr int kBodyInset = 1;
// How far the drag picture's shadow reaches right of and below the body.
constexpr int kShadowReach = 10;

// Gaps that keep recesses apart in the picture and loose pieces apart.
constexpr int kHoleGap = 8;
constexpr int kHoleEdgeMargin = 6;
constexpr int kLooseGap = 4;

enum class Kind { kLoose = 0, kHole = 1, kPlaced = 2, kDrag = 3 };

struct PageRange {
    int first = 0; // piece number, 1-based
    int count = 0;
};

PageRange PiecesOf(int page);
int PageOf(int piece);
// "\Data\h007.dat" and so on.
std::string PieceFileName(Kind kind, int piece);

struct PieceLayout {
    int piece = 0;
    bool first = false; // the page's first piece covers the whole picture area
    Point loose;        // top-left of the loose picture
    Point hole;         // top-left of the hole and placed pictures
    int w = 0;          // body size
    int h = 0;

    // Screen boxes of the body where it sits in its hole and where it lies loose.
    Box HoleBody() const;
    Box LooseBody() const;
    // The loose body with its shadow: what a loose piece covers on screen.
    Box LooseFootprint() const;
    // Sizes and screen rectangles of the four pictures.
    Box DragRect(Point topLeft) const;
    Box DragAtRest() const {
        return DragRect({loose.x + kDragFromLoose.x, loose.y + kDragFromLoose.y});
    }
    Box DragOverHole() const {
        return DragRect({hole.x + kDragFromHole.x, hole.y + kDragFromHole.y});
    }
    Box LooseRect() const;
    Box HoleRect() const;
};

// The page's pieces in catalogue order, sized by GrowSizes.
std::vector<PieceLayout> PageLayout(int page);

// Largest body per page: pages with many pieces get smaller ones so that two
// loose columns fit on each side of the picture.
int MaxBodyWidth(int pieceCount);
int MaxBodyHeight(int pieceCount);

// Every piece starts small at its positions and grows one pixel at a time,
// in turn, wider then taller, while both its hole and its loose place stay
// clear of the others, of the frame and of the screen's edges. The planner
// sizes pieces from their holes alone before it looks for loose places.
enum class Constraints { kAll, kHolesOnly };
void GrowSizes(std::vector<PieceLayout>& pieces, Constraints constraints = Constraints::kAll);
// Whether piece i fits where it is against the others (the growth rule).
bool Fits(const std::vector<PieceLayout>& pieces, size_t i,
          Constraints constraints = Constraints::kAll);

} // namespace content
