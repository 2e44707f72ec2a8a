#include "shelf/own_page.h"
#include "diag/log.h"
#include "image/dib_image.h"
#include "persist/player_saves.h"
#include "photos/game_picture.h"
#include "photos/page_import.h"
#include "photos/photo_frame.h"
#include "platform/files.h"

#include <algorithm>
#include <cstdio>

namespace {

// A page file is a few dozen bytes; a page picture of the larger frame in
// the game's format about 750 kB.
constexpr size_t kLargestPageFile = 4096;
constexpr size_t kLargestPagePicture = 2 * 1024 * 1024;

// A picture of the game's own below the base directory.
photos::Image LoadGamePicture(const std::string& gamePath) {
    CDIBImage image(1, 1);
    if (!image.LoadFile(gamePath))
        return photos::Image();
    return photos::CopyFromDib(image);
}

// The whole of a file just opened, when it is no longer than limit; the
// file is closed either way.
bool ReadOpenedFile(platform::FileHandle file, int64_t size, size_t limit,
                    std::vector<uint8_t>* bytes) {
    if (file == platform::kNoFile)
        return false;
    bool read = size >= 0 && static_cast<uint64_t>(size) <= limit;
    if (read) {
        bytes->assign(static_cast<size_t>(size), 0);
        size_t at = 0;
        while (read && at < bytes->size()) {
            int32_t done = 0;
            const int32_t count =
                static_cast<int32_t>(std::min<size_t>(bytes->size() - at, size_t{1} << 24));
            read = platform::ReadFileAt(file, static_cast<int64_t>(at), bytes->data() + at, count,
                                        &done);
            at += static_cast<size_t>(count);
        }
    }
    platform::CloseFileHandle(file);
    return read;
}

} // namespace

bool ReadWholeFile(const std::string& path, size_t limit, std::vector<uint8_t>* bytes) {
    int64_t size = 0;
    const platform::FileHandle file =
        platform::OpenFileForReading(platform::NativePath(path), &size);
    return ReadOpenedFile(file, size, limit, bytes);
}

bool ReadPlayerFile(const std::string& path, size_t limit, std::vector<uint8_t>* bytes) {
    int64_t size = 0;
    const platform::FileHandle file =
        platform::OpenPlayerFileForReading(platform::NativePath(path), &size);
    return ReadOpenedFile(file, size, limit, bytes);
}

bool ReadPageFileIn(const std::string& pageFolder, photos::PhotoPageInfo* info) {
    std::vector<uint8_t> file;
    return ReadWholeFile(pageFolder + "\\" + photos::kPageFileName, kLargestPageFile, &file) &&
           photos::DecodePageFile(file.data(), file.size(), info);
}

photos::Image ReadPagePictureIn(const std::string& pageFolder) {
    std::vector<uint8_t> bytes;
    CDIBImage image(1, 1);
    if (!ReadWholeFile(pageFolder + "\\" + photos::kPagePictureName, kLargestPagePicture, &bytes) ||
        !image.LoadFromMemory(bytes.data(), bytes.size()))
        return photos::Image();
    return photos::CopyFromDib(image);
}

bool COwnPage::Open(const std::string& pageFolder) {
    photos::PhotoPageInfo read;
    if (!ReadPageFileIn(pageFolder, &read)) {
        Log("COwnPage::Open: no usable page file in %s", pageFolder.c_str());
        return false;
    }
    folder = pageFolder;
    info = read;
    const photos::Image picture = ReadPagePictureIn(folder);
    const photos::Image background = LoadGamePicture(BackgroundPath());
    const photos::CutPage cut =
        photos::CutPhotoPage(picture, background, info.frame, info.pieceCount, info.cutSeed);
    if (cut.pictures.size() != static_cast<size_t>(info.pieceCount)) {
        Log("COwnPage::Open: the picture of %s cannot be cut", pageFolder.c_str());
        pieces.clear();
        return false;
    }
    pieces = cut.layout.pieces;
    const size_t count = pieces.size();
    // Where each piece lies and where it goes, for whoever reads the log.
    for (size_t k = 0; k < count; ++k)
        Log("COwnPage: piece %d loose %d %d hole %d %d", static_cast<int>(k), pieces[k].loose.x,
            pieces[k].loose.y, pieces[k].hole.x, pieces[k].hole.y);
    pictures.assign(kPieceKindCount * count, {});
    rings.clear();
    glows.clear();
    for (size_t k = 0; k < count; ++k) {
        const photos::PiecePictures& art = cut.pictures[k];
        pictures[kLooseKind * count + k] = photos::EncodeGamePicture(art.loose);
        pictures[kHoleKind * count + k] = photos::EncodeGamePicture(art.hole);
        pictures[kPlacedKind * count + k] = photos::EncodeGamePicture(art.placed);
        pictures[kDragKind * count + k] = photos::EncodeGamePicture(art.drag);
        rings.push_back(photos::EncodeGamePicture(cut.aids[k].selectionRing));
        glows.push_back(photos::EncodeGamePicture(cut.aids[k].holeGlow));
    }
    return true;
}

std::string COwnPage::BackgroundPath() const {
    return photos::SameBox(info.frame, photos::kLandscapeFrame) ? photos::kLandscapeBackgroundPath
                                                                : kPageBackgroundPath;
}

std::string OwnSaveNameOf(int32_t playerFolder) {
    if (playerFolder <= 0)
        return kOwnSaveName;
    char name[32];
    std::snprintf(name, sizeof name, "progress%02d.sav", static_cast<int>(playerFolder % 100));
    return name;
}

std::string COwnPage::SavePath() const {
    return folder + "\\" + OwnSaveNameOf(CPlayerSaves::GetInstance()->Folder());
}

int32_t COwnPage::PieceCount() const {
    return static_cast<int32_t>(pieces.size());
}

SpriteRecord COwnPage::Record(int32_t kind, int32_t k) const {
    SpriteRecord record = {1, 1, 0, 0, 0, 0, kCatalogueDepth, 0, kEndOfList};
    if (k < 0 || k >= PieceCount() || kind < 0 || kind >= kPieceKindCount)
        return record;
    const photos::PieceGeometry& piece = pieces[static_cast<size_t>(k)];
    const photos::Point at = kind == kLooseKind  ? piece.loose
                             : kind == kDragKind ? photos::Point{piece.loose.x + kDragRestOffsetX,
                                                                 piece.loose.y + kDragRestOffsetY}
                                                 : piece.hole;
    record.x = at.x;
    record.y = at.y;
    record.visible = kind == kLooseKind || kind == kHoleKind ? 1 : 0;
    record.nameIndex = TagOf(kind, k + 1);
    return record;
}

PictureBytes COwnPage::Bytes(const std::vector<uint8_t>& bytes) {
    return {bytes.data(), bytes.size()};
}

PictureBytes COwnPage::Piece(int32_t tag) const {
    const int32_t count = PieceCount();
    if (tag < 0 || tag >= kPieceFileCount || PieceOf(tag) > count)
        return {};
    const size_t at = static_cast<size_t>(KindOf(tag) * count + PieceOf(tag) - 1);
    return Bytes(pictures[at]);
}

PictureBytes COwnPage::SelectionRing(int32_t k) const {
    return k >= 0 && k < PieceCount() ? Bytes(rings[static_cast<size_t>(k)]) : PictureBytes{};
}

PictureBytes COwnPage::HoleGlow(int32_t k) const {
    return k >= 0 && k < PieceCount() ? Bytes(glows[static_cast<size_t>(k)]) : PictureBytes{};
}
