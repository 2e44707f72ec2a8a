#include "diag/log.h"
#include "platform/clock.h"
#include "platform/files.h"

#include <cstdarg>
#include <cstdio>

int32_t g_logStartTime = 0;

int Log(const char* format, ...) {
    const int32_t stamp = static_cast<int32_t>(platform::MillisecondClock()) / 100 - g_logStartTime;
    char prefix[24];
    platform::FormatLogPrefix(prefix, stamp);
    if (g_logEnabled == 0)
        return 1;
    // Other processes (a second copy, a tail -f) may hold the log open too.
    FILE* file = platform::OpenSharedAppend("log.txt");
    if (file == nullptr)
        return 0;
    std::fputs(prefix, file);
    va_list args;
    va_start(args, format);
    std::vfprintf(file, format, args);
    va_end(args);
    std::fputc('\n', file);
    std::fclose(file);
    return 1;
}
