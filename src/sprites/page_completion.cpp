#include "sprites/page_completion.h"
#include "game/catalogue.h"
#include "game/page_sprite_index.h"
#include "sprites/anim_doc_base.h"
#include "sprites/page_storage.h"
#include "sprites/rect_math.h"
#include "sprites/sprite.h"

#include <algorithm>

PageProgress PageProgressOf(CAnimDocBase& document) {
    const CPageSpriteIndex& page = *document.GetPageSprites();
    // The records carry tags, not page numbers: the page is the one whose
    // placed pictures the index names.
    if (document.GetPageSource() != nullptr)
        return CountPlacedPieces(page.firstPlaced, page.pieceCount, RecordPage(document).sprites);
    const int32_t number = PageOfPiece(PieceOf(page.firstPlaced));
    return CountProgress(number, RecordPage(document).sprites);
}

RECT PictureAreaOf(const CAnimDocBase& document) {
    const CPageSpriteIndex& page = *document.GetPageSprites();
    RECT area = {0, 0, 0, 0};
    for (int32_t k = 0; k < page.pieceCount; ++k) {
        const CSprite* placed = document.FindByTag(page.firstPlaced + k);
        if (placed == nullptr)
            continue;
        RECT r;
        placed->GetRect(&r);
        area = RectIsEmpty(area)
                   ? r
                   : RECT{std::min(area.left, r.left), std::min(area.top, r.top),
                          std::max(area.right, r.right), std::max(area.bottom, r.bottom)};
    }
    return area;
}
