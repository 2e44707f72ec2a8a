// CMappedFile on Windows: CreateFileA, a read-only file mapping, ReadFile and
// WriteFile.
#include "persist/mapped_file.h"
#include "platform/win_types.h"

#include <vector>

namespace {

HANDLE AsHandle(intptr_t value) { return reinterpret_cast<HANDLE>(value); }
intptr_t AsValue(HANDLE handle) { return reinterpret_cast<intptr_t>(handle); }

} // namespace

void SetBaseDirectory() {
    const DWORD length = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(length + 1, '\0');
    GetCurrentDirectoryA(length, buffer.data());
    g_baseDirectory = buffer.data();
}

intptr_t CMappedFile::OpenRead(const std::string& name) {
    const std::string path = ResolvePath(name);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    const DWORD fileSize = GetFileSize(file, nullptr);
    if (fileSize == INVALID_FILE_SIZE || fileSize > 0x7FFFFFFF) {
        CloseHandle(file);
        return 0;
    }
    fileHandle = AsValue(file);
    size = static_cast<int32_t>(fileSize);
    position = 0;
    baseOffset = 0;
    if (!mapOnRead) {
        ioHandle = fileHandle;
        return fileHandle;
    }
    if (size == 0)
        return fileHandle;
    HANDLE mapping = CreateFileMappingA(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    const void* mapped =
        mapping != nullptr ? MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0) : nullptr;
    if (mapped == nullptr) {
        const DWORD error = GetLastError();
        if (mapping != nullptr)
            CloseHandle(mapping);
        CloseHandle(file);
        ResetToEmpty();
        SetLastError(error);
        return 0;
    }
    mappingHandle = AsValue(mapping);
    view = static_cast<const uint8_t*>(mapped);
    return fileHandle;
}

intptr_t CMappedFile::OpenWrite(const std::string& name) {
    const std::string path = ResolvePath(name);
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr,
                              CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 0;
    fileHandle = AsValue(file);
    ioHandle = fileHandle;
    baseOffset = 0;
    size = 0;
    position = 0;
    return fileHandle;
}

bool CMappedFile::Close() {
    DWORD error = 0;
    auto check = [&error](BOOL released) {
        if (!released && error == 0)
            error = GetLastError();
    };
    if (view != nullptr)
        check(UnmapViewOfFile(view));
    if (mappingHandle != 0)
        check(CloseHandle(AsHandle(mappingHandle)));
    if (fileHandle != kInvalidHandle)
        check(CloseHandle(AsHandle(fileHandle)));
    if (error == 0)
        ResetToEmpty();
    SetLastError(error);
    return error == 0;
}

bool CMappedFile::ReadUnmapped(void* buffer, int32_t count, int32_t* delivered) {
    if (ioHandle == kInvalidHandle || position == size || count < 0) {
        if (delivered != nullptr)
            *delivered = 0;
        return false;
    }
    if (SetFilePointer(AsHandle(ioHandle), static_cast<LONG>(baseOffset + position), nullptr,
                       FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    DWORD got = 0;
    const BOOL ok = ReadFile(AsHandle(ioHandle), buffer, static_cast<DWORD>(count), &got, nullptr);
    if (ok)
        position += static_cast<int32_t>(got);
    if (delivered != nullptr)
        *delivered = static_cast<int32_t>(got);
    return ok && got == static_cast<DWORD>(count);
}

bool CMappedFile::Write(const void* buffer, int32_t count, int32_t* written) {
    if (ioHandle == kInvalidHandle || count < 0)
        return false;
    if (SetFilePointer(AsHandle(ioHandle), static_cast<LONG>(baseOffset + position), nullptr,
                       FILE_BEGIN) == INVALID_SET_FILE_POINTER)
        return false;
    DWORD put = 0;
    if (!WriteFile(AsHandle(ioHandle), buffer, static_cast<DWORD>(count), &put, nullptr))
        return false;
    position += static_cast<int32_t>(put);
    if (position > size)
        size = position;
    if (written != nullptr)
        *written = static_cast<int32_t>(put);
    return put == static_cast<DWORD>(count);
}

bool CMappedFile::IsDirectory(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return false;
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CMappedFile::CreateDir(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}
