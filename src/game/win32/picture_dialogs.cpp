#include "game/win32/picture_dialogs.h"
#include "game/screen_layout.h"
#include "platform/win32/gdi.h"

#include <cwchar>

namespace {

// Templates are stored in dialog units, half a pixel's count under the
// standard base units.
constexpr int32_t Stored(int32_t pixels) {
    return pixels / 2;
}

// The dialog's one owner-drawn OK button at place.
constexpr DialogControlEntry OkButton(const ScreenBox& place) {
    return {Stored(place.x),
            Stored(place.y),
            Stored(place.width),
            Stored(place.height),
            IDOK,
            WS_VISIBLE | BS_OWNERDRAW,
            L"BUTTON",
            L"&OK",
            0,
            {}};
}

const DialogControlEntry kPictureDialogControls[] = {
    OkButton(kDialogOkButton),
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, {}},
};

const DialogControlEntry kEndingDialogControls[] = {
    OkButton(kEndingQuitButton),
    {0, 0, 0, 0, 0, 0, nullptr, nullptr, 0, {}},
};

constexpr SIZE_T kTemplateBlockSize = 4096;

// Writes an in-memory dialog template field by field.
class TemplateWriter {
public:
    explicit TemplateWriter(BYTE* start) : start(start), at(start) {}
    void Dword(DWORD value) { Put(&value, sizeof value); }
    void Word(WORD value) { Put(&value, sizeof value); }
    void Short(int value) { Word(static_cast<WORD>(static_cast<short>(value))); }
    void String(const wchar_t* text) {
        const size_t length = text != nullptr ? std::wcslen(text) : 0;
        for (size_t i = 0; i < length; ++i)
            Word(static_cast<WORD>(text[i]));
        Word(0);
    }
    void AlignToDword() {
        while ((at - start) % 4 != 0)
            *at++ = 0;
    }
    BYTE* Here() const { return at; }

private:
    void Put(const void* value, size_t size) {
        const BYTE* bytes = static_cast<const BYTE*>(value);
        for (size_t i = 0; i < size; ++i)
            *at++ = bytes[i];
    }
    BYTE* start;
    BYTE* at;
};

struct BaseUnits {
    int x;
    int y;
};

BaseUnits DialogBaseUnits() {
    const LONG units = GetDialogBaseUnits();
    return {LOWORD(units), HIWORD(units)};
}

void WriteControl(TemplateWriter& out, const DialogControlEntry& control, BaseUnits units) {
    out.AlignToDword();
    out.Dword(control.style | WS_CHILD);
    out.Dword(0);
    out.Short(control.x * 8 / units.x);
    out.Short(control.y * 16 / units.y);
    out.Short(control.width * 8 / units.x);
    out.Short(control.height * 16 / units.y);
    out.Word(static_cast<WORD>(control.id));
    out.String(control.className);
    out.String(control.text);
    out.Word(0);
}

HMODULE GameModule() {
    return GetModuleHandleA(nullptr);
}

// The size of a bitmap resource, or false when there is none.
bool BitmapSize(const char* name, SIZE* size) {
    HBITMAP bitmap = LoadBitmapA(GameModule(), name);
    if (bitmap == nullptr)
        return false;
    BITMAP info = {};
    const bool known = GetObjectA(bitmap, sizeof info, &info) != 0;
    DeleteObject(bitmap);
    size->cx = info.bmWidth;
    size->cy = info.bmHeight;
    return known;
}

// Dialog units scale with the system font, so the converted template only
// matches the pictures under standard base units (Wine reports others).
// Make the dialog exactly its background and the button exactly its face,
// at twice the stored position, as on a standard system.
void FitToPictures(HWND dialog, int index, const char* background, const char* buttonFace) {
    SIZE size;
    if (BitmapSize(background, &size))
        SetWindowPos(dialog, nullptr, 0, 0, size.cx, size.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
    const DialogControlEntry& control = g_dialogTable[index].controls[0];
    HWND button = GetDlgItem(dialog, static_cast<int>(control.id));
    if (button != nullptr && BitmapSize(buttonFace, &size))
        SetWindowPos(button, nullptr, 2 * control.x, 2 * control.y, size.cx, size.cy,
                     SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

// Copies bitmap to (x, y) of dc at its own size.
void BlitBitmap(HDC dc, HBITMAP bitmap, int x, int y) {
    if (bitmap == nullptr)
        return;
    BITMAP info = {};
    GetObjectA(bitmap, sizeof info, &info);
    gdi::BlitBitmap(dc, x, y, info.bmWidth, info.bmHeight, bitmap, 0, 0);
}

struct DialogLook {
    int index;
    const char* pressedFace;
    const char* releasedFace;
    bool escapeCloses;
};

// The message handling both procedures share; background is the procedure's
// own remembered background name.
INT_PTR HandleDialogMessage(const DialogLook& look, const char*& background, HWND window,
                            UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        background = reinterpret_cast<const char*>(lParam);
        FitToPictures(window, look.index, background, look.releasedFace);
        CenterOnParent(window, 0);
        return TRUE;
    case WM_ERASEBKGND:
        DrawResourceBitmap(reinterpret_cast<HDC>(wParam), background, 0, 0);
        return 1;
    case WM_DRAWITEM:
        return DrawOwnerDrawBitmap(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam),
                                   look.pressedFace, look.releasedFace);
    case WM_COMMAND:
        if (wParam == IDOK || (wParam == IDCANCEL && look.escapeCloses)) {
            EndPictureDialog(window, static_cast<INT_PTR>(wParam));
            return TRUE;
        }
        return FALSE;
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSTATIC:
        return reinterpret_cast<INT_PTR>(MakeTransparentText(reinterpret_cast<HDC>(wParam)));
    default:
        return FALSE;
    }
}

} // namespace

DialogEntry g_dialogTable[2] = {
    {WS_POPUP, 0, 0, Stored(kPictureDialogSize), Stored(kPictureDialogSize), L"", L"", L"", 0,
     nullptr, nullptr},
    {WS_POPUP, 0, 0, Stored(kScreenWidth), Stored(kScreenHeight), L"", L"", L"", 0, nullptr,
     nullptr},
};

void BindDialogControls() {
    g_dialogTable[kPictureDialog].controls = kPictureDialogControls;
    g_dialogTable[kEndingDialog].controls = kEndingDialogControls;
}

HGLOBAL BuildDialogTemplate(int index) {
    const DialogEntry& dialog = g_dialogTable[index];
    const BaseUnits units = DialogBaseUnits();
    HGLOBAL block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, kTemplateBlockSize);
    if (block == nullptr)
        return nullptr;
    BYTE* start = static_cast<BYTE*>(GlobalLock(block));
    TemplateWriter out(start);
    out.Dword(dialog.style);
    out.Dword(0);
    WORD* controlCount = reinterpret_cast<WORD*>(out.Here());
    out.Word(0);
    out.Short(dialog.x);
    out.Short(dialog.y);
    out.Short(dialog.width * 8 / units.x);
    out.Short(dialog.height * 16 / units.y);
    out.String(dialog.menu);
    out.String(dialog.windowClass);
    out.String(dialog.title);
    if (dialog.style & DS_SETFONT) {
        out.Word(dialog.pointSize);
        out.String(dialog.fontName);
    }
    for (const DialogControlEntry* control = dialog.controls;
         control != nullptr && control->className != nullptr; ++control) {
        WriteControl(out, *control, units);
        ++*controlCount;
    }
    GlobalUnlock(block);
    return block;
}

INT_PTR ShowPictureDialog(HWND parent, int index, DLGPROC procedure, const char* backgroundName) {
    HGLOBAL block = BuildDialogTemplate(index);
    if (block == nullptr) {
        MessageBoxA(parent, "Insufficient memory.", "Dialog Box Error", MB_OK);
        return 0;
    }
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    const INT_PTR result =
        DialogBoxIndirectParamA(instance, static_cast<LPCDLGTEMPLATEA>(GlobalLock(block)), parent,
                                procedure, reinterpret_cast<LPARAM>(backgroundName));
    GlobalUnlock(block);
    GlobalFree(block);
    return result;
}

INT_PTR CALLBACK PictureDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static const char* background = nullptr;
    static const DialogLook look = {kPictureDialog, "OKButtonDown", "OKButtonUp", true};
    return HandleDialogMessage(look, background, window, message, wParam, lParam);
}

// Escape is ignored here: the farewell closes only through its button or Enter.
INT_PTR CALLBACK EndingDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    static const char* background = nullptr;
    static const DialogLook look = {kEndingDialog, "QuitButtonDown", "QuitButtonUp", false};
    return HandleDialogMessage(look, background, window, message, wParam, lParam);
}

void EndPictureDialog(HWND dialog, INT_PTR result) {
    if ((GetWindowLongPtrA(dialog, GWL_STYLE) & WS_CHILD) == 0) {
        EndDialog(dialog, result);
        return;
    }
    SetWindowLongPtrA(dialog, DWLP_USER, result);
    ShowWindow(dialog, SW_HIDE);
}

int DrawResourceBitmap(HDC dc, const char* bitmapName, int x, int y) {
    HBITMAP bitmap = LoadBitmapA(GameModule(), bitmapName);
    BlitBitmap(dc, bitmap, x, y);
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    return 1;
}

int DrawOwnerDrawBitmap(const DRAWITEMSTRUCT* item, const char* pressedName,
                        const char* releasedName) {
    const char* name = (item->itemState & ODS_SELECTED) ? pressedName : releasedName;
    HBITMAP bitmap = LoadBitmapA(GameModule(), name);
    BlitBitmap(item->hDC, bitmap, 0, 0);
    if (bitmap != nullptr)
        DeleteObject(bitmap);
    return 0;
}

void CenterOnParent(HWND window, int yOffset) {
    RECT own;
    RECT parent;
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;
    // A dialog inside the window is placed in its client area's terms.
    if (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)
        GetClientRect(GetParent(window), &parent);
    else
        GetWindowRect(GetParent(window), &parent);
    MoveWindow(window, (parent.right - width) / 2, (parent.bottom - height) / 2 + yOffset, width,
               height, FALSE);
}

HBRUSH MakeTransparentText(HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(0, 0, 0));
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}
