// The three monochrome 32 x 32 cursors (arrow, open hand, gripping hand)
// and the program icon at 16, 32 and 48 pixels, as .cur and .ico files.
#pragma once

#include "image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace content {

enum class CursorPixel : uint8_t { kClear, kBlack, kWhite };

struct CursorPicture {
    std::string name; // the resource name
    Point hotSpot;
    std::vector<CursorPixel> pixels; // 32 x 32, rows from the top
};

constexpr int kCursorSize = 32;

std::vector<CursorPicture> DrawCursors();
std::vector<uint8_t> EncodeCursor(const CursorPicture& cursor);

// Straight (not premultiplied) RGBA pixels, rows from the top.
struct IconPicture {
    int size = 0;
    std::vector<uint8_t> rgba;
};

std::vector<IconPicture> DrawIcons();
std::vector<uint8_t> EncodeIcon(const std::vector<IconPicture>& icons);

} // namespace content
