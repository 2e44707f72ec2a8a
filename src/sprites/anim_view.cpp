#include "sprites/anim_view.h"
#include "diag/log.h"
#include "game/page_cursor.h"
#include "game/page_furniture.h"
#include "game/page_sprite_index.h"
#include "game/play_aids.h"
#include "game/sound_effects.h"
#include "image/cursor_set.h"
#include "image/dib_image.h"
#include "platform/platform.h"
#include "sprites/anim_doc.h"
#include "sprites/grid_sprite.h"
#include "sprites/page_completion.h"
#include "sprites/rect_math.h"
#include "sprites/sprite.h"

namespace {

constexpr int32_t kReleasedFace = 0;
constexpr int32_t kPressedFace = 1;
// Above every piece, the carried one included; a hint's glow lies higher.
constexpr int32_t kSelectionRingDepth = 5;

} // namespace

CAnimView::CAnimView()
    : CAnimViewBase(true), cursorSet(GetCursorSet()), pageSprites(CPageSpriteIndex::Instance()),
      pageCursor(CPageCursor::Instance()), soundEffects(GetSoundEffects()),
      selectionRing(kSelectionRingTag, 1, kSelectionRingDepth) {}

void CAnimView::Tick(HWND window) {
    // Idle play asks nothing more of the tick than these tests.
    if (hint.IsRunning())
        hint.Advance(platform::MillisecondClock());
    if (celebration.Running())
        celebration.Advance(platform::MillisecondClock());
    Flush(window);
}

void CAnimView::Render(const RECT* r) {
    // Only a page being torn down has no background; there is nothing to
    // compose then.
    const CDIBImage* background = document != nullptr ? document->GetBackground() : nullptr;
    RECT c;
    if (!ComposeBackground(background, r, &c))
        return;
    CSpriteList& sprites = document->Sprites();
    for (CSprite* sprite = sprites.First(); sprite != nullptr; sprite = sprites.Next()) {
        if (sprite->IsVisible())
            sprite->Draw(offscreen, &c);
    }
}

bool CAnimView::NewBackground(HWND window, const CDIBImage* background) {
    if (!CreateOffscreen(window, background)) {
        Log("CAnimView::NewBackground Create failed");
        return false;
    }
    RECT whole;
    background->GetRect(&whole);
    AddDirtyRect(&whole);
    placedCount = 0;
    // The paint this brings makes the game screen call RedrawAll; the view
    // itself draws only when it flushes.
    platform::InvalidateWindow(window);
    return true;
}

void CAnimView::NewPageOnOldBackground() {
    placedCount = 0;
    RECT whole;
    GetBounds(&whole);
    if (!RectIsEmpty(whole))
        AddDirtyRect(&whole);
}

void CAnimView::SpriteAdded(CSprite* sprite) {
    RECT r;
    sprite->GetRect(&r);
    sprite->Invalidate(&r);
}

void CAnimView::PiecePlaced(HWND window) {
    if (document == nullptr || !PageProgressOf(*document).Finished())
        return;
    soundEffects->Play(window, kSoundFanfare);
    ShowFinishedStar(true);
    celebration.Start(*document, PictureAreaOf(*document), platform::MillisecondClock());
}

bool CAnimView::FinishedStarShown() const {
    const CSprite* star = document != nullptr ? document->FindByTag(kFinishedStarTag) : nullptr;
    return star != nullptr && star->IsVisible();
}

void CAnimView::ShowFinishedStar(bool shown) {
    CSprite* star = document != nullptr ? document->FindByTag(kFinishedStarTag) : nullptr;
    if (star == nullptr || star->IsVisible() == shown)
        return;
    if (shown)
        star->Show();
    else
        star->Hide();
}

void CAnimView::RedrawAll() {
    if (document == nullptr || document->GetBackground() == nullptr)
        return;
    RECT whole;
    document->GetBackground()->GetRect(&whole);
    AddDirtyRect(&whole);
    Flush(mainWindow);
}

void CAnimView::SetButtonFrame(int32_t tag, int32_t state) {
    if (document == nullptr || (state != kReleasedFace && state != kPressedFace))
        return;
    // Only the buttons are grid sprites with faces to show.
    auto* button = dynamic_cast<CGridSprite*>(document->FindByTag(tag));
    if (button != nullptr)
        button->SetRow(state);
}

void CAnimView::SetButtonColumn(int32_t tag, int32_t column) {
    if (document == nullptr)
        return;
    auto* button = dynamic_cast<CGridSprite*>(document->FindByTag(tag));
    if (button != nullptr && column >= 0 && column < button->GetColumns())
        button->SetColumn(column);
}
