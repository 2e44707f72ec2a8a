// The clock on Windows: the multimedia timer's milliseconds and the system's
// own formatter for the log's stamp.
#include "platform/clock.h"
#include "platform/win_types.h"

#include <mmsystem.h>

namespace platform {

uint32_t MillisecondClock() {
    return timeGetTime();
}

int FormatLogPrefix(char* buffer, int stamp) {
    return wsprintfA(buffer, "%i:  ", stamp);
}

} // namespace platform
