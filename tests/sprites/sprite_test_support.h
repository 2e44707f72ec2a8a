// Small pictures built in memory, and owners and sinks that record what the
// sprites tell them, for the sprite tests.
#pragma once

#include "image/dib_image.h"
#include "sprites/sprite_owner.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

constexpr uint32_t kMagenta = kTransparentColour;
constexpr uint32_t kRed = 0x0000FFu;
constexpr uint32_t kBlue = 0xFF0000u;
constexpr uint32_t kGrey = 0x808080u;

void SetPixel(CDIBImage& image, int32_t x, int32_t y, uint32_t colour);
uint32_t PixelAt(const CDIBImage& image, int32_t x, int32_t y);
// Every pixel of the picture set to colour.
void Fill(CDIBImage& image, uint32_t colour);
// A distinct colour for each pixel, so a copy shows where each came from.
uint32_t Pattern(int32_t x, int32_t y);
void FillWithPattern(CDIBImage& image);

bool operator==(const RECT& a, const RECT& b);
std::ostream& operator<<(std::ostream& out, const RECT& r);
RECT Rect(int32_t left, int32_t top, int32_t right, int32_t bottom);

struct SpriteReport {
    CSprite* sprite;
    uint32_t change;
    bool hasRect1;
    RECT rect1;
    bool hasRect2;
    RECT rect2;
};

class RecordingOwner : public CSpriteOwner {
public:
    void SpriteChanged(CSprite* sprite, uint32_t change, const RECT* rect1,
                       const RECT* rect2) override;
    // One line per report: the change code and both rectangles, "-" for a
    // missing one.
    std::vector<std::string> Lines() const;
    std::vector<SpriteReport> reports;
};

class RecordingSink : public CDirtyRectSink {
public:
    void AddDirtyRect(const RECT* r) override { rects.push_back(*r); }
    std::vector<RECT> rects;
};
