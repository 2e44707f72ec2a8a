#include "sprites/book_view.h"
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/picture_book.h"
#include "game/player_badges.h"
#include "game/shelf_layout.h"
#include "image/dib_image.h"
#include "sprites/rect_math.h"

#include <algorithm>

namespace {

constexpr int32_t kControlHeight = kStartAgainRect.bottom - kStartAgainRect.top;

} // namespace

CBookView::CBookView(const CPictureBook* book) : CSheetView("CBookView"), book(book) {}

CBookView::~CBookView() = default;

void CBookView::LoadPictures() {
    ReadPicturesOnce({&background, &thumbnails, &marks, &outlines, &control, &turnTab, &badges},
                     {kBookBackgroundPath, kBookThumbnailsPath, kBookMarksPath, kBookOutlinesPath,
                      kStartAgainPath, kTurnTabPath, kBadgesPath});
}

bool CBookView::Show(HWND newWindow) {
    return ShowOn(newWindow);
}

void CBookView::Render(const RECT* r) {
    RECT c;
    if (!ComposeBackground(background.get(), r, &c))
        return;
    for (int32_t page = 1; page <= kPageCount; ++page) {
        if (!RectIsEmpty(RectIntersection(BookCellRect(page), c)))
            DrawPage(page, c);
    }
    CopyPart(control.get(), 0, controlFrame * kControlHeight, kStartAgainRect, c,
             kTransparentColour);
    if (turnTabShown)
        CopyPart(turnTab.get(), 0, kTurnToShelfFrame * kTurnTabBox.height, BoxRect(kTurnTabBox), c,
                 kTransparentColour);
    DrawBadge(kBookBadgeRect, c);
}

void CBookView::DrawPage(int32_t page, const RECT& clip) {
    CopyPart(thumbnails.get(), 0, (page - 1) * kThumbnailHeight, ThumbnailRect(page), clip,
             kNoColourKey);
    DrawOutlines(page == book->CurrentPage(), page == book->Highlight(), kOutlineHeight,
                 OutlineRect(page), clip);
    const PageProgress& progress = book->Progress(page);
    const int32_t total = std::clamp(progress.total, 0, kBookMarkCounts - 1);
    const int32_t placed = std::clamp(progress.placed, 0, total);
    CopyPart(marks.get(), total * kBookMarkWidth, placed * kBookMarkHeight, BookMarkRect(page),
             clip, kTransparentColour);
}

void CBookView::PageChanged(int32_t page) {
    if (page < 1 || page > kPageCount)
        return;
    AddDirty(BookCellRect(page));
}

void CBookView::AllPagesChanged() {
    AddDirty({BookCellRect(1).left, BookCellRect(1).top, BookCellRect(kPageCount).right,
              BookCellRect(kPageCount).bottom});
}

void CBookView::SetControlFrame(int32_t frame) {
    if (frame == controlFrame)
        return;
    controlFrame = frame;
    AddDirtyRect(&kStartAgainRect);
}

void CBookView::ShowTurnTab(bool shown) {
    if (shown == turnTabShown)
        return;
    turnTabShown = shown;
    AddDirty(BoxRect(kTurnTabBox));
}
