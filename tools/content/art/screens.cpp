#include "art/screens.h"

#include "art/background.h"
#include "art/buttons.h"
#include "art/motifs.h"
#include "canvas.h"
#include "game/page_furniture.h"
#include "layout.h"
#include "lettering.h"
#include "outline.h"
#include "persist/settings.h"
#include "sprites/page_source.h"

#include <string>

namespace content {

namespace {

using namespace motif;

// A jigsaw piece in one flat colour, for decoration.
void DecorPiece(cairo_t* cr, double x, double y, double size, double angle, Rgb colour) {
    const Polygon outline = EmblemOutline(size);
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angle);
    cairo_translate(cr, -size / 2, -size / 2);
    // Its shadow, then the piece.
    PolygonPath(cr, outline, 3, 4);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.25);
    cairo_fill(cr);
    PolygonPath(cr, outline);
    SetColour(cr, colour);
    FillWithOutline(cr, Mix(colour, Rgb{0, 0, 0}, 0.3), 1.5);
    cairo_restore(cr);
}

} // namespace

Image DrawTitlePicture() {
    Canvas canvas(kTitlePicture.width, kTitlePicture.height);
    cairo_t* cr = canvas.Context();
    const double w = kTitlePicture.width, h = kTitlePicture.height;
    // A framed card: a little sunny landscape with the name across the sky.
    Sky(cr, w, h, Hex(0x4b9be0), Hex(0xcdeaf7));
    Sun(cr, w * 0.8, h * 0.2, 28, Hex(0xffe066), Hex(0xfff3b0));
    Clouds(cr, Hex(0xffffff), {{40, 70, 0.9, 0.95}, {300, 230, 0.7, 0.9}});
    Hill(cr, w, h, h * 0.62, 18, 330, 0.4, Hex(0x8ccf6a), Hex(0x5fae45));
    Hill(cr, w, h, h * 0.74, 14, 420, 2.2, Hex(0x5fb548), Hex(0x3d8a30));
    RoundTree(cr, 40, h * 0.76, 50, Hex(0x3f9b3a), Hex(0x6b4226));
    RoundTree(cr, 422, h * 0.74, 44, Hex(0x4aa843), Hex(0x6b4226));
    DecorPiece(cr, 112, 322, 64, -0.25, Hex(0xf2c14e));
    DecorPiece(cr, 350, 318, 60, 0.3, Hex(0xe85d75));
    DecorPiece(cr, 192, 288, 46, 0.15, Hex(0x5ab0e8));
    DecorPiece(cr, 272, 286, 50, -0.2, Hex(0x9b7be0));
    // The name.
    UseFont(cr, Font::kSerifBold, 92);
    TextPath(cr, "Varnolt", w / 2 + 4, 176, Align::kCentre);
    cairo_set_source_rgba(cr, 0, 0, 0, 0.3);
    cairo_fill(cr);
    TextPath(cr, "Varnolt", w / 2, 172, Align::kCentre);
    UseLinearGradient(cr, 0, 100, 0, 175, {{0, Hex(0xfff1a8)}, {1, Hex(0xe89a1c)}});
    FillWithOutline(cr, Hex(0x6a3410), 3);
    UseFont(cr, Font::kSansBold, 24);
    SetColour(cr, Hex(0x1f4e79));
    DrawText(cr, "Picture Puzzles", w / 2, 214, Align::kCentre);
    // A plank for the start button to sit on.
    RoundedRect(cr, 150, 382, 160, 70, 14);
    SetColour(cr, Hex(0x8a5a30));
    cairo_fill(cr);
    RoundedRect(cr, 154, 386, 152, 62, 11);
    SetColour(cr, Hex(0xb07a45));
    cairo_fill(cr);
    // The card's frame.
    cairo_set_line_width(cr, 10);
    SetColour(cr, Hex(0xb07a45));
    cairo_rectangle(cr, 5, 5, w - 10, h - 10);
    cairo_stroke(cr);
    cairo_set_line_width(cr, 2);
    SetColour(cr, Hex(0x5a3a1c));
    cairo_rectangle(cr, 1, 1, w - 2, h - 2);
    cairo_rectangle(cr, 10, 10, w - 20, h - 20);
    cairo_stroke(cr);
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    return image;
}

Image DrawTitleTile() {
    // A quiet diagonal weave in deep blue, seamless when repeated.
    Image tile(kTitleTileSize, kTitleTileSize, Hex(0x1f4163));
    for (int y = 0; y < kTitleTileSize; ++y)
        for (int x = 0; x < kTitleTileSize; ++x) {
            const int d = (x + y) % kTitleTileSize, e = (x - y + kTitleTileSize) % kTitleTileSize;
            if (d == 0 || e == 0)
                tile.At(x, y) = Hex(0x2a5580);
            if (d == 4 && e == 4)
                tile.At(x, y) = Hex(0x3a6d9e);
            if (d == 0 && e == 0)
                tile.At(x, y) = Hex(0x173453);
        }
    return tile;
}

Image DrawTitleScreen(const Image& tile, const Image& title) {
    Image screen(kScreenWidth, kScreenHeight);
    for (int y = 0; y < kScreenHeight; y += kTitleTileSize)
        for (int x = 0; x < kScreenWidth; x += kTitleTileSize)
            screen.Paste(tile, x, y);
    screen.Paste(title, kTitlePicture.x, kTitlePicture.y);
    return screen;
}

Image DrawStartButton(const Image& title) {
    const Image behind =
        title.Crop(kStartButton.x - kTitlePicture.x, kStartButton.y - kTitlePicture.y,
                   kStartButton.width, kStartButton.height);
    return DrawButton(behind, kGreenButton, TextSymbol("Start", 24));
}

Image DrawGameButton(int button, const Image& background) {
    const Box box = ToBox(kGameButtons[button]);
    const Image behind = background.Crop(box.x, box.y, box.w, box.h);
    if (button == kSoundButton) {
        // One column of faces per sound setting.
        Image columns(box.w * kSoundSettingCount, 2 * box.h);
        for (int setting = 0; setting < kSoundSettingCount; ++setting)
            columns.Paste(DrawButton(behind, kCreamButton, SpeakerSymbol(setting)), setting * box.w,
                          0);
        return columns;
    }
    if (button == kBookButton)
        return DrawButton(behind, kCreamButton, BookSymbol());
    const ButtonSymbol symbols[5] = {DoorSymbol(), InfoSymbol(), ArrowSymbol(true),
                                     ArrowSymbol(false), ClearSymbol()};
    return DrawButton(behind, kCreamButton, symbols[button]);
}

namespace {

// A strip of frames labels on the label slot of background: frame 0 the
// empty slot, every other one as plate draws it.
template <typename Plate> Image LabelStrip(const Image& background, int frames, Plate plate) {
    const Image slot =
        background.Crop(kPageLabel.x, kPageLabel.y, kPageLabel.width, kPageLabel.height);
    Image strip(kPageLabel.width, kPageLabel.height * frames);
    for (int frame = 0; frame < frames; ++frame) {
        Canvas canvas(slot);
        if (frame > 0)
            plate(canvas.Context(), frame);
        strip.Paste(canvas.ToImage(), 0, frame * kPageLabel.height);
    }
    Avoid(strip, kKey);
    return strip;
}

// The label's plate, shaded from top to bottom.
void Plate(cairo_t* cr, Rgb top, Rgb middle, Rgb bottom, Rgb outline) {
    RoundedRect(cr, 2, 2, kPageLabel.width - 4, kPageLabel.height - 4, 6);
    UseLinearGradient(cr, 0, 2, 0, kPageLabel.height - 2, {{0, top}, {0.5, middle}, {1, bottom}});
    FillWithOutline(cr, outline, 1.5);
}

} // namespace

Image DrawPageLabels(const Image& background) {
    return LabelStrip(background, kPageLabelFrames, [](cairo_t* cr, int frame) {
        // A brass plate with the page number.
        Plate(cr, Hex(0xfbe7a1), Hex(0xe0b44c), Hex(0xb98a2a), Hex(0x6a4a14));
        UseFont(cr, Font::kSerifBold, 26);
        const std::string number = std::to_string(frame);
        SetColour(cr, Hex(0xfff6d0), 0.7);
        DrawText(cr, number, kPageLabel.width / 2.0 + 1, 30, Align::kCentre);
        SetColour(cr, Hex(0x3b2608));
        DrawText(cr, number, kPageLabel.width / 2.0, 29, Align::kCentre);
    });
}

Image DrawOwnPageLabels(const Image& background) {
    return LabelStrip(background, kOwnPageLabelFrames, [](cairo_t* cr, int frame) {
        // A green plate with a heart: one of the player's own pictures.
        Plate(cr, Hex(0xd8f0c8), Hex(0x8cc47a), Hex(0x4f8a3c), Hex(0x24461a));
        UseFont(cr, Font::kSansBold, 20);
        SetColour(cr, Hex(0xc0304a));
        DrawText(cr, "\u2665", 22, 28, Align::kCentre);
        UseFont(cr, Font::kSerifBold, 24);
        SetColour(cr, Hex(0x16300e));
        DrawText(cr, std::to_string(frame), kPageLabel.width / 2.0 + 12, 29, Align::kCentre);
    });
}

} // namespace content
