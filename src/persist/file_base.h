// The interface of a data file: open, read or write, move, close.
#pragma once

#include <cstdint>
#include <string>

class CFileBase {
public:
    virtual ~CFileBase() = default;
    // Non-zero on success (the open file's handle), 0 on failure.
    virtual intptr_t OpenRead(const std::string& name) = 0;
    virtual intptr_t OpenWrite(const std::string& name) = 0;
    virtual bool Close() = 0;
    // True when all of count was delivered; a short read still delivers what
    // there was and reports it through delivered.
    virtual bool Read(void* buffer, int32_t count, int32_t* delivered = nullptr) = 0;
    // origin: 0 start, 1 current, 2 end (offset counts back from the end).
    virtual bool Seek(int32_t offset, int32_t origin) = 0;
    virtual int32_t Tell() = 0;
    virtual int32_t GetSize() = 0;
    virtual bool Write(const void* buffer, int32_t count, int32_t* written = nullptr) = 0;
};
