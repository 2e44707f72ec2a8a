#include "sprite_test_support.h"

#include <gtest/gtest.h>
#include <sstream>

void SetPixel(CDIBImage& image, int32_t x, int32_t y, uint32_t colour) {
    uint8_t* p = image.PixelAddress(x, y);
    p[0] = static_cast<uint8_t>(colour >> 16);
    p[1] = static_cast<uint8_t>(colour >> 8);
    p[2] = static_cast<uint8_t>(colour);
}

uint32_t PixelAt(const CDIBImage& image, int32_t x, int32_t y) {
    uint32_t colour = 0;
    EXPECT_TRUE(image.GetPixel(x, y, &colour)) << x << "," << y;
    return colour;
}

void Fill(CDIBImage& image, uint32_t colour) {
    for (int32_t y = 0; y < image.GetHeight(); ++y)
        for (int32_t x = 0; x < image.GetWidth(); ++x)
            SetPixel(image, x, y, colour);
}

uint32_t Pattern(int32_t x, int32_t y) {
    return 0x100000u + static_cast<uint32_t>(y) * 0x100u + static_cast<uint32_t>(x);
}

void FillWithPattern(CDIBImage& image) {
    for (int32_t y = 0; y < image.GetHeight(); ++y)
        for (int32_t x = 0; x < image.GetWidth(); ++x)
            SetPixel(image, x, y, Pattern(x, y));
}

bool operator==(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

RECT Rect(int32_t left, int32_t top, int32_t right, int32_t bottom) {
    return RECT{left, top, right, bottom};
}

void RecordingOwner::SpriteChanged(CSprite* sprite, uint32_t change, const RECT* rect1,
                                   const RECT* rect2) {
    reports.push_back(SpriteReport{sprite, change, rect1 != nullptr, rect1 ? *rect1 : RECT{},
                                   rect2 != nullptr, rect2 ? *rect2 : RECT{}});
}

std::vector<std::string> RecordingOwner::Lines() const {
    const auto text = [](bool has, const RECT& r) {
        std::ostringstream out;
        if (has)
            out << r;
        else
            out << "-";
        return out.str();
    };
    std::vector<std::string> lines;
    for (const SpriteReport& report : reports)
        lines.push_back(std::to_string(report.change) + " " + text(report.hasRect1, report.rect1) +
                        " " + text(report.hasRect2, report.rect2));
    return lines;
}
