#include "sprites/anim_view_base.h"
#include "diag/log.h"
#include "image/dib_image.h"
#include "platform/platform.h"
#include "sprites/rect_math.h"

#include <algorithm>

namespace {

constexpr int32_t kBoundsMargin = 4;

RECT RectUnion(const RECT& a, const RECT& b) {
    return RECT{std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                std::max(a.bottom, b.bottom)};
}

// The 44-byte info block of a 24-bit picture stored bottom row first, as the
// offscreen section is made.
DibInfo SectionInfo(int32_t width, int32_t height) {
    DibInfo info{};
    info.header.size = sizeof(DibInfoHeader);
    info.header.width = width;
    info.header.height = height;
    info.header.planes = 1;
    info.header.bitCount = 24;
    return info;
}

} // namespace

CAnimViewBase::CAnimViewBase(bool useDibSection) : useDibSection(useDibSection) {}

CAnimViewBase::~CAnimViewBase() {
    DeleteOffscreen();
}

void CAnimViewBase::DeleteOffscreen() {
    // The image only borrows the section's pixels: it goes first.
    delete offscreen;
    offscreen = nullptr;
    platform::DeleteOffscreenSection(dibSection);
    dibSection = nullptr;
}

void CAnimViewBase::GetBounds(RECT* out) const {
    *out = RECT{0, 0, 0, 0};
    if (offscreen != nullptr)
        offscreen->GetRect(out);
}

void CAnimViewBase::GetBoundsWithMargin(RECT* out) const {
    GetBounds(out);
    out->right += kBoundsMargin;
    out->bottom += kBoundsMargin;
}

bool CAnimViewBase::CreateOffscreen(HWND window, const CDIBImage* background) {
    fullRect = RECT{0, 0, 0, 0};
    if (background == nullptr) {
        DeleteOffscreen();
        return false;
    }
    const int32_t width = background->GetWidth();
    const int32_t height = background->GetHeight();
    // Every page's background has the same size: the offscreen image made
    // for the first one serves them all, as a new one would (its contents
    // are painted over by the next flush either way).
    if (offscreen != nullptr && offscreen->GetWidth() == width &&
        offscreen->GetHeight() == height && (!useDibSection || dibSection != nullptr))
        return true;
    DeleteOffscreen();
    offscreen = new CDIBImage(32, 32);
    bool made = false;
    if (useDibSection) {
        void* pixels = nullptr;
        dibSection = platform::CreateOffscreenSection(window, width, height, &pixels);
        if (dibSection != nullptr) {
            const DibInfo info = SectionInfo(width, height);
            made = offscreen->Attach(&info, pixels);
        }
    } else {
        made = offscreen->Create(width, height);
    }
    if (!made) {
        Log("Failed to create off screen dib");
        DeleteOffscreen();
        return false;
    }
    return true;
}

void CAnimViewBase::AddDirtyRect(const RECT* r) {
    if (!dirtyRects.empty()) {
        RECT& latest = dirtyRects.front();
        if (!RectIsEmpty(RectIntersection(latest, *r))) {
            latest = RectUnion(latest, *r);
            return;
        }
    }
    dirtyRects.push_front(*r);
}

void CAnimViewBase::Flush(HWND window) {
    // Without an offscreen image there is nothing to compose or copy from.
    if (offscreen != nullptr) {
        for (const RECT& r : dirtyRects)
            Render(&r);
        for (const RECT& r : dirtyRects)
            Blit(window, &r);
    }
    dirtyRects.clear();
}

void CAnimViewBase::Blit(HWND window, const RECT* r) {
    if (offscreen == nullptr)
        return;
    const RECT bounds{0, 0, offscreen->GetWidth(), offscreen->GetHeight()};
    if (r == nullptr && fullRect.right == 0)
        fullRect = bounds;
    const RECT source = RectIntersection(r != nullptr ? *r : fullRect, bounds);
    if (RectIsEmpty(source))
        return;
    if (useDibSection)
        platform::CopySectionToWindow(window, dibSection, source);
    else
        platform::CopyPixelsToWindow(window, offscreen->Pixels(), bounds.right, bounds.bottom,
                                     source);
}

bool CAnimViewBase::ComposeBackground(const CDIBImage* background, const RECT* r, RECT* part) {
    if (offscreen == nullptr || background == nullptr)
        return false;
    background->GetRect(part);
    if (r != nullptr)
        *part = RectIntersection(*part, *r);
    if (RectIsEmpty(*part))
        return false;
    background->CopyTo(offscreen, part->left, part->top, part->right - part->left,
                       part->bottom - part->top, part->left, part->top, kNoColourKey);
    return true;
}
