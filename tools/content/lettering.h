// Lettering in the DejaVu fonts, loaded from their files by name so that the
// same font is used whatever the system's font configuration says.
#pragma once

#include <cairo.h>
#include <string>

namespace content {

enum class Font { kSans, kSansBold, kSerifBold, kSerifItalic };
enum class Align { kLeft, kCentre, kRight };

// Sets the font and size on cr.
void UseFont(cairo_t* cr, Font font, double size);
double TextWidth(cairo_t* cr, const std::string& text);
// Adds the text's outline to the current path with its baseline at y.
void TextPath(cairo_t* cr, const std::string& text, double x, double y, Align align);
// Fills the text in the current source.
void DrawText(cairo_t* cr, const std::string& text, double x, double y, Align align);

} // namespace content
