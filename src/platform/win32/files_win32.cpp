// Files on Windows: CreateFileA (CreateFileW for the player's own photos),
// ReadFile and WriteFile at an offset, a read-only file mapping, folders and
// the write-through move.
#include "platform/files.h"
#include "platform/win_types.h"

#include <share.h>
#include <string>
#include <vector>

namespace {

HANDLE AsHandle(platform::FileHandle file) {
    return reinterpret_cast<HANDLE>(file);
}

platform::FileHandle AsFile(HANDLE handle) {
    return handle == INVALID_HANDLE_VALUE ? platform::kNoFile
                                          : reinterpret_cast<platform::FileHandle>(handle);
}

bool MoveTo(HANDLE file, int64_t offset) {
    LARGE_INTEGER target;
    target.QuadPart = offset;
    return SetFilePointerEx(file, target, nullptr, FILE_BEGIN) != 0;
}

// The data must reach the disk before the name does; write-through on the
// move alone only covers the move.
bool FlushToDisk(const std::string& path) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    const BOOL flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed != FALSE;
}

// A file just opened for reading, with its length in *size; kNoFile (the
// handle closed, the reason kept) when either step failed.
platform::FileHandle WithLength(HANDLE file, int64_t* size) {
    if (file == INVALID_HANDLE_VALUE)
        return platform::kNoFile;
    LARGE_INTEGER length;
    if (!GetFileSizeEx(file, &length)) {
        const DWORD error = GetLastError();
        CloseHandle(file);
        SetLastError(error);
        return platform::kNoFile;
    }
    *size = length.QuadPart;
    return AsFile(file);
}

// A UTF-8 name as the wide calls take it; empty when it is empty or no
// valid UTF-8.
std::wstring WideFromUtf8(const std::string& text) {
    const int length = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(),
                                           static_cast<int>(text.size()), nullptr, 0);
    if (length <= 0)
        return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                        &wide[0], length);
    return wide;
}

} // namespace

namespace platform {

uint32_t LastErrorCode() {
    return GetLastError();
}
void SetLastErrorCode(uint32_t code) {
    SetLastError(code);
}

// Windows already reads game paths as they are written.
std::string NativePath(const std::string& gamePath) {
    return gamePath;
}

FileHandle OpenFileForReading(const std::string& path, int64_t* size) {
    return WithLength(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                      size);
}

FileHandle OpenPlayerFileForReading(const std::string& path, int64_t* size) {
    const std::wstring wide = WideFromUtf8(path);
    if (wide.empty()) {
        SetLastError(ERROR_NO_UNICODE_TRANSLATION);
        return kNoFile;
    }
    return WithLength(CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr),
                      size);
}

FileHandle CreateFileForWriting(const std::string& path) {
    return AsFile(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr));
}

bool ReadFileAt(FileHandle file, int64_t offset, void* buffer, int32_t count, int32_t* done) {
    *done = 0;
    if (!MoveTo(AsHandle(file), offset))
        return false;
    DWORD got = 0;
    const BOOL ok = ReadFile(AsHandle(file), buffer, static_cast<DWORD>(count), &got, nullptr);
    *done = static_cast<int32_t>(got);
    return ok && got == static_cast<DWORD>(count);
}

bool WriteFileAt(FileHandle file, int64_t offset, const void* buffer, int32_t count,
                 int32_t* done) {
    *done = 0;
    if (!MoveTo(AsHandle(file), offset))
        return false;
    DWORD put = 0;
    const BOOL ok = WriteFile(AsHandle(file), buffer, static_cast<DWORD>(count), &put, nullptr);
    *done = static_cast<int32_t>(put);
    return ok && put == static_cast<DWORD>(count);
}

bool CloseFileHandle(FileHandle file) {
    return CloseHandle(AsHandle(file)) != 0;
}

bool MapFileForReading(FileHandle file, int32_t, FileView* view) {
    HANDLE mapping = CreateFileMappingA(AsHandle(file), nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping == nullptr)
        return false;
    const void* bytes = MapViewOfFile(mapping, FILE_MAP_READ, 0, 0, 0);
    if (bytes == nullptr) {
        const DWORD error = GetLastError();
        CloseHandle(mapping);
        SetLastError(error);
        return false;
    }
    view->bytes = static_cast<const uint8_t*>(bytes);
    view->mapping = reinterpret_cast<intptr_t>(mapping);
    return true;
}

bool UnmapFile(const FileView& view, int32_t) {
    bool released = UnmapViewOfFile(view.bytes) != 0;
    DWORD error = released ? 0 : GetLastError();
    if (!CloseHandle(reinterpret_cast<HANDLE>(view.mapping)) && released) {
        released = false;
        error = GetLastError();
    }
    SetLastError(error);
    return released;
}

bool IsDirectoryPath(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool MakeDirectory(const std::string& path) {
    return CreateDirectoryA(path.c_str(), nullptr) != 0;
}

bool IsReadOnlyFile(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
           (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

std::string WorkingDirectory() {
    const DWORD length = GetCurrentDirectoryA(0, nullptr);
    std::vector<char> buffer(length + 1, '\0');
    GetCurrentDirectoryA(length, buffer.data());
    return buffer.data();
}

bool MoveFileReplacing(const std::string& from, const std::string& to) {
    return FlushToDisk(from) &&
           MoveFileExA(from.c_str(), to.c_str(),
                       MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
}

std::FILE* OpenSharedAppend(const char* path) {
    return _fsopen(path, "a+", _SH_DENYNO);
}

} // namespace platform
