#include "game/button_state.h"
#include "game/commands.h"
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

} // namespace

CTitleScreen::CTitleScreen()
    : buttonInfo{2, kStartButtonFrames, "\\data\\m0001.dat", static_cast<uint32_t>(ID_START)},
      buttonWindow(ButtonWindowAt(static_cast<uint32_t>(ID_START), kStartButton)) {
    titlePicture.SetInfo(&kTitleInfo);
    backgroundTile.SetInfo(&kTileInfo);
}

void CTitleScreen::Enter(HWND window) {
    titlePicture.LoadFromInfo(window);
    backgroundTile.LoadFromInfo(window);
}

void CTitleScreen::Paint(HDC dc) {
    // Composed off screen, so that the title appears in one copy.
    HBITMAP screen = CreateCompatibleBitmap(dc, kScreenWidth, kScreenHeight);
    {
        const gdi::MemoryDC buffer(dc, screen);
        CoverWithTile(buffer.Get());
        titlePicture.DrawFrame(buffer.Get(), 0, &kTitlePosition);
        BitBlt(dc, 0, 0, kScreenWidth, kScreenHeight, buffer.Get(), 0, 0, SRCCOPY);
    }
    DeleteObject(screen);
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
