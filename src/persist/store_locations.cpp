#include "persist/store_locations.h"
#include "diag/log.h"
#include "persist/mapped_file.h"
#include "platform/files.h"

#include <cstdio>

std::string g_userDataDirectory;

namespace {

bool g_storeFailed = false;
bool g_storesPerUser = false;
bool g_noticeGiven = false;

bool Exists(const std::string& path) {
    std::FILE* file = std::fopen(platform::NativePath(path).c_str(), "rb");
    if (file == nullptr)
        return false;
    std::fclose(file);
    return true;
}

// Makes root and every folder of name's own folder below it ("\save" for
// "\save\page01.sav"); the write itself reports what could not be made.
void MakeFolders(const std::string& root, const std::string& name) {
    // Without a folder the name would be taken from the root of the disk.
    if (root.empty())
        return;
    CMappedFile::EnsureDirectory(root);
    for (size_t slash = name.find('\\', 1); slash != std::string::npos;
         slash = name.find('\\', slash + 1))
        CMappedFile::EnsureDirectory(root + name.substr(0, slash));
}

bool TryStore(const std::string& root, const std::string& name,
              const std::function<bool(const std::string&)>& write) {
    const std::string path = root + name;
    if (platform::IsReadOnlyFile(platform::NativePath(path)))
        return false;
    MakeFolders(root, name);
    return write(path);
}

} // namespace

void SetUserDataDirectory(const std::string& folder) {
    g_userDataDirectory = folder;
    g_storeFailed = false;
    g_noticeGiven = false;
    g_storesPerUser = false;
}

void KeepStoresPerUser(bool perUser) {
    g_storesPerUser = perUser;
}

bool StoresPerUser() {
    return g_storesPerUser && !g_userDataDirectory.empty();
}

std::string StoredFileToRead(const std::string& gameFolder, const std::string& name) {
    if (!g_userDataDirectory.empty() && Exists(g_userDataDirectory + name))
        return g_userDataDirectory + name;
    return gameFolder + name;
}

bool StoreFile(const std::string& gameFolder, const std::string& name,
               const std::function<bool(const std::string&)>& write) {
    if (!StoresPerUser() && TryStore(gameFolder, name, write)) {
        if (!g_userDataDirectory.empty() && g_userDataDirectory != gameFolder)
            std::remove(platform::NativePath(g_userDataDirectory + name).c_str());
        return true;
    }
    if (!g_userDataDirectory.empty() && TryStore(g_userDataDirectory, name, write))
        return true;
    Log("StoreFile: %s could not be stored anywhere", name.c_str());
    g_storeFailed = true;
    return false;
}

bool TakeStoreFailureNotice() {
    if (!g_storeFailed || g_noticeGiven)
        return false;
    g_noticeGiven = true;
    return true;
}
