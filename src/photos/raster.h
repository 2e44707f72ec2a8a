// Plain 24-bit pictures and one-bit masks: what every drawing step of the
// content tool and of the photo cutter hands to the next, independent of
// Cairo, of the game's bottom-up images and of file formats.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace photos {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb& other) const { return r == other.r && g == other.g && b == other.b; }
    bool operator!=(const Rgb& other) const { return !(*this == other); }
};

// Every sprite treats this colour as transparent; drawn art must never use it.
constexpr Rgb kKey{255, 0, 255};

// The colour of a drag picture's stippled shadow. Piece bodies never use it,
// so a picture file alone tells shadow from piece.
constexpr Rgb kShadow{22, 18, 14};

struct Point {
    int x = 0;
    int y = 0;
};

struct Box {
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int Right() const { return x + w; }
    int Bottom() const { return y + h; }
    bool Intersects(const Box& o) const {
        return x < o.Right() && o.x < Right() && y < o.Bottom() && o.y < Bottom();
    }
    bool Contains(const Box& o) const {
        return o.x >= x && o.y >= y && o.Right() <= Right() && o.Bottom() <= Bottom();
    }
    Box Inflated(int by) const { return {x - by, y - by, w + 2 * by, h + 2 * by}; }
    Box Moved(int dx, int dy) const { return {x + dx, y + dy, w, h}; }
};

class Image {
public:
    Image() = default;
    Image(int width, int height, Rgb fill = {});

    int Width() const { return width; }
    int Height() const { return height; }
    Rgb& At(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    const Rgb& At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }

    // The block of this picture whose top-left is (x, y).
    Image Crop(int x, int y, int w, int h) const;
    // Copies src with its top-left at (x, y), skipping pixels equal to key
    // unless opaque is set; parts outside this picture are dropped.
    void Paste(const Image& src, int x, int y, bool opaque = true);

    bool operator==(const Image& other) const {
        return width == other.width && height == other.height && pixels == other.pixels;
    }
    bool operator!=(const Image& other) const { return !(*this == other); }

private:
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;
};

class Mask {
public:
    Mask() = default;
    Mask(int width, int height);

    int Width() const { return width; }
    int Height() const { return height; }
    bool At(int x, int y) const {
        return x >= 0 && y >= 0 && x < width && y < height &&
               bits[static_cast<std::size_t>(y) * width + x];
    }
    void Set(int x, int y, bool on) { bits[static_cast<std::size_t>(y) * width + x] = on ? 1 : 0; }
    int Count() const;
    bool operator==(const Mask& other) const {
        return width == other.width && height == other.height && bits == other.bits;
    }

private:
    int width = 0;
    int height = 0;
    std::vector<uint8_t> bits;
};

// a + (b - a) * t per channel, rounded; t is clamped to 0..1.
Rgb Mix(Rgb a, Rgb b, double t);
// Moves every pixel that is exactly `colour` to a neighbouring colour, so
// that drawn art can never turn transparent or pass for a shadow.
void Avoid(Image& image, Rgb colour);
Rgb Nudged(Rgb colour);

// Fraction of the mask set within radius of each pixel (a box blur of the
// mask, 0..1), used for bevels, recesses and soft shadows.
std::vector<float> Coverage(const Mask& mask, int radius);

} // namespace photos
