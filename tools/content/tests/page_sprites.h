// A page's piece sprites as the game lays a new page out from the catalogue:
// as decoded pictures for pixel-exact checks, and as the engine's own sprite
// list for its hit tests.
#pragma once

#include "game/page_sprite_index.h"
#include "image.h"
#include "layout.h"
#include "sprites/sprite.h"
#include "sprites/sprite_list.h"

#include <string>
#include <vector>

namespace content::testing {

struct TestSprite {
    int piece = 0;
    Point at;
    Image picture;

    Box Rect() const { return {at.x, at.y, picture.Width(), picture.Height()}; }
    bool OpaqueAt(int x, int y) const; // any screen pixel, edges included
};

struct PageSprites {
    std::vector<PieceLayout> layout;
    // In catalogue order; later entries lie above earlier ones.
    std::vector<TestSprite> loose, holes, placed, drags;
};

// The page's sprites from the generated content, read once per run.
const PageSprites& GeneratedPageSprites(int page);

// The page in the game's sprite list: the four catalogue lists loaded from
// the generated files in the order the document adds them, each sprite on
// top of the ones before, with the page sprite index set for the page.
class EnginePage {
public:
    explicit EnginePage(int page);
    CSpriteList& List() { return list; }
    const CPageSpriteIndex& Index() const { return index; }
    // The sprite of the page's n-th piece of the given kind.
    CSprite* Sprite(Kind kind, int n) const;

private:
    CPageSpriteIndex index;
    CSpriteList list{&index};
};

// The drop rule: the pointer lies over the piece's own hole (the topmost
// hole there) and the carried picture's top-left lies within 19 pixels of
// the hole's top-left plus (10, 9).
bool DropFits(EnginePage& page, int n, Point carried, Point pointer);

} // namespace content::testing
