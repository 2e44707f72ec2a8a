#include "page_sprites.h"

#include "generated_content.h"
#include "page_view.h"

#include <map>

namespace content::testing {

bool TestSprite::ContainsPoint(int x, int y) const {
    return x > at.x && x < at.x + picture.Width() && y > at.y && y < at.y + picture.Height();
}

bool TestSprite::Hits(int x, int y) const {
    return ContainsPoint(x, y) && OpaqueAt(x, y);
}

bool TestSprite::OpaqueAt(int x, int y) const {
    const int px = x - at.x, py = y - at.y;
    return picture.Inside(px, py) && picture.At(px, py) != kKey;
}

PageSprites LoadPageSprites(const std::string& folder, int page) {
    PageSprites sprites;
    sprites.layout = PageLayout(page);
    for (const PieceLayout& piece : sprites.layout) {
        const Point drag{piece.loose.x + kDragFromLoose.x, piece.loose.y + kDragFromLoose.y};
        sprites.loose.push_back({piece.piece, piece.loose,
                                 LoadPicture(folder, PieceFileName(Kind::kLoose, piece.piece))});
        sprites.holes.push_back({piece.piece, piece.hole,
                                 LoadPicture(folder, PieceFileName(Kind::kHole, piece.piece))});
        sprites.placed.push_back({piece.piece, piece.hole,
                                  LoadPicture(folder, PieceFileName(Kind::kPlaced, piece.piece))});
        sprites.drags.push_back(
            {piece.piece, drag, LoadPicture(folder, PieceFileName(Kind::kDrag, piece.piece))});
    }
    return sprites;
}

const PageSprites& GeneratedPageSprites(int page) {
    static std::map<int, PageSprites> loaded;
    auto found = loaded.find(page);
    if (found == loaded.end())
        found = loaded.emplace(page, LoadPageSprites(GeneratedContent(), page)).first;
    return found->second;
}

const TestSprite* PieceAt(const PageSprites& page, int x, int y) {
    for (auto sprite = page.drags.rbegin(); sprite != page.drags.rend(); ++sprite)
        if (sprite->Hits(x, y))
            return &*sprite;
    return nullptr;
}

const TestSprite* HoleAt(const PageSprites& page, int x, int y) {
    for (auto sprite = page.holes.rbegin(); sprite != page.holes.rend(); ++sprite)
        if (sprite->ContainsPoint(x, y))
            return &*sprite;
    return nullptr;
}

bool FitsHole(const PageSprites& page, int piece, Point carried, int x, int y) {
    const TestSprite* hole = HoleAt(page, x, y);
    if (!hole || hole->piece != piece)
        return false;
    const int px = carried.x - 10, py = carried.y - 9;
    return hole->at.x - 20 < px && px < hole->at.x + 20 && hole->at.y - 20 < py &&
           py < hole->at.y + 20;
}

} // namespace content::testing
