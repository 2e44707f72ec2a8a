// What the picture book's two pages on the screen have in common (the
// thirty pages' book_view.h and "your pictures", shelf/shelf_view.h): their
// pictures read once and a missing one logged under the view's name, an
// offscreen image of the background's size made on first showing and kept,
// and copies of a picture's block clipped to the part being composed.
#pragma once

#include "sprites/anim_view_base.h"

#include <cstddef>
#include <cstdint>
#include <memory>

class CDIBImage;

class CSheetView : public CAnimViewBase {
public:
    ~CSheetView() override;

    // The whole page at once (the book screen's paint).
    void RedrawAll();

    CSheetView(const CSheetView&) = delete;
    CSheetView& operator=(const CSheetView&) = delete;

protected:
    // viewName starts the log line of a missing picture ("CBookView").
    explicit CSheetView(const char* viewName);

    // The views' LoadPictures: reads paths[i] into *fields[i], in order, on
    // the first call only. A missing picture is logged and left null.
    template <size_t N>
    void ReadPicturesOnce(std::unique_ptr<CDIBImage>* const (&fields)[N],
                          const char* const (&paths)[N]) {
        ReadPicturesOnce(fields, paths, N);
    }
    // The views' Show: remembers newWindow and makes the whole background
    // dirty in the offscreen image, made once and kept, so that showing the
    // page again needs no new image. False without a background.
    bool ShowOn(HWND newWindow);
    // Copies the picture's block at (srcX, srcY) to dest's place, only
    // where dest meets clip; nothing for a missing picture.
    void CopyPart(const CDIBImage* picture, int32_t srcX, int32_t srcY, const RECT& dest,
                  const RECT& clip, uint32_t key);
    // The outline picture's rows of height rowHeight around a cell's
    // thumbnail at where: the page being played's when current, the
    // keyboard's highlight's above it when highlighted.
    void DrawOutlines(bool current, bool highlighted, int32_t rowHeight, const RECT& where,
                      const RECT& clip);
    // Whose progress the page shows: the player's plain badge at where.
    void DrawBadge(const RECT& where, const RECT& clip);
    // AddDirtyRect for a rectangle worked out on the spot.
    void AddDirty(const RECT& r) { AddDirtyRect(&r); }

    // The pictures both pages have; each view reads its own.
    std::unique_ptr<CDIBImage> background;
    std::unique_ptr<CDIBImage> marks;
    std::unique_ptr<CDIBImage> outlines;
    std::unique_ptr<CDIBImage> turnTab;
    std::unique_ptr<CDIBImage> badges; // the players' (game/player_badges.h)
    HWND window = nullptr;

private:
    void ReadPicturesOnce(std::unique_ptr<CDIBImage>* const* fields, const char* const* paths,
                          size_t count);

    const char* viewName;
    bool picturesRead = false;
};
