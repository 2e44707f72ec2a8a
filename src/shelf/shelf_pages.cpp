#include "shelf/shelf_pages.h"
#include "diag/log.h"
#include "game/shelf_layout.h"
#include "image/dib_image.h"
#include "photos/game_picture.h"
#include "photos/page_file.h"
#include "photos/page_import.h"
#include "photos/photo_pixels.h"
#include "platform/clock.h"
#include "shelf/own_page.h"
#include "shelf/shelf.h"

#include <vector>

ShelfEntry ReadShelfEntry(const std::string& shelfFolder, const std::string& name,
                          int32_t playerFolder) {
    ShelfEntry entry;
    entry.name = name;
    const std::string folder = shelfFolder + "\\" + name;
    photos::PhotoPageInfo info;
    if (!ReadPageFileIn(folder, &info))
        return entry;
    entry.progress =
        ReadOwnPageProgress(folder + "\\" + OwnSaveNameOf(playerFolder), info.pieceCount);
    return entry;
}

std::vector<ShelfEntry> ReadShelfEntries(const std::string& shelfFolder, int32_t playerFolder) {
    std::vector<ShelfEntry> entries;
    for (const std::string& name : ListShelf(shelfFolder))
        entries.push_back(ReadShelfEntry(shelfFolder, name, playerFolder));
    return entries;
}

photos::Image MakeShelfThumbnail(const photos::Image& pagePicture) {
    const int32_t width = pagePicture.Width(), height = pagePicture.Height();
    if (width <= 0 || height <= 0)
        return photos::Image();
    std::vector<uint8_t> pixels(static_cast<size_t>(width) * static_cast<size_t>(height) * 3);
    size_t at = 0;
    for (int32_t y = 0; y < height; ++y)
        for (int32_t x = 0; x < width; ++x) {
            const photos::Rgb c = pagePicture.At(x, y);
            pixels[at++] = c.b;
            pixels[at++] = c.g;
            pixels[at++] = c.r;
        }
    photos::DecodedPhoto photo;
    photo.pixels = pixels.data();
    photo.width = width;
    photo.height = height;
    photo.stride = static_cast<size_t>(width) * 3;
    photo.layout = photos::PixelLayout::kBgr24;
    int32_t fittedWidth = 0, fittedHeight = 0;
    FitThumbnail(width, height, &fittedWidth, &fittedHeight);
    return photos::FramePicture(photo, photos::Orientation::kUpright, fittedWidth, fittedHeight);
}

CShelfThumbnails::CShelfThumbnails() = default;

CShelfThumbnails::~CShelfThumbnails() = default;

const CDIBImage* CShelfThumbnails::Get(const std::string& shelfFolder, const std::string& name) {
    const auto found = kept.find(name);
    if (found != kept.end())
        return found->second.get();
    std::unique_ptr<CDIBImage> thumbnail;
    const uint32_t started = platform::MillisecondClock();
    const photos::Image picture = ReadPagePictureIn(shelfFolder + "\\" + name);
    if (picture.Width() > 0) {
        ++made;
        thumbnail = std::make_unique<CDIBImage>(1, 1);
        if (!photos::CopyToDib(MakeShelfThumbnail(picture), thumbnail.get()))
            thumbnail.reset();
        // For whoever weighs what the book costs.
        Log("CShelfThumbnails: %s made in %u ms", name.c_str(),
            static_cast<unsigned>(platform::MillisecondClock() - started));
    }
    // A picture that cannot be read is not tried again on every draw.
    return (kept[name] = std::move(thumbnail)).get();
}
