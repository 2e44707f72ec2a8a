// Folders for the native builds: opendir, rename and unlink.
#include "platform/folders.h"
#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

bool Failed(uint32_t code) {
    platform::SetLastErrorCode(code);
    return false;
}

uint32_t ErrnoCode() {
    switch (errno) {
    case ENOENT:
        return 3; // ERROR_PATH_NOT_FOUND
    case EEXIST:
    case ENOTEMPTY:
        return 183; // ERROR_ALREADY_EXISTS
    case EACCES:
    case EPERM:
    case EROFS:
        return 5; // ERROR_ACCESS_DENIED
    default:
        return 31; // ERROR_GEN_FAILURE
    }
}

} // namespace

namespace platform {

bool ListFolder(const std::string& folder, std::vector<std::string>* names) {
    DIR* directory = opendir(folder.c_str());
    if (directory == nullptr)
        return Failed(ErrnoCode());
    names->clear();
    while (const dirent* entry = readdir(directory)) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            names->push_back(name);
    }
    closedir(directory);
    return true;
}

bool RenameFolder(const std::string& from, const std::string& to) {
    struct stat info;
    // rename() would replace an empty folder at `to`; Windows never does.
    if (lstat(to.c_str(), &info) == 0)
        return Failed(183);
    if (std::rename(from.c_str(), to.c_str()) != 0)
        return Failed(ErrnoCode());
    return true;
}

bool RemoveFolderTree(const std::string& folder) {
    struct stat info;
    if (lstat(folder.c_str(), &info) != 0)
        return errno == ENOENT ? true : Failed(ErrnoCode());
    if (!S_ISDIR(info.st_mode))
        return unlink(folder.c_str()) == 0 ? true : Failed(ErrnoCode());
    std::vector<std::string> names;
    if (!ListFolder(folder, &names))
        return false;
    bool removed = true;
    for (const std::string& name : names)
        removed = RemoveFolderTree(folder + "/" + name) && removed;
    if (rmdir(folder.c_str()) != 0)
        return Failed(ErrnoCode());
    return removed;
}

} // namespace platform
