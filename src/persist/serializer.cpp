#include "persist/serializer.h"
#include "diag/log.h"
#include "platform/files.h"

#include <cstdio>

namespace {

void ToLittleEndian(int32_t value, char bytes[4]) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

int32_t FromLittleEndian(const char bytes[4]) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i)
        bits |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    return static_cast<int32_t>(bits);
}

} // namespace

std::string Serializer::TemporaryPathFor(const std::string& path) {
    return platform::NativePath(path) + ".tmp";
}

Serializer::Serializer(const std::string& path)
    : targetPath(platform::NativePath(path)), temporaryPath(TemporaryPathFor(path)),
      file(platform::CreateFileForWriting(temporaryPath)) {
    if (file == platform::kNoFile)
        throw "couldn't open file";
}

Serializer::~Serializer() {
    if (committed)
        return;
    // Closed first: an open file cannot be removed everywhere.
    if (file != platform::kNoFile)
        platform::CloseFileHandle(file);
    std::remove(temporaryPath.c_str());
}

void Serializer::PutInt(int32_t value) {
    char little[4];
    ToLittleEndian(value, little);
    bytes.append(little, 4);
}

void Serializer::PutString(const std::string& text) {
    PutInt(static_cast<int32_t>(text.size()));
    bytes += text;
}

void Serializer::Commit() {
    if (committed)
        return;
    // A full disk shows here, in the one write, or in the close; either
    // leaves the target as it was.
    int32_t written = 0;
    const bool complete =
        platform::WriteFileAt(file, 0, bytes.data(), static_cast<int32_t>(bytes.size()), &written);
    const bool closed = platform::CloseFileHandle(file);
    file = platform::kNoFile;
    if (!complete || !closed || !platform::MoveFileReplacing(temporaryPath, targetPath))
        throw "file write failed";
    committed = true;
}

DeSerializer::DeSerializer(const std::string& path)
    : file(platform::NativePath(path), std::ios::binary | std::ios::in), stream(file) {
    if (!file.is_open()) {
        Log("DeSerializer::DeSerializer: %s", path.c_str());
        throw "DeSerializer::DeSerializer: ERROR: couldn't open file";
    }
    stream.seekg(0, std::ios::end);
    fileSize = stream.tellg();
    stream.seekg(0, std::ios::beg);
}

DeSerializer::DeSerializer(const uint8_t* data, size_t size)
    : memory(size != 0 ? std::string(reinterpret_cast<const char*>(data), size) : std::string(),
             std::ios::binary | std::ios::in),
      stream(memory), fileSize(static_cast<std::streamoff>(size)) {}

int32_t DeSerializer::GetInt() {
    char bytes[4];
    stream.read(bytes, 4);
    if (stream.eof())
        throw "unexpected end of file";
    if (stream.bad())
        throw "file read failed";
    return FromLittleEndian(bytes);
}

std::string DeSerializer::GetString() {
    const uint32_t length = static_cast<uint32_t>(GetInt());
    if (length == 0)
        return std::string();
    // A damaged length must not make us allocate what the file cannot hold:
    // it fails exactly as a string cut short by the end of the file would.
    const std::streamoff remaining = fileSize - stream.tellg();
    if (static_cast<std::streamoff>(length) > remaining) {
        stream.seekg(0, std::ios::end);
        stream.setstate(std::ios::eofbit | std::ios::failbit);
        Log("DeSerializer::GetString: eof()");
        throw "EOF file found";
    }
    std::string text(length, '\0');
    stream.read(&text[0], static_cast<std::streamsize>(length));
    if (stream.eof()) {
        Log("DeSerializer::GetString: eof()");
        throw "EOF file found";
    }
    if (stream.bad()) {
        Log("DeSerializer::GetString: bad()");
        throw "file read failed";
    }
    return text;
}

bool StoreWhole(const std::string& path, CSerializable& what) {
    try {
        Serializer out(path);
        what.Serialize(out);
        out.Commit();
    } catch (...) {
        return false;
    }
    return true;
}
