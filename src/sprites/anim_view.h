// The play screen's view: composes the current page (the document's
// background, then its visible sprites from the bottom up) into the offscreen
// image and lets the player lift, carry and drop pieces with the left mouse
// button. What the game adds to play lives in small classes the view holds
// and calls: how a piece is carried, keyboard play, the hint and a finished
// page's star and sparkle.
#pragma once

#include "game/play_keys.h"
#include "sprites/anim_view_base.h"
#include "sprites/carry_mode.h"
#include "sprites/document_view.h"
#include "sprites/finished_page.h"
#include "sprites/hint_glow.h"
#include "sprites/keyboard_play.h"
#include "sprites/piece_hands.h"

#include <cstdint>

class CAnimDoc;
class CCursorSet;
class CDIBImage;
class CPageCursor;
class CPageSpriteIndex;
class CSoundEffects;
class CSprite;

class CAnimView : public CAnimViewBase, public CDocumentView, private CPieceHands {
public:
    CAnimView();

    void Render(const RECT* r) override;
    virtual void SetDocument(CAnimDoc* newDocument);
    // The main window, which RedrawAll copies to. Set once at start-up.
    void SetMainWindow(HWND window) { mainWindow = window; }

    // The document's news of its page (document_view.h).
    bool NewBackground(HWND window, const CDIBImage* background) override;
    void NewPageOnOldBackground() override;
    void SpriteAdded(CSprite* sprite) override;
    void SpritesDeleted() override;
    // The main loop's periodic call while the play screen is up: moves a
    // hint and a finished page's sparkle on, then brings every change to the
    // screen.
    void Tick(HWND window);
    // Composes and copies the whole screen at once (the game screen's paint).
    void RedrawAll();
    // Shows the released (0) or pressed (1) face of the button with this tag;
    // any other state, or a tag without a sprite, does nothing.
    void SetButtonFrame(int32_t tag, int32_t state);

    // Drag and drop. x and y are client coordinates of window. A press and
    // release within a few pixels of each other is a click: the piece stays
    // lifted, follows the pointer, and the next press lets it go.
    void OnMouseMove(HWND window, uint32_t keys, int32_t x, int32_t y);
    void OnLButtonDown(HWND window, uint32_t keys, int32_t x, int32_t y);
    void OnLButtonUp(HWND window, uint32_t keys, int32_t x, int32_t y);
    // The right button sends a carried piece home.
    void OnRButtonDown(HWND window, uint32_t keys, int32_t x, int32_t y);
    // A key of keyboard play, while the page is played.
    void OnPlayKey(HWND window, PlayKey key) { keyboard.OnKey(window, key); }
    // Takes every placed piece out of its hole again, with the clear sound;
    // does nothing at all while no piece is counted as placed.
    void ClearPage(HWND window);

    // The steps of a drop, on the piece lifted by the last button press.
    void DropPiece(HWND window, int32_t x, int32_t y);
    // Whether a drop with the pointer at (x, y) puts the carried piece into
    // its hole: the pointer must be over the piece's own hole (the topmost
    // one there), and the carried sprite's top-left within 19 pixels each way
    // of the point 10 right of and 9 below the hole's top-left.
    bool FitsHole(int32_t x, int32_t y) const;
    void PutPieceInHole();
    // Hides the carried piece's drag picture and sends it back to rest
    // beside its loose piece, where it is the loose piece's hit shape.
    void ReturnDragSprite();
    void EndDrag(HWND window);

    // Sends a carried piece home, however it is carried (held, clicked or by
    // keyboard), and ends the carry; nothing when none is carried. Called by
    // every route that must not leave a piece in mid-air: a page change (so
    // no save file holds one), clear, the picture book, the about box,
    // quitting, the right button and Backspace.
    void CancelDrag(HWND window) override;
    // Called by the window when it loses the mouse capture or the
    // activation: a piece being carried goes home at once, drawn there even
    // though an inactive game does not tick, as a drop outside every hole.
    void SendCarriedPieceHome(HWND window);

    // True while a piece is carried, however.
    bool IsDragging() const override { return dragging; }
    int32_t GetPlacedCount() const override { return placedCount; }
    void SetPlacedCount(int32_t count) override { placedCount = count; }

    // The game's additions to play, each its own object.
    const CCarryMode& Carry() const { return carry; }
    const CKeyboardPlay& Keyboard() const { return keyboard; }
    const CHintGlow& Hint() const { return hint; }
    CFinishedPage& Finish() { return finish; }
    const CFinishedPage& Finish() const { return finish; }

private:
    // Reads the drag state for tests (tests/support/anim_view_probe.h).
    friend class CAnimViewProbe;

    // Keyboard play's hands (piece_hands.h).
    bool IsCarriedByKeyboard() const override { return dragging && carry.ByKeyboard(); }
    bool LiftForKeyboard(HWND window, int32_t k) override;
    void MoveCarried(int32_t x, int32_t y) override;
    void LetGo(HWND window, bool fits) override;

    // The sprite of the given kind's first tag plus n, or null; n is a
    // position within the page.
    CSprite* PieceSprite(int32_t firstTag, int32_t n) const;
    // Shows cursor shape k at once.
    void ShowCursorKind(int32_t kind);
    // Takes piece k off its resting place and brings its drag picture on
    // top; false when the piece is not loose.
    bool LiftPiece(int32_t k, CSprite* drag);
    // The end of every drop and return: into the hole when fits, else back
    // where the piece lay; the drag picture goes back to rest either way.
    void FinishDrop(HWND window, bool fits);

    CAnimDoc* document = nullptr;
    bool dragging = false;
    CSprite* draggedSprite = nullptr;
    // The pointer's position minus the carried sprite's top-left.
    int32_t grabOffsetX = 0;
    int32_t grabOffsetY = 0;
    CCursorSet* cursorSet;
    CPageSpriteIndex* pageSprites;
    CPageCursor* pageCursor;
    CSoundEffects* soundEffects;
    int32_t placedCount = 0;
    HWND mainWindow = nullptr;
    CCarryMode carry;
    CHintGlow hint;
    CKeyboardPlay keyboard{*this, hint};
    CFinishedPage finish;
};
