// Drag and drop on the play screen. Every piece has four sprites: the loose
// piece, its hole, the piece placed in the hole, and the drag picture that is
// shown while the piece is carried. While hidden, the drag picture rests
// beside its loose piece and is that piece's hit shape.
#include "diag/log.h"
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_sprite_index.h"
#include "game/sound_effects.h"
#include "image/cursor_set.h"
#include "platform/platform.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"

namespace {

// Lifting a piece brings its drag picture above every other sprite.
constexpr int32_t kCarriedDepth = 10;
// A drop fits when the carried sprite's top-left lies strictly within this
// distance of the point kFitOffset right of and below the hole's top-left.
constexpr int64_t kFitReach = 20;

bool Within(int64_t value, int64_t centre) {
    return centre - kFitReach < value && value < centre + kFitReach;
}

} // namespace

CSprite* CAnimView::PieceSprite(int32_t firstTag, int32_t n) const {
    if (document == nullptr)
        return nullptr;
    return document->FindByTag(static_cast<int32_t>(int64_t{firstTag} + n));
}

void CAnimView::ShowCursorKind(int32_t kind) {
    cursorSet->SetKind(kind);
    cursorSet->ApplyCursor();
}

void CAnimView::OnMouseMove(HWND, uint32_t, int32_t x, int32_t y) {
    if (dragging) {
        draggedSprite->MoveTo(x - grabOffsetX, y - grabOffsetY);
        cursorSet->ApplyCursor();
        return;
    }
    // Only the arrow and the open hand follow the pointer; any other shape
    // was set on purpose.
    const int32_t kind = cursorSet->GetKind();
    if (document == nullptr || (kind != kCursorArrow && kind != kCursorHand))
        return;
    const CSprite* piece = document->Sprites().PieceAt(x, y);
    if (piece == nullptr) {
        ShowCursorKind(kCursorArrow);
        return;
    }
    const int32_t k = piece->GetTag() - pageSprites->firstDrag;
    const CSprite* loose = PieceSprite(pageSprites->firstLoose, k);
    // Over a placed piece's resting drag picture the shape stays as it is.
    if (loose != nullptr && loose->IsVisible())
        ShowCursorKind(kCursorHand);
    pageSprites->draggedPiece = -1;
}

void CAnimView::OnLButtonDown(HWND window, uint32_t, int32_t x, int32_t y) {
    if (dragging || document == nullptr)
        return;
    CSprite* piece = document->Sprites().PieceAt(x, y);
    if (piece == nullptr)
        return;
    const int32_t k = piece->GetTag() - pageSprites->firstDrag;
    pageSprites->draggedPiece = k;
    CSprite* loose = PieceSprite(pageSprites->firstLoose, k);
    // A placed piece cannot be lifted, and nor can one without a loose sprite.
    if (loose == nullptr || loose->IsHidden()) {
        pageSprites->draggedPiece = -1;
        return;
    }
    loose->Hide();
    dragging = true;
    draggedSprite = piece;
    piece->SetDepth(kCarriedDepth);
    piece->Show();
    ShowCursorKind(kCursorCarrying);
    piece->MoveTo(x - piece->GetWidth() / 2, y - piece->GetHeight() / 2);
    grabOffsetX = x - piece->GetX();
    grabOffsetY = y - piece->GetY();
    soundEffects->Play(window, kSoundPickup);
    platform::CaptureMouse(window);
}

void CAnimView::OnLButtonUp(HWND window, uint32_t, int32_t x, int32_t y) {
    DropPiece(window, x, y);
    EndDrag(window);
    // Whether or not a piece was carried: a capture or a clipping rectangle
    // must never outlive the button press.
    platform::ReleaseMouse();
    platform::ClipPointer(nullptr);
}

void CAnimView::DropPiece(HWND window, int32_t x, int32_t y) {
    if (pageSprites->draggedPiece == -1)
        return;
    if (FitsHole(x, y)) {
        PutPieceInHole();
        soundEffects->PlayPlaceSound(window);
        ++placedCount;
    } else if (CSprite* loose = PieceSprite(pageSprites->firstLoose, pageSprites->draggedPiece)) {
        loose->Show();
    }
    ReturnDragSprite();
    pageSprites->draggedPiece = -1;
}

bool CAnimView::FitsHole(int32_t x, int32_t y) const {
    if (document == nullptr || draggedSprite == nullptr)
        return false;
    const CSprite* hole = document->Sprites().HoleAt(x, y);
    if (hole == nullptr)
        return false;
    // Only the piece's own hole counts; where holes overlap, only the
    // topmost one under the pointer is considered.
    if (int64_t{hole->GetTag()} != int64_t{pageSprites->firstHole} + pageSprites->draggedPiece)
        return false;
    // In 64 bits: positions read from a damaged save file may lie anywhere.
    return Within(draggedSprite->GetX(), int64_t{hole->GetX()} + kFitOffsetX) &&
           Within(draggedSprite->GetY(), int64_t{hole->GetY()} + kFitOffsetY);
}

void CAnimView::PutPieceInHole() {
    const int32_t k = pageSprites->draggedPiece;
    if (CSprite* hole = PieceSprite(pageSprites->firstHole, k))
        hole->Hide();
    else
        Log("CAnimViewBase::PutPieceInHole: sprite not found");
    if (CSprite* placed = PieceSprite(pageSprites->firstPlaced, k))
        placed->Show();
}

void CAnimView::ReturnDragSprite() {
    const int32_t k = pageSprites->draggedPiece;
    CSprite* drag = PieceSprite(pageSprites->firstDrag, k);
    if (drag == nullptr)
        return;
    drag->Hide();
    // The home position is the catalogue's. k came from a drag picture of
    // this page, but the table is never read outside its bounds whatever
    // the index says.
    const int32_t page = pageCursor->GetPageIndex();
    if (page < 1 || page > kPageCount || k < 0 || k >= pageSprites->pieceCount ||
        k >= kMostPiecesOnAPage)
        return;
    const SpriteRecord& home = g_pageTable[page][kDragKind][k];
    drag->MoveTo(home.x, home.y);
}

void CAnimView::EndDrag(HWND) {
    if (!dragging)
        return;
    platform::ReleaseMouse();
    platform::ClipPointer(nullptr);
    dragging = false;
    draggedSprite = nullptr;
    // The arrow comes with the next cursor update.
    cursorSet->SetKind(kCursorArrow);
}

void CAnimView::CancelDrag(HWND window) {
    if (!dragging)
        return;
    if (CSprite* loose = PieceSprite(pageSprites->firstLoose, pageSprites->draggedPiece))
        loose->Show();
    ReturnDragSprite();
    pageSprites->draggedPiece = -1;
    EndDrag(window);
}

void CAnimView::SpritesDeleted() {
    // The carried sprite is gone with the others.
    draggedSprite = nullptr;
    if (dragging) {
        dragging = false;
        pageSprites->draggedPiece = -1;
        platform::ReleaseMouse();
        platform::ClipPointer(nullptr);
        cursorSet->SetKind(kCursorArrow);
    }
}

void CAnimView::ClearPage(HWND window) {
    if (placedCount == 0 || document == nullptr)
        return;
    // A piece still being carried goes back first, or it would end up both
    // loose and, once dropped, placed.
    CancelDrag(window);
    soundEffects->Play(window, kSoundClear);
    const int32_t count = pageSprites->pieceCount;
    for (int32_t k = 0; k < count; ++k) {
        if (CSprite* loose = PieceSprite(pageSprites->firstLoose, k))
            loose->Show();
    }
    for (int32_t k = 0; k < count; ++k) {
        if (CSprite* placed = PieceSprite(pageSprites->firstPlaced, k))
            placed->Hide();
    }
    for (int32_t k = 0; k < count; ++k) {
        if (CSprite* hole = PieceSprite(pageSprites->firstHole, k))
            hole->Show();
    }
    placedCount = 0;
}
