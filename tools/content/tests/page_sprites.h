// A page's piece sprites as the game lays them out from the catalogue, with
// the game's documented hit tests: enough to check that every page can be
// solved. When the engine's sprite list exists, these look-ups give way to
// its PieceAt and HoleAt.
#pragma once

#include "image.h"
#include "layout.h"

#include <string>
#include <vector>

namespace content::testing {

struct TestSprite {
    int piece = 0;
    Point at;
    Image picture;

    Box Rect() const { return {at.x, at.y, picture.Width(), picture.Height()}; }
    // Strictly inside the rectangle: the left and top edges never count.
    bool ContainsPoint(int x, int y) const;
    // Inside and not the key colour.
    bool Hits(int x, int y) const;
    bool OpaqueAt(int x, int y) const; // any screen pixel, edges included
};

struct PageSprites {
    std::vector<PieceLayout> layout;
    // In catalogue order; later entries lie above earlier ones.
    std::vector<TestSprite> loose, holes, placed, drags;
};

PageSprites LoadPageSprites(const std::string& folder, int page);
// The page's sprites from the generated content, read once per run.
const PageSprites& GeneratedPageSprites(int page);

// The topmost drag sprite hit at (x, y), or null.
const TestSprite* PieceAt(const PageSprites& page, int x, int y);
// The topmost hole sprite whose rectangle holds (x, y), or null.
const TestSprite* HoleAt(const PageSprites& page, int x, int y);
// The fit rule for a drop of `piece` with the carried sprite's top-left at
// `carried` and the pointer at (x, y).
bool FitsHole(const PageSprites& page, int piece, Point carried, int x, int y);

} // namespace content::testing
