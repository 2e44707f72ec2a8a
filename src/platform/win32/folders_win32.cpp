// Folders on Windows: FindFirstFileA, MoveFileExA and RemoveDirectoryA.
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/win_types.h"

namespace platform {

bool ListFolder(const std::string& folder, std::vector<std::string>* names) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder + "\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    names->clear();
    do {
        const std::string name = found.cFileName;
        if (name != "." && name != "..")
            names->push_back(name);
    } while (FindNextFileA(search, &found));
    const DWORD reason = GetLastError();
    FindClose(search);
    if (reason != ERROR_NO_MORE_FILES) {
        SetLastError(reason);
        return false;
    }
    return true;
}

bool RenameFolder(const std::string& from, const std::string& to) {
    // Without MOVEFILE_REPLACE_EXISTING an existing `to` makes it fail.
    return MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != 0;
}

bool RemoveFolderTree(const std::string& folder) {
    const DWORD attributes = GetFileAttributesA(folder.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD reason = GetLastError();
        return reason == ERROR_FILE_NOT_FOUND || reason == ERROR_PATH_NOT_FOUND;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ||
        (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0) {
        // A link is removed itself, never what it points to.
        if (attributes & FILE_ATTRIBUTE_READONLY)
            SetFileAttributesA(folder.c_str(), attributes & ~FILE_ATTRIBUTE_READONLY);
        return (attributes & FILE_ATTRIBUTE_DIRECTORY) ? RemoveDirectoryA(folder.c_str()) != 0
                                                       : DeleteFileA(folder.c_str()) != 0;
    }
    std::vector<std::string> names;
    if (!ListFolder(folder, &names))
        return false;
    bool removed = true;
    for (const std::string& name : names)
        removed = RemoveFolderTree(folder + "\\" + name) && removed;
    return RemoveDirectoryA(folder.c_str()) != 0 && removed;
}

} // namespace platform
