// A read-only CFileBase over bytes in memory, so readers can be fed exact
// byte strings (tests, fuzzers) without touching the disk. Short reads
// deliver what there is and report false, as CMappedFile does.
#pragma once

#include "persist/file_base.h"

#include <algorithm>
#include <cstring>
#include <vector>

class MemoryFile : public CFileBase {
public:
    explicit MemoryFile(std::vector<uint8_t> bytes) : bytes(std::move(bytes)) {}
    MemoryFile(const uint8_t* data, size_t size) : bytes(data, data + size) {}

    intptr_t OpenRead(const std::string&) override { return 0; }
    intptr_t OpenWrite(const std::string&) override { return 0; }
    bool Close() override { return true; }
    bool Read(void* buffer, int32_t count, int32_t* delivered = nullptr) override {
        const int32_t available = GetSize() - position;
        const int32_t n = std::max(0, std::min(count, available));
        if (n > 0)
            std::memcpy(buffer, bytes.data() + position, static_cast<size_t>(n));
        position += n;
        if (delivered != nullptr)
            *delivered = n;
        return n == count;
    }
    bool Seek(int32_t offset, int32_t origin) override {
        const int64_t base = origin == 0 ? 0 : origin == 1 ? position : GetSize();
        const int64_t target = origin == 2 ? base - offset : base + offset;
        if (target < 0 || target > GetSize())
            return false;
        position = static_cast<int32_t>(target);
        return true;
    }
    int32_t Tell() override { return position; }
    int32_t GetSize() override { return static_cast<int32_t>(bytes.size()); }
    bool Write(const void*, int32_t, int32_t* written = nullptr) override {
        if (written != nullptr)
            *written = 0;
        return false;
    }

private:
    std::vector<uint8_t> bytes;
    int32_t position = 0;
};
