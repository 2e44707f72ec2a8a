#include "generated_content.h"

#include "content_writer.h"
#include "picture_file.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

namespace content::testing {

namespace {

// Removed when the program ends.
const std::filesystem::path& ScratchRoot() {
    static const ScopedTempDir scratch;
    return scratch.Path();
}

} // namespace

std::string FreshFolder(const std::string& name) {
    const std::filesystem::path folder = ScratchRoot() / name;
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
