// Playing a page by keyboard. Tab chooses a loose piece (a ring shows which),
// Enter lifts it over the first open hole, Right and Left carry it from hole
// to hole and Enter drops it there: its own hole takes it, any other sends it
// home. H makes a hole glow. The keys arrive already translated
// (game/key_commands.h); the drop itself is drag and drop's (drag_drop.cpp).
#include "game/catalogue.h"
#include "game/page_cursor.h"
#include "game/page_sprite_index.h"
#include "game/play_aids.h"
#include "game/sound_effects.h"
#include "platform/platform.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/reading_order.h"
#include "sprites/sprite.h"

namespace {

constexpr int32_t kForward = 1;
constexpr int32_t kBackward = -1;

} // namespace

int32_t CAnimView::PieceNumber(int32_t k) const {
    return FirstPieceOfPage(pageCursor->GetPageIndex()) + k;
}

void CAnimView::OnPlayKey(HWND window, PlayKey key) {
    if (document == nullptr)
        return;
    if (dragging && carry == Carry::kKeyboard) {
        OnCarryingKey(window, key);
        return;
    }
    if (dragging) {
        // Carried by the mouse: the mouse moves it, the keys only help.
        if (key == PlayKey::kSendHome)
            CancelDrag(window);
        else if (key == PlayKey::kHint)
            ShowHint(pageSprites->draggedPiece);
        return;
    }
    switch (key) {
    case PlayKey::kNextPiece:
        SelectNext(kForward);
        break;
    case PlayKey::kPreviousPiece:
        SelectNext(kBackward);
        break;
    case PlayKey::kLiftOrDrop:
        // With nothing chosen yet, the first press chooses.
        if (selectedPiece < 0)
            SelectNext(kForward);
        else
            LiftSelected(window);
        break;
    case PlayKey::kHint:
        SelectNext(kForward);
        ShowHint(selectedPiece);
        break;
    default:
        break;
    }
}

void CAnimView::OnCarryingKey(HWND window, PlayKey key) {
    switch (key) {
    case PlayKey::kNextPiece:
    case PlayKey::kNextHole:
        StepHole(kForward);
        break;
    case PlayKey::kPreviousPiece:
    case PlayKey::kPreviousHole:
        StepHole(kBackward);
        break;
    case PlayKey::kLiftOrDrop:
        DropOverTargetHole(window);
        break;
    case PlayKey::kSendHome:
        CancelDrag(window);
        break;
    case PlayKey::kHint:
        ShowHint(pageSprites->draggedPiece);
        break;
    }
}

void CAnimView::SelectNext(int32_t step) {
    const ReadingPlace from =
        PlaceOf(PieceSprite(pageSprites->firstLoose, selectedPiece), selectedPiece);
    Select(StepThrough(LoosePiecesInOrder(*document), from, step));
}

void CAnimView::Select(int32_t k) {
    selectedPiece = k;
    ShowSelection();
}

void CAnimView::ShowSelection() {
    const CSprite* loose =
        selectedPiece >= 0 ? PieceSprite(pageSprites->firstLoose, selectedPiece) : nullptr;
    // No ring round a piece that is carried or placed.
    if (loose == nullptr || loose->IsHidden()) {
        selectionRing.Remove();
        return;
    }
    selectionRing.Show(document, SelectionRingPath(PieceNumber(selectedPiece)),
                       loose->GetX() + kDragRestOffsetX - kAidMargin,
                       loose->GetY() + kDragRestOffsetY - kAidMargin);
}

void CAnimView::LiftSelected(HWND window) {
    const int32_t k = selectedPiece;
    CSprite* drag = PieceSprite(pageSprites->firstDrag, k);
    const std::vector<ReadingPlace> holes = OpenHolesInOrder(*document);
    if (drag == nullptr || holes.empty() || !LiftPiece(k, drag))
        return;
    pageSprites->draggedPiece = k;
    carry = Carry::kKeyboard;
    soundEffects->Play(window, kSoundPickup);
    HoverHole(holes.front().piece);
}

void CAnimView::StepHole(int32_t step) {
    const ReadingPlace from = PlaceOf(PieceSprite(pageSprites->firstHole, targetHole), targetHole);
    HoverHole(StepThrough(OpenHolesInOrder(*document), from, step));
}

void CAnimView::HoverHole(int32_t holePiece) {
    const CSprite* hole = PieceSprite(pageSprites->firstHole, holePiece);
    if (hole == nullptr)
        return;
    targetHole = holePiece;
    // Where a perfect drop would put it.
    draggedSprite->MoveTo(hole->GetX() + kFitOffsetX, hole->GetY() + kFitOffsetY);
}

void CAnimView::DropOverTargetHole(HWND window) {
    FinishDrop(window, targetHole == pageSprites->draggedPiece);
    EndDrag(window);
}

void CAnimView::ShowHint(int32_t k) {
    const CSprite* hole = PieceSprite(pageSprites->firstHole, k);
    if (k < 0 || hole == nullptr)
        return;
    hint.Start(document, HoleGlowPath(PieceNumber(k)),
               hole->GetX() + kFitOffsetX - kAidMargin,
               hole->GetY() + kFitOffsetY - kAidMargin, platform::MillisecondClock());
}
