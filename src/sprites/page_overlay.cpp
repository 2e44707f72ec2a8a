#include "sprites/page_overlay.h"
#include "game/catalogue.h"
#include "sprites/anim_doc_base.h"
#include "sprites/grid_sprite.h"
#include "sprites/page_source.h"

CPageOverlay::CPageOverlay(int32_t tag, int32_t rows, int32_t depth)
    : tag(tag), rows(rows), depth(depth) {}

bool CPageOverlay::Show(CAnimDocBase* newDocument, const std::string& newPath, int32_t x,
                        int32_t y) {
    return ShowThrough(newDocument, newPath, x, y, [&](const SpriteRecord& record) {
        return newDocument->AddGridSprite(record, newPath, tag);
    });
}

bool CPageOverlay::Show(CAnimDocBase* newDocument, const std::string& name,
                        const PictureBytes& picture, int32_t x, int32_t y) {
    return ShowThrough(newDocument, name, x, y, [&](const SpriteRecord& record) {
        return newDocument->AddGridSprite(record, picture, tag);
    });
}

template <typename Add>
bool CPageOverlay::ShowThrough(CAnimDocBase* newDocument, const std::string& newPath, int32_t x,
                               int32_t y, Add add) {
    if (sprite != nullptr && document == newDocument && path == newPath) {
        sprite->MoveTo(x, y);
        ShowFrame(0);
        return true;
    }
    Remove();
    if (newDocument == nullptr)
        return false;
    const SpriteRecord record = {rows, 1, 0, 0, x, y, depth, 1, tag};
    sprite = add(record);
    if (sprite == nullptr)
        return false;
    document = newDocument;
    path = newPath;
    return true;
}

void CPageOverlay::ShowFrame(int32_t frame) {
    if (sprite != nullptr && frame != sprite->GetRow())
        sprite->SetRow(frame);
}

void CPageOverlay::Remove() {
    if (sprite == nullptr)
        return;
    // Hidden first, so that its rectangle is drawn again without it.
    sprite->Hide();
    document->Sprites().Remove(sprite);
    delete sprite;
    Forget();
}

void CPageOverlay::Forget() {
    sprite = nullptr;
    document = nullptr;
    path.clear();
}
