// Where a piece's four pictures stand on the screen, from its two positions
// (loose and hole) and its body size. The built-in pages and the photo pages
// share these rules, so a photo piece lifts, carries and fits exactly as a
// built-in one does.
#pragma once

#include "game/catalogue.h"
#include "photos/raster.h"

namespace photos {

// The built-in pages' picture: the rectangle every page's first hole covers.
constexpr Box kBuiltInPictureArea{299, 54, 426, 576};

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

struct PieceGeometry {
    bool first = false; // a page's first piece covers the whole picture area
    Point loose;        // top-left of the loose picture
    Point hole;         // top-left of the hole and placed pictures
    int w = 0;          // body size
    int h = 0;
    Box area = kBuiltInPictureArea; // the page's picture on the screen

    // Screen boxes of the body where it sits in its hole and where it lies loose.
    Box HoleBody() const {
        return {hole.x + kDragFromHole.x + kBodyInset, hole.y + kDragFromHole.y + kBodyInset, w, h};
    }
    Box LooseBody() const {
        return {loose.x + kDragFromLoose.x + kBodyInset, loose.y + kDragFromLoose.y + kBodyInset, w,
                h};
    }
    // The loose body with its shadow: what a loose piece covers on screen.
    Box LooseFootprint() const {
        const Box body = LooseBody();
        return {body.x, body.y, w + kShadowReach, h + kShadowReach};
    }
    // Sizes and screen rectangles of the four pictures.
    Box DragRect(Point topLeft) const {
        return {topLeft.x, topLeft.y, kBodyInset + w + kShadowReach, kBodyInset + h + kShadowReach};
    }
    Box DragAtRest() const {
        return DragRect({loose.x + kDragFromLoose.x, loose.y + kDragFromLoose.y});
    }
    Box DragOverHole() const {
        return DragRect({hole.x + kDragFromHole.x, hole.y + kDragFromHole.y});
    }
    Box LooseRect() const {
        const Box drag = DragAtRest();
        return {loose.x, loose.y, drag.Right() - loose.x, drag.Bottom() - loose.y};
    }
    Box HoleRect() const {
        if (first)
            return area;
        const Box body = HoleBody();
        return {hole.x, hole.y, body.Right() - hole.x, body.Bottom() - hole.y};
    }
};

} // namespace photos
