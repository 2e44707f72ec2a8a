// The two primitives every stored file is built from: a 32-bit little-endian
// integer and a string stored as its 32-bit length and then its bytes.
// Failures are thrown as the message text itself (const char*).
#pragma once

#include "platform/files.h"

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <sstream>
#include <string>

class Serializer;
class DeSerializer;

// Everything that is stored in a file implements this.
class CSerializable {
public:
    virtual void Serialize(Serializer& out) = 0;
    virtual void DeSerialize(DeSerializer& in) = 0;

protected:
    ~CSerializable() = default;
};

// Writes a new file next to the one it replaces, so that a save that fails
// part-way (full disk, removed folder) never costs the previous file: the
// target changes only when Commit succeeds, all at once.
class Serializer {
public:
    // Starts the replacement of path; the file at path stays untouched until
    // Commit. Throws "couldn't open file" when the new file cannot be made
    // (missing or unwritable folder).
    explicit Serializer(const std::string& path);
    // Without a successful Commit the new file is thrown away.
    ~Serializer();
    // Puts collect the file's bytes; they reach the disk in Commit.
    void PutInt(int32_t value);
    void PutString(const std::string& text);
    // Writes everything put so far and puts it in place of the target. Throws
    // "file write failed" when that cannot be done, leaving the target as it
    // was. Nothing may be put afterwards.
    void Commit();

    // Where the file being written lies until Commit: beside the target, under
    // a fixed name, so that one left by a crash is simply overwritten next time.
    static std::string TemporaryPathFor(const std::string& path);

    Serializer(const Serializer&) = delete;
    Serializer& operator=(const Serializer&) = delete;

private:
    std::string targetPath;
    std::string temporaryPath;
    platform::FileHandle file;
    std::string bytes;
    bool committed = false;
};

// Writes what into path the safe way above. False, with the file at path
// as it was, when that cannot be done: the caller decides what a failure
// means.
bool StoreWhole(const std::string& path, CSerializable& what);

// Reads a stored file back, from the file at a path or from its bytes in
// memory; both fail alike once the bytes run out.
class DeSerializer {
public:
    // Opens the file at path; logs the path and throws when it cannot.
    explicit DeSerializer(const std::string& path);
    // Reads a file's size bytes at data; they are copied, so data need not
    // outlive the reader.
    DeSerializer(const uint8_t* data, size_t size);
    int32_t GetInt();
    std::string GetString();

    DeSerializer(const DeSerializer&) = delete;
    DeSerializer& operator=(const DeSerializer&) = delete;

private:
    std::ifstream file;
    std::istringstream memory;
    std::istream& stream; // file or memory
    std::streamoff fileSize = 0;
};
