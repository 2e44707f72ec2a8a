// The parts of CMappedFile that do not touch the system.
#include "persist/mapped_file.h"
#include "platform/platform.h"

#include <cstring>

std::string g_baseDirectory;

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
