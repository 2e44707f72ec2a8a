// Rectangle arithmetic for drawing: intersections, emptiness, and edges
// brought back into the 32-bit range.
#pragma once

#include "platform/win_types.h"

#include <cstdint>

// Nothing inside: right <= left or bottom <= top.
bool RectIsEmpty(const RECT& r);
// The common part of a and b; empty (as RectIsEmpty says) when they do not
// overlap.
RECT RectIntersection(const RECT& a, const RECT& b);
// A value clamped into the 32-bit range, for edges computed in 64 bits.
int32_t SaturateToInt32(int64_t value);
