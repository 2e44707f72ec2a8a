#include "sprites/finished_page.h"
#include "game/page_furniture.h"
#include "game/sound_effects.h"
#include "platform/platform.h"
#include "sprites/anim_doc_base.h"
#include "sprites/page_completion.h"
#include "sprites/sprite.h"

CFinishedPage::CFinishedPage() : soundEffects(GetSoundEffects()) {}

void CFinishedPage::PiecePlaced(HWND window) {
    if (document == nullptr || !PageProgressOf(*document).Finished())
        return;
    soundEffects->Play(window, kSoundFanfare);
    ShowStar(true);
    celebration.Start(*document, PictureAreaOf(*document), platform::MillisecondClock());
}

void CFinishedPage::PageCleared() {
    celebration.Stop();
    ShowStar(false);
}

bool CFinishedPage::StarShown() const {
    const CSprite* star = document != nullptr ? document->FindByTag(kFinishedStarTag) : nullptr;
    return star != nullptr && star->IsVisible();
}

void CFinishedPage::ShowStar(bool shown) {
    CSprite* star = document != nullptr ? document->FindByTag(kFinishedStarTag) : nullptr;
    if (star == nullptr || star->IsVisible() == shown)
        return;
    if (shown)
        star->Show();
    else
        star->Hide();
}
