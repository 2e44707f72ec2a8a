#include "shelf/photo_adding.h"
#include "diag/log.h"
#include "photos/exif_orientation.h"
#include "photos/page_import.h"
#include "photos/photo_frame.h"
#include "photos/photo_pixels.h"
#include "photos/photo_size.h"
#include "platform/photo_decoder.h"
#include "shelf/own_page.h"
#include "shelf/shelf.h"

#include <cctype>
#include <vector>

namespace {

// No photo file a camera or phone makes comes near this; a larger file is
// refused before it is read.
constexpr size_t kLargestPhotoFile = 256u * 1024 * 1024;

// The copy keeps the original's extension (lower case), so that whoever
// opens the page's folder by hand sees what kind of picture it is.
std::string CopyNameFor(const std::string& photoPath) {
    const size_t slash = photoPath.find_last_of("\\/");
    const size_t dot = photoPath.find_last_of('.');
    std::string extension;
    if (dot != std::string::npos && (slash == std::string::npos || dot > slash) &&
        photoPath.size() - dot <= 6)
        for (size_t i = dot + 1; i < photoPath.size(); ++i) {
            const unsigned char c = static_cast<unsigned char>(photoPath[i]);
            if (!std::isalnum(c))
                return "photo";
            extension += static_cast<char>(std::tolower(c));
        }
    return extension.empty() ? "photo" : "photo." + extension;
}

// The cut's seed: the same photo and count always give the same page.
uint32_t SeedFor(const std::vector<uint8_t>& bytes, int32_t pieceCount) {
    uint32_t hash = 2166136261u;
    for (const uint8_t byte : bytes)
        hash = (hash ^ byte) * 16777619u;
    return hash ^ static_cast<uint32_t>(pieceCount) * 2654435761u;
}

} // namespace

AddedPhoto AddPhotoToShelf(const std::string& photoPath, int32_t pieceCount,
                           const std::string& shelfFolder, std::string* pageName) {
    std::vector<uint8_t> bytes;
    if (!ReadPlayerFile(photoPath, kLargestPhotoFile, &bytes)) {
        Log("AddPhotoToShelf: %s cannot be read", photoPath.c_str());
        return AddedPhoto::kNotAPicture;
    }
    const photos::Orientation orientation = photos::ReadExifOrientation(bytes.data(), bytes.size());
    photos::PhotoVerdict verdict = photos::PhotoVerdict::kUsable;
    platform::PhotoSize reported;
    const auto choose = [&](platform::PhotoSize size, platform::PhotoSize* decoded) {
        reported = size;
        verdict = photos::JudgePhotoSize(size.width, size.height);
        if (verdict != photos::PhotoVerdict::kUsable)
            return false;
        photos::DecodeSize(size.width, size.height, orientation, &decoded->width, &decoded->height);
        return true;
    };
    platform::PhotoSize size;
    std::vector<uint8_t> pixels;
    const platform::PhotoDecode decode =
        platform::DecodePhoto(bytes.data(), bytes.size(), choose, &size, &pixels);
    if (decode != platform::PhotoDecode::kDecoded) {
        Log("AddPhotoToShelf: %s refused (%d x %d)", photoPath.c_str(),
            static_cast<int>(reported.width), static_cast<int>(reported.height));
        return verdict == photos::PhotoVerdict::kTooSmall   ? AddedPhoto::kTooSmall
               : verdict == photos::PhotoVerdict::kTooLarge ? AddedPhoto::kTooLarge
                                                            : AddedPhoto::kNotAPicture;
    }
    const photos::DecodedPhoto decoded{pixels.data(), size.width, size.height,
                                       static_cast<size_t>(size.width) * 4,
                                       photos::PixelLayout::kBgra32};
    photos::PhotoImport import;
    import.info.frame = photos::FrameForStored(reported.width, reported.height, orientation);
    const photos::Image picture =
        photos::FramePicture(decoded, orientation, import.info.frame.w, import.info.frame.h);
    import.shelfFolder = shelfFolder;
    import.pageName = NextPageName(shelfFolder);
    import.sourcePhoto = photoPath;
    import.picture = &picture;
    import.info.pieceCount = pieceCount;
    import.info.cutSeed = SeedFor(bytes, pieceCount);
    import.info.photoName = CopyNameFor(photoPath);
    if (!photos::ImportPhotoPage(import))
        return AddedPhoto::kNotStored;
    *pageName = import.pageName;
    return AddedPhoto::kAdded;
}
