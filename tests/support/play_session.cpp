#include "support/play_session.h"
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_sprite_index.h"
#include "persist/mapped_file.h"
#include "sprites/anim_link.h"
#include "sprites/sprite.h"
#include "support/anim_view_probe.h"

CPlaySession::CPlaySession(const std::string& folder)
    : savedBaseDirectory(g_baseDirectory), savedPage(CPageCursor::Instance()->GetPageIndex()) {
    g_baseDirectory = folder;
    LinkAnimation(&document, &view, nullptr);
}

CPlaySession::~CPlaySession() {
    // The page index belongs to whatever the session showed last.
    document.Clear();
    CPageSpriteIndex::Instance()->SetPage(savedPage);
    CPageSpriteIndex::Instance()->draggedPiece = -1;
    CPageCursor::Instance()->GoTo(savedPage);
    g_baseDirectory = savedBaseDirectory;
}

bool CPlaySession::ShowPage(int32_t page) {
    if (!CPageCursor::Instance()->GoTo(page))
        return false;
    document.LoadPage(nullptr);
    return true;
}

CSprite* CPlaySession::Piece(int32_t kind, int32_t k) const {
    const CPageSpriteIndex& index = *document.GetPageSprites();
    const int32_t first[] = {index.firstLoose, index.firstHole, index.firstPlaced, index.firstDrag};
    if (kind < 0 || kind >= kPieceKindCount || k < 0 || k >= index.pieceCount)
        return nullptr;
    return document.FindByTag(first[kind] + k);
}

bool CPlaySession::GrabPoint(int32_t k, POINT* at) const {
    const CSprite* drag = Piece(kDragKind, k);
    if (drag == nullptr)
        return false;
    RECT r;
    drag->GetRect(&r);
    const CSpriteList& sprites = document.Sprites();
    // Rows from the middle outwards would find a point sooner, but any
    // point will do and the scan stops at the first.
    for (int32_t y = r.top; y < r.bottom; ++y) {
        for (int32_t x = r.left; x < r.right; ++x) {
            if (sprites.PieceAt(x, y) == drag) {
                *at = POINT{x, y};
                return true;
            }
        }
    }
    return false;
}

void CPlaySession::CarryTo(int32_t left, int32_t top, POINT* pointer) {
    const POINT at{left + CAnimViewProbe::GrabOffsetX(view),
                   top + CAnimViewProbe::GrabOffsetY(view)};
    view.OnMouseMove(nullptr, 0, at.x, at.y);
    if (pointer != nullptr)
        *pointer = at;
}

bool CPlaySession::PlacePiece(int32_t k) {
    POINT grab;
    const CSprite* hole = Piece(kHoleKind, k);
    if (hole == nullptr || !GrabPoint(k, &grab))
        return false;
    const int32_t placedBefore = view.GetPlacedCount();
    view.OnLButtonDown(nullptr, 0, grab.x, grab.y);
    if (!view.IsDragging())
        return false;
    POINT drop;
    CarryTo(hole->GetX() + kFitOffsetX, hole->GetY() + kFitOffsetY, &drop);
    view.OnLButtonUp(nullptr, 0, drop.x, drop.y);
    return int64_t{view.GetPlacedCount()} == int64_t{placedBefore} + 1;
}
