// Test helpers for files: a private folder that disappears afterwards, and
// whole-file reads and writes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<uint8_t>;

// A fresh, empty folder under the system's temporary folder. With enter set,
// it is also the current directory until the object goes away.
class ScopedTempDir {
public:
    explicit ScopedTempDir(bool enter = false);
    ~ScopedTempDir();
    const std::filesystem::path& Path() const { return path; }
    // The file's path inside the folder, as a string for the game's APIs.
    std::string File(const std::string& name) const { return (path / name).string(); }

    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

private:
    std::filesystem::path path;
    std::filesystem::path previous;
    bool entered;
};

Bytes ReadAll(const std::string& path);
std::string ReadText(const std::string& path);
void WriteAll(const std::string& path, const Bytes& bytes);
