// The one diagnostic channel. Every detected failure, and a few traces, go
// through Log; lines reach "log.txt" in the current folder only while
// g_logEnabled is on. Shipped builds keep it off; the diagnostic build turns
// it on at compile time.
#pragma once

#include <cstdint>

extern int32_t g_logEnabled;
extern int32_t g_logStartTime;

// printf-style. Returns 1 when the line was appended or logging is off, 0 when
// the log file could not be opened. Never throws.
int Log(const char* format, ...)
#if defined(__GNUC__)
    __attribute__((format(printf, 1, 2)))
#endif
    ;
