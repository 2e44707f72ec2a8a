// Playing a page by keyboard. Tab chooses a loose piece (a ring shows which),
// Enter lifts it over the first open hole, Right and Left carry it from hole
// to hole and Enter drops it there: its own hole takes it, any other sends it
// home. H makes a hole glow. The keys arrive already translated
// (game/key_commands.h); the view passes them on, and does the lifting and
// the dropping itself (piece_hands.h).
#pragma once

#include "game/play_keys.h"
#include "platform/win_types.h"
#include "sprites/page_overlay.h"

#include <cstdint>

class CAnimDocBase;
class CHintGlow;
class CPieceHands;
class CSprite;

class CKeyboardPlay {
public:
    // hands: the view that carries the pieces; hint: the view's hint.
    CKeyboardPlay(CPieceHands& hands, CHintGlow& hint);

    // Called by the view when it is linked with its document.
    void SetDocument(CAnimDocBase* newDocument) { document = newDocument; }
    // A key of keyboard play, while the page is played.
    void OnKey(HWND window, PlayKey key);

    // Called by the view after it lifted a piece: no ring round a piece in
    // the air.
    void PieceLifted() { ShowSelection(); }
    // Called by the view after piece k landed, in its hole when placed: a
    // placed piece leaves the choice to the next loose one after it.
    void PieceLanded(int32_t k, bool placed);
    // Called by the view when a carry ends.
    void CarryEnded() { targetHole = -1; }
    // Called by the view when the document has deleted every sprite, the
    // ring with them.
    void Forget();

    // The piece chosen (its position within the page), -1 for none; the
    // piece whose hole a keyboard-carried piece hovers over, -1 for none.
    int32_t SelectedPiece() const { return selectedPiece; }
    int32_t TargetHole() const { return targetHole; }
    const CPageOverlay& SelectionRing() const { return selectionRing; }

    CKeyboardPlay(const CKeyboardPlay&) = delete;
    CKeyboardPlay& operator=(const CKeyboardPlay&) = delete;

private:
    void OnCarryingKey(HWND window, PlayKey key);
    void SelectNext(int32_t step);
    void Select(int32_t k);
    // The ring round the chosen piece while it lies loose; none otherwise.
    void ShowSelection();
    void LiftSelected(HWND window);
    void StepHole(int32_t step);
    void HoverHole(int32_t holePiece);
    void DropOverTargetHole(HWND window);
    CSprite* PieceSprite(int32_t firstTag, int32_t k) const;

    CPieceHands& hands;
    CHintGlow& hint;
    CAnimDocBase* document = nullptr;
    int32_t selectedPiece = -1;
    int32_t targetHole = -1;
    CPageOverlay selectionRing;
};
