#include "art/dialogs.h"

#include "art/buttons.h"
#include "art/motifs.h"
#include "canvas.h"
#include "layout.h"
#include "lettering.h"
#include "outline.h"

#include "game/photo_dialogs_layout.h"

#include <algorithm>
#include <string>
#include <vector>

namespace content {

namespace {

using namespace motif;

const Rgb kInk = Hex(0x2b2118);
const Rgb kAccent = Hex(0x1f5e8c);

// A cream card with a wooden border, the common look of both small dialogs.
void Card(cairo_t* cr) {
    const double s = kPictureDialogSize;
    SetColour(cr, Hex(0x8a5a30));
    cairo_paint(cr);
    RoundedRect(cr, 8, 8, s - 16, s - 16, 10);
    UseRadialGradient(cr, s / 2, s * 0.4, 20, s / 2, s / 2, s * 0.7,
                      {{0, Hex(0xfffaf0)}, {1, Hex(0xf0e2c0)}});
    cairo_fill(cr);
    RoundedRect(cr, 14.5, 14.5, s - 29, s - 29, 7);
    SetColour(cr, Hex(0xc9a66b));
    cairo_set_line_width(cr, 1.5);
    cairo_stroke(cr);
    SetColour(cr, Hex(0xe0b886));
    cairo_rectangle(cr, 1, 1, s - 2, s - 2);
    cairo_set_line_width(cr, 2);
    cairo_stroke(cr);
}

void PieceIcon(cairo_t* cr, double x, double y, double size, Rgb colour) {
    PolygonPath(cr, EmblemOutline(size), x, y);
    SetColour(cr, colour);
    FillWithOutline(cr, Mix(colour, Rgb{0, 0, 0}, 0.35), 1.5);
}

void Heading(cairo_t* cr, const char* text, double y, double size) {
    UseFont(cr, Font::kSerifBold, size);
    SetColour(cr, kAccent);
    DrawText(cr, text, kPictureDialogSize / 2.0, y, Align::kCentre);
}

void Line(cairo_t* cr, const std::string& text, double x, double y, double size, Font font,
          Align align = Align::kLeft) {
    UseFont(cr, font, size);
    SetColour(cr, kInk);
    DrawText(cr, text, x, y, align);
}

Image Finish(const Canvas& canvas) {
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    return image;
}

} // namespace

Image DrawAboutDialog() {
    Canvas canvas(kPictureDialogSize, kPictureDialogSize);
    cairo_t* cr = canvas.Context();
    Card(cr);
    PieceIcon(cr, 28, 26, 40, Hex(0xf2c14e));
    PieceIcon(cr, 292, 26, 40, Hex(0x5ab0e8));
    Heading(cr, "Varnolt", 84, 44);
    Line(cr, "Picture Puzzles", 180, 114, 18, Font::kSansBold, Align::kCentre);
    // The project's version, the one the program's resources and the
    // installer package carry too.
    Line(cr, "Version " VARNOLT_VERSION, 180, 150, 16, Font::kSans, Align::kCentre);
    Line(cr, "Thirty pictures to piece together,", 180, 196, 14, Font::kSans, Align::kCentre);
    Line(cr, "at your own pace.", 180, 216, 14, Font::kSans, Align::kCentre);
    Line(cr, "Pictures, music and sounds", 180, 252, 13, Font::kSerifItalic, Align::kCentre);
    Line(cr, "by the Varnolt developers.", 180, 271, 13, Font::kSerifItalic, Align::kCentre);
    return Finish(canvas);
}

// Keys in a column: the key right-aligned at keyRight, what it does after it.
void KeyColumn(cairo_t* cr, const char* const (*keys)[2], int count, double keyRight, double y) {
    for (int i = 0; i < count; ++i, y += 18) {
        Line(cr, keys[i][0], keyRight, y, 13, Font::kSansBold, Align::kRight);
        Line(cr, keys[i][1], keyRight + 7, y, 13, Font::kSans);
    }
}

Image DrawDirectionsDialog() {
    Canvas canvas(kPictureDialogSize, kPictureDialogSize);
    cairo_t* cr = canvas.Context();
    Card(cr);
    Heading(cr, "How to play", 48, 28);
    const char* lines[] = {
        "Drag each loose piece into its hole,",
        "or click it, then click over the hole.",
        "Let go close to the hole and",
        "the piece drops into place.",
    };
    double y = 76;
    for (int i = 0; i < 4; ++i, y += 17)
        Line(cr, lines[i], 180, y + (i >= 2 ? 5 : 0), 13, Font::kSans, Align::kCentre);
    // Playing by keyboard on the left, the page keys on the right.
    const char* const play[][2] = {{"Tab", "choose a piece"},
                                   {"Enter", "lift, let go"},
                                   {"\u25C0 \u25B6", "next hole"},
                                   {"Bksp", "put it back"},
                                   {"H", "hint"}};
    const char* const pages[][2] = {{"\u25B2 \u25BC", "turn the page"},
                                    {"C", "clear it"},
                                    {"M", "sound switch"},
                                    {"B", "picture book"},
                                    {"I", "about Varnolt"},
                                    {"Q", "quit"}};
    KeyColumn(cr, play, 5, 64, y + 14);
    KeyColumn(cr, pages, 6, 222, y + 14);
    Line(cr, "Page Up and Page Down turn pages too.", 180, y + 14 + 6 * 18 + 6, 12,
         Font::kSerifItalic, Align::kCentre);
    return Finish(canvas);
}

namespace {

// A small notice: an icon, a heading and centred lines from firstLine down.
Image Notice(Rgb icon, const char* heading, const std::vector<const char*>& lines,
             double firstLine) {
    Canvas canvas(kPictureDialogSize, kPictureDialogSize);
    cairo_t* cr = canvas.Context();
    Card(cr);
    PieceIcon(cr, 160, 24, 40, icon);
    Heading(cr, heading, 100, 28);
    double y = firstLine;
    for (const char* text : lines) {
        Line(cr, text, 180, y, 15, Font::kSans, Align::kCentre);
        y += 20;
    }
    return Finish(canvas);
}

} // namespace

Image DrawCannotSaveDialog() {
    return Notice(Hex(0xe8a25a), "Just so you know",
                  {"Your progress cannot be kept", "this time: neither the game's",
                   "folder nor your own can be", "written to just now.", "",
                   "Play on as you like. Each page", "stays as it is while you play it."},
                  134);
}

Image DrawPictureRefusedDialog() {
    return Notice(Hex(0x9bb7d4), "Oh dear",
                  {"This picture could not be used.", "", "It may be too small, too big,",
                   "damaged, or not a picture at all.", "", "Try another photo: everything",
                   "else stays just as it was."},
                  140);
}

Image DrawPieceCountDialog() {
    Canvas canvas(kPictureDialogSize, kPictureDialogSize);
    cairo_t* cr = canvas.Context();
    Card(cr);
    PieceIcon(cr, 160, 24, 40, Hex(0x7cc07a));
    Heading(cr, "How many pieces?", 100, 26);
    Line(cr, "Choose, and your picture", 180, 250, 15, Font::kSans, Align::kCentre);
    Line(cr, "becomes a page at once.", 180, 270, 15, Font::kSans, Align::kCentre);
    for (int32_t i = 0; i < kPieceCountChoices; ++i) {
        const ScreenBox b = PieceCountButton(i);
        RoundedRect(cr, b.x, b.y, b.width, b.height, 8);
        SetColour(cr, Hex(0xfff6e0));
        FillWithOutline(cr, Hex(0xc9a66b), 1.5);
        // A little picture cut into that many cells, the count below it.
        const int32_t count = kPieceCountChoice[i];
        const int columns = count == 4 ? 2 : count == 16 || count == 12 ? 4 : 3;
        const int rows = (count + columns - 1) / columns;
        const double cell = 40.0 / std::max(columns, rows);
        const double left = b.x + (b.width - cell * columns) / 2, top = b.y + 8;
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                cairo_rectangle(cr, left + c * cell + 1, top + r * cell + 1, cell - 2, cell - 2);
                SetColour(cr, Mix(Hex(0x6fa8dc), Hex(0xf6b26b), (r + c) / 6.0));
                cairo_fill(cr);
            }
        UseFont(cr, Font::kSansBold, 22);
        SetColour(cr, kAccent);
        DrawText(cr, std::to_string(count), b.x + b.width / 2.0, b.y + b.height - 10,
                 Align::kCentre);
    }
    return Finish(canvas);
}

Image DrawEndingScreen() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Context();
    const double w = kScreenWidth, h = kScreenHeight;
    // Evening over the hills: the day's puzzles are done.
    UseLinearGradient(cr, 0, 0, 0, h * 0.7,
                      {{0, Hex(0x2b3a78)}, {0.55, Hex(0xc86b8a)}, {1, Hex(0xffb36b)}});
    cairo_paint(cr);
    Sun(cr, w * 0.5, h * 0.62, 70, Hex(0xffd27a), Hex(0xffc070));
    for (int i = 0; i < 14; ++i) {
        SetColour(cr, Hex(0xfff4d8));
        Star(cr, 40 + i * 71.0, 30 + (i * 37) % 140, 2.5 + (i % 3), 5, 0.45);
    }
    Hill(cr, w, h, h * 0.66, 24, 600, 0.8, Hex(0x6d4a7a), Hex(0x4a3358));
    Hill(cr, w, h, h * 0.76, 30, 520, 2.6, Hex(0x3e2c50), Hex(0x2a1e38));
    for (int i = 0; i < 5; ++i)
        PineTree(cr, 80 + i * 37.0 + (i % 2) * 9, h * 0.8, 80 + (i % 3) * 16, Hex(0x1f1830),
                 Hex(0x1a1428));
    for (int i = 0; i < 4; ++i)
        PineTree(cr, 800 + i * 45.0, h * 0.79, 90 + (i % 2) * 20, Hex(0x1f1830), Hex(0x1a1428));
    Birds(cr, Hex(0x2a2040), {{300, 360, 12}, {336, 380, 9}});
    UseFont(cr, Font::kSerifBold, 64);
    TextPath(cr, "Thank you for playing!", w / 2 + 3, 203, Align::kCentre);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
    cairo_fill(cr);
    SetColour(cr, Hex(0xfff3cf));
    DrawText(cr, "Thank you for playing!", w / 2, 200, Align::kCentre);
    UseFont(cr, Font::kSansBold, 28);
    SetColour(cr, Hex(0xfff3cf));
    DrawText(cr, "Your pictures will be waiting. See you soon!", w / 2, 258, Align::kCentre);
    return Finish(canvas);
}

Image DrawOkButton(const Image& dialog, int face) {
    const Image behind = dialog.Crop(kDialogOkButton.x, kDialogOkButton.y, kDialogOkButton.width,
                                     kDialogOkButton.height);
    const Image both = DrawButton(behind, kGreenButton, TextSymbol("OK", 24));
    return both.Crop(0, face * kDialogOkButton.height, kDialogOkButton.width,
                     kDialogOkButton.height);
}

Image DrawQuitButton(const Image& ending, int face) {
    const Image behind = ending.Crop(kEndingQuitButton.x, kEndingQuitButton.y,
                                     kEndingQuitButton.width, kEndingQuitButton.height);
    const Image both = DrawButton(behind, kCreamButton, TextSymbol("Quit", 24));
    return both.Crop(0, face * kEndingQuitButton.height, kEndingQuitButton.width,
                     kEndingQuitButton.height);
}

} // namespace content
