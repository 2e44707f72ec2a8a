// The composition half of the play screen's view: an offscreen image the
// size of the background, into which the screen is composed, and the list of
// rectangles that changed since the last flush. Only those rectangles are
// composed and copied to the window.
#pragma once

#include "platform/win_types.h"
#include "sprites/sprite_owner.h"

#include <cstdint>
#include <deque>

class CDIBImage;

class CAnimViewBase : public CDirtyRectSink {
public:
    // With useDibSection the offscreen image's pixels are a DIB section of
    // the system's, which reaches the window with one block copy; the game's
    // view uses it.
    explicit CAnimViewBase(bool useDibSection);
    virtual ~CAnimViewBase();

    // Composes the screen inside r (null: all of it) into the offscreen image.
    virtual void Render(const RECT* r) = 0;
    // The offscreen image's rectangle; all zero while there is none.
    virtual void GetBounds(RECT* out) const;
    // The same, 4 pixels larger to the right and below.
    virtual void GetBoundsWithMargin(RECT* out) const;

    // Replaces the offscreen image by one of the background's size, not yet
    // painted. False, with no offscreen image left, when it cannot be made.
    bool CreateOffscreen(HWND window, const CDIBImage* background);
    // Records r as needing a redraw. It is merged with the most recent
    // rectangle when the two intersect; older ones are never looked at, so
    // overlapping rectangles may stay in the list.
    void AddDirtyRect(const RECT* r) override;
    // Composes every dirty rectangle, then copies each to the window, then
    // empties the list: the window never shows a half-composed state.
    void Flush(HWND window);
    // Copies r (null: the whole image) of the offscreen image to the same
    // place of the window, clipped to the image.
    void Blit(HWND window, const RECT* r);

    CDIBImage* Offscreen() const { return offscreen; }

    CAnimViewBase(const CAnimViewBase&) = delete;
    CAnimViewBase& operator=(const CAnimViewBase&) = delete;

protected:
    // Reads the dirty rectangles for tests (tests/support/anim_view_probe.h).
    friend class CAnimViewProbe;

    void DeleteOffscreen();
    // Copies background inside r (null: all of it) into the offscreen image
    // and gives the part copied, on which the screen's pictures then go.
    // False, with nothing copied, when that part is empty or there is no
    // offscreen image or background.
    bool ComposeBackground(const CDIBImage* background, const RECT* r, RECT* part);

    bool useDibSection;
    HBITMAP dibSection = nullptr;
    RECT fullRect = {0, 0, 0, 0};
    std::deque<RECT> dirtyRects;
    CDIBImage* offscreen = nullptr;
};
