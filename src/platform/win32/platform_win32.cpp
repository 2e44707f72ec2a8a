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

// ---- Stored files, sound effects and the mouse pointer ------------------

namespace {

// The data must reach the disk before the name does; write-through on the
// move alone only covers the move.
bool FlushToDisk(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const BOOL flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed != FALSE;
}

} // namespace

bool MoveFileReplacing(const std::string& from, const std::string& to) {
    return FlushToDisk(from) &&
           MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

void PlaySoundResource(HWND window, const char* name) {
    const HINSTANCE module = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(window, GWLP_HINSTANCE));
    PlaySoundA(name, module, SND_RESOURCE | SND_ASYNC);
}

void ShowCursorShape(HCURSOR cursor) { SetCursor(cursor); }

void DestroyCursorShape(HCURSOR cursor) { DestroyCursor(cursor); }

// ---- end of stored files, sound effects and the mouse pointer -----------

} // namespace platform
