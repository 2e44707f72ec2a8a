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

constexpr POINT kPageLabelPosition = {kPageLabel.x, kPageLabel.y};
// The keyboard's press stays visible this long before its command.
constexpr DWORD kKeyPressMilliseconds = 125;
// A private message number nothing in the game posts.
constexpr UINT kNeverSent = WM_APP + 0x3FFF;

// The page-number strip: one label under another, one per page index.
struct PageLabelStrip {
    SourceRect frames[kPageLabelFrames] = {};
    constexpr PageLabelStrip() {
        for (int32_t i = 0; i < kPageLabelFrames; ++i)
            frames[i] = {0, kPageLabel.height * i, kPageLabel.width, kPageLabel.height};
    }
};

constexpr PageLabelStrip kPageLabelStrip;

const FramedImageInfo kPageLabelInfo = {kPageLabelFrames, kPageLabelStrip.frames,
                                        kPageNumberPicturePath, 0};

const SourceRect kFinishedStarFrame[] = {{0, 0, kFinishedStar.width, kFinishedStar.height}};
const FramedImageInfo kFinishedStarInfo = {1, kFinishedStarFrame, kFinishedStarPath, 0};
constexpr POINT kFinishedStarPosition = {kFinishedStar.x, kFinishedStar.y};

// A button picture's faces in one of its columns: the released face above
// the pressed one. The sound switch has a column for each setting.
struct FacePair {
    SourceRect frames[2] = {};
    constexpr FacePair() = default;
    constexpr FacePair(const ScreenBox& face, int32_t column) {
        frames[0] = {column * face.width, 0, face.width, face.height};
        frames[1] = {column * face.width, face.height, face.width, face.height};
    }
};

struct ButtonFaces {
    FacePair buttons[kButtonCount] = {};
    FacePair sound[kSoundSettingCount] = {};
    constexpr ButtonFaces() {
        for (int32_t i = 0; i < kButtonCount; ++i)
            buttons[i] = FacePair(kGameButtons[i], 0);
        for (int32_t setting = 0; setting < kSoundSettingCount; ++setting)
            sound[setting] = FacePair(kGameButtons[kSoundButton], setting);
    }
};

constexpr ButtonFaces kButtonFaces;

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
    // The windows stand where the page's button sprites stand, each as large
    // as one face of its picture.
    for (int32_t i = 0; i < kButtonCount; ++i) {
        const uint32_t id = static_cast<uint32_t>(g_buttonRecords[i].nameIndex);
        buttonInfos[i] = {2, kButtonFaces.buttons[i].frames, g_buttonPicturePaths[i], id};
        buttonWindows[i] = ButtonWindowAt(id, kGameButtons[i]);
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
    // The player's own pages show their label as the view's sprite alone.
    if (pageCursor == nullptr || document->GetPageSource() != nullptr)
        return;
    pageLabels.DrawFrame(dc, pageCursor->GetPageIndex(), &kPageLabelPosition);
    // The view shows the star as a sprite too; drawn here as well, so that
    // the label drawn straight into the window never hides it.
    if (view->Finish().StarShown())
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
    buttonInfos[kSoundButton].frames = kButtonFaces.sound[setting].frames;
    if (HWND button = buttons.ButtonWindow(kSoundButton))
        InvalidateRect(button, nullptr, FALSE);
}

void PressButton(HWND window, int32_t id) {
    g_gameScreen.PressButton(window, id);
}
