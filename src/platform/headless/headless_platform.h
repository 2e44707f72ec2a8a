// Test-side controls of the headless platform: what a test may set or read
// back instead of a real system.
#pragma once

#include <cstdint>

namespace headless {

// The clock MillisecondClock reports; tests set it to pin Log's time stamps.
void SetClock(uint32_t milliseconds);

} // namespace headless
