#include "aid_art.h"

#include "game/screen_layout.h"

#include <algorithm>
#include <cmath>

namespace content {

Image DrawHoldNotice() {
    const ScreenBox& quit = kGameButtons[kQuitButton];
    Mask body(quit.width, quit.height);
    constexpr int kCorner = 6;
    for (int y = 0; y < quit.height; ++y)
        for (int x = 0; x < quit.width; ++x) {
            const int cx = std::clamp(x, kCorner, quit.width - 1 - kCorner);
            const int cy = std::clamp(y, kCorner, quit.height - 1 - kCorner);
            body.Set(x, y, std::hypot(x - cx, y - cy) <= kCorner);
        }
    return DrawHoleGlow(body);
}

} // namespace content
