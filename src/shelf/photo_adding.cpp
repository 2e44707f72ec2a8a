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

// The photo's part of the cut's seed: the same photo and count always give
// the same page.
uint32_t HashOf(const std::vector<uint8_t>& bytes) {
    uint32_t hash = 2166136261u;
    for (const uint8_t byte : bytes)
        hash = (hash ^ byte) * 16777619u;
    return hash;
}

uint32_t SeedFor(uint32_t contentHash, int32_t pieceCount) {
    return contentHash ^ static_cast<uint32_t>(pieceCount) * 2654435761u;
}

} // namespace

PreparedPhoto PreparePhoto(const std::string& photoPath) {
    PreparedPhoto prepared;
    prepared.photoPath = photoPath;
    std::vector<uint8_t> bytes;
    prepared.read = ReadPlayerFile(photoPath, kLargestPhotoFile, &bytes);
    if (!prepared.read)
        return prepared;
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
    prepared.reportedWidth = reported.width;
    prepared.reportedHeight = reported.height;
    if (decode != platform::PhotoDecode::kDecoded) {
        prepared.verdict = verdict == photos::PhotoVerdict::kTooSmall   ? AddedPhoto::kTooSmall
                           : verdict == photos::PhotoVerdict::kTooLarge ? AddedPhoto::kTooLarge
                                                                        : AddedPhoto::kNotAPicture;
        return prepared;
    }
    const photos::DecodedPhoto decoded{pixels.data(), size.width, size.height,
                                       static_cast<size_t>(size.width) * 4,
                                       photos::PixelLayout::kBgra32};
    prepared.frame = photos::FrameForStored(reported.width, reported.height, orientation);
    prepared.picture =
        photos::FramePicture(decoded, orientation, prepared.frame.w, prepared.frame.h);
    prepared.contentHash = HashOf(bytes);
    prepared.verdict = AddedPhoto::kAdded;
    return prepared;
}

AddedPhoto StorePreparedPhoto(const PreparedPhoto& photo, int32_t pieceCount,
                              const std::string& shelfFolder, std::string* pageName) {
    if (!photo.read) {
        Log("AddPhotoToShelf: %s cannot be read", photo.photoPath.c_str());
        return AddedPhoto::kNotAPicture;
    }
    if (photo.verdict != AddedPhoto::kAdded) {
        Log("AddPhotoToShelf: %s refused (%d x %d)", photo.photoPath.c_str(),
            static_cast<int>(photo.reportedWidth), static_cast<int>(photo.reportedHeight));
        return photo.verdict;
    }
    photos::PhotoImport import;
    import.info.frame = photo.frame;
    import.shelfFolder = shelfFolder;
    import.pageName = NextPageName(shelfFolder);
    import.sourcePhoto = photo.photoPath;
    import.picture = &photo.picture;
    import.info.pieceCount = pieceCount;
    import.info.cutSeed = SeedFor(photo.contentHash, pieceCount);
    import.info.photoName = CopyNameFor(photo.photoPath);
    if (!photos::ImportPhotoPage(import))
        return AddedPhoto::kNotStored;
    *pageName = import.pageName;
    return AddedPhoto::kAdded;
}

AddedPhoto AddPhotoToShelf(const std::string& photoPath, int32_t pieceCount,
                           const std::string& shelfFolder, std::string* pageName) {
    return StorePreparedPhoto(PreparePhoto(photoPath), pieceCount, shelfFolder, pageName);
}
