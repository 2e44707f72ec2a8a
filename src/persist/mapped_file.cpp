// CMappedFile: data files through the platform's file calls.
#include "persist/mapped_file.h"
#include "platform/files.h"

#include <climits>
#include <cstring>

std::string g_baseDirectory;

void SetBaseDirectory() {
    g_baseDirectory = platform::WorkingDirectory();
}

CMappedFile::CMappedFile(bool mapOnRead) : mapOnRead(mapOnRead) {}

CMappedFile::~CMappedFile() {
    if (view != nullptr || fileHandle != kInvalidHandle)
        Close();
}

std::string CMappedFile::ResolvePath(const std::string& name) const {
    if (g_baseDirectory.empty())
        return name;
    return g_baseDirectory + name;
}

intptr_t CMappedFile::OpenRead(const std::string& name) {
    int64_t length = 0;
    const platform::FileHandle file =
        platform::OpenFileForReading(platform::NativePath(ResolvePath(name)), &length);
    if (file == platform::kNoFile)
        return 0;
    // Offsets and sizes are 32-bit throughout the game's files.
    if (length > INT32_MAX) {
        platform::CloseFileHandle(file);
        return 0;
    }
    fileHandle = file;
    size = static_cast<int32_t>(length);
    position = 0;
    baseOffset = 0;
    if (!mapOnRead) {
        ioHandle = fileHandle;
        return fileHandle;
    }
    if (size == 0)
        return fileHandle;
    platform::FileView mapped;
    if (!platform::MapFileForReading(file, size, &mapped)) {
        const uint32_t error = platform::LastErrorCode();
        platform::CloseFileHandle(file);
        ResetToEmpty();
        platform::SetLastErrorCode(error);
        return 0;
    }
    view = mapped.bytes;
    mappingHandle = mapped.mapping;
    return fileHandle;
}

intptr_t CMappedFile::OpenWrite(const std::string& name) {
    const platform::FileHandle file =
        platform::CreateFileForWriting(platform::NativePath(ResolvePath(name)));
    if (file == platform::kNoFile)
        return 0;
    fileHandle = file;
    ioHandle = fileHandle;
    baseOffset = 0;
    size = 0;
    position = 0;
    return fileHandle;
}

bool CMappedFile::Close() {
    bool released = true;
    uint32_t error = 0;
    auto check = [&released, &error](bool ok) {
        if (!ok && released) {
            released = false;
            error = platform::LastErrorCode();
        }
    };
    if (view != nullptr)
        check(platform::UnmapFile(platform::FileView{view, mappingHandle}, size));
    if (fileHandle != kInvalidHandle)
        check(platform::CloseFileHandle(fileHandle));
    if (released)
        ResetToEmpty();
    platform::SetLastErrorCode(error);
    return released;
}

bool CMappedFile::ReadUnmapped(void* buffer, int32_t count, int32_t* delivered) {
    int32_t got = 0;
    bool whole = false;
    if (ioHandle != kInvalidHandle && position != size && count >= 0) {
        whole = platform::ReadFileAt(ioHandle, static_cast<int64_t>(baseOffset) + position, buffer,
                                     count, &got);
        position += got;
    }
    if (delivered != nullptr)
        *delivered = got;
    return whole;
}

bool CMappedFile::Write(const void* buffer, int32_t count, int32_t* written) {
    if (ioHandle == kInvalidHandle || count < 0)
        return false;
    int32_t put = 0;
    const bool whole = platform::WriteFileAt(ioHandle, static_cast<int64_t>(baseOffset) + position,
                                             buffer, count, &put);
    position += put;
    if (position > size)
        size = position;
    if (written != nullptr)
        *written = put;
    return whole;
}

bool CMappedFile::IsDirectory(const std::string& path) {
    return platform::IsDirectoryPath(platform::NativePath(path));
}

bool CMappedFile::CreateDir(const std::string& path) {
    return platform::MakeDirectory(platform::NativePath(path));
}

bool CMappedFile::EnsureDirectory(const std::string& path) {
    if (IsDirectory(path))
        return true;
    return CreateDir(path);
}

void CMappedFile::ResetToEmpty() {
    view = nullptr;
    ioHandle = kInvalidHandle;
    baseOffset = 0;
    size = 0;
    position = 0;
    fileHandle = kInvalidHandle;
    mappingHandle = 0;
}

bool CMappedFile::Read(void* buffer, int32_t count, int32_t* delivered) {
    if (view != nullptr || (mapOnRead && ioHandle == kInvalidHandle))
        return ReadMapped(buffer, count, delivered);
    return ReadUnmapped(buffer, count, delivered);
}

bool CMappedFile::ReadMapped(void* buffer, int32_t count, int32_t* delivered) {
    if (delivered != nullptr)
        *delivered = 0;
    if (size == 0 || view == nullptr || count < 0)
        return false;
    bool whole = true;
    const int32_t available = size - position;
    if (count > available) {
        count = available;
        whole = false;
        platform::SetLastErrorCode(kErrorInvalidParameter);
    }
    if (count >= 1) {
        std::memcpy(buffer, view + position, static_cast<size_t>(count));
        position += count;
    }
    if (delivered != nullptr)
        *delivered = count;
    return whole;
}

bool CMappedFile::Seek(int32_t offset, int32_t origin) {
    int64_t target;
    switch (origin) {
    case 0:
        target = offset;
        break;
    case 1:
        target = static_cast<int64_t>(position) + offset;
        break;
    case 2:
        target = static_cast<int64_t>(size) - offset;
        break;
    default:
        return false;
    }
    if (target < 0 || target > size) {
        position = target < 0 ? 0 : size;
        platform::SetLastErrorCode(kErrorInvalidParameter);
        return false;
    }
    position = static_cast<int32_t>(target);
    return true;
}
