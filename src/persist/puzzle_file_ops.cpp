#include "persist/puzzle_file_ops.h"
#include "diag/log.h"
#include "persist/serializer.h"

const char* const PuzzleFileOps::kHeaderText = "VARNOLT1";

namespace {

const char* const kWrongText = "PuzzleFileOps::WriteSaveFile: file version text is wrong";
const char* const kWrongVersion = "CAnimDoc::ReadSprites: file version number is wrong";

// Records up to the end of the file, which normally ends right after the
// last one; a record cut short ends the list.
void ReadRecords(DeSerializer& in, std::vector<SavedSprite>& sprites) {
    for (;;) {
        try {
            sprites.push_back(GetSavedSprite(in));
        } catch (const char*) {
            return;
        } catch (...) {
            Log("DeSerialize: catch exception");
            return;
        }
    }
}

} // namespace

void PutSavedSprite(Serializer& out, const SavedSprite& sprite) {
    for (int32_t field :
         {sprite.tag, sprite.x, sprite.y, sprite.depth, sprite.visible, sprite.mirrored})
        out.PutInt(field);
}

SavedSprite GetSavedSprite(DeSerializer& in) {
    SavedSprite sprite;
    for (int32_t* field :
         {&sprite.tag, &sprite.x, &sprite.y, &sprite.depth, &sprite.visible, &sprite.mirrored})
        *field = in.GetInt();
    return sprite;
}

PuzzleFileOps* PuzzleFileOps::Instance() {
    static PuzzleFileOps fileOps;
    return &fileOps;
}

PuzzleFileOps::PuzzleFileOps() : CMappedFile(true) {}

bool PuzzleFileOps::WriteSaveFile(const std::string& path, const SavedPage& page) {
    try {
        Serializer out(path);
        out.PutString(kHeaderText);
        out.PutInt(kVersion);
        out.PutInt(page.placedCount);
        for (const SavedSprite& sprite : page.sprites)
            PutSavedSprite(out, sprite);
        out.Commit();
        return true;
    } catch (...) {
        // A missing folder or a full disk: the page keeps its previous save
        // file, and play goes on.
        return false;
    }
}

bool PuzzleFileOps::ReadSaveFile(const std::string& path, SavedPage* page) {
    try {
        DeSerializer in(path);
        return ReadSave(in, page);
    } catch (...) {
        // No file: the caller lays the page out from the catalogue.
        return false;
    }
}

bool PuzzleFileOps::ReadSaveBytes(const uint8_t* data, size_t size, SavedPage* page) {
    DeSerializer in(data, size);
    return ReadSave(in, page);
}

bool PuzzleFileOps::ReadSave(DeSerializer& in, SavedPage* page) {
    SavedPage read;
    try {
        if (in.GetString() != kHeaderText)
            throw kWrongText;
        if (in.GetInt() != kVersion)
            throw kWrongVersion;
        read.placedCount = in.GetInt();
        ReadRecords(in, read.sprites);
    } catch (...) {
        // A wrong header or one cut short: the caller lays the page out from
        // the catalogue.
        return false;
    }
    *page = std::move(read);
    return true;
}
