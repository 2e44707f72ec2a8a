#include "art/corner.h"

#include "art/buttons.h"
#include "art/sheets.h"
#include "canvas.h"
#include "game/corner_holds.h"
#include "game/screen_layout.h"
#include "lettering.h"
#include "paint.h"

#include <string>

namespace content {

namespace {

// Flat paper: every control's face is drawn over the same colour, wherever
// it stands.
const Rgb kPaper = Hex(0xeef2e6);
const Rgb kEdge = Hex(0x3d5a4a);
const Rgb kInk = Hex(0x2c3b33);
const Rgb kAccent = Hex(0x2f6f55);
constexpr ButtonColours kChosen{Hex(0x9ee08a), Hex(0x4aa84a), Hex(0x1f4d1c), Hex(0x123312)};
constexpr ButtonColours kAgain{Hex(0xc9e2ff), Hex(0x6a9fd8), Hex(0x1c3c66), Hex(0x10243d)};
constexpr ButtonColours kRemove{Hex(0xffd9c2), Hex(0xe0876a), Hex(0x6a2414), Hex(0x4a1a0e)};

Image Behind(const Image& background, const ScreenBox& box) {
    return background.Crop(box.x, box.y, box.width, box.height);
}

// The released face of a button drawn over behind.
Image Released(const Image& behind, const ButtonColours& colours, const ButtonSymbol& symbol) {
    return DrawButton(behind, colours, symbol).Crop(0, 0, behind.Width(), behind.Height());
}

void Label(cairo_t* cr, const std::string& text, const ScreenBox& row, double right) {
    UseFont(cr, Font::kSansBold, 22);
    SetColour(cr, kInk);
    DrawText(cr, text, right, row.y + row.height / 2.0 + 8, Align::kRight);
}

// A note for the music, a speaker for the effects: beside the labels.
void Note(cairo_t* cr, double x, double y) {
    SetColour(cr, kAccent);
    cairo_arc(cr, x, y + 14, 7, 0, 2 * kPi);
    cairo_fill(cr);
    cairo_rectangle(cr, x + 5, y - 14, 3, 28);
    cairo_fill(cr);
    Poly(cr, {x + 8, y - 14, x + 20, y - 6, x + 20, y - 1, x + 8, y - 8});
    cairo_fill(cr);
}

void Speaker(cairo_t* cr, double x, double y) {
    SetColour(cr, kAccent);
    Poly(cr,
         {x - 6, y - 6, x + 2, y - 6, x + 12, y - 15, x + 12, y + 15, x + 2, y + 6, x - 6, y + 6});
    cairo_fill(cr);
    cairo_set_line_width(cr, 2.5);
    for (double r : {8.0, 15.0}) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, x + 12, y, r, -0.7, 0.7);
    }
    cairo_stroke(cr);
}

void Fixed(cairo_t* cr, const Image& paper) {
    for (const auto& [box, text] : {std::pair{kCornerMusicDown, "-"},
                                    {kCornerMusicUp, "+"},
                                    {kCornerEffectsDown, "-"},
                                    {kCornerEffectsUp, "+"}}) {
        Canvas face(Released(Behind(paper, box), kCreamButton, TextSymbol(text, 34)));
        cairo_set_source_surface(cr, face.Surface(), box.x, box.y);
        cairo_paint(cr);
    }
    const ButtonSymbol back = [](cairo_t* c, double w, double h) {
        ArrowSymbol(true)(c, 44, h);
        UseFont(c, Font::kSansBold, 20);
        DrawText(c, "Back", w / 2 + 12, h / 2 + 7, Align::kCentre);
    };
    Canvas face(Released(Behind(paper, kCornerBack), kGreenButton, back));
    cairo_set_source_surface(cr, face.Surface(), kCornerBack.x, kCornerBack.y);
    cairo_paint(cr);
}

Image Paper() {
    Canvas canvas(kScreenWidth, kScreenHeight);
    cairo_t* cr = canvas.Context();
    SheetOnEdge(cr, kEdge);
    SetColour(cr, kPaper);
    cairo_fill(cr);
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    return image;
}

// Faces of a held control: at rest, then pressed with the hold's ring.
Image HeldFaces(const Image& behind, const ButtonColours& colours,
                const std::function<void(cairo_t*, double, double)>& symbol) {
    const int w = behind.Width(), h = behind.Height();
    Image faces(w, h * kCornerHoldFaces);
    for (int face = 0; face < kCornerHoldFaces; ++face) {
        const bool pressed = face > 0;
        const double done = pressed ? static_cast<double>(face - 1) / kCornerHoldSteps : 0;
        const ButtonSymbol drawn = [&symbol, done](cairo_t* cr, double bw, double bh) {
            HoldRing(cr, bw / 2, bh / 2, bh / 2 - 5, done, 3);
            symbol(cr, bw / 2, bh / 2);
        };
        const Image both = DrawButton(behind, colours, drawn);
        faces.Paste(both.Crop(0, pressed ? h : 0, w, h), 0, face * h);
    }
    return faces;
}

} // namespace

Image DrawCornerBackground() {
    const Image paper = Paper();
    Canvas canvas(paper);
    cairo_t* cr = canvas.Context();
    UseFont(cr, Font::kSerifBold, 40);
    SetColour(cr, kAccent);
    DrawText(cr, "For grown-ups", 34, 62, Align::kLeft);
    UseFont(cr, Font::kSans, 16);
    SetColour(cr, kInk);
    DrawText(cr, "Every change is kept at once.", 36, 90, Align::kLeft);
    Label(cr, "Music", kCornerMusicDown, 340);
    Note(cr, 100, 152);
    Label(cr, "Effects", kCornerEffectsDown, 340);
    Speaker(cr, 100, 242);
    Label(cr, "Fit", kCornerFitChoices, 340);
    Label(cr, "Help when stuck", kCornerHelp, 360);
    Label(cr, "Child lock", kCornerLock, kCornerLock.x - 14);
    UseFont(cr, Font::kSans, 14);
    DrawText(cr, "how near a piece must be let go", 340, kCornerFitChoices.y + 58, Align::kRight);
    DrawText(cr, "a hole glows after three misses", 360, kCornerHelp.y + 58, Align::kRight);
    DrawText(cr, "Esc, Q and quit must be held", kCornerLock.x + kCornerLock.width + 12,
             kCornerLock.y + 40, Align::kLeft);
    UseFont(cr, Font::kSansBold, 22);
    DrawText(cr, "Players", kCornerPlayers.x, kCornerPlayers.y - 14, Align::kLeft);
    UseFont(cr, Font::kSans, 15);
    DrawText(cr, "Hold for 2 seconds: the round arrow starts a player's progress again, the cross",
             kCornerPlayers.x, 650, Align::kLeft);
    DrawText(cr, "removes the player. Their saves move into a \"previous\" folder.",
             kCornerPlayers.x, 670, Align::kLeft);
    Fixed(cr, paper);
    Image image = canvas.ToImage();
    Avoid(image, kKey);
    return image;
}

Image DrawCornerSteps(const Image& cornerBackground) {
    const ScreenBox box = kCornerMusicSteps;
    const Image behind = Behind(cornerBackground, box);
    Image faces(box.width, box.height * (kVolumeFull + 1));
    for (int volume = 0; volume <= kVolumeFull; ++volume) {
        Canvas canvas(behind);
        cairo_t* cr = canvas.Context();
        // Bars rising left to right, as many lit as the volume's steps.
        const double barW = 26, gap = 8, left = 16;
        for (int bar = 0; bar < kVolumeFull; ++bar) {
            const double h = 12 + bar * 9;
            RoundedRect(cr, left + bar * (barW + gap), 48 - h, barW, h, 4);
            SetColour(cr, bar < volume ? kAccent : Hex(0xc9d3c2));
            cairo_fill(cr);
        }
        UseFont(cr, Font::kSansBold, 15);
        SetColour(cr, kInk);
        const std::string text =
            volume == 0             ? "silent"
            : volume == kVolumeFull ? "full"
                                    : std::to_string(volume) + " of " + std::to_string(kVolumeFull);
        DrawText(cr, text, left + kVolumeFull * (barW + gap) + 8, 44, Align::kLeft);
        faces.Paste(canvas.ToImage(), 0, volume * box.height);
    }
    Avoid(faces, kKey);
    return faces;
}

Image DrawCornerChoices(const Image& cornerBackground) {
    const ScreenBox box = kCornerHelp;
    const Image behind = Behind(cornerBackground, box);
    const char* const texts[kCornerChoiceKinds][2] = {{"Normal", "Normal"},
                                                      {"Generous", "Generous"},
                                                      {"Very", "generous"},
                                                      {"Help off", "Help on"},
                                                      {"Lock off", "Lock on"}};
    Image faces(box.width, box.height * kCornerChoiceKinds * 2);
    for (int kind = 0; kind < kCornerChoiceKinds; ++kind)
        for (int chosen = 0; chosen < 2; ++chosen) {
            const bool twoWords = kind == kFitVeryGenerous;
            const char* first = texts[kind][twoWords ? 0 : chosen];
            const char* second = twoWords ? texts[kind][1] : nullptr;
            const ButtonSymbol symbol = [first, second, chosen](cairo_t* cr, double w, double h) {
                UseFont(cr, Font::kSansBold, chosen ? 15 : 17);
                const double x = w / 2 + (chosen ? 11 : 0);
                if (second == nullptr) {
                    DrawText(cr, first, x, h / 2 + 6, Align::kCentre);
                } else {
                    DrawText(cr, first, x, h / 2 - 3, Align::kCentre);
                    DrawText(cr, second, x, h / 2 + 15, Align::kCentre);
                }
                if (chosen) {
                    // A tick: this one is in force.
                    cairo_set_line_width(cr, 3.5);
                    cairo_move_to(cr, 7, h / 2);
                    cairo_line_to(cr, 12, h / 2 + 6);
                    cairo_line_to(cr, 21, h / 2 - 7);
                    cairo_stroke(cr);
                }
            };
            const Image face = Released(behind, chosen ? kChosen : kCreamButton, symbol);
            faces.Paste(face, 0, (kind * 2 + chosen) * box.height);
        }
    return faces;
}

Image DrawCornerHoldButtons(const Image& cornerBackground) {
    const Image behind = Behind(cornerBackground, CornerStartAgainBox(0));
    const int h = behind.Height();
    Image faces(behind.Width(), 2 * h * kCornerHoldFaces);
    faces.Paste(HeldFaces(behind, kAgain,
                          [](cairo_t* cr, double cx, double cy) {
                              cairo_set_line_width(cr, 2.5);
                              cairo_new_sub_path(cr);
                              cairo_arc(cr, cx, cy, 7, -kPi * 0.3, kPi * 1.4);
                              cairo_stroke(cr);
                              Poly(cr, {cx + 4, cy - 9, cx + 10, cy - 3, cx + 3, cy - 1});
                              cairo_fill(cr);
                          }),
                0, 0);
    faces.Paste(HeldFaces(behind, kRemove,
                          [](cairo_t* cr, double cx, double cy) {
                              cairo_set_line_width(cr, 3.5);
                              cairo_move_to(cr, cx - 6, cy - 6);
                              cairo_line_to(cr, cx + 6, cy + 6);
                              cairo_move_to(cr, cx + 6, cy - 6);
                              cairo_line_to(cr, cx - 6, cy + 6);
                              cairo_stroke(cr);
                          }),
                0, h * kCornerHoldFaces);
    return faces;
}

Image DrawCornerDoor(const Image& titleScreen) {
    const Image behind = Behind(titleScreen, kCornerDoor);
    // A small key: only a grown-up who knows to hold it gets in.
    return HeldFaces(behind, kCreamButton, [](cairo_t* cr, double cx, double cy) {
        cairo_set_line_width(cr, 3);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx - 5, cy, 5, 0, 2 * kPi);
        cairo_move_to(cr, cx, cy);
        cairo_line_to(cr, cx + 10, cy);
        cairo_move_to(cr, cx + 7, cy);
        cairo_line_to(cr, cx + 7, cy + 5);
        cairo_stroke(cr);
    });
}

} // namespace content
