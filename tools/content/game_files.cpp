#include "game_files.h"

namespace content {

std::string HostPath(const std::string& folder, const std::string& gamePath) {
    std::string path = gamePath;
    for (char& c : path)
        if (c == '\\')
            c = '/';
    if (!path.empty() && path[0] == '/')
        path.erase(0, 1);
    if (path.compare(0, 5, "data/") == 0)
        path.replace(0, 5, "Data/");
    return folder + "/" + path;
}

} // namespace content
