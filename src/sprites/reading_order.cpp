#include "sprites/reading_order.h"
#include "game/catalogue.h"
#include "game/page_sprite_index.h"
#include "sprites/anim_doc_base.h"
#include "sprites/sprite.h"

#include <algorithm>

namespace {

std::vector<ReadingPlace> ShownInOrder(const CAnimDocBase& document, int32_t kind) {
    const CPageSpriteIndex& index = *document.GetPageSprites();
    const int32_t first[] = {index.firstLoose, index.firstHole, index.firstPlaced, index.firstDrag};
    std::vector<ReadingPlace> order;
    for (int32_t k = 0; k < index.pieceCount; ++k) {
        const CSprite* sprite = document.FindByTag(first[kind] + k);
        if (sprite != nullptr && sprite->IsVisible())
            order.push_back(PlaceOf(sprite, k));
    }
    std::sort(order.begin(), order.end(), ReadsBefore);
    return order;
}

} // namespace

bool ReadsBefore(const ReadingPlace& a, const ReadingPlace& b) {
    if (a.top != b.top)
        return a.top < b.top;
    if (a.left != b.left)
        return a.left < b.left;
    return a.piece < b.piece;
}

ReadingPlace PlaceOf(const CSprite* sprite, int32_t piece) {
    if (sprite == nullptr || piece < 0)
        return {-1, 0, 0};
    return {piece, sprite->GetY(), sprite->GetX()};
}

std::vector<ReadingPlace> LoosePiecesInOrder(const CAnimDocBase& document) {
    return ShownInOrder(document, kLooseKind);
}

std::vector<ReadingPlace> OpenHolesInOrder(const CAnimDocBase& document) {
    return ShownInOrder(document, kHoleKind);
}

int32_t StepThrough(const std::vector<ReadingPlace>& order, const ReadingPlace& from,
                    int32_t step) {
    if (order.empty())
        return -1;
    if (from.piece < 0)
        return step > 0 ? order.front().piece : order.back().piece;
    if (step > 0) {
        const auto next = std::upper_bound(order.begin(), order.end(), from, ReadsBefore);
        return next != order.end() ? next->piece : order.front().piece;
    }
    const auto at = std::lower_bound(order.begin(), order.end(), from, ReadsBefore);
    return at != order.begin() ? std::prev(at)->piece : order.back().piece;
}
