#include "persist/serializer.h"
#include "diag/log.h"
#include "platform/platform.h"

#include <cstdio>

namespace {

// Bytes writes may still take before the injected fault; negative: no fault.
int64_t g_writeBudget = -1;

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

void Serializer::FailWritesAfter(int64_t bytes) {
    g_writeBudget = bytes;
}

Serializer::Serializer(const std::string& path)
    : targetPath(platform::NativePath(path)), temporaryPath(TemporaryPathFor(path)),
      stream(temporaryPath, std::ios::binary | std::ios::out | std::ios::trunc) {
    if (!stream.is_open())
        throw "couldn't open file";
}

Serializer::~Serializer() {
    if (committed)
        return;
    stream.close();
    std::remove(temporaryPath.c_str());
}

void Serializer::Write(const char* bytes, size_t count) {
    if (g_writeBudget >= 0 && static_cast<uint64_t>(g_writeBudget) < count) {
        stream.write(bytes, static_cast<std::streamsize>(g_writeBudget));
        g_writeBudget = 0;
        stream.setstate(std::ios::badbit);
    } else {
        if (g_writeBudget >= 0)
            g_writeBudget -= static_cast<int64_t>(count);
        stream.write(bytes, static_cast<std::streamsize>(count));
    }
    if (stream.bad())
        throw "file write failed";
}

void Serializer::PutInt(int32_t value) {
    char bytes[4];
    ToLittleEndian(value, bytes);
    Write(bytes, 4);
}

void Serializer::PutString(const std::string& text) {
    PutInt(static_cast<int32_t>(text.size()));
    Write(text.data(), text.size());
}

void Serializer::Commit() {
    if (committed)
        return;
    // Buffered bytes meet a full disk only here, so the flush and the close
    // are checked as carefully as every put.
    stream.flush();
    const bool flushed = !stream.fail();
    stream.close();
    if (!flushed || stream.fail() || !platform::MoveFileReplacing(temporaryPath, targetPath))
        throw "file write failed";
    committed = true;
}

DeSerializer::DeSerializer(const std::string& path)
    : stream(platform::NativePath(path), std::ios::binary | std::ios::in) {
    if (!stream.is_open()) {
        Log("DeSerializer::DeSerializer: %s", path.c_str());
        throw "DeSerializer::DeSerializer: ERROR: couldn't open file";
    }
    stream.seekg(0, std::ios::end);
    fileSize = stream.tellg();
    stream.seekg(0, std::ios::beg);
}

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
