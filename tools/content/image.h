// Plain 24-bit pictures and one-bit masks: what every drawing step of the
// content tool hands to the next. They are the engine's own (the photo
// cutter draws pieces with the same code), named here for the tool.
#pragma once

#include "photos/raster.h"

namespace content {

using photos::Avoid;
using photos::Box;
using photos::Coverage;
using photos::Image;
using photos::kKey;
using photos::kShadow;
using photos::Mask;
using photos::Mix;
using photos::Nudged;
using photos::Point;
using photos::Rgb;

} // namespace content
