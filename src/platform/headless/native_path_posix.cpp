// Game paths on the native builds: backslashes become slashes, and each
// component is looked up without regard to case, as Windows does.
#include "platform/files.h"

#include <cctype>
#include <dirent.h>
#include <sys/stat.h>

namespace {

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

} // namespace

namespace platform {

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

} // namespace platform
