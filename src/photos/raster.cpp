#include "photos/raster.h"

#include <algorithm>
#include <cmath>

namespace photos {

Image::Image(int w, int h, Rgb fill)
    : width(w), height(h), pixels(static_cast<size_t>(w) * h, fill) {}

Image Image::Crop(int x, int y, int w, int h) const {
    Image out(w, h);
    for (int row = 0; row < h; ++row)
        for (int col = 0; col < w; ++col)
            if (Inside(x + col, y + row))
                out.At(col, row) = At(x + col, y + row);
    return out;
}

void Image::Paste(const Image& src, int x, int y, bool opaque) {
    for (int row = 0; row < src.Height(); ++row)
        for (int col = 0; col < src.Width(); ++col) {
            const Rgb& pixel = src.At(col, row);
            if (Inside(x + col, y + row) && (opaque || pixel != kKey))
                At(x + col, y + row) = pixel;
        }
}

Mask::Mask(int w, int h) : width(w), height(h), bits(static_cast<size_t>(w) * h, 0) {}

int Mask::Count() const {
    return static_cast<int>(std::count(bits.begin(), bits.end(), uint8_t{1}));
}

Rgb Mix(Rgb a, Rgb b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto channel = [t](uint8_t from, uint8_t to) {
        return static_cast<uint8_t>(std::lround(from + (to - from) * t));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

Rgb Nudged(Rgb colour) {
    colour.g = static_cast<uint8_t>(colour.g < 255 ? colour.g + 1 : colour.g - 1);
    return colour;
}

void Avoid(Image& image, Rgb colour) {
    for (int y = 0; y < image.Height(); ++y)
        for (int x = 0; x < image.Width(); ++x)
            if (image.At(x, y) == colour)
                image.At(x, y) = Nudged(colour);
}

std::vector<float> Coverage(const Mask& mask, int radius) {
    const int w = mask.Width();
    const int h = mask.Height();
    // Summed-area table with a zero border row and column.
    std::vector<int> sums(static_cast<size_t>(w + 1) * (h + 1), 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            sums[(y + 1) * (w + 1) + x + 1] = (mask.At(x, y) ? 1 : 0) + sums[y * (w + 1) + x + 1] +
                                              sums[(y + 1) * (w + 1) + x] - sums[y * (w + 1) + x];
    const float area = static_cast<float>((2 * radius + 1) * (2 * radius + 1));
    std::vector<float> out(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int x0 = std::max(0, x - radius), x1 = std::min(w, x + radius + 1);
            const int y0 = std::max(0, y - radius), y1 = std::min(h, y + radius + 1);
            const int inside = sums[y1 * (w + 1) + x1] - sums[y0 * (w + 1) + x1] -
                               sums[y1 * (w + 1) + x0] + sums[y0 * (w + 1) + x0];
            out[static_cast<size_t>(y) * w + x] = static_cast<float>(inside) / area;
        }
    return out;
}

} // namespace photos
