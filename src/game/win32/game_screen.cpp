#include "game/button_state.h"
#include "game/commands.h"
#include "game/page_cursor.h"
#include "game/page_furniture.h"
#include "game/win32/screens.h"
#include "persist/settings.h"
#include "platform/win32/gdi.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"

namespace {

// The label sits exactly between the previous-page button (ending at x 459)
// and the next-page button (starting at x 565).
constexpr POINT kPageLabelPosition = {459, 704};
constexpr int32_t kPageLabelCount = 31; // one per page index; 0 is never shown
constexpr int32_t kPageLabelWidth = 106;
constexpr int32_t kPageLabelHeight = 40;
constexpr int32_t kButtonHeight = 59;
constexpr int32_t kSmallButtonWidth = 60;
constexpr int32_t kClearButtonWidth = 128;
// The keyboard's press stays visible this long before its command.
constexpr DWORD kKeyPressMilliseconds = 125;
// A private message number nothing in the game posts.
constexpr UINT kNeverSent = WM_APP + 0x3FFF;

struct PageLabelFrames {
    SourceRect frames[kPageLabelCount];
    PageLabelFrames() {
        for (int32_t i = 0; i < kPageLabelCount; ++i)
            frames[i] = {0, kPageLabelHeight * i, kPageLabelWidth, kPageLabelHeight};
    }
};

const PageLabelFrames kPageLabelFrames;

const FramedImageInfo kPageLabelInfo = {kPageLabelCount, kPageLabelFrames.frames,
                                        kPageNumberPicturePath, 0};

const SourceRect kFinishedStarFrame[] = {{0, 0, kFinishedStarSize, kFinishedStarSize}};
const FramedImageInfo kFinishedStarInfo = {1, kFinishedStarFrame, kFinishedStarPath, 0};
constexpr POINT kFinishedStarPosition = {kFinishedStarX, kFinishedStarY};

const SourceRect kSmallButtonFrames[] = {{0, 0, kSmallButtonWidth, kButtonHeight},
                                         {0, kButtonHeight, kSmallButtonWidth, kButtonHeight}};
const SourceRect kClearButtonFrames[] = {{0, 0, kClearButtonWidth, kButtonHeight},
                                         {0, kButtonHeight, kClearButtonWidth, kButtonHeight}};
// The sound switch's picture has one column of faces per setting.
const SourceRect kSoundButtonFrames[kSoundSettingCount][2] = {
    {{0, 0, kSmallButtonWidth, kButtonHeight},
     {0, kButtonHeight, kSmallButtonWidth, kButtonHeight}},
    {{kSmallButtonWidth, 0, kSmallButtonWidth, kButtonHeight},
     {kSmallButtonWidth, kButtonHeight, kSmallButtonWidth, kButtonHeight}},
    {{2 * kSmallButtonWidth, 0, kSmallButtonWidth, kButtonHeight},
     {2 * kSmallButtonWidth, kButtonHeight, kSmallButtonWidth, kButtonHeight}},
};

// The windows stand where the page's button sprites stand, each as large as
// one face of its picture.
int32_t ButtonWidth(int32_t button) {
    return button == kClearButton ? kClearButtonWidth : kSmallButtonWidth;
}

const SourceRect* ButtonFrames(int32_t button) {
    if (button == kClearButton)
        return kClearButtonFrames;
    return button == kSoundButton ? kSoundButtonFrames[kSoundAllOn] : kSmallButtonFrames;
}

// Sets a button's pushed state, which draws it at once.
void ShowButtonState(HWND button, BOOL pushed) {
    if (button != nullptr)
        SendMessageA(button, BM_SETSTATE, pushed, 0);
}

// Lets what was drawn reach the screen before the thread sleeps: some
// systems (Wine) show a window's drawing only once its thread has looked for
// messages. Looks for one that is never sent, so no message is taken.
void ShowDrawingNow() {
    MSG none;
    PeekMessageA(&none, reinterpret_cast<HWND>(-1), kNeverSent, kNeverSent, PM_NOREMOVE);
}

} // namespace

CGameScreen::CGameScreen(CAnimDoc* document, CAnimView* view)
    : document(document), view(view), buttons(view) {
    pageLabels.SetInfo(&kPageLabelInfo);
    finishedStar.SetInfo(&kFinishedStarInfo);
    for (int32_t i = 0; i < kGameButtonCount; ++i) {
        const SpriteRecord& sprite = g_buttonRecords[i];
        const uint32_t id = static_cast<uint32_t>(sprite.nameIndex);
        buttonInfos[i] = {2, ButtonFrames(i), g_buttonPicturePaths[i], id};
        buttonWindows[i] = {nullptr, id, sprite.x, sprite.y, ButtonWidth(i), kButtonHeight};
    }
}

void CGameScreen::Prepare(HWND window) {
    buttons.LoadImages(buttonInfos, window);
}

void CGameScreen::Enter(HWND window) {
    pageLabels.LoadFromInfo(window);
    finishedStar.LoadFromInfo(window);
    pageCursor = CPageCursor::Instance();
    document->LoadPage(window);
}

void CGameScreen::Paint(HDC dc) {
    view->RedrawAll();
    DrawPageLabel(dc);
}

void CGameScreen::ShowControls(HWND window) {
    buttons.CreateButtons(window, buttonWindows);
    buttons.HookButtons();
    buttons.ShowButtons(true);
    InvalidateRect(window, nullptr, FALSE);
}

void CGameScreen::HideControls() {
    buttons.ShowButtons(false);
}

void CGameScreen::DrawItem(const DRAWITEMSTRUCT* item, uint32_t id) {
    const int32_t index = GameButtonOfTag(static_cast<int32_t>(id));
    if (index < 0)
        return;
    const int32_t state = (item->itemState & ODS_SELECTED) ? kButtonPressed : kButtonReleased;
    buttons.SetButtonState(item->hDC, state, index, nullptr);
}

void CGameScreen::DrawPageLabel(HDC dc) {
    if (pageCursor == nullptr)
        return;
    pageLabels.DrawFrame(dc, pageCursor->GetPageIndex(), &kPageLabelPosition);
    // The view shows the star as a sprite too; drawn here as well, so that
    // the label drawn straight into the window never hides it.
    if (view->FinishedStarShown())
        finishedStar.DrawFrame(dc, 0, &kFinishedStarPosition);
}

void CGameScreen::RedrawPageLabel(HWND window) {
    const gdi::WindowDC dc(window);
    if (dc.Get() != nullptr)
        DrawPageLabel(dc.Get());
}

void CGameScreen::PressButton(HWND window, int32_t id) {
    const int32_t index = GameButtonOfTag(id);
    if (index < 0)
        return;
    // Without its window the press is not seen, but the command still goes.
    HWND button = buttons.ButtonWindow(index);
    ShowButtonState(button, TRUE);
    ShowDrawingNow();
    Sleep(kKeyPressMilliseconds);
    ShowButtonState(button, FALSE);
    PostMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
}

void CGameScreen::ShowSoundSetting(int32_t setting) {
    if (setting < 0 || setting >= kSoundSettingCount)
        return;
    buttonInfos[kSoundButton].frames = kSoundButtonFrames[setting];
    if (HWND button = buttons.ButtonWindow(kSoundButton))
        InvalidateRect(button, nullptr, FALSE);
}

void PressButton(HWND window, int32_t id) {
    g_gameScreen.PressButton(window, id);
}
