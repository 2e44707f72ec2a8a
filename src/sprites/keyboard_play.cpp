#include "sprites/keyboard_play.h"
#include "game/catalogue.h"
#include "game/page_sprite_index.h"
#include "game/play_aids.h"
#include "platform/platform.h"
#include "sprites/anim_doc_base.h"
#include "sprites/hint_glow.h"
#include "sprites/page_pieces.h"
#include "sprites/page_source.h"
#include "sprites/piece_hands.h"
#include "sprites/reading_order.h"
#include "sprites/sprite.h"

#include <string>
#include <vector>

namespace {

constexpr int32_t kForward = 1;
constexpr int32_t kBackward = -1;
// Above every piece, the carried one included; a hint's glow lies higher.
constexpr int32_t kSelectionRingDepth = 5;

} // namespace

CKeyboardPlay::CKeyboardPlay(CPieceHands& hands, CHintGlow& hint)
    : hands(hands), hint(hint), selectionRing(kSelectionRingTag, 1, kSelectionRingDepth) {}

CSprite* CKeyboardPlay::PieceSprite(int32_t firstTag, int32_t k) const {
    return document != nullptr ? PageSprite(*document, firstTag, k) : nullptr;
}

void CKeyboardPlay::OnKey(HWND window, PlayKey key) {
    if (document == nullptr)
        return;
    if (hands.IsCarriedByKeyboard()) {
        OnCarryingKey(window, key);
        return;
    }
    const CPageSpriteIndex& page = *document->GetPageSprites();
    if (hands.IsDragging()) {
        // Carried by the mouse: the mouse moves it, the keys only help.
        if (key == PlayKey::kSendHome)
            hands.CancelDrag(window);
        else if (key == PlayKey::kHint)
            hint.ShowForPiece(document, page.draggedPiece, platform::MillisecondClock());
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
        hint.ShowForPiece(document, selectedPiece, platform::MillisecondClock());
        break;
    default:
        break;
    }
}

void CKeyboardPlay::OnCarryingKey(HWND window, PlayKey key) {
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
        hands.CancelDrag(window);
        break;
    case PlayKey::kHint:
        hint.ShowForPiece(document, document->GetPageSprites()->draggedPiece,
                          platform::MillisecondClock());
        break;
    }
}

void CKeyboardPlay::PieceLanded(int32_t k, bool placed) {
    if (placed && k == selectedPiece)
        SelectNext(kForward);
    else
        ShowSelection();
}

void CKeyboardPlay::Forget() {
    selectedPiece = -1;
    targetHole = -1;
    selectionRing.Forget();
}

void CKeyboardPlay::SelectNext(int32_t step) {
    const int32_t firstLoose = document->GetPageSprites()->firstLoose;
    const ReadingPlace from = PlaceOf(PieceSprite(firstLoose, selectedPiece), selectedPiece);
    Select(StepThrough(LoosePiecesInOrder(*document), from, step));
}

void CKeyboardPlay::Select(int32_t k) {
    selectedPiece = k;
    ShowSelection();
}

void CKeyboardPlay::ShowSelection() {
    const CSprite* loose = selectedPiece >= 0 && document != nullptr
                               ? PieceSprite(document->GetPageSprites()->firstLoose, selectedPiece)
                               : nullptr;
    // No ring round a piece that is carried or placed.
    if (loose == nullptr || loose->IsHidden()) {
        selectionRing.Remove();
        return;
    }
    const int32_t x = loose->GetX() + kDragRestOffsetX - kAidMargin;
    const int32_t y = loose->GetY() + kDragRestOffsetY - kAidMargin;
    if (const CPageSource* own = document->GetPageSource())
        selectionRing.Show(document, "ring" + std::to_string(selectedPiece),
                           own->SelectionRing(selectedPiece), x, y);
    else
        selectionRing.Show(document, SelectionRingPath(PieceNumber(selectedPiece)), x, y);
}

void CKeyboardPlay::LiftSelected(HWND window) {
    const std::vector<ReadingPlace> holes = OpenHolesInOrder(*document);
    if (holes.empty() || !hands.LiftForKeyboard(window, selectedPiece))
        return;
    HoverHole(holes.front().piece);
}

void CKeyboardPlay::StepHole(int32_t step) {
    const int32_t firstHole = document->GetPageSprites()->firstHole;
    const ReadingPlace from = PlaceOf(PieceSprite(firstHole, targetHole), targetHole);
    HoverHole(StepThrough(OpenHolesInOrder(*document), from, step));
}

void CKeyboardPlay::HoverHole(int32_t holePiece) {
    const CSprite* hole = PieceSprite(document->GetPageSprites()->firstHole, holePiece);
    if (hole == nullptr)
        return;
    targetHole = holePiece;
    // Where a perfect drop would put it.
    hands.MoveCarried(hole->GetX() + kFitOffsetX, hole->GetY() + kFitOffsetY);
}

void CKeyboardPlay::DropOverTargetHole(HWND window) {
    hands.LetGo(window, targetHole == document->GetPageSprites()->draggedPiece);
}
