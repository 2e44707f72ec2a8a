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
    RECT r;
    r.left = left;
    r.top = top;
    r.right = right;
    r.bottom = bottom;
    return r;
}

void RecordingOwner::SpriteChanged(CSprite* sprite, uint32_t change, const RECT* rect1,
                                   const RECT* rect2) {
    SpriteReport report{sprite, change, rect1 != nullptr, {}, rect2 != nullptr, {}};
    if (rect1 != nullptr)
        report.rect1 = *rect1;
    if (rect2 != nullptr)
        report.rect2 = *rect2;
    reports.push_back(report);
}

std::vector<std::string> RecordingOwner::Lines() const {
    std::vector<std::string> lines;
    for (const SpriteReport& report : reports) {
        std::ostringstream line;
        line << report.change << " ";
        if (report.hasRect1)
            line << report.rect1;
        else
            line << "-";
        line << " ";
        if (report.hasRect2)
            line << report.rect2;
        else
            line << "-";
        lines.push_back(line.str());
    }
    return lines;
}
