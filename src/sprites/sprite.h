// A picture placed on the play screen: the loose pieces, holes, placed and
// carried pieces. It has a depth that decides what covers what (smaller is
// nearer the viewer), a transparent colour, a visibility flag and an optional
// left-right mirror. Every change that alters the screen is reported to its
// owner with the rectangles it touches (sprite_owner.h).
#pragma once

#include "image/dib_image.h"
#include "persist/saved_sprite.h"
#include "persist/serializer.h"
#include "platform/win_types.h"

#include <cstdint>
#include <string>

class CFileBase;
class CSpriteOwner;

class CSprite : public CDIBImage, public CSerializable {
public:
    // Depth of a sprite that has not been placed in a list yet.
    static constexpr int32_t kDefaultDepth = 10;

    // A 32 x 32 picture until one is loaded; pos may be null (0, 0).
    CSprite(int32_t serial, int32_t tag, const POINT* pos);
    // A blank sprite to read a save-file record into.
    CSprite();
    ~CSprite() override = default;

    // The placed rectangle: x, y, x + width, y + height. Edges beyond the
    // 32-bit range are clamped to it.
    void GetRect(RECT* out) const override;
    virtual int32_t GetX() const { return x; }
    virtual int32_t GetY() const { return y; }
    virtual int32_t GetDepth() const { return depth; }
    // Takes effect in the list order at the next Add or Reorder.
    virtual void SetDepthQuiet(int32_t newDepth) { depth = newDepth; }
    // Copies the visible part of the sprite inside clip (null: all of it)
    // into dest, skipping transparent pixels. Called by the view's render.
    virtual void Draw(CDIBImage* dest, const RECT* clip) const;
    // Both replace the picture (and so the size) without telling the owner.
    virtual bool LoadFromReader(CFileBase& file);
    virtual bool LoadFromPath(const std::string& path);
    virtual void OnLoaded();
    virtual void MoveTo(int32_t newX, int32_t newY);
    // Re-sorts the sprite in its list when the depth changes: SetDepth(10)
    // brings a sprite above every other ordinary sprite.
    virtual void SetDepth(int32_t newDepth);
    // True when (px, py) lies strictly inside the picture (its left and top
    // edges are outside) over a pixel that is not transparent.
    virtual bool HitTest(int32_t px, int32_t py) const;
    virtual void SetOwner(CSpriteOwner* newOwner) { owner = newOwner; }
    // Reports r to the owner as needing a redraw.
    virtual void Invalidate(const RECT* r);
    virtual int32_t GetSerial() const { return serial; }
    virtual int32_t GetTag() const { return tag; }
    virtual bool IsVisible() const { return visible != 0; }
    virtual bool IsShown() const { return visible != 0; }
    virtual bool IsHidden() const { return visible == 0; }
    // Both report the rectangle even when the flag does not change.
    virtual void Show();
    virtual void Hide();
    virtual void SetVisibleQuiet(bool show) { visible = show ? 1 : 0; }
    virtual void ToggleMirrored() { mirrored = mirrored != 0 ? 0 : 1; }
    virtual void SetMirrored(bool mirror) { mirrored = mirror ? 1 : 0; }
    virtual bool IsMirrored() const { return mirrored != 0; }
    // Write or read the six-integer record through a file of its own; the
    // serializer's thrown texts pass through to the caller.
    virtual void SaveToFile(const std::string& path);
    virtual void LoadFromFile(const std::string& path);

    // The save-file record: tag, x, y, depth, visible, mirrored. Reading it
    // back changes nothing else: no notification, no re-sort, no picture.
    // The sprite as a page save file keeps it.
    SavedSprite ToSaved() const;
    void Serialize(Serializer& out) override;
    void DeSerialize(DeSerializer& in) override;

    // Whether the point lies strictly inside the picture's rectangle,
    // whatever its pixels. Used for holes, whose whole rectangle counts.
    bool ContainsPoint(int32_t px, int32_t py) const;
    CSpriteOwner* GetOwner() const { return owner; }

protected:
    // Tells the owner, if there is one.
    void Notify(uint32_t change, const RECT* rect1, const RECT* rect2);
    // Draw's work for the sprite and its cells: copies the part of GetRect
    // inside clip (null: all of it) into dest, reading the picture from
    // (cellLeft, cellTop) for the rectangle's top-left corner.
    void DrawPart(CDIBImage* dest, const RECT* clip, int64_t cellLeft, int64_t cellTop,
                  bool mirror) const;
    // The same test as ContainsPoint for a box of the given size at x, y.
    bool StrictlyInside(int32_t px, int32_t py, int32_t boxWidth, int32_t boxHeight) const;

    int32_t x = 0;
    int32_t y = 0;
    int32_t depth = kDefaultDepth;
    uint32_t colourKey = kTransparentColour;
    CSpriteOwner* owner = nullptr;
    int32_t serial = 0;
    int32_t tag = 0;
    int32_t visible = 1;
    int32_t mirrored = 0;
};
