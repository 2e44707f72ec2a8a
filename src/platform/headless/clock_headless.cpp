// The clock of the native builds: it stands still wherever a test set it, so
// time stamps and seeds never depend on when a test runs.
#include "platform/clock.h"
#include "platform/headless/headless_platform.h"

#include <cstdio>

namespace {

uint32_t g_clock = 0;

} // namespace

namespace headless {
void SetClock(uint32_t milliseconds) {
    g_clock = milliseconds;
}
} // namespace headless

namespace platform {

uint32_t MillisecondClock() {
    return g_clock;
}

int FormatLogPrefix(char* buffer, int stamp) {
    return std::snprintf(buffer, 24, "%i:  ", stamp);
}

} // namespace platform
