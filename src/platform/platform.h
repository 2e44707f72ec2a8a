// The platform seam: the only system services the portable engine uses.
// src/platform/win32 implements them with Win32 calls; src/platform/headless
// implements them for native builds (tests, fuzzers, benchmarks, the content
// tool), recording what it was asked to do and never pretending a window exists.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

// Called by Log for its time stamp: the multimedia millisecond clock.
uint32_t MillisecondClock();

// Called by Log: writes "<stamp>:  " with the system's own formatter into
// buffer (at least 24 characters) and returns the characters written.
int FormatLogPrefix(char* buffer, int stamp);

// Called by the file class and its tests: the calling thread's last-error code
// (GetLastError/SetLastError on Windows).
uint32_t LastErrorCode();
void SetLastErrorCode(uint32_t code);

// Called by the serializer and the native file class: a game path, which
// uses backslashes and ignores case, as the host's file system spells it.
std::string NativePath(const std::string& gamePath);

} // namespace platform
