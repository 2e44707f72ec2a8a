// The play screen's view: composing the page, and drag and drop on it. Every
// piece has four sprites: the loose piece, its hole, the piece placed in the
// hole, and the drag picture that is shown while the piece is carried. While
// hidden, the drag picture rests beside its loose piece and is that piece's
// hit shape. The game's additions are told what happens through the
// objects the view holds (anim_view.h).
#include "sprites/anim_view.h"
#include "diag/log.h"
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_sprite_index.h"
#include "game/screen_layout.h"
#include "game/sound_effects.h"
#include "image/cursor_set.h"
#include "image/dib_image.h"
#include "platform/platform.h"
#include "sprites/anim_doc.h"
#include "sprites/grid_sprite.h"
#include "sprites/page_pieces.h"
#include "sprites/page_source.h"
#include "sprites/rect_math.h"
#include "sprites/sprite.h"

namespace {

constexpr int32_t kReleasedFace = 0;
constexpr int32_t kPressedFace = 1;
// Lifting a piece brings its drag picture above every other sprite.
constexpr int32_t kCarriedDepth = 10;
// A drop fits when the carried sprite's top-left lies strictly within this
// distance of the point kFitOffset right of and below the hole's top-left.
constexpr int64_t kFitReach = 20;

bool Within(int64_t value, int64_t centre) {
    return centre - kFitReach < value && value < centre + kFitReach;
}

} // namespace

CAnimView::CAnimView()
    : CAnimViewBase(true), cursorSet(GetCursorSet()), pageSprites(CPageSpriteIndex::Instance()),
      pageCursor(CPageCursor::Instance()), soundEffects(GetSoundEffects()) {}

void CAnimView::SetDocument(CAnimDoc* newDocument) {
    document = newDocument;
    keyboard.SetDocument(newDocument);
    finish.SetDocument(newDocument);
}

void CAnimView::Tick(HWND window) {
    // Idle play asks nothing more of the tick than these tests.
    if (hint.IsRunning())
        hint.Advance(platform::MillisecondClock());
    if (finish.Sparkling())
        finish.Advance(platform::MillisecondClock());
    if (holdNotice.IsRunning())
        holdNotice.Advance(platform::MillisecondClock());
    Flush(window);
}

void CAnimView::ShowHoldNotice(uint32_t now) {
    const ScreenBox& quit = kGameButtons[kQuitButton];
    holdNotice.Start(document, kHoldNoticePath, quit.x - kAidMargin, quit.y - kAidMargin, now);
}

void CAnimView::Render(const RECT* r) {
    // Only a page being torn down has no background; there is nothing to
    // compose then.
    const CDIBImage* background = document != nullptr ? document->GetBackground() : nullptr;
    RECT c;
    if (!ComposeBackground(background, r, &c))
        return;
    CSpriteList& sprites = document->Sprites();
    for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
        if (sprite->IsVisible())
            sprite->Draw(offscreen, &c);
    }
}

bool CAnimView::NewBackground(HWND window, const CDIBImage* background) {
    if (!CreateOffscreen(window, background)) {
        Log("CAnimView::NewBackground Create failed");
        return false;
    }
    RECT whole;
    background->GetRect(&whole);
    AddDirtyRect(&whole);
    placedCount = 0;
    // The paint this brings makes the game screen call RedrawAll; the view
    // itself draws only when it flushes.
    platform::InvalidateWindow(window);
    return true;
}

void CAnimView::NewPageOnOldBackground() {
    placedCount = 0;
    RECT whole;
    GetBounds(&whole);
    if (!RectIsEmpty(whole))
        AddDirtyRect(&whole);
}

void CAnimView::SpriteAdded(CSprite* sprite) {
    RECT r;
    sprite->GetRect(&r);
    sprite->Invalidate(&r);
}

void CAnimView::RedrawAll() {
    if (document == nullptr || document->GetBackground() == nullptr)
        return;
    RECT whole;
    document->GetBackground()->GetRect(&whole);
    AddDirtyRect(&whole);
    Flush(mainWindow);
}

void CAnimView::SetButtonFrame(int32_t tag, int32_t state) {
    if (document == nullptr || (state != kReleasedFace && state != kPressedFace))
        return;
    // Only the buttons are grid sprites with faces to show.
    auto* button = dynamic_cast<CGridSprite*>(document->FindByTag(tag));
    if (button != nullptr)
        button->SetRow(state);
}

CSprite* CAnimView::PieceSprite(int32_t firstTag, int32_t n) const {
    return document != nullptr ? PageSprite(*document, firstTag, n) : nullptr;
}

void CAnimView::ShowCursorKind(int32_t kind) {
    cursorSet->SetKind(kind);
    cursorSet->ApplyCursor();
}

void CAnimView::OnMouseMove(HWND, uint32_t, int32_t x, int32_t y) {
    if (dragging) {
        // A piece carried by keyboard stays over its hole.
        if (carry.ByKeyboard())
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
    if (dragging && carry.Clicked()) {
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
    carry.Pressed(x, y);
    ShowCursorKind(kCursorCarrying);
    piece->MoveTo(x - piece->GetWidth() / 2, y - piece->GetHeight() / 2);
    grabOffsetX = x - piece->GetX();
    grabOffsetY = y - piece->GetY();
    soundEffects->Play(window, kSoundPickup);
    platform::CaptureMouse(window);
}

void CAnimView::OnLButtonUp(HWND window, uint32_t, int32_t x, int32_t y) {
    if (dragging && carry.ReleasedAsClick(x, y)) {
        // Carried on without the button: the capture stays, so the piece
        // follows the pointer everywhere until the next press.
        return;
    }
    // Neither a click-carried piece nor a keyboard-carried one is let go by
    // a button coming up.
    if (dragging && !carry.Held())
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

bool CAnimView::LiftPiece(int32_t k, CSprite* drag) {
    CSprite* loose = PieceSprite(pageSprites->firstLoose, k);
    if (loose == nullptr || loose->IsHidden())
        return false;
    loose->Hide();
    dragging = true;
    draggedSprite = drag;
    drag->SetDepth(kCarriedDepth);
    drag->Show();
    keyboard.PieceLifted();
    return true;
}

void CAnimView::DropPiece(HWND window, int32_t x, int32_t y) {
    if (pageSprites->draggedPiece == -1)
        return;
    const int32_t k = pageSprites->draggedPiece;
    const bool fits =
        FitsHole(x, y) || fitRule.Forgives(PieceSprite(pageSprites->firstHole, k), draggedSprite);
    FinishDrop(window, fits);
    if (stuckHelp.Dropped(k, fits))
        hint.ShowForPiece(document, k, platform::MillisecondClock());
}

void CAnimView::FinishDrop(HWND window, bool fits) {
    const int32_t k = pageSprites->draggedPiece;
    if (fits) {
        PutPieceInHole();
        soundEffects->PlayPlaceSound(window);
        // The count is restored as a save file holds it, and a damaged one
        // may hold the largest count there is.
        if (placedCount < INT32_MAX)
            ++placedCount;
        finish.PiecePlaced(window);
    } else if (CSprite* loose = PieceSprite(pageSprites->firstLoose, k)) {
        loose->Show();
    }
    ReturnDragSprite();
    pageSprites->draggedPiece = -1;
    keyboard.PieceLanded(k, fits);
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
    if (const CPageSource* own = document != nullptr ? document->GetPageSource() : nullptr) {
        if (k >= 0 && k < own->PieceCount()) {
            const SpriteRecord home = own->Record(kDragKind, k);
            drag->MoveTo(home.x, home.y);
        }
        return;
    }
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
    carry.Reset();
    keyboard.CarryEnded();
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
    keyboard.Forget();
    hint.Forget();
    finish.Forget();
    stuckHelp.Forget();
    holdNotice.Forget();
    if (dragging) {
        dragging = false;
        carry.Reset();
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
    finish.PageCleared();
}

bool CAnimView::LiftForKeyboard(HWND window, int32_t k) {
    CSprite* drag = PieceSprite(pageSprites->firstDrag, k);
    if (drag == nullptr || !LiftPiece(k, drag))
        return false;
    pageSprites->draggedPiece = k;
    carry.KeyboardLifted();
    soundEffects->Play(window, kSoundPickup);
    return true;
}

void CAnimView::MoveCarried(int32_t x, int32_t y) {
    draggedSprite->MoveTo(x, y);
}

void CAnimView::LetGo(HWND window, bool fits) {
    FinishDrop(window, fits);
    EndDrag(window);
}
