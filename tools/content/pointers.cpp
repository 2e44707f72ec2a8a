#include "pointers.h"

#include "canvas.h"
#include "outline.h"
#include "paint.h"

#include <cairo.h>
#include <cmath>
#include <functional>

namespace content {

namespace {

void Put(std::vector<uint8_t>& out, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// Draws a two-colour pointer without antialiasing: the shape's union filled
// white, every filled pixel next to an empty one black (a one-pixel outline
// around the whole shape only), then any inner lines the shape adds.
CursorPicture Rasterise(const std::string& name, Point hotSpot,
                        const std::function<void(cairo_t*)>& shape,
                        const std::function<void(cairo_t*)>& lines = nullptr) {
    Canvas canvas(kCursorSize, kCursorSize);
    cairo_t* cr = canvas.Context();
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    SetColour(cr, kKey);
    cairo_paint(cr);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
    shape(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill(cr);
    const Image filled = canvas.ToImage();
    auto inside = [&filled](int x, int y) {
        return filled.Inside(x, y) && filled.At(x, y) != kKey;
    };
    CursorPicture cursor{name, hotSpot, {}};
    for (int y = 0; y < kCursorSize; ++y)
        for (int x = 0; x < kCursorSize; ++x) {
            const bool edge =
                !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            cursor.pixels.push_back(!inside(x, y) ? CursorPixel::kClear
                                    : edge        ? CursorPixel::kBlack
                                                  : CursorPixel::kWhite);
        }
    if (lines) {
        SetColour(cr, kKey);
        cairo_paint(cr);
        cairo_set_source_rgb(cr, 0, 0, 0);
        cairo_set_line_width(cr, 1.0);
        lines(cr);
        cairo_stroke(cr);
        const Image drawn = canvas.ToImage();
        for (int y = 0; y < kCursorSize; ++y)
            for (int x = 0; x < kCursorSize; ++x)
                if (drawn.At(x, y) != kKey && inside(x, y))
                    cursor.pixels[y * kCursorSize + x] = CursorPixel::kBlack;
    }
    return cursor;
}

void ArrowShape(cairo_t* cr) {
    // Tip at the hot spot (3, 3).
    Poly(cr, {3, 3, 3, 24, 8.5, 18.5, 12.5, 27.5, 16.5, 26, 12.5, 17.5, 20, 17.5});
}

void Finger(cairo_t* cr, double x, double top, double bottom, double width) {
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + width / 2, top + width / 2, width / 2, kPi, 2 * kPi);
    cairo_line_to(cr, x + width, bottom);
    cairo_line_to(cr, x, bottom);
    cairo_close_path(cr);
}

void OpenHandShape(cairo_t* cr) {
    // Index fingertip at the hot spot (11, 5).
    Finger(cr, 9, 5, 18, 5);
    Finger(cr, 14, 3, 18, 5);
    Finger(cr, 19, 5, 18, 5);
    Finger(cr, 24, 8, 19, 4);
    // The palm, and the thumb reaching out to the left.
    Poly(cr, {9, 16, 28, 16, 28, 23, 24, 29, 12, 29, 8, 24, 3, 17, 4, 15, 6, 15});
}

void OpenHandLines(cairo_t* cr) {
    for (double x : {14.5, 19.5, 24.5}) {
        cairo_move_to(cr, x, 9);
        cairo_line_to(cr, x, 17);
    }
}

void GripShape(cairo_t* cr) {
    // A closed hand seen from the back, centred on the hot spot (17, 17).
    for (int i = 0; i < 4; ++i)
        Finger(cr, 8 + 5 * i, 9 + (i == 0 || i == 3 ? 2 : 0), 16, 5);
    Poly(cr, {8, 14, 28, 14, 28, 22, 25, 27, 11, 27, 6, 22, 5, 17});
}

void GripLines(cairo_t* cr) {
    for (double x : {13.5, 18.5, 23.5}) {
        cairo_move_to(cr, x, 11);
        cairo_line_to(cr, x, 16);
    }
    // The thumb folded across the fingers.
    cairo_move_to(cr, 6.5, 18.5);
    cairo_line_to(cr, 16.5, 18.5);
}

IconPicture DrawIcon(int size) {
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_GRAY);
    const double s = size;
    // A blue tile with a golden jigsaw piece on it.
    RoundedRect(cr, s * 0.04, s * 0.04, s * 0.92, s * 0.92, s * 0.18);
    UseLinearGradient(cr, 0, 0, 0, s, {{0, Hex(0x4aa3e8)}, {1, Hex(0x1f5e9c)}});
    cairo_fill(cr);
    const double pieceSize = s * 0.62;
    const double offset = (s - pieceSize) / 2;
    PolygonPath(cr, EmblemOutline(pieceSize), offset, offset);
    SetColour(cr, Hex(0xffd34d));
    FillWithOutline(cr, Hex(0x8a5a10), std::max(1.0, s / 24));
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    IconPicture icon{size, {}};
    const unsigned char* data = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const uint32_t p = reinterpret_cast<const uint32_t*>(data + y * stride)[x];
            const uint32_t a = p >> 24;
            auto straight = [a](uint32_t c) {
                return static_cast<uint8_t>(
                    a == 0 ? 0 : std::min<uint32_t>(255, (c * 255 + a / 2) / a));
            };
            icon.rgba.push_back(straight((p >> 16) & 0xFF));
            icon.rgba.push_back(straight((p >> 8) & 0xFF));
            icon.rgba.push_back(straight(p & 0xFF));
            icon.rgba.push_back(static_cast<uint8_t>(a));
        }
    cairo_surface_destroy(surface);
    return icon;
}

} // namespace

std::vector<CursorPicture> DrawCursors() {
    return {Rasterise("ArrowCursor", {3, 3}, ArrowShape),
            Rasterise("HandCursor", {11, 5}, OpenHandShape, OpenHandLines),
            Rasterise("HandCursor2", {17, 17}, GripShape, GripLines)};
}

std::vector<uint8_t> EncodeCursor(const CursorPicture& cursor) {
    const uint32_t rowBytes = kCursorSize / 8;
    const uint32_t imageBytes = 40 + 8 + 2 * rowBytes * kCursorSize;
    std::vector<uint8_t> out;
    // The directory: one 32 x 32 two-colour image with its hot spot.
    Put(out, 0, 2);
    Put(out, 2, 2);
    Put(out, 1, 2);
    Put(out, kCursorSize, 1);
    Put(out, kCursorSize, 1);
    Put(out, 2, 1);
    Put(out, 0, 1);
    Put(out, static_cast<uint32_t>(cursor.hotSpot.x), 2);
    Put(out, static_cast<uint32_t>(cursor.hotSpot.y), 2);
    Put(out, imageBytes, 4);
    Put(out, 22, 4);
    // The image: a header twice as tall (colour rows then mask rows), a
    // black and white palette, then both one-bit bitmaps bottom row first.
    Put(out, 40, 4);
    Put(out, kCursorSize, 4);
    Put(out, 2 * kCursorSize, 4);
    Put(out, 1, 2);
    Put(out, 1, 2);
    Put(out, 0, 4);
    Put(out, 2 * rowBytes * kCursorSize, 4);
    Put(out, 0, 4), Put(out, 0, 4), Put(out, 0, 4), Put(out, 0, 4);
    Put(out, 0x00000000, 4);
    Put(out, 0x00FFFFFF, 4);
    for (int pass = 0; pass < 2; ++pass)
        for (int y = kCursorSize - 1; y >= 0; --y)
            for (uint32_t byte = 0; byte < rowBytes; ++byte) {
                uint8_t bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const CursorPixel p = cursor.pixels[y * kCursorSize + byte * 8 + bit];
                    const bool on = pass == 0 ? p == CursorPixel::kWhite : p == CursorPixel::kClear;
                    bits = static_cast<uint8_t>(bits | (on ? 0x80 >> bit : 0));
                }
                out.push_back(bits);
            }
    return out;
}

std::vector<IconPicture> DrawIcons() {
    return {DrawIcon(16), DrawIcon(32), DrawIcon(48)};
}

std::vector<uint8_t> EncodeIcon(const std::vector<IconPicture>& icons) {
    std::vector<std::vector<uint8_t>> images;
    for (const IconPicture& icon : icons) {
        const int s = icon.size;
        const uint32_t maskRow = static_cast<uint32_t>(((s + 31) / 32) * 4);
        std::vector<uint8_t> image;
        Put(image, 40, 4);
        Put(image, static_cast<uint32_t>(s), 4);
        Put(image, static_cast<uint32_t>(2 * s), 4);
        Put(image, 1, 2);
        Put(image, 32, 2);
        Put(image, 0, 4);
        Put(image, static_cast<uint32_t>(s * s * 4) + maskRow * s, 4);
        Put(image, 0, 4), Put(image, 0, 4), Put(image, 0, 4), Put(image, 0, 4);
        for (int y = s - 1; y >= 0; --y)
            for (int x = 0; x < s; ++x) {
                const uint8_t* p = &icon.rgba[(y * s + x) * 4];
                image.insert(image.end(), {p[2], p[1], p[0], p[3]});
            }
        // The mask marks fully transparent pixels for systems without alpha.
        for (int y = s - 1; y >= 0; --y)
            for (uint32_t byte = 0; byte < maskRow; ++byte) {
                uint8_t bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const int x = static_cast<int>(byte * 8) + bit;
                    if (x < s && icon.rgba[(y * s + x) * 4 + 3] == 0)
                        bits = static_cast<uint8_t>(bits | (0x80 >> bit));
                }
                image.push_back(bits);
            }
        images.push_back(std::move(image));
    }
    std::vector<uint8_t> out;
    Put(out, 0, 2);
    Put(out, 1, 2);
    Put(out, static_cast<uint32_t>(icons.size()), 2);
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(icons.size());
    for (size_t i = 0; i < icons.size(); ++i) {
        Put(out, static_cast<uint32_t>(icons[i].size), 1);
        Put(out, static_cast<uint32_t>(icons[i].size), 1);
        Put(out, 0, 1);
        Put(out, 0, 1);
        Put(out, 1, 2);
        Put(out, 32, 2);
        Put(out, static_cast<uint32_t>(images[i].size()), 4);
        Put(out, offset, 4);
        offset += static_cast<uint32_t>(images[i].size());
    }
    for (const auto& image : images)
        out.insert(out.end(), image.begin(), image.end());
    return out;
}

} // namespace content
