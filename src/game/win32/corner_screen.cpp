#include "game/win32/corner_screen.h"
#include "game/corner_holds.h"
#include "game/player_badges.h"
#include "persist/settings.h"
#include "platform/win32/gdi.h"

namespace {

// count frames of one size, stacked from the top.
template <int32_t count> struct Strip {
    SourceRect frames[count] = {};
    constexpr Strip(int32_t width, int32_t height) {
        for (int32_t i = 0; i < count; ++i)
            frames[i] = {0, i * height, width, height};
    }
};

// The badge picture's rows, plain face and then highlighted one: only the
// plain faces are used here.
struct BadgeFaces {
    SourceRect frames[kBadgeRows] = {};
    constexpr BadgeFaces() {
        for (int32_t row = 0; row < kBadgeRows; ++row)
            frames[row] = {0, row * kBadgeSize, kBadgeSize, kBadgeSize};
    }
};

constexpr Strip<1> kBackgroundFrame(kScreenWidth, kScreenHeight);
constexpr Strip<kVolumeFull + 1> kStepFrames(kCornerMusicSteps.width, kCornerMusicSteps.height);
constexpr Strip<kCornerChoiceKinds * 2> kChoiceFrames(kCornerHelp.width, kCornerHelp.height);
constexpr Strip<kCornerHoldFaces * 2> kHoldFrames(kCornerHoldButton.width,
                                                  kCornerHoldButton.height);
constexpr BadgeFaces kBadgeFaces;

const FramedImageInfo kBackgroundInfo = {1, kBackgroundFrame.frames, kCornerBackgroundPath, 0};
const FramedImageInfo kStepsInfo = {kVolumeFull + 1, kStepFrames.frames, kCornerStepsPath, 0};
const FramedImageInfo kChoicesInfo = {kCornerChoiceKinds * 2, kChoiceFrames.frames,
                                      kCornerChoicesPath, 0};
const FramedImageInfo kHoldInfo = {kCornerHoldFaces * 2, kHoldFrames.frames, kCornerHoldButtonsPath,
                                   0};
const FramedImageInfo kBadgesInfo = {kBadgeRows, kBadgeFaces.frames, kBadgesPath, 0};

// The choices' kinds in their picture: the three fits, then help, the lock.
constexpr int32_t kHelpKind = kFitSettingCount;
constexpr int32_t kLockKind = kFitSettingCount + 1;

constexpr COLORREF kFocusColour = RGB(0xf0, 0x8a, 0x24); // the book's highlight
constexpr int32_t kFocusMargin = 5;
constexpr int32_t kFocusWidth = 4;

bool Same(const CornerHit& a, const CornerHit& b) {
    return a.act == b.act && a.value == b.value;
}

} // namespace

CCornerScreen::CCornerScreen(const CornerLook* look) : look(look) {
    background.SetInfo(&kBackgroundInfo);
    steps.SetInfo(&kStepsInfo);
    choices.SetInfo(&kChoicesInfo);
    holdButtons.SetInfo(&kHoldInfo);
    badges.SetInfo(&kBadgesInfo);
}

void CCornerScreen::Enter(HWND window) {
    if (picturesRead)
        return;
    picturesRead = true;
    for (CFramedImage* picture : {&background, &steps, &choices, &holdButtons, &badges})
        picture->LoadFromInfo(window);
}

void CCornerScreen::Paint(HDC dc) {
    const FamilyChoice& family = CSettings::GetInstance()->GetFamily();
    HBITMAP screen = CreateCompatibleBitmap(dc, kScreenWidth, kScreenHeight);
    {
        const gdi::MemoryDC buffer(dc, screen);
        const POINT origin = {0, 0};
        background.DrawFrame(buffer.Get(), 0, &origin);
        DrawSettings(buffer.Get(), family);
        DrawPlayers(buffer.Get(), family);
        if (look->showFocus)
            DrawFocus(buffer.Get());
        BitBlt(dc, 0, 0, kScreenWidth, kScreenHeight, buffer.Get(), 0, 0, SRCCOPY);
    }
    DeleteObject(screen);
}

void CCornerScreen::DrawAt(CFramedImage& picture, HDC canvas, int32_t frame, const ScreenBox& box) {
    const POINT at = {box.x, box.y};
    picture.DrawFrame(canvas, frame, &at);
}

void CCornerScreen::DrawSettings(HDC canvas, const FamilyChoice& family) {
    DrawAt(steps, canvas, family.musicVolume, kCornerMusicSteps);
    DrawAt(steps, canvas, family.effectsVolume, kCornerEffectsSteps);
    for (int32_t fit = 0; fit < kFitSettingCount; ++fit)
        DrawAt(choices, canvas, fit * 2 + (family.fit == fit ? 1 : 0), CornerFitBox(fit));
    DrawAt(choices, canvas, kHelpKind * 2 + (family.helpWhenStuck ? 1 : 0), kCornerHelp);
    DrawAt(choices, canvas, kLockKind * 2 + (family.childLock ? 1 : 0), kCornerLock);
}

void CCornerScreen::DrawPlayers(HDC canvas, const FamilyChoice& family) {
    const auto players = static_cast<int32_t>(family.players.size());
    for (int32_t i = 0; i < players; ++i) {
        DrawAt(badges, canvas, family.players[static_cast<size_t>(i)].badge, CornerBadgeBox(i));
        const CornerHit again = {CornerAct::kStartAgain, i};
        DrawAt(holdButtons, canvas, Same(look->held, again) ? look->heldFace : 0,
               CornerStartAgainBox(i));
        if (i == 0)
            continue; // the first player is never removed
        const CornerHit remove = {CornerAct::kRemove, i};
        DrawAt(holdButtons, canvas,
               kCornerHoldFaces + (Same(look->held, remove) ? look->heldFace : 0),
               CornerRemoveBox(i));
    }
    if (players < kMostPlayers)
        DrawAt(badges, canvas, kAddBadgeRow, CornerBadgeBox(players));
}

void CCornerScreen::DrawFocus(HDC canvas) {
    const ScreenBox box = CornerBoxOf(look->focus);
    HPEN pen = CreatePen(PS_SOLID, kFocusWidth, kFocusColour);
    HGDIOBJ oldPen = SelectObject(canvas, pen);
    HGDIOBJ oldBrush = SelectObject(canvas, GetStockObject(NULL_BRUSH));
    RoundRect(canvas, box.x - kFocusMargin, box.y - kFocusMargin, box.x + box.width + kFocusMargin,
              box.y + box.height + kFocusMargin, 14, 14);
    SelectObject(canvas, oldBrush);
    SelectObject(canvas, oldPen);
    DeleteObject(pen);
}
