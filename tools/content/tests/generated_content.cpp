#include "generated_content.h"

#include "content_writer.h"
#include "picture_file.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>
#include <unistd.h>

namespace content::testing {

namespace {

class Scratch {
public:
    Scratch() {
        root = std::filesystem::temp_directory_path() /
               ("varnolt-content-tests-" + std::to_string(getpid()));
        std::filesystem::remove_all(root);
        std::filesystem::create_directories(root);
    }
    ~Scratch() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    std::filesystem::path root;
};

Scratch& TheScratch() {
    static Scratch scratch;
    return scratch;
}

} // namespace

std::string FreshFolder(const std::string& name) {
    const std::filesystem::path folder = TheScratch().root / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder.string();
}

const std::string& GeneratedContent() {
    static const std::string folder = [] {
        const std::string path = FreshFolder("complete");
        GenerateAll(path);
        return path;
    }();
    return folder;
}

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder))
        if (entry.is_regular_file())
            files.push_back(std::filesystem::relative(entry.path(), folder).generic_string());
    std::sort(files.begin(), files.end());
    return files;
}

Image LoadResourceBitmap(const std::string& folder, const std::string& name) {
    const auto image =
        DecodePicture(ReadFile(folder + "/resources/" + name + ".bmp"), Signature::kBitmap);
    if (!image)
        throw std::runtime_error(name + ".bmp is not a 24-bit bitmap");
    return *image;
}

} // namespace content::testing
