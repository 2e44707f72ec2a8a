#include "paint.h"

namespace content {

namespace {

void AddStops(cairo_pattern_t* pattern, ColourStops stops) {
    for (const ColourStop& stop : stops)
        cairo_pattern_add_color_stop_rgba(pattern, stop.offset, stop.colour.r / 255.0,
                                          stop.colour.g / 255.0, stop.colour.b / 255.0, stop.alpha);
}

// The source keeps the pattern as long as it needs it.
void UsePattern(cairo_t* cr, cairo_pattern_t* pattern, ColourStops stops) {
    AddStops(pattern, stops);
    cairo_set_source(cr, pattern);
    cairo_pattern_destroy(pattern);
}

} // namespace

void SetColour(cairo_t* cr, Rgb colour, double alpha) {
    cairo_set_source_rgba(cr, colour.r / 255.0, colour.g / 255.0, colour.b / 255.0, alpha);
}

void UseLinearGradient(cairo_t* cr, double x0, double y0, double x1, double y1, ColourStops stops) {
    UsePattern(cr, cairo_pattern_create_linear(x0, y0, x1, y1), stops);
}

void UseRadialGradient(cairo_t* cr, double x0, double y0, double r0, double x1, double y1,
                       double r1, ColourStops stops) {
    UsePattern(cr, cairo_pattern_create_radial(x0, y0, r0, x1, y1, r1), stops);
}

void FillVertical(cairo_t* cr, double x, double y, double w, double h, ColourStops stops) {
    UseLinearGradient(cr, 0, y, 0, y + h, stops);
    cairo_rectangle(cr, x, y, w, h);
    cairo_fill(cr);
}

void FillVertical(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom) {
    FillVertical(cr, x, y, w, h, {{0, top}, {1, bottom}});
}

void FillWithOutline(cairo_t* cr, Rgb edge, double width) {
    cairo_fill_preserve(cr);
    SetColour(cr, edge);
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - radius, y + radius, radius, -kPi / 2, 0);
    cairo_arc(cr, x + w - radius, y + h - radius, radius, 0, kPi / 2);
    cairo_arc(cr, x + radius, y + h - radius, radius, kPi / 2, kPi);
    cairo_arc(cr, x + radius, y + radius, radius, kPi, 3 * kPi / 2);
    cairo_close_path(cr);
}

void Poly(cairo_t* cr, std::initializer_list<double> xy) {
    const double* p = xy.begin();
    cairo_move_to(cr, p[0], p[1]);
    for (size_t i = 2; i + 1 < xy.size(); i += 2)
        cairo_line_to(cr, p[i], p[i + 1]);
    cairo_close_path(cr);
}

void PolygonPath(cairo_t* cr, const Polygon& points, double dx, double dy) {
    for (size_t i = 0; i < points.size(); ++i)
        i == 0 ? cairo_move_to(cr, dx + points[i].x, dy + points[i].y)
               : cairo_line_to(cr, dx + points[i].x, dy + points[i].y);
    cairo_close_path(cr);
}

} // namespace content
