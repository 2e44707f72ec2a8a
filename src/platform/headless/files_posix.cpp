// Files for the native builds: open, pread/pwrite and mmap, folders and the
// synced rename.
#include "platform/files.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

thread_local uint32_t t_lastError = 0;

// The Windows code that best matches errno, so callers see one vocabulary.
uint32_t ErrorFromErrno(int error) {
    switch (error) {
    case ENOENT:
        return 2; // ERROR_FILE_NOT_FOUND
    case ENOTDIR:
        return 3; // ERROR_PATH_NOT_FOUND
    case EACCES:
    case EPERM:
    case EROFS:
        return 5; // ERROR_ACCESS_DENIED
    case EEXIST:
        return 183; // ERROR_ALREADY_EXISTS
    case ENOSPC:
        return 112; // ERROR_DISK_FULL
    default:
        return 31; // ERROR_GEN_FAILURE
    }
}

bool Failed() {
    platform::SetLastErrorCode(ErrorFromErrno(errno));
    return false;
}

// A descriptor can be 0, but an open file must never read as kNoFile.
platform::FileHandle AsFile(int descriptor) {
    return descriptor + 1;
}
int AsDescriptor(platform::FileHandle file) {
    return static_cast<int>(file - 1);
}

platform::FileHandle Open(const std::string& path, int flags) {
    const int descriptor = open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (descriptor < 0) {
        Failed();
        return platform::kNoFile;
    }
    return AsFile(descriptor);
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

namespace platform {

uint32_t LastErrorCode() {
    return t_lastError;
}
void SetLastErrorCode(uint32_t code) {
    t_lastError = code;
}

FileHandle OpenFileForReading(const std::string& path, int64_t* size) {
    const FileHandle file = Open(path, O_RDONLY);
    if (file == kNoFile)
        return kNoFile;
    struct stat info;
    if (fstat(AsDescriptor(file), &info) != 0) {
        Failed();
        ::close(AsDescriptor(file));
        return kNoFile;
    }
    *size = info.st_size;
    return file;
}

// POSIX names are bytes: UTF-8 names need nothing of their own.
FileHandle OpenPlayerFileForReading(const std::string& path, int64_t* size) {
    return OpenFileForReading(path, size);
}

FileHandle CreateFileForWriting(const std::string& path) {
    return Open(path, O_WRONLY | O_CREAT | O_TRUNC);
}

bool ReadFileAt(FileHandle file, int64_t offset, void* buffer, int32_t count, int32_t* done) {
    const ssize_t got = pread(AsDescriptor(file), buffer, static_cast<size_t>(count), offset);
    *done = got < 0 ? 0 : static_cast<int32_t>(got);
    return got < 0 ? Failed() : got == count;
}

bool WriteFileAt(FileHandle file, int64_t offset, const void* buffer, int32_t count,
                 int32_t* done) {
    const ssize_t put = pwrite(AsDescriptor(file), buffer, static_cast<size_t>(count), offset);
    *done = put < 0 ? 0 : static_cast<int32_t>(put);
    return put < 0 ? Failed() : put == count;
}

bool CloseFileHandle(FileHandle file) {
    return ::close(AsDescriptor(file)) == 0 || Failed();
}

bool MapFileForReading(FileHandle file, int32_t size, FileView* view) {
    void* bytes =
        mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE, AsDescriptor(file), 0);
    if (bytes == MAP_FAILED)
        return Failed();
    view->bytes = static_cast<const uint8_t*>(bytes);
    view->mapping = 0;
    return true;
}

bool UnmapFile(const FileView& view, int32_t size) {
    return munmap(const_cast<uint8_t*>(view.bytes), static_cast<size_t>(size)) == 0 || Failed();
}

bool IsDirectoryPath(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool MakeDirectory(const std::string& path) {
    return mkdir(path.c_str(), 0755) == 0 || Failed();
}

// Wine shows a file without its owner's write permission as read-only.
bool IsReadOnlyFile(const std::string& path) {
    struct stat info;
    return stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode) && (info.st_mode & S_IWUSR) == 0;
}

std::string WorkingDirectory() {
    char buffer[PATH_MAX] = {};
    return getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

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

std::FILE* OpenSharedAppend(const char* path) {
    return std::fopen(path, "a+");
}

} // namespace platform
