// The pictures that help a player find a piece and its hole: a ring around
// the selected loose piece, and an outline that pulses around a hole for a
// hint. The content tool draws one of each per piece from the piece's own
// shape; both are laid out around the piece's drag picture, kAidMargin
// pixels further out on every side, so the game places them from positions
// it already knows: the drag picture's resting place for the ring, and
// where a perfect drop puts it for the glow.
#pragma once

#include "game/page_furniture.h"

#include <cstdint>
#include <string>

constexpr int32_t kAidMargin = 6;
// The glow's frames are stacked top to bottom in one picture.
constexpr int32_t kGlowFrameCount = 3;

// Furniture tags, so that no save file ever stores them.
constexpr int32_t kSelectionRingTag = kFirstFurnitureTag + 99;
constexpr int32_t kHintGlowTag = kFirstFurnitureTag + 100;
// With the child lock on, a tap of Escape, Q or the quit button makes the
// quit button's edge pulse like a hint: it needs holding. The picture is a
// glow strip drawn round the quit button's shape, kAidMargin wider.
constexpr int32_t kHoldNoticeTag = kFirstFurnitureTag + 101;
constexpr const char* kHoldNoticePath = "\\data\\m0040.dat";

// "\Data\r001.dat" ... "\Data\r220.dat" and "\Data\g001.dat" ...
// "\Data\g220.dat" for pieces 1 to 220.
std::string SelectionRingPath(int32_t piece);
std::string HoleGlowPath(int32_t piece);
