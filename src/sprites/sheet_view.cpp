#include "sprites/sheet_view.h"
#include "diag/log.h"
#include "game/screen_layout.h"
#include "image/dib_image.h"
#include "persist/player_saves.h"
#include "sprites/rect_math.h"

#include <utility>

namespace {

// The outline picture's rows: the page being played, the highlight.
constexpr int32_t kCurrentOutline = 0;
constexpr int32_t kHighlightOutline = 1;

} // namespace

CSheetView::CSheetView(const char* viewName) : CAnimViewBase(true), viewName(viewName) {}

CSheetView::~CSheetView() = default;

void CSheetView::ReadPicturesOnce(std::unique_ptr<CDIBImage>* const* fields,
                                  const char* const* paths, size_t count) {
    if (picturesRead)
        return;
    picturesRead = true;
    for (size_t i = 0; i < count; ++i) {
        auto picture = std::make_unique<CDIBImage>(1, 1);
        if (picture->LoadFile(paths[i])) {
            *fields[i] = std::move(picture);
            continue;
        }
        Log("%s: picture %s missing", viewName, paths[i]);
        fields[i]->reset();
    }
}

bool CSheetView::ShowOn(HWND newWindow) {
    window = newWindow;
    if (background == nullptr)
        return false;
    if (offscreen == nullptr && !CreateOffscreen(window, background.get()))
        return false;
    RECT whole;
    background->GetRect(&whole);
    AddDirtyRect(&whole);
    return true;
}

void CSheetView::RedrawAll() {
    if (offscreen == nullptr)
        return;
    RECT whole;
    offscreen->GetRect(&whole);
    AddDirtyRect(&whole);
    Flush(window);
}

void CSheetView::CopyPart(const CDIBImage* picture, int32_t srcX, int32_t srcY, const RECT& dest,
                          const RECT& clip, uint32_t key) {
    const RECT part = RectIntersection(dest, clip);
    if (picture == nullptr || RectIsEmpty(part))
        return;
    picture->CopyTo(offscreen, part.left, part.top, part.right - part.left, part.bottom - part.top,
                    srcX + part.left - dest.left, srcY + part.top - dest.top, key);
}

void CSheetView::DrawOutlines(bool current, bool highlighted, int32_t rowHeight, const RECT& where,
                              const RECT& clip) {
    if (current)
        CopyPart(outlines.get(), 0, kCurrentOutline * rowHeight, where, clip, kTransparentColour);
    if (highlighted)
        CopyPart(outlines.get(), 0, kHighlightOutline * rowHeight, where, clip, kTransparentColour);
}

void CSheetView::DrawBadge(const RECT& where, const RECT& clip) {
    CopyPart(badges.get(), 0, CPlayerSaves::GetInstance()->Badge() * kBadgeSize, where, clip,
             kNoColourKey);
}
