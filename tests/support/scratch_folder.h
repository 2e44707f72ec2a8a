// A folder of the process's own, removed with the object: in memory
// where the system has it, so the many small writes stay cheap.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& prefix) {
        namespace fs = std::filesystem;
        const fs::path base =
            fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
        std::string pattern = (base / (prefix + "-XXXXXX")).string();
        if (mkdtemp(&pattern[0]) == nullptr)
            std::abort();
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::string path;
};
