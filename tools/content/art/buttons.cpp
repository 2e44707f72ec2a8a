#include "art/buttons.h"

#include "art/motifs.h"
#include "canvas.h"
#include "lettering.h"

#include <cmath>

namespace content {

namespace {

void DrawFace(cairo_t* cr, double w, double h, const ButtonColours& colours, bool pressed,
              const ButtonSymbol& symbol) {
    const double inset = 2, radius = std::min(12.0, h / 3);
    const double sink = pressed ? 2 : 0;
    const double faceH = h - 2 * inset - 3;
    if (!pressed) {
        // A soft drop shadow below the raised face.
        RoundedRect(cr, inset, inset + 3, w - 2 * inset, faceH, radius);
        cairo_set_source_rgba(cr, 0, 0, 0, 0.35);
        cairo_fill(cr);
    }
    const double top = inset + sink;
    RoundedRect(cr, inset, top, w - 2 * inset, faceH, radius);
    SetColour(cr, colours.edge);
    cairo_fill(cr);
    RoundedRect(cr, inset + 1.5, top + 1.5, w - 2 * inset - 3, faceH - 3, radius - 1.5);
    UseLinearGradient(cr, 0, top, 0, top + faceH,
                      {{0, pressed ? colours.dark : colours.light},
                       {1, pressed ? Mix(colours.dark, colours.light, 0.35) : colours.dark}});
    cairo_fill(cr);
    // Highlight along the top edge when raised; a shadow there when sunk.
    RoundedRect(cr, inset + 3, top + 3, w - 2 * inset - 6, faceH - 6, radius - 3);
    cairo_set_line_width(cr, 1.5);
    if (pressed)
        cairo_set_source_rgba(cr, 0, 0, 0, 0.22);
    else
        cairo_set_source_rgba(cr, 1, 1, 1, 0.45);
    cairo_stroke(cr);
    cairo_save(cr);
    cairo_translate(cr, 0, top - inset + (pressed ? 0.5 : 0));
    SetColour(cr, pressed ? Mix(colours.ink, colours.dark, 0.2) : colours.ink);
    symbol(cr, w, h - 3);
    cairo_restore(cr);
}

} // namespace

void HoldRing(cairo_t* cr, double cx, double cy, double r, double done, double width) {
    cairo_set_line_width(cr, width);
    cairo_new_sub_path(cr);
    cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
    cairo_save(cr);
    cairo_set_source_rgba(cr, 1, 1, 1, 0.55);
    cairo_stroke(cr);
    cairo_restore(cr);
    if (done > 0) {
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, -kPi / 2, -kPi / 2 + 2 * kPi * done);
        cairo_stroke(cr);
    }
}

Image DrawButton(const Image& behind, const ButtonColours& colours, const ButtonSymbol& symbol) {
    const int w = behind.Width(), h = behind.Height();
    Image both(w, 2 * h);
    for (int face = 0; face < 2; ++face) {
        Canvas canvas(behind);
        DrawFace(canvas.Context(), w, h, colours, face == 1, symbol);
        both.Paste(canvas.ToImage(), 0, face * h);
    }
    Avoid(both, kKey);
    return both;
}

ButtonSymbol TextSymbol(const char* text, double size) {
    return [text, size](cairo_t* cr, double w, double h) {
        UseFont(cr, Font::kSansBold, size);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        DrawText(cr, text, w / 2, h / 2 + (font.ascent - font.descent) / 2 - 1, Align::kCentre);
    };
}

ButtonSymbol ArrowSymbol(bool left) {
    return [left](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2, s = h * 0.28;
        const double dir = left ? -1 : 1;
        Poly(cr, {cx + dir * s * 1.1, cy, cx - dir * s * 0.2, cy - s, cx - dir * s * 0.2,
                  cy - s * 0.45, cx - dir * s * 1.0, cy - s * 0.45, cx - dir * s * 1.0,
                  cy + s * 0.45, cx - dir * s * 0.2, cy + s * 0.45, cx - dir * s * 0.2, cy + s});
        cairo_fill(cr);
    };
}

ButtonSymbol InfoSymbol() {
    return [](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2, r = h * 0.3;
        cairo_set_line_width(cr, 3);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, 0, 2 * kPi);
        cairo_stroke(cr);
        UseFont(cr, Font::kSerifBold, r * 1.45);
        DrawText(cr, "i", cx, cy + r * 0.5, Align::kCentre);
    };
}

ButtonSymbol DoorSymbol() {
    return [](cairo_t* cr, double w, double h) {
        const double cx = w / 2 - 4, cy = h / 2, s = h * 0.3;
        cairo_set_line_width(cr, 2.5);
        cairo_rectangle(cr, cx - s * 0.7, cy - s, s * 1.2, s * 2);
        cairo_stroke(cr);
        // The door swung open, with its knob, and an arrow stepping out.
        Poly(cr, {cx - s * 0.7, cy - s, cx + s * 0.1, cy - s * 0.75, cx + s * 0.1, cy + s * 1.15,
                  cx - s * 0.7, cy + s});
        cairo_fill(cr);
        cairo_move_to(cr, cx + s * 0.55, cy);
        cairo_line_to(cr, cx + s * 1.5, cy);
        cairo_stroke(cr);
        Poly(cr, {cx + s * 1.85, cy, cx + s * 1.25, cy - s * 0.45, cx + s * 1.25, cy + s * 0.45});
        cairo_fill(cr);
    };
}

ButtonSymbol ClearSymbol() {
    return [](cairo_t* cr, double w, double h) {
        // A circular "start again" arrow beside the word.
        const double cx = 30, cy = h / 2, r = h * 0.22;
        cairo_set_line_width(cr, 3);
        cairo_new_sub_path(cr);
        cairo_arc(cr, cx, cy, r, -kPi * 0.35, kPi * 1.35);
        cairo_stroke(cr);
        const double ax = cx + r * std::cos(-kPi * 0.35), ay = cy + r * std::sin(-kPi * 0.35);
        Poly(cr, {ax + 6, ay - 1, ax - 3, ay - 6, ax - 1, ay + 5});
        cairo_fill(cr);
        UseFont(cr, Font::kSansBold, 20);
        DrawText(cr, "Clear", 52, h / 2 + 7, Align::kLeft);
        (void)w;
    };
}

ButtonSymbol SpeakerSymbol(int setting) {
    return [setting](cairo_t* cr, double w, double h) {
        const double s = h * 0.11, cx = w / 2 - 1.6 * s, cy = h / 2 + 0.4 * s;
        // The speaker: a box and its cone.
        cairo_rectangle(cr, cx - 2.2 * s, cy - s, 1.4 * s, 2 * s);
        cairo_fill(cr);
        Poly(cr, {cx - 0.9 * s, cy - s, cx + 0.9 * s, cy - 2.3 * s, cx + 0.9 * s, cy + 2.3 * s,
                  cx - 0.9 * s, cy + s});
        cairo_fill(cr);
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
        if (setting == 2) {
            // Silence: a cross where the sound would be.
            const double x = cx + 2.0 * s, d = 1.1 * s;
            cairo_move_to(cr, x, cy - d);
            cairo_line_to(cr, x + 2 * d, cy + d);
            cairo_move_to(cr, x + 2 * d, cy - d);
            cairo_line_to(cr, x, cy + d);
            cairo_stroke(cr);
            return;
        }
        for (int wave = 1; wave <= 2; ++wave) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, cx + 0.4 * s, cy, 0.9 * s + 0.8 * s * wave, -kPi / 4, kPi / 4);
            cairo_stroke(cr);
        }
        // A note up to the right: the music. Struck through while it is off.
        const double nx = cx + 4.1 * s, ny = cy - 2.3 * s;
        motif::Ellipse(cr, nx, ny + 0.9 * s, 0.6 * s, 0.45 * s);
        cairo_fill(cr);
        cairo_set_line_width(cr, 1.6);
        cairo_move_to(cr, nx + 0.55 * s, ny + 0.9 * s);
        cairo_line_to(cr, nx + 0.55 * s, ny - 0.9 * s);
        cairo_line_to(cr, nx + 1.3 * s, ny - 0.4 * s);
        cairo_stroke(cr);
        if (setting == 1) {
            cairo_set_line_width(cr, 2.2);
            cairo_move_to(cr, nx - 1.0 * s, ny - 1.2 * s);
            cairo_line_to(cr, nx + 1.7 * s, ny + 1.8 * s);
            cairo_stroke(cr);
        }
    };
}

ButtonSymbol BookSymbol() {
    return [](cairo_t* cr, double w, double h) {
        const double cx = w / 2, cy = h / 2 + 1, pw = w * 0.3, ph = h * 0.38;
        cairo_set_line_width(cr, 2.2);
        cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
        // Two pages open from the spine, each with a few lines of pictures.
        for (int side = -1; side <= 1; side += 2) {
            cairo_move_to(cr, cx, cy - ph / 2 + 3);
            cairo_curve_to(cr, cx + side * pw * 0.4, cy - ph / 2 - 2, cx + side * pw * 0.8,
                           cy - ph / 2 - 2, cx + side * pw, cy - ph / 2 + 1);
            cairo_line_to(cr, cx + side * pw, cy + ph / 2);
            cairo_curve_to(cr, cx + side * pw * 0.8, cy + ph / 2 - 3, cx + side * pw * 0.4,
                           cy + ph / 2 - 3, cx, cy + ph / 2 + 2);
            cairo_close_path(cr);
            cairo_stroke(cr);
            for (int row = 0; row < 2; ++row) {
                const double y = cy - ph / 2 + 5 + row * ph * 0.42;
                const double x0 = side < 0 ? cx - pw + 3 : cx + 4;
                cairo_rectangle(cr, x0, y, pw - 7, ph * 0.3);
                cairo_fill(cr);
            }
        }
    };
}

} // namespace content
