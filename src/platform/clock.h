// The platform's clock: the multimedia millisecond clock and the log's time
// stamp.
#pragma once

#include <cstdint>

namespace platform {

// Called by Log for its time stamp, by the random source for its seed, and
// by the view and the game controller to time the hint, the celebration and
// the held "Start again" button: the multimedia millisecond clock.
uint32_t MillisecondClock();

// Called by Log: writes "<stamp>:  " with the system's own formatter into
// buffer (at least 24 characters) and returns the characters written.
int FormatLogPrefix(char* buffer, int stamp);

} // namespace platform
