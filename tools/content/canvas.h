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

} // namespace content
