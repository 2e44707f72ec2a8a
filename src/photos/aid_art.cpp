#include "photos/aid_art.h"

#include "game/play_aids.h"
#include "photos/piece_geometry.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace photos {

namespace {

const Rgb kRingDark{24, 24, 32};
const Rgb kRingBright{255, 248, 214};
const Rgb kGlowInner{255, 112, 0};
const Rgb kGlowOuter{255, 214, 32};

// Distance from each pixel of a frame to the nearest body pixel, measured
// between pixel centres; 0 on the body, and no more than kAidMargin + 1 is
// ever looked for.
class BodyDistance {
public:
    explicit BodyDistance(const Mask& body)
        : w(body.Width() + 2 * AidBodyOffset()), h(body.Height() + 2 * AidBodyOffset()),
          values(static_cast<size_t>(w) * h, kFar) {
        const int offset = AidBodyOffset();
        const int reach = kAidMargin + 1;
        for (int dy = -reach; dy <= reach; ++dy)
            for (int dx = -reach; dx <= reach; ++dx)
                steps.push_back(std::hypot(dx, dy));
        // The nearest body pixel to a pixel off the body is always on the
        // body's edge (one step from it towards the pixel would be nearer
        // otherwise), so only edge pixels spread; the rest are 0 themselves.
        // The photo cutter draws these for every piece while the player waits.
        for (int by = 0; by < body.Height(); ++by)
            for (int bx = 0; bx < body.Width(); ++bx) {
                if (!body.At(bx, by))
                    continue;
                if (body.At(bx - 1, by) && body.At(bx + 1, by) && body.At(bx, by - 1) &&
                    body.At(bx, by + 1))
                    values[static_cast<size_t>(by + offset) * w + bx + offset] = 0.0;
                else
                    Spread(bx + offset, by + offset);
            }
    }
    int Width() const { return w; }
    int Height() const { return h; }
    double At(int x, int y) const { return values[static_cast<size_t>(y) * w + x]; }

private:
    static constexpr double kFar = 1e9;

    void Spread(int cx, int cy) {
        const int reach = kAidMargin + 1;
        for (int y = std::max(0, cy - reach); y <= std::min(h - 1, cy + reach); ++y)
            for (int x = std::max(0, cx - reach); x <= std::min(w - 1, cx + reach); ++x) {
                const double d =
                    steps[static_cast<size_t>((y - cy + reach) * (2 * reach + 1) + x - cx + reach)];
                double& value = values[static_cast<size_t>(y) * w + x];
                value = std::min(value, d);
            }
    }

    int w;
    int h;
    std::vector<double> values;
    std::vector<double> steps; // distance to each offset within reach
};

} // namespace

int AidBodyOffset() {
    return kAidMargin + kBodyInset;
}

Image DrawSelectionRing(const Mask& body) {
    const BodyDistance distance(body);
    Image out(distance.Width(), distance.Height(), kKey);
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            const double d = distance.At(x, y);
            if (d <= 0.0 || d > kAidMargin)
                continue;
            out.At(x, y) = d <= 1.5 || d > kAidMargin - 1.5 ? kRingDark : kRingBright;
        }
    return out;
}

Image DrawHoleGlow(const Mask& body) {
    const BodyDistance distance(body);
    const int frameHeight = distance.Height();
    Image out(distance.Width(), frameHeight * kGlowFrameCount, kKey);
    for (int frame = 0; frame < kGlowFrameCount; ++frame) {
        // From a thin line hugging the hole to a broad bright band.
        const double reach = 2.5 + 1.5 * frame;
        const double brightness = 0.1 + 0.15 * frame;
        for (int y = 0; y < frameHeight; ++y)
            for (int x = 0; x < out.Width(); ++x) {
                const double d = distance.At(x, y);
                if (d <= 0.0 || d > reach)
                    continue;
                const Rgb base = Mix(kGlowInner, kGlowOuter, d / reach);
                out.At(x, frame * frameHeight + y) = Mix(base, Rgb{255, 255, 255}, brightness);
            }
    }
    return out;
}

} // namespace photos
