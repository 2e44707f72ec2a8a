#include "photos/photo_pixels.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace photos {

namespace {

int BytesPerPixel(PixelLayout layout) {
    return layout == PixelLayout::kBgra32 ? 4 : 3;
}

// A colour channel laid over white by its alpha, rounded.
uint8_t OverWhite(uint8_t channel, uint8_t alpha) {
    return static_cast<uint8_t>((channel * alpha + 255 * (255 - alpha) + 127) / 255);
}

Rgb ReadPixel(const uint8_t* p, PixelLayout layout) {
    if (layout == PixelLayout::kBgr24 || p[3] == 255)
        return {p[2], p[1], p[0]};
    return {OverWhite(p[2], p[3]), OverWhite(p[1], p[3]), OverWhite(p[0], p[3])};
}

// Where upright pixel (x, y) lies in a stored picture of sw x sh pixels.
Point StoredPoint(Orientation orientation, int x, int y, int sw, int sh) {
    switch (orientation) {
    case Orientation::kMirrored:
        return {sw - 1 - x, y};
    case Orientation::kUpsideDown:
        return {sw - 1 - x, sh - 1 - y};
    case Orientation::kFlipped:
        return {x, sh - 1 - y};
    case Orientation::kTransposed:
        return {y, x};
    case Orientation::kTurnedLeft:
        return {y, sh - 1 - x};
    case Orientation::kTransverse:
        return {sw - 1 - y, sh - 1 - x};
    case Orientation::kTurnedRight:
        return {sw - 1 - y, x};
    case Orientation::kUpright:
    default:
        return {x, y};
    }
}

// The source pixels that make up each of `out` output pixels along one
// axis, and how much each counts: every source pixel a shrunk output pixel
// covers, by the share it covers; the two nearest ones when enlarging.
struct Taps {
    std::vector<int> first;
    std::vector<int> count;
    std::vector<float> weight; // count[i] weights per output, in order
    int widest = 0;
};

Taps MakeTaps(int in, int out) {
    Taps taps;
    const double scale = static_cast<double>(in) / out;
    for (int o = 0; o < out; ++o) {
        int first = 0, count = 0;
        if (scale >= 1.0) {
            const double from = o * scale, to = (o + 1) * scale;
            first = static_cast<int>(std::floor(from));
            const int last = std::min(in - 1, static_cast<int>(std::ceil(to)) - 1);
            for (int s = first; s <= last; ++s) {
                const double covered = std::min<double>(to, s + 1) - std::max<double>(from, s);
                taps.weight.push_back(static_cast<float>(covered / scale));
            }
            count = last - first + 1;
        } else {
            const double centre = std::clamp((o + 0.5) * scale - 0.5, 0.0, in - 1.0);
            first = std::min(static_cast<int>(centre), std::max(0, in - 2));
            const double along = centre - first;
            count = in > 1 ? 2 : 1;
            taps.weight.push_back(static_cast<float>(in > 1 ? 1.0 - along : 1.0));
            if (in > 1)
                taps.weight.push_back(static_cast<float>(along));
        }
        taps.first.push_back(first);
        taps.count.push_back(count);
        taps.widest = std::max(taps.widest, count);
    }
    return taps;
}

// Scales the block (x0, y0, w, h) of the stored photo to outW x outH.
Image ScaleBlock(const DecodedPhoto& photo, Box block, int outW, int outH) {
    const Taps across = MakeTaps(block.w, outW);
    const Taps down = MakeTaps(block.h, outH);
    const int bytes = BytesPerPixel(photo.layout);
    // Every source row of the block, scaled across; then the rows are mixed down.
    std::vector<float> rows(static_cast<size_t>(block.h) * outW * 3);
    for (int y = 0; y < block.h; ++y) {
        const uint8_t* row = photo.pixels + static_cast<size_t>(block.y + y) * photo.stride +
                             static_cast<size_t>(block.x) * bytes;
        float* target = &rows[static_cast<size_t>(y) * outW * 3];
        size_t weightAt = 0;
        for (int o = 0; o < outW; ++o) {
            float r = 0, g = 0, b = 0;
            const uint8_t* p = row + static_cast<size_t>(across.first[o]) * bytes;
            for (int t = 0; t < across.count[o]; ++t, p += bytes) {
                const float w = across.weight[weightAt++];
                const Rgb c = ReadPixel(p, photo.layout);
                r += w * c.r, g += w * c.g, b += w * c.b;
            }
            target[3 * o] = r, target[3 * o + 1] = g, target[3 * o + 2] = b;
        }
    }
    Image out(outW, outH);
    std::vector<float> sum(static_cast<size_t>(outW) * 3);
    size_t weightAt = 0;
    for (int o = 0; o < outH; ++o) {
        std::fill(sum.begin(), sum.end(), 0.0f);
        for (int t = 0; t < down.count[o]; ++t) {
            const float w = down.weight[weightAt++];
            const float* source = &rows[static_cast<size_t>(down.first[o] + t) * outW * 3];
            for (size_t i = 0; i < sum.size(); ++i)
                sum[i] += w * source[i];
        }
        auto channel = [](float value) {
            return static_cast<uint8_t>(std::clamp(std::lround(value), 0L, 255L));
        };
        for (int x = 0; x < outW; ++x)
            out.At(x, o) = {channel(sum[3 * x]), channel(sum[3 * x + 1]), channel(sum[3 * x + 2])};
    }
    return out;
}

} // namespace

bool IsReadable(const DecodedPhoto& photo) {
    return photo.pixels != nullptr && photo.width > 0 && photo.height > 0 &&
           photo.stride / BytesPerPixel(photo.layout) >= static_cast<size_t>(photo.width);
}

Image Turned(const Image& stored, Orientation orientation) {
    const int sw = stored.Width(), sh = stored.Height();
    const bool swap = SwapsSides(orientation);
    Image out(swap ? sh : sw, swap ? sw : sh);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const Point from = StoredPoint(orientation, x, y, sw, sh);
            out.At(x, y) = stored.At(from.x, from.y);
        }
    return out;
}

Image UprightPicture(const DecodedPhoto& photo, Orientation orientation) {
    if (!IsReadable(photo))
        return Image();
    Image stored(photo.width, photo.height);
    const int bytes = BytesPerPixel(photo.layout);
    for (int y = 0; y < photo.height; ++y) {
        const uint8_t* p = photo.pixels + static_cast<size_t>(y) * photo.stride;
        for (int x = 0; x < photo.width; ++x, p += bytes)
            stored.At(x, y) = ReadPixel(p, photo.layout);
    }
    return Turned(stored, orientation);
}

Image FramePicture(const DecodedPhoto& photo, Orientation orientation, int32_t frameWidth,
                   int32_t frameHeight) {
    if (!IsReadable(photo) || frameWidth <= 0 || frameHeight <= 0)
        return Image();
    const bool swap = SwapsSides(orientation);
    const int64_t uw = swap ? photo.height : photo.width;
    const int64_t uh = swap ? photo.width : photo.height;
    // The largest block of the frame's shape, from the upright photo's middle.
    Box crop;
    if (uw * frameHeight > uh * frameWidth) {
        crop.h = static_cast<int>(uh);
        crop.w = static_cast<int>(
            std::max<int64_t>(1, (uh * frameWidth + frameHeight / 2) / frameHeight));
    } else {
        crop.w = static_cast<int>(uw);
        crop.h = static_cast<int>(
            std::max<int64_t>(1, (uw * frameHeight + frameWidth / 2) / frameWidth));
    }
    crop.x = static_cast<int>((uw - crop.w) / 2);
    crop.y = static_cast<int>((uh - crop.h) / 2);
    // The same block in the stored photo's own rows and columns.
    const Point a = StoredPoint(orientation, crop.x, crop.y, photo.width, photo.height);
    const Point b =
        StoredPoint(orientation, crop.Right() - 1, crop.Bottom() - 1, photo.width, photo.height);
    const Box block{std::min(a.x, b.x), std::min(a.y, b.y), std::abs(a.x - b.x) + 1,
                    std::abs(a.y - b.y) + 1};
    const Image scaled =
        ScaleBlock(photo, block, swap ? frameHeight : frameWidth, swap ? frameWidth : frameHeight);
    return Turned(scaled, orientation);
}

} // namespace photos
