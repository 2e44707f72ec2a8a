// The content tool's only source of variety: the engine's small seeded
// generator, so that every run draws the same pictures, shapes and notes.
#pragma once

#include "photos/shape_random.h"

namespace content {

using photos::Random;

} // namespace content
