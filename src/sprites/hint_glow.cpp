#include "sprites/hint_glow.h"
#include "game/catalogue.h"
#include "game/page_sprite_index.h"
#include "game/play_aids.h"
#include "sprites/anim_doc_base.h"
#include "sprites/page_pieces.h"
#include "sprites/page_source.h"
#include "sprites/sprite.h"

#include <string>

namespace {

// Above the selection ring and every piece, the carried one included.
constexpr int32_t kGlowDepth = 4;

} // namespace

int32_t GlowFrameAt(uint32_t elapsed) {
    // 0, 1, 2, 1, 0, 1, 2, 1 ... for three frames.
    constexpr uint32_t kFrames = kGlowFrameCount;
    constexpr uint32_t kCycle = 2 * (kFrames - 1);
    const uint32_t step = (elapsed / kGlowFrameMilliseconds) % kCycle;
    return static_cast<int32_t>(step < kFrames ? step : kCycle - step);
}

CHintGlow::CHintGlow(int32_t tag) : glow(tag, kGlowFrameCount, kGlowDepth) {}

void CHintGlow::ShowForPiece(CAnimDocBase* document, int32_t k, uint32_t now) {
    const CSprite* hole = document != nullptr
                              ? PageSprite(*document, document->GetPageSprites()->firstHole, k)
                              : nullptr;
    if (k < 0 || hole == nullptr)
        return;
    const int32_t x = hole->GetX() + kFitOffsetX - kAidMargin;
    const int32_t y = hole->GetY() + kFitOffsetY - kAidMargin;
    if (const CPageSource* own = document->GetPageSource()) {
        if (glow.Show(document, "glow" + std::to_string(k), own->HoleGlow(k), x, y))
            startedAt = now;
        return;
    }
    Start(document, HoleGlowPath(PieceNumber(k)), x, y, now);
}

void CHintGlow::Start(CAnimDocBase* document, const std::string& path, int32_t x, int32_t y,
                      uint32_t now) {
    if (glow.Show(document, path, x, y))
        startedAt = now;
}

void CHintGlow::Advance(uint32_t now) {
    if (!glow.IsShown())
        return;
    // Unsigned, so a clock that wraps round in the middle still counts right.
    const uint32_t elapsed = now - startedAt;
    if (elapsed >= kHintMilliseconds)
        glow.Remove();
    else
        glow.ShowFrame(GlowFrameAt(elapsed));
}
