// A Cairo drawing surface with the settings that keep the content tool's
// output identical on every machine: grey-level antialiasing and no font
// hinting, whatever the system's defaults are.
#pragma once

#include "image.h"

#include <cairo.h>
#include <cstdint>
#include <string>

namespace content {

class Canvas {
public:
    Canvas(int width, int height);
    // A canvas that starts as a copy of image.
    explicit Canvas(const Image& image);
    ~Canvas();

    cairo_t* Context() const { return cr; }
    cairo_surface_t* Surface() const { return surface; }
    int Width() const { return width; }
    int Height() const { return height; }
    // The drawing as opaque 24-bit pixels (any transparency is over black).
    Image ToImage() const;
    void WritePng(const std::string& path) const;

    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

private:
    int width;
    int height;
    cairo_surface_t* surface;
    cairo_t* cr;
};

// 0xRRGGBB as a colour.
constexpr Rgb Hex(uint32_t rgb) {
    return {static_cast<uint8_t>(rgb >> 16), static_cast<uint8_t>(rgb >> 8),
            static_cast<uint8_t>(rgb)};
}

void SetColour(cairo_t* cr, Rgb colour, double alpha = 1.0);
void AddStop(cairo_pattern_t* pattern, double offset, Rgb colour, double alpha = 1.0);
// Paints a vertical gradient from top to bottom colour over the rectangle.
void FillVertical(cairo_t* cr, double x, double y, double w, double h, Rgb top, Rgb bottom);
void RoundedRect(cairo_t* cr, double x, double y, double w, double h, double radius);

} // namespace content
