#include "sprites/anim_doc_base.h"
#include "diag/log.h"
#include "game/page_sprite_index.h"
#include "image/dib_image.h"
#include "sprites/document_view.h"
#include "sprites/grid_sprite.h"
#include "sprites/page_source.h"
#include "sprites/sprite.h"

#include <memory>

namespace {

constexpr int32_t kNewPictureSize = 32;

} // namespace

CAnimDocBase::CAnimDocBase()
    : pageSprites(CPageSpriteIndex::Instance()), sprites(CPageSpriteIndex::Instance()) {}

CAnimDocBase::~CAnimDocBase() {
    delete background;
}

void CAnimDocBase::Clear() {
    DeleteSprites();
    delete background;
    background = nullptr;
}

void CAnimDocBase::DeleteSprites() {
    sprites.DeleteAll();
    if (view != nullptr)
        view->SpritesDeleted();
}

bool CAnimDocBase::SetBackground(HWND window, const std::string& path) {
    if (background != nullptr && view != nullptr)
        return ReloadBackground(window, path);
    auto image = std::make_unique<CDIBImage>(kNewPictureSize, kNewPictureSize);
    if (!image->LoadFile(path))
        return false;
    if (!SetBackgroundImage(window, image.get()))
        return false;
    image.release();
    return true;
}

bool CAnimDocBase::ReloadBackground(HWND window, const std::string& path) {
    // Every page has a background of the same size, so the new picture is
    // read into the image that holds the old one, whose pixels it then
    // reuses. A read that fails leaves the old picture whole, as it leaves
    // a new image unused.
    if (!background->LoadFile(path))
        return false;
    DeleteSprites();
    if (!view->NewBackground(window, background)) {
        delete background;
        background = nullptr;
        return false;
    }
    return true;
}

bool CAnimDocBase::SetBackgroundImage(HWND window, CDIBImage* image) {
    if (image == nullptr)
        return false;
    DeleteSprites();
    delete background;
    background = image;
    if (view == nullptr) {
        Log("CAnimView not available in CAnimDocBase::SetBackground");
        background = nullptr;
        return false;
    }
    if (!view->NewBackground(window, image)) {
        background = nullptr;
        return false;
    }
    return true;
}

void CAnimDocBase::Place(CSprite* sprite) {
    sprites.Add(sprite);
    if (view != nullptr)
        view->SpriteAdded(sprite);
}

CSprite* CAnimDocBase::AddSprite(const std::string& path, int32_t tag, const POINT* pos) {
    auto sprite = std::make_unique<CSprite>(nextSerial++, tag, pos);
    if (!sprite->LoadFromPath(path))
        return nullptr;
    Place(sprite.get());
    return sprite.release();
}

CSprite* CAnimDocBase::AddPieceSprite(const SpriteRecord& record, const std::string& path) {
    auto sprite = std::make_unique<CSprite>(nextSerial++, record.nameIndex, nullptr);
    if (!sprite->LoadFromPath(path))
        return nullptr;
    // Not listed yet, so none of these reports anything.
    sprite->MoveTo(record.x, record.y);
    sprite->SetDepth(record.depth);
    sprite->SetVisibleQuiet(record.visible != 0);
    Place(sprite.get());
    return sprite.release();
}

CSprite* CAnimDocBase::AddPieceSprite(const SpriteRecord& record, const PictureBytes& picture) {
    auto sprite = std::make_unique<CSprite>(nextSerial++, record.nameIndex, nullptr);
    if (!sprite->LoadFromMemory(picture.data, picture.size))
        return nullptr;
    sprite->OnLoaded();
    sprite->MoveTo(record.x, record.y);
    sprite->SetDepth(record.depth);
    sprite->SetVisibleQuiet(record.visible != 0);
    Place(sprite.get());
    return sprite.release();
}

CGridSprite* CAnimDocBase::AddGridSprite(const SpriteRecord& record, const std::string& path,
                                         int32_t tag) {
    auto sprite = std::make_unique<CGridSprite>(nextSerial++, tag);
    if (!sprite->LoadFromPath(path))
        return nullptr;
    return PlaceGrid(std::move(sprite), record);
}

CGridSprite* CAnimDocBase::AddGridSprite(const SpriteRecord& record, const PictureBytes& picture,
                                         int32_t tag) {
    auto sprite = std::make_unique<CGridSprite>(nextSerial++, tag);
    if (!sprite->LoadFromMemory(picture.data, picture.size))
        return nullptr;
    sprite->OnLoaded();
    return PlaceGrid(std::move(sprite), record);
}

CGridSprite* CAnimDocBase::PlaceGrid(std::unique_ptr<CGridSprite> sprite,
                                     const SpriteRecord& record) {
    // The cell size comes from the loaded picture, so the grid is set after
    // loading, columns and rows before the cell shown.
    sprite->SetColumns(record.frameColumns);
    sprite->SetRows(record.frameRows);
    sprite->SetColumn(record.frameColumn);
    sprite->SetRow(record.frameRow);
    sprite->MoveTo(record.x, record.y);
    sprite->SetDepth(record.depth);
    sprite->SetVisibleQuiet(record.visible != 0);
    Place(sprite.get());
    return sprite.release();
}
