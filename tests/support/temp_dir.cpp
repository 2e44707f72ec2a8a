#include "support/temp_dir.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace fs = std::filesystem;

namespace {

fs::path UniqueFolder() {
    static std::atomic<unsigned> counter{0};
    std::random_device seed;
    const fs::path base = fs::temp_directory_path();
    for (int attempt = 0; attempt < 100; ++attempt) {
        fs::path candidate = base / ("varnolt-test-" + std::to_string(seed()) + "-" +
                                     std::to_string(counter++));
        if (fs::create_directory(candidate))
            return candidate;
    }
    throw std::runtime_error("no temporary folder could be made");
}

} // namespace

ScopedTempDir::ScopedTempDir(bool enter) : path(UniqueFolder()), entered(enter) {
    if (entered) {
        previous = fs::current_path();
        fs::current_path(path);
    }
}

ScopedTempDir::~ScopedTempDir() {
    std::error_code ignored;
    if (entered)
        fs::current_path(previous, ignored);
    fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
    fs::remove_all(path, ignored);
}

Bytes ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string ReadText(const std::string& path) {
    const Bytes bytes = ReadAll(path);
    return std::string(bytes.begin(), bytes.end());
}

void WriteAll(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
