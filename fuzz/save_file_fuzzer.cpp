// Arbitrary bytes as page 1's save file, read from memory. What is read from
// them is exactly what they hold up to their last whole record. Put on a real
// document and view over page 1's pictures, as the game does with a page it
// enters, the records give a page that holds only page 1's pieces, each at
// most once, and can be drawn and played. Only the pictures are written, once.
#include "game/catalogue.h"
#include "game/page_sprite_index.h"
#include "persist/puzzle_file_ops.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "sprites/page_storage.h"
#include "sprites/sprite.h"
#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/scratch_folder.h"

#include <cstdint>
#include <cstring>
#include <memory>
#include <set>
#include <string>
#include <vector>

namespace {

// Page 1 drawn small, so that every input is read and drawn quickly.
class Harness {
public:
    Harness() : scratch("varnolt-fuzz-save"), folder(scratch.path) {
        PageArt art;
        art.pieceSize = PictureSize{32, 28};
        art.backgroundSize = PictureSize{160, 120};
        WritePageFolder(folder, {1}, art);
        session = std::make_unique<CPlaySession>(folder);
        session->ShowPage(1);
    }

    ScratchFolder scratch;
    std::string folder;
    std::unique_ptr<CPlaySession> session;
};

constexpr size_t kRecordBytes = 24;

void PutInt(std::vector<uint8_t>& bytes, int32_t value) {
    const uint32_t bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<uint8_t>(bits >> (8 * i)));
}

// The save file layout, written out here independently of the game's writer:
// the header text as a string, the version, the placed count, then one record
// per sprite.
std::vector<uint8_t> Encode(const SavedPage& page) {
    std::vector<uint8_t> bytes;
    const std::string header = PuzzleFileOps::kHeaderText;
    PutInt(bytes, static_cast<int32_t>(header.size()));
    bytes.insert(bytes.end(), header.begin(), header.end());
    PutInt(bytes, PuzzleFileOps::kVersion);
    PutInt(bytes, page.placedCount);
    for (const SavedSprite& s : page.sprites) {
        for (int32_t field : {s.tag, s.x, s.y, s.depth, s.visible, s.mirrored})
            PutInt(bytes, field);
    }
    return bytes;
}

// What a reader took from data: all of it but a last record cut short.
bool ReadExactly(const SavedPage& page, const uint8_t* data, size_t size) {
    const std::vector<uint8_t> expected = Encode(page);
    return expected.size() <= size && size - expected.size() < kRecordBytes &&
           std::memcmp(expected.data(), data, expected.size()) == 0;
}

bool OnPageOne(int32_t tag, const CPageSpriteIndex& page) {
    const int32_t firsts[] = {page.firstLoose, page.firstHole, page.firstPlaced, page.firstDrag};
    for (int32_t first : firsts) {
        if (tag >= first && tag < first + page.pieceCount)
            return true;
    }
    return false;
}

// The middle of a sprite, when it lies within the coordinate range.
bool Middle(const CSprite& sprite, POINT* at) {
    const int64_t x = int64_t{sprite.GetX()} + sprite.GetWidth() / 2;
    const int64_t y = int64_t{sprite.GetY()} + sprite.GetHeight() / 2;
    if (x > INT32_MAX || y > INT32_MAX)
        return false;
    *at = POINT{static_cast<int32_t>(x), static_cast<int32_t>(y)};
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Harness harness;
    CAnimDoc& doc = harness.session->Document();
    CAnimView& view = harness.session->View();
    // As the game empties a page: the view forgets what it held (a carried
    // piece, the sparkles of a page finished by the last input).
    doc.Sprites().DeleteAll();
    view.SpritesDeleted();
    view.SetPlacedCount(0);

    PuzzleFileOps& files = *PuzzleFileOps::Instance();
    SavedPage saved;
    if (files.ReadSaveBytes(data, size, &saved)) {
        if (!ReadExactly(saved, data, size))
            __builtin_trap();
        RestorePage(saved, doc);
    } else if (!saved.sprites.empty() || saved.placedCount != 0) {
        __builtin_trap();
    }
    const CPageSpriteIndex& page = *doc.GetPageSprites();
    std::set<int32_t> tags;
    for (size_t i = 0; CSprite* sprite = doc.Sprites().FromTop(i); ++i) {
        if (!OnPageOne(sprite->GetTag(), page) || !tags.insert(sprite->GetTag()).second)
            __builtin_trap();
    }

    // Draw it all, then try to lift every piece and drop it on its hole.
    RECT whole;
    view.GetBounds(&whole);
    view.AddDirtyRect(&whole);
    view.Flush(nullptr);
    for (int32_t k = 0; k < page.pieceCount; ++k) {
        const CSprite* drag = harness.session->Piece(kDragKind, k);
        const CSprite* hole = harness.session->Piece(kHoleKind, k);
        POINT grab;
        if (drag == nullptr || !Middle(*drag, &grab))
            continue;
        POINT drop = grab;
        view.OnMouseMove(nullptr, 0, grab.x, grab.y);
        view.OnLButtonDown(nullptr, 0, grab.x, grab.y);
        if (hole != nullptr && Middle(*hole, &drop))
            view.OnMouseMove(nullptr, 0, drop.x, drop.y);
        view.OnLButtonUp(nullptr, 0, drop.x, drop.y);
        // A button that came up near where it went down leaves the piece
        // carried after the click; the next press drops it.
        if (view.IsDragging())
            view.OnLButtonDown(nullptr, 0, drop.x, drop.y);
        if (view.IsDragging())
            __builtin_trap();
    }
    view.Flush(nullptr);
    view.ClearPage(nullptr);
    view.Flush(nullptr);
    return 0;
}
