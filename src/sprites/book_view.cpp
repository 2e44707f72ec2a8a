#include "sprites/book_view.h"
#include "diag/log.h"
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/picture_book.h"
#include "game/shelf_layout.h"
#include "game/player_badges.h"
#include "image/dib_image.h"
#include "persist/player_saves.h"
#include "sprites/rect_math.h"

#include <algorithm>

namespace {

constexpr int32_t kCurrentOutline = 0;
constexpr int32_t kHighlightOutline = 1;
constexpr int32_t kControlHeight = kStartAgainRect.bottom - kStartAgainRect.top;

std::unique_ptr<CDIBImage> ReadPicture(const char* path) {
    auto picture = std::make_unique<CDIBImage>(1, 1);
    if (picture->LoadFile(path))
        return picture;
    Log("CBookView: picture %s missing", path);
    return nullptr;
}

} // namespace

CBookView::CBookView(const CPictureBook* book) : CAnimViewBase(true), book(book) {}

CBookView::~CBookView() = default;

void CBookView::LoadPictures() {
    if (picturesRead)
        return;
    picturesRead = true;
    background = ReadPicture(kBookBackgroundPath);
    thumbnails = ReadPicture(kBookThumbnailsPath);
    marks = ReadPicture(kBookMarksPath);
    outlines = ReadPicture(kBookOutlinesPath);
    control = ReadPicture(kStartAgainPath);
    turnTab = ReadPicture(kTurnTabPath);
    badges = ReadPicture(kBadgesPath);
}

bool CBookView::Show(HWND newWindow) {
    window = newWindow;
    if (background == nullptr)
        return false;
    // Made once and kept: opening the book again needs no new image.
    if (offscreen == nullptr && !CreateOffscreen(window, background.get()))
        return false;
    RECT whole;
    background->GetRect(&whole);
    AddDirtyRect(&whole);
    return true;
}

void CBookView::RedrawAll() {
    if (offscreen == nullptr)
        return;
    RECT whole;
    offscreen->GetRect(&whole);
    AddDirtyRect(&whole);
    Flush(window);
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
    // Whose progress the book shows: the player's plain badge.
    CopyPart(badges.get(), 0, CPlayerSaves::GetInstance()->Badge() * kBadgeSize, kBookBadgeRect, c,
             kNoColourKey);
}

void CBookView::DrawPage(int32_t page, const RECT& clip) {
    CopyPart(thumbnails.get(), 0, (page - 1) * kThumbnailHeight, ThumbnailRect(page), clip,
             kNoColourKey);
    if (page == book->CurrentPage())
        CopyPart(outlines.get(), 0, kCurrentOutline * kOutlineHeight, OutlineRect(page), clip,
                 kTransparentColour);
    if (page == book->Highlight())
        CopyPart(outlines.get(), 0, kHighlightOutline * kOutlineHeight, OutlineRect(page), clip,
                 kTransparentColour);
    const PageProgress& progress = book->Progress(page);
    const int32_t total = std::clamp(progress.total, 0, kBookMarkCounts - 1);
    const int32_t placed = std::clamp(progress.placed, 0, total);
    CopyPart(marks.get(), total * kBookMarkWidth, placed * kBookMarkHeight, BookMarkRect(page),
             clip, kTransparentColour);
}

void CBookView::CopyPart(const CDIBImage* picture, int32_t srcX, int32_t srcY, const RECT& dest,
                         const RECT& clip, uint32_t key) {
    const RECT part = RectIntersection(dest, clip);
    if (picture == nullptr || RectIsEmpty(part))
        return;
    picture->CopyTo(offscreen, part.left, part.top, part.right - part.left, part.bottom - part.top,
                    srcX + part.left - dest.left, srcY + part.top - dest.top, key);
}

void CBookView::PageChanged(int32_t page) {
    if (page < 1 || page > kPageCount)
        return;
    const RECT cell = BookCellRect(page);
    AddDirtyRect(&cell);
}

void CBookView::AllPagesChanged() {
    const RECT grid = {BookCellRect(1).left, BookCellRect(1).top, BookCellRect(kPageCount).right,
                       BookCellRect(kPageCount).bottom};
    AddDirtyRect(&grid);
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
    const RECT tab = BoxRect(kTurnTabBox);
    AddDirtyRect(&tab);
}
