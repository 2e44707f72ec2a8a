// How sprites report what they change on the screen. A sprite tells its owner
// (the sprite list of the current page) about every change that alters the
// screen, with the rectangles concerned; the list passes them on to a dirty-
// rectangle sink (the view), which redraws exactly those rectangles.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

class CSprite;

// Change codes, one bit each. Which rectangles come with each code:
enum SpriteChange : uint32_t {
    kDepthChanged = 1, // SetDepth with a new depth: rect1 = the sprite's rectangle
    kMoved = 2,        // MoveTo: rect1 = before the move, rect2 = after it
    kLooksChanged = 4, // Show, Hide, SetRow, SetColumn: rect1 = the sprite's rectangle
    kInvalidated = 8,  // Invalidate: rect1 = the rectangle given
};

class CSpriteOwner {
public:
    // rect2 is null for every change but kMoved. The rectangles live only
    // for the duration of the call.
    virtual void SpriteChanged(CSprite* sprite, uint32_t change, const RECT* rect1,
                               const RECT* rect2) = 0;

protected:
    ~CSpriteOwner() = default;
};

// Whoever collects the screen rectangles to redraw: the view implements it
// and is linked to the sprite list once at start-up.
class CDirtyRectSink {
public:
    // r is never null and lives only for the duration of the call.
    virtual void AddDirtyRect(const RECT* r) = 0;

protected:
    ~CDirtyRectSink() = default;
};
