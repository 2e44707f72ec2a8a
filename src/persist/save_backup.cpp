#include "persist/save_backup.h"
#include "diag/log.h"
#include "platform/files.h"

#include <cstdio>

namespace {

constexpr const char* kPreviousFolder = "previous";

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool Exists(const std::string& nativePath) {
    std::FILE* file = std::fopen(nativePath.c_str(), "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

} // namespace

std::string PreviousPathFor(const std::string& savePath) {
    const size_t slash = savePath.find_last_of('\\');
    const std::string folder = slash == std::string::npos ? "" : savePath.substr(0, slash + 1);
    return folder + kPreviousFolder + "\\" + savePath.substr(slash + 1);
}

int32_t MoveSavesToPrevious(const std::vector<std::string>& savePaths) {
    int32_t moved = 0;
    for (const std::string& savePath : savePaths) {
        const std::string previous = PreviousPathFor(savePath);
        const std::string folder = platform::NativePath(FolderOf(previous));
        if (!folder.empty() && !platform::IsDirectoryPath(folder))
            platform::MakeDirectory(folder);
        // The older set goes whether or not this page has a save now: the
        // folder is to hold exactly what this start clears.
        const std::string to = platform::NativePath(previous);
        std::remove(to.c_str());
        const std::string from = platform::NativePath(savePath);
        if (!Exists(from))
            continue;
        // Beside its old place on the same disk, so a rename moves it.
        if (platform::MoveFileReplacing(from, to))
            ++moved;
        else
            Log("MoveSavesToPrevious: cannot move %s", savePath.c_str());
    }
    return moved;
}
