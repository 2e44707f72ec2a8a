// Reads a data file by mapping all of it into memory; writes through a plain
// file. Paths are game paths ("\Data\b001.dat") taken relative to the base
// directory; the platform does the system calls.
#pragma once

#include "persist/file_base.h"
#include "platform/files.h"

#include <cstdint>
#include <string>

// The folder every data path is relative to: the current directory when the
// main window was created, without a trailing separator. Empty until set.
extern std::string g_baseDirectory;

// Called by the controller when the main window is created.
void SetBaseDirectory();

class CMappedFile : public CFileBase {
public:
    static constexpr intptr_t kInvalidHandle = platform::kNoFile;
    // Last-error code of a read or seek that went past either end.
    static constexpr uint32_t kErrorInvalidParameter = 87;

    explicit CMappedFile(bool mapOnRead = true);
    // Callers close explicitly; the destructor releases anything left open
    // so that a forgotten Close cannot leak a handle or a mapping.
    ~CMappedFile() override;

    intptr_t OpenRead(const std::string& name) override;
    intptr_t OpenWrite(const std::string& name) override;
    bool Close() override;
    bool Read(void* buffer, int32_t count, int32_t* delivered = nullptr) override;
    bool Seek(int32_t offset, int32_t origin) override;
    int32_t Tell() override { return position; }
    int32_t GetSize() override { return size; }
    bool Write(const void* buffer, int32_t count, int32_t* written = nullptr) override;

    // The whole file as mapped by OpenRead; null when nothing is mapped (an
    // empty file, or one opened without mapping). Called by
    // CDIBImage::LoadFile, which reads a picture straight out of it.
    const uint8_t* MappedBytes() const { return view; }

    // The base directory followed directly by name; name unchanged while the
    // base directory is empty.
    std::string ResolvePath(const std::string& name) const;

    // Directory helpers. Their paths are used as given, relative to the
    // current directory, not through ResolvePath.
    static bool IsDirectory(const std::string& path);
    static bool CreateDir(const std::string& path);
    static bool EnsureDirectory(const std::string& path);

    CMappedFile(const CMappedFile&) = delete;
    CMappedFile& operator=(const CMappedFile&) = delete;

protected:
    const uint8_t* view = nullptr;
    intptr_t ioHandle = kInvalidHandle;
    uint32_t baseOffset = 0;
    int32_t size = 0;
    int32_t position = 0;
    intptr_t fileHandle = kInvalidHandle;
    // The platform's mapping object, where the system has one.
    intptr_t mappingHandle = 0;
    bool mapOnRead;

private:
    bool ReadMapped(void* buffer, int32_t count, int32_t* delivered);
    bool ReadUnmapped(void* buffer, int32_t count, int32_t* delivered);
    void ResetToEmpty();
};
