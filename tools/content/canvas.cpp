#include "canvas.h"

#include <stdexcept>

namespace content {

Canvas::Canvas(int w, int h)
    : width(w), height(h), surface(cairo_image_surface_create(CAIRO_FORMAT_RGB24, w, h)),
      cr(cairo_create(surface)) {
    if (cairo_status(cr) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a drawing surface");
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_subpixel_order(options, CAIRO_SUBPIXEL_ORDER_DEFAULT);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
}

Canvas::Canvas(const Image& image) : Canvas(image.Width(), image.Height()) {
    cairo_surface_flush(surface);
    unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < height; ++y) {
        uint32_t* row = reinterpret_cast<uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x) {
            const Rgb& p = image.At(x, y);
            row[x] = 0xFF000000u | (uint32_t{p.r} << 16) | (uint32_t{p.g} << 8) | p.b;
        }
    }
    cairo_surface_mark_dirty(surface);
}

Canvas::~Canvas() {
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

Image Canvas::ToImage() const {
    cairo_surface_flush(surface);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        const uint32_t* row =
            reinterpret_cast<const uint32_t*>(data + static_cast<size_t>(y) * stride);
        for (int x = 0; x < width; ++x)
            image.At(x, y) = {static_cast<uint8_t>(row[x] >> 16), static_cast<uint8_t>(row[x] >> 8),
                              static_cast<uint8_t>(row[x])};
    }
    return image;
}

void Canvas::WritePng(const std::string& path) const {
    cairo_surface_flush(surface);
    if (cairo_surface_write_to_png(surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write " + path);
}

} // namespace content
