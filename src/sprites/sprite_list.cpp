#include "sprites/sprite_list.h"
#include "diag/log.h"
#include "game/page_sprite_index.h"
#include "sprites/sprite.h"

#include <algorithm>

namespace {

// The first depth of the ordinary sprites; smaller depths are fixed layers.
constexpr int32_t kOrdinaryDepth = 10;
// Ordinary sprites are renumbered from here, top first.
constexpr int32_t kTopOrdinaryDepth = 11;

} // namespace

void CSpriteListOwner::SpriteChanged(CSprite* sprite, uint32_t change, const RECT* rect1,
                                     const RECT* rect2) {
    if ((change & kDepthChanged) != 0) {
        list->Reorder(sprite);
        Pass(rect1);
    } else if ((change & kMoved) != 0) {
        Pass(rect1);
        Pass(rect2);
    } else if ((change & (kLooksChanged | kInvalidated)) != 0) {
        Pass(rect1);
    }
}

void CSpriteListOwner::Pass(const RECT* r) {
    if (sink != nullptr && r != nullptr)
        sink->AddDirtyRect(r);
}

CSpriteList::CSpriteList() : CSpriteList(CPageSpriteIndex::Instance()) {}

CSpriteList::CSpriteList(const CPageSpriteIndex* pageSprites) : pageSprites(pageSprites) {}

CSpriteList::~CSpriteList() {
    DeleteAll();
}

bool CSpriteList::Add(CSprite* sprite) {
    if (sprite == nullptr)
        return false;
    // Listed twice, it would be deleted twice.
    Remove(sprite);
    sprite->SetOwner(&owner);
    sprites.push_front(sprite);
    SortAndRenumber();
    return true;
}

CSprite* CSpriteList::Remove(CSprite* sprite) {
    const auto found = std::find(sprites.begin(), sprites.end(), sprite);
    if (found == sprites.end())
        return nullptr;
    sprites.erase(found);
    sprite->SetOwner(nullptr);
    return sprite;
}

void CSpriteList::Reorder(CSprite* sprite) {
    if (Remove(sprite) == nullptr) {
        Log("CSpriteList::Reorder(): Unable to find sprite");
        return;
    }
    Add(sprite);
}

void CSpriteList::DeleteAll() {
    // Emptied first: a sprite's destructor must not find itself still listed.
    std::deque<CSprite*> doomed;
    doomed.swap(sprites);
    walkRemaining = 0;
    for (CSprite* sprite : doomed)
        delete sprite;
}

CSprite* CSpriteList::First() {
    if (sprites.empty()) {
        walkRemaining = 0;
        return nullptr;
    }
    walkRemaining = sprites.size() - 1;
    return sprites.back();
}

CSprite* CSpriteList::Next() {
    // A list that shrank during the walk ends it rather than reading past.
    if (walkRemaining == 0 || walkRemaining > sprites.size()) {
        walkRemaining = 0;
        return nullptr;
    }
    --walkRemaining;
    return sprites[walkRemaining];
}

CSprite* CSpriteList::PieceAt(int32_t x, int32_t y) const {
    for (CSprite* sprite : sprites) {
        if (pageSprites->IsDragPicture(sprite->GetTag()) && sprite->HitTest(x, y))
            return sprite;
    }
    return nullptr;
}

CSprite* CSpriteList::HoleAt(int32_t x, int32_t y) const {
    for (CSprite* sprite : sprites) {
        if (pageSprites->IsHole(sprite->GetTag()) && sprite->ContainsPoint(x, y))
            return sprite;
    }
    return nullptr;
}

CSprite* CSpriteList::FindByTag(int32_t tag) const {
    const auto found = std::find_if(sprites.rbegin(), sprites.rend(),
                                    [tag](const CSprite* s) { return s->GetTag() == tag; });
    return found == sprites.rend() ? nullptr : *found;
}

CSprite* CSpriteList::FromTop(size_t position) const {
    return position < sprites.size() ? sprites[position] : nullptr;
}

void CSpriteList::SortAndRenumber() {
    // Stable, so a sprite just put at the front stays above others of its
    // depth.
    std::stable_sort(sprites.begin(), sprites.end(), [](const CSprite* a, const CSprite* b) {
        return a->GetDepth() < b->GetDepth();
    });
    int32_t next = kTopOrdinaryDepth;
    for (CSprite* sprite : sprites) {
        if (sprite->GetDepth() >= kOrdinaryDepth)
            sprite->SetDepthQuiet(next++);
    }
}
