// Where a photo page's picture stands on the play screen. Portrait photos
// fill the built-in pages' picture area; landscape ones a frame of the
// camera's usual 4:3 shape, centred above the button bar. Both leave room
// for the loose pieces at the sides and keep clear of the bottom bar.
#pragma once

#include "photos/piece_geometry.h"

#include <cstdint>

namespace photos {

constexpr Box kPortraitFrame = kBuiltInPictureArea;
constexpr Box kLandscapeFrame{224, 127, 576, 432};
// The wooden border the page background draws around the picture; loose
// pieces keep clear of it.
constexpr int kFrameBorder = 16;

// The built-in pages' background frames the portrait picture; landscape
// photos are drawn over a second one, framing theirs.
constexpr char kLandscapeBackgroundPath[] = "\\data\\m0012.dat";

// The piece counts a player can choose from.
constexpr int32_t kPieceCounts[] = {4, 6, 9, 12, 16};

inline bool IsPieceCount(int32_t count) {
    for (const int32_t allowed : kPieceCounts)
        if (count == allowed)
            return true;
    return false;
}

// The frame for an upright photo of this size: landscape when it is wider
// than tall, portrait otherwise.
inline Box FrameFor(int32_t uprightWidth, int32_t uprightHeight) {
    return uprightWidth > uprightHeight ? kLandscapeFrame : kPortraitFrame;
}

inline bool SameBox(const Box& a, const Box& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

inline bool IsFrame(const Box& box) {
    return SameBox(box, kPortraitFrame) || SameBox(box, kLandscapeFrame);
}

} // namespace photos
