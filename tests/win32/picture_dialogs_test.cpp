#include "app/main_window.h"
#include "game/win32/picture_dialogs.h"
#include "image/win32/gdi_canvas.h"

#include <gtest/gtest.h>

namespace {

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcA(window, message, wParam, lParam);
}

// What a scripted visitor saw of the open dialog.
struct Observed {
    RECT dialog = {};
    RECT button = {};
    COLORREF buttonPixel = 0;
    bool stillOpenAfterEscape = false;
};

Observed g_observed;
int g_step = 0;
const char* g_keys = nullptr; // the keys the visitor presses, one per tick: E(scape), R(eturn)

HWND OpenDialog() {
    return FindWindowA(reinterpret_cast<LPCSTR>(32770), nullptr);
}

void Press(HWND dialog, WPARAM key) {
    HWND focus = GetFocus();
    PostMessageA(focus != nullptr ? focus : dialog, WM_KEYDOWN, key, 0);
}

// Runs inside the dialog's modal loop: measures it first, then presses keys.
void CALLBACK Visit(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = OpenDialog();
    if (dialog == nullptr)
        return;
    const int step = g_step++;
    if (step == 0) {
        GetWindowRect(dialog, &g_observed.dialog);
        HWND button = GetDlgItem(dialog, IDOK);
        GetWindowRect(button, &g_observed.button);
        MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&g_observed.button), 2);
        return;
    }
    const char key = g_keys[step - 1];
    if (key == '\0')
        return;
    if (step > 1 && g_keys[step - 2] == 'E')
        g_observed.stillOpenAfterEscape = true;
    Press(dialog, key == 'E' ? VK_ESCAPE : VK_RETURN);
}

class PictureDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        BindDialogControls();
        g_observed = Observed();
        g_step = 0;
    }
    void TearDown() override { DestroyWindow(main.windowHandle); }

    INT_PTR Show(int index, DLGPROC procedure, const char* background, const char* keys) {
        g_keys = keys;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, Visit);
        const INT_PTR result = ShowPictureDialog(main.windowHandle, index, procedure, background);
        KillTimer(nullptr, timer);
        return result;
    }

    CMainWindow main{PlainProc,     "VarnoltDialogParent",
                     "Varnolt",     GetModuleHandleA(nullptr),
                     SW_SHOWNORMAL, 100,
                     100,           1024,
                     768,           WS_POPUP};
};

TEST_F(PictureDialogTest, TemplateConvertsStoredUnitsWithTheBaseUnits) {
    HGLOBAL block = BuildDialogTemplate(kPictureDialog);
    ASSERT_NE(block, nullptr);
    const BYTE* bytes = static_cast<const BYTE*>(GlobalLock(block));
    const DLGTEMPLATE* header = reinterpret_cast<const DLGTEMPLATE*>(bytes);
    const LONG units = GetDialogBaseUnits();
    EXPECT_EQ(header->style, static_cast<DWORD>(WS_POPUP));
    EXPECT_EQ(header->cdit, 1);
    EXPECT_EQ(header->cx, 180 * 8 / LOWORD(units));
    EXPECT_EQ(header->cy, 180 * 16 / HIWORD(units));
    // Header (18 bytes) and three empty strings, then the control, aligned.
    const DLGITEMTEMPLATE* item = reinterpret_cast<const DLGITEMTEMPLATE*>(bytes + 24);
    EXPECT_EQ(item->style, static_cast<DWORD>(WS_CHILD | WS_VISIBLE | BS_OWNERDRAW));
    EXPECT_EQ(item->x, 57 * 8 / LOWORD(units));
    EXPECT_EQ(item->y, 148 * 16 / HIWORD(units));
    EXPECT_EQ(item->id, IDOK);
    const wchar_t* className = reinterpret_cast<const wchar_t*>(item + 1);
    EXPECT_STREQ(className, L"BUTTON");
    EXPECT_STREQ(className + 7, L"&OK");
    GlobalUnlock(block);
    GlobalFree(block);
}

TEST_F(PictureDialogTest, AboutBoxIsItsPictureCentredWithItsButtonAndEscapeCloses) {
    EXPECT_EQ(Show(kPictureDialog, PictureDialogProc, "AboutDialogBkg", "E"), IDCANCEL);
    const RECT& dialog = g_observed.dialog;
    EXPECT_EQ(dialog.right - dialog.left, 360);
    EXPECT_EQ(dialog.bottom - dialog.top, 360);
    EXPECT_EQ(dialog.left, (1024 - 360) / 2);
    EXPECT_EQ(dialog.top, (768 - 360) / 2);
    const RECT& button = g_observed.button;
    EXPECT_EQ(button.left, 114);
    EXPECT_EQ(button.top, 296);
    EXPECT_EQ(button.right - button.left, 128);
    EXPECT_EQ(button.bottom - button.top, 50);
}

TEST_F(PictureDialogTest, EnterClosesThePictureDialogWithOk) {
    EXPECT_EQ(Show(kPictureDialog, PictureDialogProc, "AboutDialogBkg", "R"), IDOK);
}

TEST_F(PictureDialogTest, EndingScreenIgnoresEscapeAndClosesOnEnter) {
    EXPECT_EQ(Show(kEndingDialog, EndingDialogProc, "EndingScrnDialogBkg", "ER"), IDOK);
    EXPECT_TRUE(g_observed.stillOpenAfterEscape);
    const RECT& dialog = g_observed.dialog;
    EXPECT_EQ(dialog.left, 0);
    EXPECT_EQ(dialog.top, 0);
    EXPECT_EQ(dialog.right, 1024);
    EXPECT_EQ(dialog.bottom, 768);
    EXPECT_EQ(g_observed.button.left, 450);
    EXPECT_EQ(g_observed.button.top, 696);
    EXPECT_EQ(g_observed.button.right - g_observed.button.left, 124);
    EXPECT_EQ(g_observed.button.bottom - g_observed.button.top, 52);
}

TEST(PictureDialogDrawing, ButtonFaceFollowsThePressedState) {
    const GdiCanvas canvas(128, 50, 0);
    DRAWITEMSTRUCT item = {};
    item.hDC = canvas.Dc();

    item.itemState = ODS_SELECTED;
    EXPECT_EQ(DrawOwnerDrawBitmap(&item, "OKButtonDown", "OKButtonUp"), 0);
    EXPECT_EQ(canvas.Pixel(64, 25), RGB(160, 20, 20));
    item.itemState = 0;
    DrawOwnerDrawBitmap(&item, "OKButtonDown", "OKButtonUp");
    EXPECT_EQ(canvas.Pixel(64, 25), RGB(20, 160, 20));

    EXPECT_EQ(DrawResourceBitmap(canvas.Dc(), "QuitButtonUp", 0, 0), 1);
    EXPECT_EQ(canvas.Pixel(10, 10), RGB(20, 20, 160));
}

} // namespace
