#include "shelf_test_support.h"

#include "persist/store_locations.h"
#include "platform/files.h"
#include "shelf/photo_adding.h"
#include "shelf/shelf.h"

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

void WritePpm(const std::string& path, const photos::Image& picture) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n# made up\n" << picture.Width() << " " << picture.Height() << "\n255\n";
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) {
            const photos::Rgb c = picture.At(x, y);
            out.put(static_cast<char>(c.r)).put(static_cast<char>(c.g)).put(static_cast<char>(c.b));
        }
}

void WriteClaimedPpm(const std::string& path, int width, int height) {
    std::ofstream out(path, std::ios::binary);
    out << "P6\n" << width << " " << height << "\n255\n" << std::string(300, '\x40');
}

ShelfFixture::ShelfFixture(const std::vector<int32_t>& pages) : PlayPageTest(pages) {
    const fs::path data = dir.Path() / "Data";
    fs::copy_file(data / "m0011.dat", data / "m0012.dat");
    fs::create_directory(dir.Path() / "user");
    SetUserDataDirectory((dir.Path() / "user").string());
    shelf = ShelfFolder();
    EXPECT_TRUE(PrepareShelf(shelf));
}

ShelfFixture::~ShelfFixture() {
    SetUserDataDirectory("");
}

std::string ShelfFixture::AddPhoto(const photos::Image& picture, int32_t count) {
    const std::string photo = (dir.Path() / "photo.ppm").string();
    WritePpm(photo, picture);
    std::string name;
    EXPECT_EQ(AddPhotoToShelf(photo, count, shelf, &name), AddedPhoto::kAdded);
    return name;
}

std::string ShelfFixture::PageFile(const std::string& page, const std::string& file) const {
    return platform::NativePath(shelf + "\\" + page + "\\" + file);
}
