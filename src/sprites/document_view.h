// What the play screen's document tells the view it is linked with, as the
// page changes under it. The view (anim_view.h) is the one implementation;
// the document and the page's save records reach the view only through
// this, so that nothing below the view depends on it.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

class CDIBImage;
class CSprite;

class CDocumentView {
public:
    // Called by the document when it takes a new background: a fresh
    // offscreen image, all of it dirty, no piece counted as placed yet, and a
    // repaint of the window asked for. False when the image cannot be made.
    virtual bool NewBackground(HWND window, const CDIBImage* background) = 0;
    // Called by the document when a page is laid out over the background it
    // already had, because the new one could not be read: the same fresh
    // start as NewBackground without a new offscreen image.
    virtual void NewPageOnOldBackground() = 0;
    // Called by the document for every sprite it adds: its rectangle becomes
    // dirty through the sprite list.
    virtual void SpriteAdded(CSprite* sprite) = 0;
    // Called by the document whenever it deletes the page's sprites: a piece
    // being carried is gone, so the drag ends here.
    virtual void SpritesDeleted() = 0;
    // Sends a carried piece home, however it is carried, and ends the carry;
    // nothing when none is carried. Called by the document before it stores
    // a page (so no save file holds a piece in mid-air), and by the
    // controller and the window before clearing, the about box, quitting
    // and losing the foreground.
    virtual void CancelDrag(HWND window) = 0;
    // Pieces put into their holes on this page, as drag and drop counted
    // them; stored in and restored from the page's save file (page_storage.h).
    virtual int32_t GetPlacedCount() const = 0;
    virtual void SetPlacedCount(int32_t count) = 0;

protected:
    ~CDocumentView() = default;
};
