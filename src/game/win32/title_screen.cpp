#include "game/button_state.h"
#include "game/commands.h"
#include "game/corner_holds.h"
#include "game/player_badges.h"
#include "game/screen_layout.h"
#include "game/win32/screens.h"
#include "platform/win32/gdi.h"

#include <algorithm>

namespace {

constexpr POINT kTitlePosition = {kTitlePicture.x, kTitlePicture.y};

const SourceRect kTitleFrames[] = {{0, 0, kTitlePicture.width, kTitlePicture.height}};
const SourceRect kTileFrames[] = {{0, 0, kTitleTileSize, kTitleTileSize}};
// The released face above the pressed one.
const SourceRect kStartButtonFrames[] = {
    {0, 0, kStartButton.width, kStartButton.height},
    {0, kStartButton.height, kStartButton.width, kStartButton.height}};

const FramedImageInfo kTitleInfo = {1, kTitleFrames, "\\data\\m0008.dat", 0};
const FramedImageInfo kTileInfo = {1, kTileFrames, "\\data\\m0009.dat", 0};

// The badges' plain faces in the first column, highlighted in the second.
struct BadgeFrames {
    SourceRect frames[kBadgeRows * 2];
    constexpr BadgeFrames() : frames() {
        for (int32_t i = 0; i < kBadgeRows * 2; ++i)
            frames[i] = {(i % 2) * kBadgeSize, (i / 2) * kBadgeSize, kBadgeSize, kBadgeSize};
    }
};
constexpr BadgeFrames kBadgeFrames;
const FramedImageInfo kBadgesInfo = {kBadgeRows * 2, kBadgeFrames.frames, kBadgesPath, 0};

// The corner's door: at rest, then held 0/10 ... 10/10, stacked.
struct DoorFrames {
    SourceRect frames[kCornerHoldFaces];
    constexpr DoorFrames() : frames() {
        for (int32_t i = 0; i < kCornerHoldFaces; ++i)
            frames[i] = {0, i * kCornerDoor.height, kCornerDoor.width, kCornerDoor.height};
    }
};
constexpr DoorFrames kDoorFrames;
const FramedImageInfo kDoorInfo = {kCornerHoldFaces, kDoorFrames.frames, kCornerDoorPath, 0};
constexpr POINT kDoorPosition = {kCornerDoor.x, kCornerDoor.y};

} // namespace

CTitleScreen::CTitleScreen()
    : buttonInfo{2, kStartButtonFrames, "\\data\\m0001.dat", static_cast<uint32_t>(ID_START)},
      buttonWindow(ButtonWindowAt(static_cast<uint32_t>(ID_START), kStartButton)) {
    titlePicture.SetInfo(&kTitleInfo);
    backgroundTile.SetInfo(&kTileInfo);
    badgesPicture.SetInfo(&kBadgesInfo);
    doorPicture.SetInfo(&kDoorInfo);
}

void CTitleScreen::Enter(HWND window) {
    titlePicture.LoadFromInfo(window);
    backgroundTile.LoadFromInfo(window);
    badgesPicture.LoadFromInfo(window);
    doorPicture.LoadFromInfo(window);
}

void CTitleScreen::Paint(HDC dc) {
    // Composed off screen, so that the title appears in one copy.
    HBITMAP screen = CreateCompatibleBitmap(dc, kScreenWidth, kScreenHeight);
    {
        const gdi::MemoryDC buffer(dc, screen);
        CoverWithTile(buffer.Get());
        titlePicture.DrawFrame(buffer.Get(), 0, &kTitlePosition);
        DrawBadges(buffer.Get());
        doorPicture.DrawFrame(buffer.Get(), doorFace, &kDoorPosition);
        BitBlt(dc, 0, 0, kScreenWidth, kScreenHeight, buffer.Get(), 0, 0, SRCCOPY);
    }
    DeleteObject(screen);
}

void CTitleScreen::DrawBadges(HDC canvas) {
    const CPlayerBadges& badges = *GetPlayerBadges();
    for (int32_t slot = 0; slot < badges.SlotCount(); ++slot) {
        const ScreenBox box = badges.SlotBox(slot);
        const POINT at = {box.x, box.y};
        badgesPicture.DrawFrame(canvas, badges.RowOf(slot) * 2 + (slot == badges.Highlight()), &at);
    }
}

void CTitleScreen::CoverWithTile(HDC canvas) {
    // Every draw of a picture makes a memory device context of its own, which
    // is slow under Wine; twelve thousand of them made the title screen take
    // half a second. So the tile is drawn once at (0, 0) and the part already
    // covered is copied beside itself, then below itself, doubling each time:
    // every 8-pixel step ends up holding the tile, as if drawn there, after
    // a handful of copies within the one canvas.
    const POINT origin = {0, 0};
    if (!backgroundTile.DrawFrame(canvas, 0, &origin)) {
        // Nothing to copy: let every step try (and report) for itself.
        for (int32_t y = 0; y < kScreenHeight; y += kTitleTileSize) {
            for (int32_t x = 0; x < kScreenWidth; x += kTitleTileSize) {
                const POINT at = {x, y};
                if (x != 0 || y != 0)
                    backgroundTile.DrawFrame(canvas, 0, &at);
            }
        }
        return;
    }
    for (int32_t covered = kTitleTileSize; covered < kScreenWidth; covered *= 2)
        BitBlt(canvas, covered, 0, std::min(covered, kScreenWidth - covered), kTitleTileSize,
               canvas, 0, 0, SRCCOPY);
    for (int32_t covered = kTitleTileSize; covered < kScreenHeight; covered *= 2)
        BitBlt(canvas, 0, covered, kScreenWidth, std::min(covered, kScreenHeight - covered), canvas,
               0, 0, SRCCOPY);
}

void CTitleScreen::ShowControls(HWND window) {
    buttons.LoadImages(&buttonInfo, window);
    buttons.CreateButtons(window, &buttonWindow);
    buttons.HookButtons();
    InvalidateRect(window, nullptr, FALSE);
}

void CTitleScreen::RemoveControls() {
    buttons.UnhookButtons();
    if (buttonWindow.window != nullptr)
        DestroyWindow(buttonWindow.window);
    buttonWindow.window = nullptr;
}

void CTitleScreen::DrawItem(const DRAWITEMSTRUCT* item, uint32_t id) {
    const int32_t state = (item->itemState & ODS_SELECTED) ? kButtonPressed : kButtonReleased;
    buttons.SetButtonState(item->hDC, state, static_cast<int32_t>(id) - ID_START, nullptr);
}
