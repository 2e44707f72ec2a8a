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
// A button that comes up closer than this to where it went down was a
// click: the piece stays lifted until the next press.
constexpr int64_t kClickReach = 6;

bool Within(int64_t value, int64_t centre) {
    return centre - kFitReach < value && value < centre + kFitReach;
}

} // namespace

CSprite* CAnimView::PieceSprite(int32_t firstTag, int32_t n) const {
    if (document == nullptr || n < 0 || n >= pageSprites->pieceCount)
        return nullptr;
    return document->FindByTag(static_cast<int32_t>(int64_t{firstTag} + n));
}

void CAnimView::ShowCursorKind(int32_t kind) {
    cursorSet->SetKind(kind);
    cursorSet->ApplyCursor();
}

void CAnimView::OnMouseMove(HWND, uint32_t, int32_t x, int32_t y) {
    if (dragging) {
        // A piece carried by keyboard stays over its hole.
        if (carry == Carry::kKeyboard)
            return;
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
    if (dragging && carry == Carry::kClicked) {
        // The second press of a click-and-carry lets go where it is.
        draggedSprite->MoveTo(x - grabOffsetX, y - grabOffsetY);
        DropPiece(window, x, y);
        EndDrag(window);
        return;
    }
    if (dragging || document == nullptr)
        return;
    CSprite* piece = document->Sprites().PieceAt(x, y);
    if (piece == nullptr)
        return;
    const int32_t k = piece->GetTag() - pageSprites->firstDrag;
    pageSprites->draggedPiece = k;
    // A placed piece cannot be lifted, and nor can one without a loose sprite.
    if (!LiftPiece(k, piece)) {
        pageSprites->draggedPiece = -1;
        return;
    }
    carry = Carry::kHeld;
    pressedAt = POINT{x, y};
    ShowCursorKind(kCursorCarrying);
    piece->MoveTo(x - piece->GetWidth() / 2, y - piece->GetHeight() / 2);
    grabOffsetX = x - piece->GetX();
    grabOffsetY = y - piece->GetY();
    soundEffects->Play(window, kSoundPickup);
    platform::CaptureMouse(window);
}

void CAnimView::OnLButtonUp(HWND window, uint32_t, int32_t x, int32_t y) {
    if (dragging && carry == Carry::kHeld && IsClick(x, y)) {
        // Carried on without the button: the capture stays, so the piece
        // follows the pointer everywhere until the next press.
        carry = Carry::kClicked;
        return;
    }
    // Neither a click-carried piece nor a keyboard-carried one is let go by
    // a button coming up.
    if (dragging && carry != Carry::kHeld)
        return;
    DropPiece(window, x, y);
    EndDrag(window);
    // Whether or not a piece was carried: a capture or a clipping rectangle
    // must never outlive the button press.
    platform::ReleaseMouse();
    platform::ClipPointer(nullptr);
}

void CAnimView::OnRButtonDown(HWND window, uint32_t, int32_t, int32_t) {
    CancelDrag(window);
}

bool CAnimView::IsClick(int32_t x, int32_t y) const {
    const int64_t dx = int64_t{x} - pressedAt.x;
    const int64_t dy = int64_t{y} - pressedAt.y;
    return dx * dx + dy * dy < kClickReach * kClickReach;
}

bool CAnimView::LiftPiece(int32_t k, CSprite* drag) {
    CSprite* loose = PieceSprite(pageSprites->firstLoose, k);
    if (loose == nullptr || loose->IsHidden())
        return false;
    loose->Hide();
    dragging = true;
    draggedSprite = drag;
    drag->SetDepth(kCarriedDepth);
    drag->Show();
    // No ring round a piece in the air.
    ShowSelection();
    return true;
}

void CAnimView::DropPiece(HWND window, int32_t x, int32_t y) {
    if (pageSprites->draggedPiece == -1)
        return;
    FinishDrop(window, FitsHole(x, y));
}

void CAnimView::FinishDrop(HWND window, bool fits) {
    const int32_t k = pageSprites->draggedPiece;
    if (fits) {
        PutPieceInHole();
        soundEffects->PlayPlaceSound(window);
        ++placedCount;
        PiecePlaced(window);
    } else if (CSprite* loose = PieceSprite(pageSprites->firstLoose, k)) {
        loose->Show();
    }
    ReturnDragSprite();
    pageSprites->draggedPiece = -1;
    // A placed piece leaves the choice to the next loose one after it.
    if (fits && k == selectedPiece)
        SelectNext(1);
    else
        ShowSelection();
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
    // Ended before the capture goes: letting it go tells the window that it
    // lost the mouse, and there is no drag left to cancel then.
    dragging = false;
    draggedSprite = nullptr;
    carry = Carry::kHeld;
    targetHole = -1;
    platform::ReleaseMouse();
    platform::ClipPointer(nullptr);
    // The arrow comes with the next cursor update.
    cursorSet->SetKind(kCursorArrow);
}

void CAnimView::CancelDrag(HWND window) {
    if (!dragging)
        return;
    FinishDrop(window, false);
    EndDrag(window);
}

void CAnimView::SendCarriedPieceHome(HWND window) {
    if (!dragging)
        return;
    CancelDrag(window);
    Flush(window);
}

void CAnimView::SpritesDeleted() {
    // The carried sprite, the ring, the glow and any sparkle are gone with
    // the others.
    draggedSprite = nullptr;
    selectedPiece = -1;
    selectionRing.Forget();
    hint.Forget();
    celebration.Forget();
    if (dragging) {
        dragging = false;
        carry = Carry::kHeld;
        targetHole = -1;
        pageSprites->draggedPiece = -1;
        platform::ReleaseMouse();
        platform::ClipPointer(nullptr);
        cursorSet->SetKind(kCursorArrow);
    }
}

void CAnimView::ClearPage(HWND window) {
    // A piece still being carried goes back first, or it would end up both
    // loose and, once dropped, placed.
    CancelDrag(window);
    if (placedCount == 0 || document == nullptr)
        return;
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
    celebration.Stop();
    ShowFinishedStar(false);
}
