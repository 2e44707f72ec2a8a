#include "photos/photo_size.h"
#include "photos/photo_frame.h"

#include <algorithm>

namespace photos {

PhotoVerdict JudgePhotoSize(int32_t storedWidth, int32_t storedHeight) {
    if (storedWidth < kSmallestPhotoSide || storedHeight < kSmallestPhotoSide)
        return PhotoVerdict::kTooSmall;
    if (int64_t{storedWidth} * storedHeight > kLargestPhotoPixels)
        return PhotoVerdict::kTooLarge;
    return PhotoVerdict::kUsable;
}

Box FrameForStored(int32_t storedWidth, int32_t storedHeight, Orientation orientation) {
    return SwapsSides(orientation) ? FrameFor(storedHeight, storedWidth)
                                   : FrameFor(storedWidth, storedHeight);
}

void DecodeSize(int32_t storedWidth, int32_t storedHeight, Orientation orientation, int32_t* width,
                int32_t* height) {
    const Box frame = FrameForStored(storedWidth, storedHeight, orientation);
    // The frame's sides as they lie across the stored rows.
    const int64_t across = (SwapsSides(orientation) ? frame.h : frame.w) * kDecodeOversampling;
    const int64_t down = (SwapsSides(orientation) ? frame.w : frame.h) * kDecodeOversampling;
    // Covering needs the larger of the two ratios; compare them exactly as
    // across / storedWidth against down / storedHeight.
    const bool byWidth = across * storedHeight >= down * storedWidth;
    if (byWidth ? across >= storedWidth : down >= storedHeight) {
        *width = storedWidth;
        *height = storedHeight;
        return;
    }
    if (byWidth) {
        *width = static_cast<int32_t>(across);
        *height = static_cast<int32_t>(std::max<int64_t>(
            down, (int64_t{storedHeight} * across + storedWidth - 1) / storedWidth));
    } else {
        *height = static_cast<int32_t>(down);
        *width = static_cast<int32_t>(std::max<int64_t>(
            across, (int64_t{storedWidth} * down + storedHeight - 1) / storedHeight));
    }
    *width = std::min(*width, storedWidth);
    *height = std::min(*height, storedHeight);
}

} // namespace photos
