// The play screen's document as the sprite engine sees it: the background
// picture and the page's sprites over it, and the view it tells about every
// change (document_view.h). The game's page handling is CAnimDoc's
// (anim_doc.h).
#pragma once

#include "game/catalogue.h"
#include "platform/win_types.h"
#include "sprites/sprite_list.h"

#include <cstdint>
#include <memory>
#include <string>

class CDIBImage;
class CDocumentView;
class CGridSprite;
class CPageSource;
struct PictureBytes;
class CPageSpriteIndex;
class CSprite;

class CAnimDocBase {
public:
    CAnimDocBase();
    virtual ~CAnimDocBase();
    // Deletes every sprite and the background.
    virtual void Clear();

    // Loads the picture at path and makes it the background. A picture that
    // cannot be read changes nothing and gives false.
    bool SetBackground(HWND window, const std::string& path);
    // Deletes the page's sprites and the old background and takes image as
    // the new one; the view then makes its offscreen image to match. On false
    // the document has no background and the image stays the caller's.
    bool SetBackgroundImage(HWND window, CDIBImage* image);
    // Each makes a sprite with the next serial number, loads its picture and
    // puts it on top of the page; null, with nothing added, when the picture
    // cannot be read. AddSprite is the save-file reader's; the other two lay
    // a page out from the catalogue's records.
    CSprite* AddSprite(const std::string& path, int32_t tag, const POINT* pos);
    CSprite* AddPieceSprite(const SpriteRecord& record, const std::string& path);
    CGridSprite* AddGridSprite(const SpriteRecord& record, const std::string& path, int32_t tag);
    // The same two from a picture held in memory (a page of the player's
    // own, sprites/page_source.h); null, with nothing added, when the bytes
    // hold no picture.
    CSprite* AddPieceSprite(const SpriteRecord& record, const PictureBytes& picture);
    CGridSprite* AddGridSprite(const SpriteRecord& record, const PictureBytes& picture,
                               int32_t tag);
    // The lowest sprite with this tag, or null.
    CSprite* FindByTag(int32_t tag) const { return sprites.FindByTag(tag); }

    CSpriteList& Sprites() { return sprites; }
    const CSpriteList& Sprites() const { return sprites; }
    CDIBImage* GetBackground() const { return background; }
    // The view the page is shown in, told about every change of page
    // (document_view.h). Linked once at start-up.
    CDocumentView* GetView() const { return view; }
    void SetView(CDocumentView* newView) { view = newView; }
    CPageSpriteIndex* GetPageSprites() const { return pageSprites; }
    // The page of the player's own being shown, or null on the thirty
    // built-in pages (sprites/page_source.h).
    const CPageSource* GetPageSource() const { return pageSource; }

    CAnimDocBase(const CAnimDocBase&) = delete;
    CAnimDocBase& operator=(const CAnimDocBase&) = delete;

protected:
    // SetBackground once there is a background and a view: the picture is
    // read into the background image itself, reusing its pixels.
    bool ReloadBackground(HWND window, const std::string& path);
    // Deletes the sprites and tells the view, which may be carrying one.
    void DeleteSprites();
    // Adds a loaded sprite on top and lets the view know.
    void Place(CSprite* sprite);
    // Sets a loaded grid sprite up from record and places it.
    CGridSprite* PlaceGrid(std::unique_ptr<CGridSprite> sprite, const SpriteRecord& record);

    CPageSpriteIndex* pageSprites;
    CDIBImage* background = nullptr;
    CSpriteList sprites;
    CDocumentView* view = nullptr;
    int32_t nextSerial = 0;
    // Not owned; set by CAnimDoc::ShowOwnPage.
    const CPageSource* pageSource = nullptr;
};
