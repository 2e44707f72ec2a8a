// One picture the view lays over the page for a while, above every piece:
// the ring around the selected piece, or a hint's glowing outline. It is a
// sprite in the document's list like any other, so its changes reach the
// screen through dirty rectangles; its furniture tag keeps it out of the
// page's save file. Its picture is read when it is first shown somewhere.
#pragma once

#include <cstdint>
#include <string>

class CAnimDocBase;
class CGridSprite;
struct PictureBytes;

class CPageOverlay {
public:
    // rows: the picture's frames, stacked top to bottom; depth: a layer from
    // 0 to 9 (smaller lies higher).
    CPageOverlay(int32_t tag, int32_t rows, int32_t depth);

    // Shows the picture at path with its top-left at (x, y), on top of the
    // page. False, with nothing shown, when the picture cannot be read.
    bool Show(CAnimDocBase* document, const std::string& path, int32_t x, int32_t y);
    // The same for a picture in memory (a page of the player's own); name
    // tells one picture from another, as a path does.
    bool Show(CAnimDocBase* document, const std::string& name, const PictureBytes& picture,
              int32_t x, int32_t y);
    // Shows another frame (0 is the first); nothing when none is shown.
    void ShowFrame(int32_t frame);
    // Takes the picture off the page; the screen under it is drawn again.
    void Remove();
    // Called when the document has deleted every sprite, this one with them.
    void Forget();
    bool IsShown() const { return sprite != nullptr; }
    const CGridSprite* Sprite() const { return sprite; }

    CPageOverlay(const CPageOverlay&) = delete;
    CPageOverlay& operator=(const CPageOverlay&) = delete;

private:
    template <typename Add>
    bool ShowThrough(CAnimDocBase* document, const std::string& name, int32_t x, int32_t y,
                     Add add);

    int32_t tag;
    int32_t rows;
    int32_t depth;
    CAnimDocBase* document = nullptr;
    CGridSprite* sprite = nullptr;
    std::string path;
};
