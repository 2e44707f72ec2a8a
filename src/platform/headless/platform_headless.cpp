#include "platform/headless/headless_platform.h"
#include "platform/platform.h"

#include <cctype>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

uint32_t g_clock = 0;
thread_local uint32_t t_lastError = 0;

bool Exists(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0;
}

bool SameIgnoringCase(const std::string& a, const char* b) {
    size_t i = 0;
    for (; i < a.size() && b[i] != '\0'; ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) !=
            std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    }
    return i == a.size() && b[i] == '\0';
}

// The entry of folder whose name matches component regardless of case, or
// component itself when none does.
std::string MatchEntry(const std::string& folder, const std::string& component) {
    if (Exists(folder + "/" + component))
        return component;
    DIR* dir = opendir(folder.empty() ? "/" : folder.c_str());
    if (dir == nullptr)
        return component;
    std::string match = component;
    while (const dirent* entry = readdir(dir)) {
        if (SameIgnoringCase(component, entry->d_name)) {
            match = entry->d_name;
            break;
        }
    }
    closedir(dir);
    return match;
}

// What the sound and pointer calls were asked to do, for the tests to read.
std::vector<std::string> g_playedSounds;
std::vector<HCURSOR> g_shownCursors;
std::vector<HCURSOR> g_destroyedCursors;

template <typename T> std::vector<T> Take(std::vector<T>& record) {
    std::vector<T> taken;
    taken.swap(record);
    return taken;
}

// fsync through a descriptor of its own: the writer's stream does not give
// its descriptor away.
bool SyncToDisk(const std::string& path, int flags) {
    const int fd = open(path.c_str(), flags | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = fsync(fd) == 0;
    close(fd);
    return synced;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

} // namespace

namespace headless {
void SetClock(uint32_t milliseconds) { g_clock = milliseconds; }

std::vector<std::string> TakePlayedSounds() { return Take(g_playedSounds); }
std::vector<HCURSOR> TakeShownCursors() { return Take(g_shownCursors); }
std::vector<HCURSOR> TakeDestroyedCursors() { return Take(g_destroyedCursors); }
} // namespace headless

namespace platform {

uint32_t MillisecondClock() { return g_clock; }

int FormatLogPrefix(char* buffer, int stamp) { return std::snprintf(buffer, 24, "%i:  ", stamp); }

uint32_t LastErrorCode() { return t_lastError; }
void SetLastErrorCode(uint32_t code) { t_lastError = code; }

// Windows and Wine look names up without regard to case, and the game names
// its folders both "\Data" and "\data"; resolve each component the same way.
std::string NativePath(const std::string& gamePath) {
    std::string path = gamePath;
    for (char& c : path) {
        if (c == '\\')
            c = '/';
    }
    if (path.empty() || Exists(path))
        return path;
    std::string resolved;
    size_t start = 0;
    if (path[0] == '/')
        start = 1;
    while (start <= path.size()) {
        size_t end = path.find('/', start);
        if (end == std::string::npos)
            end = path.size();
        std::string component = path.substr(start, end - start);
        if (!component.empty() && component != "." && component != "..")
            component = MatchEntry(resolved.empty() && path[0] != '/' ? "." : resolved, component);
        if (resolved.empty() && path[0] != '/')
            resolved = component;
        else
            resolved += "/" + component;
        start = end + 1;
    }
    return resolved;
}

// ---- Stored files, sound effects and the mouse pointer ------------------

// The file's bytes must be on disk before its new name is, or a crash could
// leave an empty file under the old name.
bool MoveFileReplacing(const std::string& from, const std::string& to) {
    if (!SyncToDisk(from, O_RDONLY))
        return false;
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return false;
    // The rename itself lasts once its folder is flushed; if that fails, the
    // move has still happened.
    SyncToDisk(FolderOf(to), O_RDONLY | O_DIRECTORY);
    return true;
}

void PlaySoundResource(HWND, const char* name) { g_playedSounds.emplace_back(name); }

void ShowCursorShape(HCURSOR cursor) { g_shownCursors.push_back(cursor); }

void DestroyCursorShape(HCURSOR cursor) { g_destroyedCursors.push_back(cursor); }

// ---- end of stored files, sound effects and the mouse pointer -----------

} // namespace platform
