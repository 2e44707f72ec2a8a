// The play screen's view: composes the current page (the document's
// background, then its visible sprites from the bottom up) into the offscreen
// image and lets the player lift, carry and drop pieces with the left mouse
// button (drag_drop.cpp).
#pragma once

#include "sprites/anim_view_base.h"

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
    // The main loop's periodic call while the play screen is up.
    void Tick(HWND window) { Flush(window); }
    // Composes and copies the whole screen at once (the game screen's paint).
    void RedrawAll();
    // Shows the released (0) or pressed (1) face of the button with this tag;
    // any other state, or a tag without a sprite, does nothing.
    void SetButtonFrame(int32_t tag, int32_t state);

    // Drag and drop. x and y are client coordinates of window.
    void OnMouseMove(HWND window, uint32_t keys, int32_t x, int32_t y);
    void OnLButtonDown(HWND window, uint32_t keys, int32_t x, int32_t y);
    void OnLButtonUp(HWND window, uint32_t keys, int32_t x, int32_t y);
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

    // Puts a piece still being carried back where it lay and ends the drag;
    // nothing when none is carried. Called before the page is stored, so
    // that no save file holds a piece in mid-air.
    void CancelDrag(HWND window);
    // Called by the window when it loses the mouse capture or the
    // activation: a piece being carried goes home at once, drawn there even
    // though an inactive game does not tick, as a drop outside every hole.
    void SendCarriedPieceHome(HWND window);

    bool IsDragging() const { return dragging; }
    CSprite* GetDraggedSprite() const { return draggedSprite; }
    // The pointer's position minus the carried sprite's top-left.
    int32_t GetGrabOffsetX() const { return grabOffsetX; }
    int32_t GetGrabOffsetY() const { return grabOffsetY; }
    // Pieces put into their holes on this page, as drag and drop counted
    // them; stored in and restored from the page's save file.
    int32_t GetPlacedCount() const { return placedCount; }
    void SetPlacedCount(int32_t count) { placedCount = count; }

private:
    // The sprite of the given kind's first tag plus n, or null.
    CSprite* PieceSprite(int32_t firstTag, int32_t n) const;
    // Shows cursor shape k at once.
    void ShowCursorKind(int32_t kind);

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
};
