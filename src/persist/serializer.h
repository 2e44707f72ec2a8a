// The two primitives every stored file is built from: a 32-bit little-endian
// integer and a string stored as its 32-bit length and then its bytes.
// Failures are thrown as the message text itself (const char*).
#pragma once

#include <cstdint>
#include <fstream>
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

class Serializer {
public:
    // Opens path for writing, replacing any file of that name.
    explicit Serializer(const std::string& path);
    void PutInt(int32_t value);
    void PutString(const std::string& text);

private:
    std::ofstream stream;
};

class DeSerializer {
public:
    explicit DeSerializer(const std::string& path);
    int32_t GetInt();
    std::string GetString();

private:
    std::ifstream stream;
    std::streamoff fileSize = 0;
};
