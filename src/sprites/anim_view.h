// The play screen's view: composes the current page (the document's
// background, then its visible sprites from the bottom up) into the offscreen
// image and lets the player lift, carry and drop pieces with the left mouse
// button (drag_drop.cpp) or the keyboard (keyboard_play.cpp).
#pragma once

#include "game/play_keys.h"
#include "sprites/anim_view_base.h"
#include "sprites/celebration.h"
#include "sprites/hint_glow.h"
#include "sprites/page_overlay.h"

#include <cstdint>

class CAnimDoc;
class CCursorSet;
class CDIBImage;
class CPageCursor;
class CPageSpriteIndex;
class CSoundEffects;
class CSprite;

class CAnimView : public CAnimViewBase {
public:
    CAnimView();

    void Render(const RECT* r) override;
    virtual void SetDocument(CAnimDoc* newDocument) { document = newDocument; }
    CAnimDoc* GetDocument() const { return document; }
    // The main window, which RedrawAll copies to. Set once at start-up.
    void SetMainWindow(HWND window) { mainWindow = window; }
    HWND GetMainWindow() const { return mainWindow; }

    // Called by the document when it takes a new background: a fresh
    // offscreen image, all of it dirty, no piece counted as placed yet, and a
    // repaint of the window asked for. False when the image cannot be made.
    bool NewBackground(HWND window, const CDIBImage* background);
    // Called by the document when a page is laid out over the background it
    // already had, because the new one could not be read: the same fresh
    // start as NewBackground without a new offscreen image.
    void NewPageOnOldBackground();
    // Called by the document for every sprite it adds: its rectangle becomes
    // dirty through the sprite list.
    void SpriteAdded(CSprite* sprite);
    // Called by the document whenever it deletes the page's sprites: a piece
    // being carried is gone, so the drag ends here.
    void SpritesDeleted();
    // The main loop's periodic call while the play screen is up: moves a
    // hint and a finished page's sparkle on, then brings every change to the
    // screen.
    void Tick(HWND window);
    // Composes and copies the whole screen at once (the game screen's paint).
    void RedrawAll();
    // Shows the released (0) or pressed (1) face of the button with this tag;
    // any other state, or a tag without a sprite, does nothing.
    void SetButtonFrame(int32_t tag, int32_t state);
    // Shows the button's face set `column` (the sound switch has one per
    // setting); a tag without a sprite, or a column it lacks, does nothing.
    void SetButtonColumn(int32_t tag, int32_t column);

    // Drag and drop. x and y are client coordinates of window. A press and
    // release within a few pixels of each other is a click: the piece stays
    // lifted, follows the pointer, and the next press lets it go.
    void OnMouseMove(HWND window, uint32_t keys, int32_t x, int32_t y);
    void OnLButtonDown(HWND window, uint32_t keys, int32_t x, int32_t y);
    void OnLButtonUp(HWND window, uint32_t keys, int32_t x, int32_t y);
    // The right button sends a carried piece home.
    void OnRButtonDown(HWND window, uint32_t keys, int32_t x, int32_t y);
    // A key of keyboard play, while the page is played.
    void OnPlayKey(HWND window, PlayKey key);
    // Takes every placed piece out of its hole again, with the clear sound;
    // does nothing at all while no piece is counted as placed.
    void ClearPage(HWND window);

    // The steps of a drop, on the piece lifted by the last button press.
    void DropPiece(HWND window, int32_t x, int32_t y);
    // The end of every drop and return: into the hole when fits, else back
    // where the piece lay; the drag picture goes back to rest either way.
    void FinishDrop(HWND window, bool fits);
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
    // no save file holds one), clear, the about box, quitting, losing the
    // foreground, the right button and Backspace.
    void CancelDrag(HWND window);
    // Called by the window when it loses the mouse capture or the
    // activation: a piece being carried goes home at once, drawn there even
    // though an inactive game does not tick, as a drop outside every hole.
    void SendCarriedPieceHome(HWND window);

    // A finished page: its star on the label (shown from the moment the
    // last piece goes in, or when a finished page is loaded) and the sparkle
    // that only the placement finishing it sets off.
    bool FinishedStarShown() const;
    bool IsCelebrating() const { return celebration.Running(); }
    // Ends the sparkle at once; the star stays.
    void StopCelebration() { celebration.Stop(); }

    // True while a piece is carried, however.
    bool IsDragging() const { return dragging; }
    bool IsCarriedByClick() const { return dragging && carry == Carry::kClicked; }
    bool IsCarriedByKeyboard() const { return dragging && carry == Carry::kKeyboard; }
    // The piece the keyboard has chosen (its position within the page), -1
    // for none; the piece whose hole a keyboard-carried piece hovers over.
    int32_t GetSelectedPiece() const { return selectedPiece; }
    int32_t GetTargetHole() const { return targetHole; }
    const CPageOverlay& SelectionRing() const { return selectionRing; }
    const CHintGlow& Hint() const { return hint; }
    CSprite* GetDraggedSprite() const { return draggedSprite; }
    // The pointer's position minus the carried sprite's top-left.
    int32_t GetGrabOffsetX() const { return grabOffsetX; }
    int32_t GetGrabOffsetY() const { return grabOffsetY; }
    // Pieces put into their holes on this page, as drag and drop counted
    // them; stored in and restored from the page's save file.
    int32_t GetPlacedCount() const { return placedCount; }
    void SetPlacedCount(int32_t count) { placedCount = count; }

private:
    // How the carried piece is carried: with the button held, after a click
    // (until the next press), or by keyboard (from hole to hole).
    enum class Carry { kHeld, kClicked, kKeyboard };

    // The sprite of the given kind's first tag plus n, or null; n is a
    // position within the page.
    CSprite* PieceSprite(int32_t firstTag, int32_t n) const;
    // The catalogue number of the page's piece k.
    int32_t PieceNumber(int32_t k) const;
    // Shows cursor shape k at once.
    void ShowCursorKind(int32_t kind);
    // After every placement: a page now finished celebrates.
    void PiecePlaced(HWND window);
    void ShowFinishedStar(bool shown);
    // Whether the button came up close enough to where it went down.
    bool IsClick(int32_t x, int32_t y) const;
    // Takes piece k off its resting place and brings its drag picture on
    // top; false when the piece is not loose.
    bool LiftPiece(int32_t k, CSprite* drag);

    // Keyboard play (keyboard_play.cpp).
    void OnCarryingKey(HWND window, PlayKey key);
    void SelectNext(int32_t step);
    void Select(int32_t k);
    // The ring round the chosen piece while it lies loose; none otherwise.
    void ShowSelection();
    void LiftSelected(HWND window);
    void StepHole(int32_t step);
    void HoverHole(int32_t holePiece);
    void DropOverTargetHole(HWND window);
    void ShowHint(int32_t k);

    CAnimDoc* document = nullptr;
    bool dragging = false;
    CSprite* draggedSprite = nullptr;
    int32_t grabOffsetX = 0;
    int32_t grabOffsetY = 0;
    CCursorSet* cursorSet;
    CPageSpriteIndex* pageSprites;
    CPageCursor* pageCursor;
    CSoundEffects* soundEffects;
    int32_t placedCount = 0;
    HWND mainWindow = nullptr;
    Carry carry = Carry::kHeld;
    POINT pressedAt = {0, 0};
    int32_t selectedPiece = -1;
    int32_t targetHole = -1;
    CPageOverlay selectionRing;
    CHintGlow hint;
    CCelebration celebration;
};
