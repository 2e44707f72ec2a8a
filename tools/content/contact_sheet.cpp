#include "contact_sheet.h"
#include "book_sheet.h"
#include "screen_sheet.h"

#include "art/pictures.h"
#include "canvas.h"
#include "layout.h"
#include "lettering.h"
#include "page_view.h"
#include "paint.h"

#include <cstdio>
#include <filesystem>

namespace content {

namespace {

constexpr int kCaption = 36;
constexpr int kGutter = 16;

void Caption(cairo_t* cr, const std::string& text, double x, double y) {
    SetColour(cr, Hex(0xf2efe6));
    UseFont(cr, Font::kSansBold, 20);
    DrawText(cr, text, x, y, Align::kLeft);
}

void WritePageSheet(const std::string& contentFolder, const std::string& sheetFolder, int page) {
    const Image fresh = ComposePage(contentFolder, page, PageState::kNew, {});
    const Image solved = ComposePage(contentFolder, page, PageState::kSolved, {});
    Image sheet(2 * kScreenWidth + kGutter, kScreenHeight + kCaption, Hex(0x2a2a2e));
    sheet.Paste(fresh, 0, kCaption);
    sheet.Paste(solved, kScreenWidth + kGutter, kCaption);
    Canvas canvas(sheet);
    char title[128];
    std::snprintf(title, sizeof title, "Page %d: %s (%d pieces) - new", page, PageTitle(page),
                  PiecesOf(page).count);
    Caption(canvas.Context(), title, 8, 26);
    Caption(canvas.Context(), "solved", kScreenWidth + kGutter + 8, 26);
    char name[64];
    std::snprintf(name, sizeof name, "/page%02d.png", page);
    canvas.WritePng(sheetFolder + name);
}

} // namespace

void WriteContactSheets(const std::string& contentFolder, const std::string& sheetFolder) {
    std::filesystem::create_directories(sheetFolder);
    for (int page = 1; page <= kPages; ++page)
        WritePageSheet(contentFolder, sheetFolder, page);
    WriteScreenSheet(contentFolder, sheetFolder);
    WriteBookSheet(contentFolder, sheetFolder);
}

} // namespace content
