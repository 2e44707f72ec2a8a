// The picture dialogs' keys and button faces; their placement and pictures
// are compared on the screen by the end-to-end scenarios.
#include "game/win32/photo_dialogs.h"
#include "game/win32/picture_dialogs.h"
#include "image/win32/gdi_canvas.h"
#include "win32/test_window.h"

#include <gtest/gtest.h>

namespace {

bool g_stillOpenAfterEscape = false;
int g_step = 0;
const char* g_keys = nullptr; // the keys the visitor presses, one per tick: E(scape), R(eturn)

// Runs inside the dialog's modal loop: presses the keys, one a tick.
void CALLBACK Visit(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowA(reinterpret_cast<LPCSTR>(32770), nullptr);
    if (dialog == nullptr || g_keys[g_step] == '\0')
        return;
    if (g_step > 0 && g_keys[g_step - 1] == 'E')
        g_stillOpenAfterEscape = true;
    const WPARAM key = g_keys[g_step++] == 'E' ? VK_ESCAPE : VK_RETURN;
    HWND focus = GetFocus();
    PostMessageA(focus != nullptr ? focus : dialog, WM_KEYDOWN, key, 0);
}

class PictureDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        BindDialogControls();
        g_stillOpenAfterEscape = false;
        g_step = 0;
    }

    INT_PTR Show(int index, DLGPROC procedure, const char* background, const char* keys) {
        g_keys = keys;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, Visit);
        const INT_PTR result = ShowPictureDialog(parent.Handle(), index, procedure, background);
        KillTimer(nullptr, timer);
        return result;
    }

    const TestWindow parent{DefWindowProcA, 1024, 768};
};

TEST_F(PictureDialogTest, EndingScreenIgnoresEscapeAndClosesOnEnter) {
    EXPECT_EQ(Show(kEndingDialog, EndingDialogProc, "EndingScrnDialogBkg", "ER"), IDOK);
    EXPECT_TRUE(g_stillOpenAfterEscape);
}

// The own pictures' chooser and notice are drawn inside the window. The page
// beneath counts the input it is given while one is open.
int g_pageInput = 0;
bool g_shownInside = false;

LRESULT CALLBACK CountingPage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN || message == WM_KEYDOWN || message == WM_SYSKEYDOWN)
        ++g_pageInput;
    return DefWindowProcA(window, message, wParam, lParam);
}

// Runs inside the dialog's own loop: a click and Alt+F4 meant for the page,
// then the focus taken back by the page (as its painting does) and the key
// pressed there.
HWND g_page = nullptr;
WPARAM g_answerKey = 0;
void CALLBACK AnswerFromThePage(HWND, UINT, UINT_PTR, DWORD) {
    HWND dialog = FindWindowExA(g_page, nullptr, reinterpret_cast<LPCSTR>(32770), nullptr);
    if (dialog == nullptr || g_answerKey == 0)
        return;
    g_shownInside = IsWindowVisible(dialog) && (GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD);
    PostMessageA(g_page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 10));
    PostMessageA(g_page, WM_SYSKEYDOWN, VK_F4, 1 << 29);
    SetFocus(g_page);
    PostMessageA(g_page, WM_KEYDOWN, g_answerKey, 0);
    g_answerKey = 0;
}

class DialogInsideTest : public ::testing::Test {
protected:
    template <typename Show> INT_PTR Answer(WPARAM key, Show show) {
        g_pageInput = 0;
        g_shownInside = false;
        g_page = page.Handle();
        g_answerKey = key;
        const UINT_PTR timer = SetTimer(nullptr, 0, 50, AnswerFromThePage);
        const INT_PTR result = show(page.Handle());
        KillTimer(nullptr, timer);
        return result;
    }

    void ExpectLeftAsItWas() {
        EXPECT_TRUE(g_shownInside);
        EXPECT_EQ(g_pageInput, 0);
        EXPECT_EQ(FindWindowExA(page.Handle(), nullptr, reinterpret_cast<LPCSTR>(32770), nullptr),
                  nullptr);
        EXPECT_EQ(GetWindowLongPtrA(page.Handle(), GWL_STYLE) & WS_CLIPCHILDREN, 0);
    }

    void SetUp() override { BindDialogControls(); }

    const TestWindow page{CountingPage, 1024, 768};
};

TEST_F(DialogInsideTest, ChooserTakesItsKeysWhileThePageBeneathTakesNothing) {
    EXPECT_EQ(Answer(VK_RETURN, [](HWND parent) { return INT_PTR{ChoosePieceCount(parent)}; }), 9);
    ExpectLeftAsItWas();
    EXPECT_EQ(Answer(VK_ESCAPE, [](HWND parent) { return INT_PTR{ChoosePieceCount(parent)}; }), 0);
    ExpectLeftAsItWas();
}

TEST_F(DialogInsideTest, RefusalNoticeClosesOnEnterGivenToThePage) {
    Answer(VK_RETURN, [](HWND parent) {
        ShowPictureRefused(parent);
        return INT_PTR{0};
    });
    ExpectLeftAsItWas();
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
