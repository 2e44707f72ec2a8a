#include "platform/platform.h"
#include "platform/win_types.h"

#include <mmsystem.h>

namespace platform {

uint32_t MillisecondClock() { return timeGetTime(); }

int FormatLogPrefix(char* buffer, int stamp) { return wsprintfA(buffer, "%i:  ", stamp); }

uint32_t LastErrorCode() { return GetLastError(); }
void SetLastErrorCode(uint32_t code) { SetLastError(code); }

// Windows already reads game paths as they are written.
std::string NativePath(const std::string& gamePath) { return gamePath; }

} // namespace platform
