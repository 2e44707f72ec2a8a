#include "lettering.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <map>
#include <stdexcept>

namespace content {

namespace {

const char kFontFolder[] = "/usr/share/fonts/truetype/dejavu/";

const char* FileOf(Font font) {
    switch (font) {
    case Font::kSans:
        return "DejaVuSans.ttf";
    case Font::kSansBold:
        return "DejaVuSans-Bold.ttf";
    case Font::kSerifBold:
        return "DejaVuSerif-Bold.ttf";
    case Font::kSerifItalic:
        return "DejaVuSerif-Italic.ttf";
    }
    return "DejaVuSans.ttf";
}

// Faces stay loaded for the whole run; the tool is one short process.
cairo_font_face_t* FaceOf(Font font) {
    static FT_Library library = nullptr;
    static std::map<Font, cairo_font_face_t*> faces;
    if (!library && FT_Init_FreeType(&library) != 0)
        throw std::runtime_error("cannot start FreeType");
    auto found = faces.find(font);
    if (found != faces.end())
        return found->second;
    const std::string path = std::string(kFontFolder) + FileOf(font);
    FT_Face face = nullptr;
    if (FT_New_Face(library, path.c_str(), 0, &face) != 0)
        throw std::runtime_error("cannot load the font " + path +
                                 " (fonts-dejavu-core, fonts-dejavu-extra)");
    cairo_font_face_t* cairoFace = cairo_ft_font_face_create_for_ft_face(face, FT_LOAD_NO_HINTING);
    faces[font] = cairoFace;
    return cairoFace;
}

double StartX(cairo_t* cr, const std::string& text, double x, Align align) {
    const double width = TextWidth(cr, text);
    return align == Align::kLeft ? x : align == Align::kCentre ? x - width / 2 : x - width;
}

} // namespace

void UseFont(cairo_t* cr, Font font, double size) {
    cairo_set_font_face(cr, FaceOf(font));
    cairo_set_font_size(cr, size);
}

double TextWidth(cairo_t* cr, const std::string& text) {
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

void TextPath(cairo_t* cr, const std::string& text, double x, double y, Align align) {
    cairo_move_to(cr, StartX(cr, text, x, align), y);
    cairo_text_path(cr, text.c_str());
}

void DrawText(cairo_t* cr, const std::string& text, double x, double y, Align align) {
    TextPath(cr, text, x, y, align);
    cairo_fill(cr);
}

} // namespace content
