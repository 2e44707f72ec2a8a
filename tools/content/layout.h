// Where every piece of every page lies and how big it is. Positions are the
// game's own data (game/piece_positions.h); sizes follow from them by one
// rule, so the pictures always fit the positions the game uses.
#pragma once

#include "game/catalogue.h"
#include "game/screen_layout.h"
#include "image.h"
#include "photos/piece_geometry.h"

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
constexpr Box kPictureArea = photos::kBuiltInPictureArea;
// The wooden frame the background draws around the picture area; loose
// pieces keep clear of it.
constexpr int kFrameWidth = 16;
// Loose pieces, shadows included, end two pixels above the button bar.
constexpr int kLooseBottom = kButtonBarTop - 2;

// The offsets every picture is laid out around, shared with the game's
// photo pages.
using photos::kBodyInset;
using photos::kDragFromHole;
using photos::kDragFromLoose;
using photos::kShadowReach;

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

// A piece's positions and body size (photos::PieceGeometry, with the picture
// area of the built-in pages) and its catalogue number.
struct PieceLayout : photos::PieceGeometry {
    int piece = 0;
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
