#include "book_sheet.h"

#include "canvas.h"
#include "game/book_layout.h"
#include "game/catalogue.h"
#include "game/player_badges.h"
#include "layout.h"
#include "lettering.h"
#include "page_view.h"
#include "paint.h"

namespace content {

namespace {

constexpr int kGutter = 16;
constexpr int kCaption = 36;

Box BoxOf(const RECT& r) {
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// The book as the game draws it on `current`, with page p started p % 4
// pieces of the way, every fifth page finished, and the highlight on
// `highlight`.
Image ComposeBook(const std::string& folder, int current, int highlight) {
    Image book = LoadPicture(folder, kBookBackgroundPath);
    const Image thumbnails = LoadPicture(folder, kBookThumbnailsPath);
    const Image marks = LoadPicture(folder, kBookMarksPath);
    const Image outlines = LoadPicture(folder, kBookOutlinesPath);
    for (int page = 1; page <= kPageCount; ++page) {
        const Box thumbnail = BoxOf(ThumbnailRect(page));
        book.Paste(
            thumbnails.Crop(0, (page - 1) * kThumbnailHeight, kThumbnailWidth, kThumbnailHeight),
            thumbnail.x, thumbnail.y);
        const Box outline = BoxOf(OutlineRect(page));
        if (page == current)
            book.Paste(outlines.Crop(0, 0, kOutlineWidth, kOutlineHeight), outline.x, outline.y,
                       false);
        if (page == highlight)
            book.Paste(outlines.Crop(0, kOutlineHeight, kOutlineWidth, kOutlineHeight), outline.x,
                       outline.y, false);
        const int total = PieceCountOfPage(page);
        const int placed = page % 5 == 0 ? total : page % 4;
        const Box mark = BoxOf(BookMarkRect(page));
        book.Paste(marks.Crop(total * kBookMarkWidth, placed * kBookMarkHeight, kBookMarkWidth,
                              kBookMarkHeight),
                   mark.x, mark.y, false);
    }
    const Box control = BoxOf(kStartAgainRect);
    book.Paste(LoadPicture(folder, kStartAgainPath).Crop(0, 0, control.w, control.h), control.x,
               control.y, false);
    // The player's badge: the second animal's.
    book.Paste(LoadPicture(folder, kBadgesPath).Crop(0, kBadgeSize, kBadgeSize, kBadgeSize),
               kBookBadgeBox.x, kBookBadgeBox.y);
    return book;
}

} // namespace

void WriteBookSheet(const std::string& folder, const std::string& sheetFolder) {
    const Box control = BoxOf(kStartAgainRect);
    const Image faces = LoadPicture(folder, kStartAgainPath);
    Image sheet(kScreenWidth + kGutter + 2 * control.w, kScreenHeight + kCaption, Hex(0x2a2a2e));
    sheet.Paste(ComposeBook(folder, 2, 9), 0, kCaption);
    for (int frame = 0; frame < kStartAgainFrames; ++frame)
        sheet.Paste(faces.Crop(0, frame * control.h, control.w, control.h),
                    kScreenWidth + kGutter + (frame % 2) * control.w,
                    kCaption + (frame / 2) * (control.h + 4));
    Canvas canvas(sheet);
    cairo_t* cr = canvas.Context();
    SetColour(cr, Hex(0xf2efe6));
    UseFont(cr, Font::kSansBold, 20);
    DrawText(cr, "Picture book on page 2, highlight on 9; start again at rest and held", 8, 26,
             Align::kLeft);
    canvas.WritePng(sheetFolder + "/book.png");
}

} // namespace content
