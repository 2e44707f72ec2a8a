#include "sprites/celebration.h"
#include "game/page_furniture.h"
#include "sprites/anim_doc_base.h"
#include "sprites/grid_sprite.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int32_t kSparkleCount = 18;
// Each sparkle appears this long after the one before and twinkles through
// its frames in kSparkleLifeMs, so the last is done just before the end.
constexpr uint32_t kSparkleStaggerMs = 60;
constexpr uint32_t kSparkleLifeMs = 900;
// Above every ordinary sprite, the carried piece included.
constexpr int32_t kSparkleDepth = 5;

static_assert((kSparkleCount - 1) * kSparkleStaggerMs + kSparkleLifeMs <= CCelebration::kLengthMs,
              "every sparkle ends within the celebration");

// An even spread over the area that looks random: the plastic number's
// two-dimensional low-discrepancy sequence, fixed so every page sparkles alike.
POINT SparklePlace(int32_t i, const RECT& area) {
    const double a1 = 0.7548776662466927, a2 = 0.5698402909980532;
    double unused;
    const double u = std::modf(0.5 + a1 * (i + 1), &unused);
    const double v = std::modf(0.5 + a2 * (i + 1), &unused);
    // In 64 bits: the area spans the placed pieces, and a damaged save file
    // may put them anywhere. Each sum stays below the area's far edge.
    const int64_t spanX = std::max<int64_t>(int64_t{area.right} - area.left - kSparkleSize, 0);
    const int64_t spanY = std::max<int64_t>(int64_t{area.bottom} - area.top - kSparkleSize, 0);
    return {static_cast<int32_t>(area.left + static_cast<int64_t>(u * static_cast<double>(spanX))),
            static_cast<int32_t>(area.top + static_cast<int64_t>(v * static_cast<double>(spanY)))};
}

} // namespace

void CCelebration::Start(CAnimDocBase& newDocument, const RECT& area, uint32_t now) {
    Stop();
    document = &newDocument;
    startedAt = now;
    for (int32_t i = 0; i < kSparkleCount; ++i) {
        const POINT at = SparklePlace(i, area);
        const SpriteRecord record = {kSparkleFrames, 1, 0,          0, at.x, at.y,
                                     kSparkleDepth,  0, kSparkleTag};
        CGridSprite* sprite = document->AddGridSprite(record, kSparklePicturePath, kSparkleTag);
        if (sprite != nullptr)
            sparkles.push_back({sprite, static_cast<uint32_t>(i) * kSparkleStaggerMs});
    }
    Advance(now);
}

void CCelebration::Advance(uint32_t now) {
    if (!Running())
        return;
    const uint32_t elapsed = now - startedAt;
    if (elapsed >= kLengthMs) {
        Stop();
        return;
    }
    for (const Sparkle& sparkle : sparkles)
        ShowAt(sparkle, elapsed);
}

void CCelebration::ShowAt(const Sparkle& sparkle, uint32_t elapsed) {
    CGridSprite* sprite = sparkle.sprite;
    const bool lit = elapsed >= sparkle.delay && elapsed - sparkle.delay < kSparkleLifeMs;
    if (!lit) {
        if (sprite->IsVisible())
            sprite->Hide();
        return;
    }
    // Only what changes is reported, so a still frame costs no redraw.
    sprite->SetRow(
        static_cast<int32_t>((elapsed - sparkle.delay) * kSparkleFrames / kSparkleLifeMs));
    if (!sprite->IsVisible())
        sprite->Show();
}

void CCelebration::Stop() {
    if (document != nullptr) {
        for (const Sparkle& sparkle : sparkles) {
            sparkle.sprite->Hide(); // its rectangle is drawn again without it
            delete document->Sprites().Remove(sparkle.sprite);
        }
    }
    Forget();
}

void CCelebration::Forget() {
    sparkles.clear();
    document = nullptr;
}
