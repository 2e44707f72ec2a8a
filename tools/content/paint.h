// The colours, gradients and paths every picture is drawn with, over Cairo,
// so that a drawing reads as a list of what it draws.
#pragma once

#include "image.h"
#include "outline.h"

#include <cairo.h>
#include <cstdint>
#include <initializer_list>

namespace content {

constexpr double kPi = 3.14159265358979323846;

// 0xRRGGBB as a colour.
constexpr Rgb Hex(uint32_t rgb) {
    return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
            static_cast<uint8_t>(rgb)};
}

void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0);

// A gradient's colour at offset 0 (where it starts) to 1 (where it ends).
struct ColourStop {
    double offset;
    Rgb colour;
    double alpha = 1.0;
};
using ColourStops = std::initializer_list<ColourStop>;

// Makes a gradient the source of the next fill, stroke or paint: along the
// line from (x0, y0) to (x1, y1), or from the circle around (x0, y0) of
// radius r0 out to the one around (x1, y1) of radius r1.
void UseLinearGradient(cairo_t* cr, double x0, double y0, double x1, double y1, ColourStops stops);
void UseRadialGradient(cairo_t* cr, double x0, double y0, double r0, double x1, double y1,
                       double r1, ColourStops stops);
// Paints the rectangle with a gradient from its top to its bottom.
void FillVertical(cairo_t* cr, double x, double y, double w, double h, ColourStops stops);
void FillVertical(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);
// Fills the current path with the current source, then draws its outline.
void FillWithOutline(cairo_t* cr, Rgb edge, double width);

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);
// A closed path through x0, y0, x1, y1, ...
void Poly(cairo_t* cr, std::initializer_list<double> xy);
// A closed path through the polygon's points, moved by (dx, dy).
void PolygonPath(cairo_t* cr, const Polygon& points, double dx = 0, double dy = 0);

} // namespace content
