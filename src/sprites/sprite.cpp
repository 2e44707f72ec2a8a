#include "sprites/sprite.h"
#include "diag/log.h"
#include "image/dib_clip.h"
#include "sprites/rect_math.h"
#include "sprites/sprite_owner.h"

namespace {

constexpr int32_t kNewPictureSize = 32;

} // namespace

CSprite::CSprite(int32_t serial, int32_t tag, const POINT* pos)
    : CDIBImage(kNewPictureSize, kNewPictureSize), serial(serial), tag(tag) {
    if (pos != nullptr) {
        x = pos->x;
        y = pos->y;
    }
}

CSprite::CSprite() : CSprite(0, 0, nullptr) {}

void CSprite::GetRect(RECT* out) const {
    out->left = x;
    out->top = y;
    out->right = SaturateToInt32(int64_t{x} + GetWidth());
    out->bottom = SaturateToInt32(int64_t{y} + GetHeight());
}

void CSprite::Draw(CDIBImage* dest, const RECT* clip) const {
    if (IsVisible())
        DrawPart(dest, clip, 0, 0, IsMirrored());
}

void CSprite::DrawPart(CDIBImage* dest, const RECT* clip, int64_t cellLeft, int64_t cellTop,
                       bool mirror) const {
    if (dest == nullptr)
        return;
    RECT r;
    GetRect(&r);
    if (clip != nullptr) {
        r = RectIntersection(r, *clip);
        if (RectIsEmpty(r))
            return;
    }
    BlockCopy block{r.left,
                    r.top,
                    int64_t{r.right} - r.left,
                    int64_t{r.bottom} - r.top,
                    int64_t{r.left} - x + cellLeft,
                    int64_t{r.top} - y + cellTop};
    // The clip rectangle may reach past the destination, a sprite may lie
    // partly off the screen, and a grid's cell size stays from before its
    // last load, so a smaller picture loaded since may end inside the cell:
    // copy only what both pictures hold.
    if (!ClipBlockCopy(block, dest->GetWidth(), dest->GetHeight(), GetWidth(), GetHeight()))
        return;
    const auto at = [](int64_t v) { return static_cast<int32_t>(v); };
    if (mirror)
        CopyMirroredTo(dest, at(block.destX), at(block.destY), at(block.width), at(block.height),
                       at(block.srcX), at(block.srcY), colourKey);
    else
        CopyTo(dest, at(block.destX), at(block.destY), at(block.width), at(block.height),
               at(block.srcX), at(block.srcY), colourKey);
}

bool CSprite::LoadFromReader(CFileBase& file) {
    if (!Load(file)) {
        Log("Failed to load Sprite; CFile");
        return false;
    }
    OnLoaded();
    return true;
}

bool CSprite::LoadFromPath(const std::string& path) {
    if (!LoadFile(path)) {
        Log("Failed to load Sprite; LPSTR %s", path.c_str());
        return false;
    }
    OnLoaded();
    return true;
}

void CSprite::OnLoaded() {
    colourKey = kTransparentColour;
}

void CSprite::MoveTo(int32_t newX, int32_t newY) {
    RECT before;
    GetRect(&before);
    x = newX;
    y = newY;
    RECT after;
    GetRect(&after);
    Notify(kMoved, &before, &after);
}

void CSprite::SetDepth(int32_t newDepth) {
    RECT r;
    GetRect(&r);
    if (newDepth == depth)
        return;
    depth = newDepth;
    Notify(kDepthChanged, &r, nullptr);
}

bool CSprite::HitTest(int32_t px, int32_t py) const {
    if (!StrictlyInside(px, py, GetWidth(), GetHeight()))
        return false;
    uint32_t colour = 0;
    if (IsMirrored())
        GetMirroredPixel(px - x, py - y, &colour);
    else
        GetPixel(px - x, py - y, &colour);
    return colour != colourKey;
}

void CSprite::Invalidate(const RECT* r) {
    Notify(kInvalidated, r, nullptr);
}

void CSprite::Show() {
    visible = 1;
    RECT r;
    GetRect(&r);
    Notify(kLooksChanged, &r, nullptr);
}

void CSprite::Hide() {
    visible = 0;
    RECT r;
    GetRect(&r);
    Notify(kLooksChanged, &r, nullptr);
}

void CSprite::SaveToFile(const std::string& path) {
    Serializer out(path);
    Serialize(out);
    out.Commit();
}

void CSprite::LoadFromFile(const std::string& path) {
    DeSerializer in(path);
    DeSerialize(in);
}

SavedSprite CSprite::ToSaved() const {
    return SavedSprite{tag, x, y, depth, visible, mirrored};
}

void CSprite::Serialize(Serializer& out) {
    PutSavedSprite(out, ToSaved());
}

void CSprite::DeSerialize(DeSerializer& in) {
    // Read whole first: a record cut short by the end of the file throws
    // and leaves the sprite as it was, not half overwritten.
    const SavedSprite saved = GetSavedSprite(in);
    tag = saved.tag;
    x = saved.x;
    y = saved.y;
    depth = saved.depth;
    visible = saved.visible;
    mirrored = saved.mirrored;
}

bool CSprite::ContainsPoint(int32_t px, int32_t py) const {
    return StrictlyInside(px, py, GetWidth(), GetHeight());
}

void CSprite::Notify(uint32_t change, const RECT* rect1, const RECT* rect2) {
    if (owner != nullptr)
        owner->SpriteChanged(this, change, rect1, rect2);
}

bool CSprite::StrictlyInside(int32_t px, int32_t py, int32_t boxWidth, int32_t boxHeight) const {
    // In 64 bits: a position read from a damaged save file may lie near the
    // end of the 32-bit range.
    const int64_t dx = int64_t{px} - x;
    const int64_t dy = int64_t{py} - y;
    return dx > 0 && dx < boxWidth && dy > 0 && dy < boxHeight;
}
