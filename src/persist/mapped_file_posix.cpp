// CMappedFile on POSIX: open/mmap/pread, for the native engine builds.
#include "persist/mapped_file.h"
#include "platform/platform.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

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

void RecordErrno() { platform::SetLastErrorCode(ErrorFromErrno(errno)); }

} // namespace

void SetBaseDirectory() {
    char buffer[PATH_MAX] = {};
    g_baseDirectory = getcwd(buffer, sizeof buffer) != nullptr ? buffer : "";
}

intptr_t CMappedFile::OpenRead(const std::string& name) {
    const int fd = open(platform::NativePath(ResolvePath(name)).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        RecordErrno();
        return 0;
    }
    struct stat info;
    if (fstat(fd, &info) != 0 || info.st_size > INT32_MAX) {
        RecordErrno();
        ::close(fd);
        return 0;
    }
    fileHandle = fd;
    size = static_cast<int32_t>(info.st_size);
    position = 0;
    baseOffset = 0;
    if (!mapOnRead) {
        ioHandle = fd;
        return fd + 1;
    }
    if (size > 0) {
        void* mapped = mmap(nullptr, static_cast<size_t>(size), PROT_READ, MAP_PRIVATE, fd, 0);
        if (mapped == MAP_FAILED) {
            RecordErrno();
            ::close(fd);
            ResetToEmpty();
            return 0;
        }
        view = static_cast<const uint8_t*>(mapped);
        mappingHandle = size;
    }
    // A descriptor can be 0, but success must read as non-zero.
    return fd + 1;
}

intptr_t CMappedFile::OpenWrite(const std::string& name) {
    const int fd = open(platform::NativePath(ResolvePath(name)).c_str(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) {
        RecordErrno();
        return 0;
    }
    fileHandle = fd;
    ioHandle = fd;
    baseOffset = 0;
    size = 0;
    position = 0;
    return fd + 1;
}

bool CMappedFile::Close() {
    uint32_t error = 0;
    auto fail = [&error]() {
        if (error == 0)
            error = ErrorFromErrno(errno);
    };
    if (view != nullptr && munmap(const_cast<uint8_t*>(view), static_cast<size_t>(mappingHandle)) != 0)
        fail();
    if (fileHandle != kInvalidHandle && ::close(static_cast<int>(fileHandle)) != 0)
        fail();
    if (error == 0)
        ResetToEmpty();
    platform::SetLastErrorCode(error);
    return error == 0;
}

bool CMappedFile::ReadUnmapped(void* buffer, int32_t count, int32_t* delivered) {
    if (ioHandle == kInvalidHandle || position == size || count < 0) {
        if (delivered != nullptr)
            *delivered = 0;
        return false;
    }
    const ssize_t got = pread(static_cast<int>(ioHandle), buffer, static_cast<size_t>(count),
                              static_cast<off_t>(baseOffset) + position);
    if (got < 0) {
        RecordErrno();
        if (delivered != nullptr)
            *delivered = 0;
        return false;
    }
    position += static_cast<int32_t>(got);
    if (delivered != nullptr)
        *delivered = static_cast<int32_t>(got);
    return got == count;
}

bool CMappedFile::Write(const void* buffer, int32_t count, int32_t* written) {
    if (ioHandle == kInvalidHandle || count < 0)
        return false;
    const ssize_t put = pwrite(static_cast<int>(ioHandle), buffer, static_cast<size_t>(count),
                               static_cast<off_t>(baseOffset) + position);
    if (put < 0) {
        RecordErrno();
        return false;
    }
    position += static_cast<int32_t>(put);
    if (position > size)
        size = position;
    if (written != nullptr)
        *written = static_cast<int32_t>(put);
    return put == count;
}

bool CMappedFile::IsDirectory(const std::string& path) {
    struct stat info;
    if (stat(platform::NativePath(path).c_str(), &info) != 0)
        return false;
    return S_ISDIR(info.st_mode);
}

bool CMappedFile::CreateDir(const std::string& path) {
    if (mkdir(platform::NativePath(path).c_str(), 0755) != 0) {
        RecordErrno();
        return false;
    }
    return true;
}
