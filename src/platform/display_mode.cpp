#include "platform/display_mode.h"

bool ShowsMode(const DisplayMode& current, const DisplayMode& wanted) {
    if (current.width <= 0 || current.height <= 0 || current.bitsPerPixel <= 0)
        return false;
    return current.width == wanted.width && current.height == wanted.height &&
           current.bitsPerPixel == wanted.bitsPerPixel;
}
