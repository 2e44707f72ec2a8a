#include "photos/page_import.h"

#include "diag/log.h"
#include "photos/game_picture.h"
#include "platform/files.h"
#include "platform/folders.h"

#include <algorithm>
#include <vector>

namespace photos {

namespace {

// Copies move through memory this many bytes at a time.
constexpr int32_t kCopyChunk = 1 << 20;

std::string Native(const std::string& folder, const std::string& name) {
    return platform::NativePath(folder + "\\" + name);
}

bool WriteAll(const std::string& path, const std::vector<uint8_t>& bytes) {
    const platform::FileHandle file = platform::CreateFileForWriting(path);
    if (file == platform::kNoFile)
        return false;
    bool written = true;
    for (size_t at = 0; written && at < bytes.size(); at += kCopyChunk) {
        const int32_t count = static_cast<int32_t>(std::min<size_t>(kCopyChunk, bytes.size() - at));
        int32_t done = 0;
        written =
            platform::WriteFileAt(file, static_cast<int64_t>(at), bytes.data() + at, count, &done);
    }
    return platform::CloseFileHandle(file) && written;
}

// from is the player's photo, whose name may lie outside the ANSI code page.
bool CopyWhole(const std::string& from, const std::string& to) {
    int64_t size = 0;
    const platform::FileHandle source = platform::OpenPlayerFileForReading(from, &size);
    if (source == platform::kNoFile)
        return false;
    const platform::FileHandle target = platform::CreateFileForWriting(to);
    bool copied = target != platform::kNoFile;
    std::vector<uint8_t> buffer(
        static_cast<size_t>(std::min<int64_t>(kCopyChunk, std::max<int64_t>(size, 1))));
    for (int64_t at = 0; copied && at < size; at += kCopyChunk) {
        const int32_t count = static_cast<int32_t>(std::min<int64_t>(kCopyChunk, size - at));
        int32_t done = 0;
        copied = platform::ReadFileAt(source, at, buffer.data(), count, &done) &&
                 platform::WriteFileAt(target, at, buffer.data(), count, &done);
    }
    platform::CloseFileHandle(source);
    if (target != platform::kNoFile)
        copied = platform::CloseFileHandle(target) && copied;
    return copied;
}

bool Fail(const std::string& unfinished, const char* why) {
    platform::RemoveFolderTree(unfinished);
    Log("PhotoImport: %s", why);
    return false;
}

} // namespace

bool ImportPhotoPage(const PhotoImport& import) {
    if (!IsPlainFileName(import.pageName) || import.picture == nullptr ||
        import.picture->Width() != import.info.frame.w ||
        import.picture->Height() != import.info.frame.h) {
        Log("PhotoImport: bad page");
        return false;
    }
    const std::vector<uint8_t> pageFile = EncodePageFile(import.info);
    const std::vector<uint8_t> picture = EncodeGamePicture(*import.picture);
    if (pageFile.empty() || picture.empty()) {
        Log("PhotoImport: bad page");
        return false;
    }
    const std::string finished = Native(import.shelfFolder, import.pageName);
    const std::string unfinished = Native(import.shelfFolder, import.pageName + kUnfinishedSuffix);
    if (platform::IsDirectoryPath(finished)) {
        Log("PhotoImport: page exists already");
        return false;
    }
    const std::string inside = import.shelfFolder + "\\" + import.pageName + kUnfinishedSuffix;
    if (!platform::RemoveFolderTree(unfinished) || !platform::MakeDirectory(unfinished))
        return Fail(unfinished, "cannot make the page folder");
    if (!WriteAll(Native(inside, kPagePictureName), picture))
        return Fail(unfinished, "cannot write the picture");
    if (!WriteAll(Native(inside, kPageFileName), pageFile))
        return Fail(unfinished, "cannot write the page file");
    if (!CopyWhole(platform::NativePath(import.sourcePhoto), Native(inside, import.info.photoName)))
        return Fail(unfinished, "cannot copy the photo");
    if (!platform::RenameFolder(unfinished, finished))
        return Fail(unfinished, "cannot put the page in place");
    return true;
}

void SweepUnfinishedImports(const std::string& shelfFolder) {
    std::vector<std::string> names;
    if (!platform::ListFolder(platform::NativePath(shelfFolder), &names))
        return;
    const std::string suffix = kUnfinishedSuffix;
    for (const std::string& name : names)
        if (name.size() > suffix.size() &&
            name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
            platform::RemoveFolderTree(Native(shelfFolder, name));
}

} // namespace photos
