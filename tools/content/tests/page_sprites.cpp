#include "page_sprites.h"

#include "generated_content.h"
#include "page_view.h"
#include "persist/mapped_file.h"

#include <map>
#include <stdexcept>

namespace content::testing {

bool TestSprite::OpaqueAt(int x, int y) const {
    const int px = x - at.x, py = y - at.y;
    return picture.Inside(px, py) && picture.At(px, py) != kKey;
}

const PageSprites& GeneratedPageSprites(int page) {
    static std::map<int, PageSprites> loaded;
    if (loaded.count(page) != 0)
        return loaded[page];
    PageSprites& sprites = loaded[page];
    sprites.layout = PageLayout(page);
    for (const PieceLayout& piece : sprites.layout) {
        auto load = [&](Kind kind, Point at) {
            return TestSprite{piece.piece, at,
                              LoadPicture(GeneratedContent(), PieceFileName(kind, piece.piece))};
        };
        const Point drag{piece.loose.x + kDragFromLoose.x, piece.loose.y + kDragFromLoose.y};
        sprites.loose.push_back(load(Kind::kLoose, piece.loose));
        sprites.holes.push_back(load(Kind::kHole, piece.hole));
        sprites.placed.push_back(load(Kind::kPlaced, piece.hole));
        sprites.drags.push_back(load(Kind::kDrag, drag));
    }
    return sprites;
}

EnginePage::EnginePage(int page) {
    index.SetPage(page);
    const std::string previous = g_baseDirectory;
    g_baseDirectory = GeneratedContent();
    for (int kind = 0; kind < kPieceKindCount; ++kind)
        for (const SpriteRecord* record = g_pageTable[page][kind]; record->nameIndex != kEndOfList;
             ++record) {
            const POINT at{record->x, record->y};
            CSprite* sprite = new CSprite(0, record->nameIndex, &at);
            if (!sprite->LoadFromPath(g_pieceFileNames[static_cast<size_t>(record->nameIndex)])) {
                delete sprite;
                throw std::runtime_error("cannot load " + g_pieceFileNames[record->nameIndex]);
            }
            sprite->SetVisibleQuiet(record->visible != 0);
            list.Add(sprite);
        }
    g_baseDirectory = previous;
}

CSprite* EnginePage::Sprite(Kind kind, int n) const {
    const int32_t first[] = {index.firstLoose, index.firstHole, index.firstPlaced, index.firstDrag};
    return list.FindByTag(first[static_cast<int>(kind)] + n);
}

bool DropFits(EnginePage& page, int n, Point carried, Point pointer) {
    const CSprite* hole = page.List().HoleAt(pointer.x, pointer.y);
    if (!hole || hole->GetTag() != page.Index().firstHole + n)
        return false;
    const int px = carried.x - 10, py = carried.y - 9;
    return hole->GetX() - 20 < px && px < hole->GetX() + 20 && hole->GetY() - 20 < py &&
           py < hole->GetY() + 20;
}

} // namespace content::testing
