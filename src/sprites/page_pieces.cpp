#include "sprites/page_pieces.h"
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_sprite_index.h"
#include "sprites/anim_doc_base.h"

CSprite* PageSprite(const CAnimDocBase& document, int32_t firstTag, int32_t k) {
    if (k < 0 || k >= document.GetPageSprites()->pieceCount)
        return nullptr;
    return document.FindByTag(static_cast<int32_t>(int64_t{firstTag} + k));
}

int32_t PieceNumber(int32_t k) {
    return FirstPieceOfPage(CPageCursor::Instance()->GetPageIndex()) + k;
}
