#include "game/win32/dialog_inside.h"
#include "game/win32/picture_dialogs.h"

namespace {

bool IsWithin(HWND dialog, HWND window) {
    return window == dialog || IsChild(dialog, window);
}

bool IsKey(UINT message) {
    return message >= WM_KEYFIRST && message <= WM_KEYLAST;
}

bool IsSystemKey(UINT message) {
    return message == WM_SYSKEYDOWN || message == WM_SYSKEYUP || message == WM_SYSCHAR ||
           message == WM_SYSDEADCHAR;
}

bool IsPointer(UINT message) {
    return (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) ||
           (message >= WM_NCMOUSEMOVE && message <= WM_NCXBUTTONDBLCLK);
}

// The dialog's template as a hidden child of parent; shown once placed.
HWND MakeInside(HWND parent, int index, DLGPROC procedure, const char* backgroundName) {
    HGLOBAL block = BuildDialogTemplate(index);
    if (block == nullptr)
        return nullptr;
    auto* layout = static_cast<DLGTEMPLATE*>(GlobalLock(block));
    layout->style = (layout->style & ~(WS_POPUP | WS_VISIBLE)) | WS_CHILD | WS_CLIPSIBLINGS;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND dialog = CreateDialogIndirectParamA(instance, layout, parent, procedure,
                                             reinterpret_cast<LPARAM>(backgroundName));
    GlobalUnlock(block);
    GlobalFree(block);
    return dialog;
}

// The control keys go to: the focus while it is in the dialog, else the
// one that had it last, else the dialog's first control, else the dialog.
HWND KeyTarget(HWND dialog, HWND lastFocus) {
    if (IsWithin(dialog, GetFocus()))
        return GetFocus();
    if (lastFocus != nullptr && IsWindow(lastFocus))
        return lastFocus;
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    return first != nullptr ? first : dialog;
}

// Runs the dialog's messages and the rest of the thread's until it is
// answered. The page beneath takes no pointer or key: a click there would
// pick up a piece under the question, and a key sent to it (the page takes
// the focus back whenever it paints) belongs to the dialog. System keys are
// held back too: Alt+Enter or Alt+F4 would change or end the game under a
// question still open.
void RunUntilAnswered(HWND dialog) {
    HWND lastFocus = nullptr;
    MSG message;
    // EndPictureDialog hides it once answered.
    while (IsWindow(dialog) && (GetWindowLongPtrA(dialog, GWL_STYLE) & WS_VISIBLE) != 0) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got <= 0) {
            if (got == 0) // the game is ending: the main loop must see it too
                PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (IsSystemKey(message.message))
            continue;
        if (!IsWithin(dialog, message.hwnd)) {
            if (IsPointer(message.message))
                continue;
            if (IsKey(message.message)) {
                message.hwnd = KeyTarget(dialog, lastFocus);
                SetFocus(message.hwnd);
            }
        }
        if (!IsDialogMessageA(dialog, &message)) {
            TranslateMessage(&message);
            DispatchMessageA(&message);
        }
        if (IsWithin(dialog, GetFocus()))
            lastFocus = GetFocus();
    }
}

} // namespace

INT_PTR ShowPictureDialogInside(HWND parent, int index, DLGPROC procedure,
                                const char* backgroundName) {
    // The page's own drawing must leave the dialog alone while it is there.
    const LONG_PTR parentStyle = GetWindowLongPtrA(parent, GWL_STYLE);
    SetWindowLongPtrA(parent, GWL_STYLE, parentStyle | WS_CLIPCHILDREN);
    HWND dialog = MakeInside(parent, index, procedure, backgroundName);
    INT_PTR result = 0;
    if (dialog != nullptr) {
        SetWindowPos(dialog, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
        SetFocus(KeyTarget(dialog, nullptr));
        RunUntilAnswered(dialog);
        if (IsWindow(dialog)) {
            result = GetWindowLongPtrA(dialog, DWLP_USER);
            DestroyWindow(dialog);
        }
    }
    if (IsWindow(parent))
        SetWindowLongPtrA(parent, GWL_STYLE, parentStyle);
    return result;
}
