#include "game/win32/photo_dialogs.h"
#include "game/photo_dialogs_layout.h"
#include "game/win32/dialog_inside.h"
#include "game/win32/picture_dialogs.h"
#include "platform/win32/gdi.h"

#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

namespace {

// The chooser's buttons carry these ids plus their piece count.
constexpr int kCountButtonBase = 20000;
// The count the chooser's keyboard focus starts on.
constexpr int kFirstFocus = 2;

const char* g_chooserBackground = nullptr;

// Draws part of the chooser's background as the button, with a frame that
// shows the keyboard's focus and a darker one while pressed.
void DrawCountButton(const DRAWITEMSTRUCT* item) {
    RECT place;
    GetWindowRect(item->hwndItem, &place);
    MapWindowPoints(nullptr, GetParent(item->hwndItem), reinterpret_cast<POINT*>(&place), 2);
    HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), g_chooserBackground);
    if (bitmap != nullptr) {
        gdi::BlitBitmap(item->hDC, 0, 0, place.right - place.left, place.bottom - place.top, bitmap,
                        place.left, place.top);
        DeleteObject(bitmap);
    }
    const bool pressed = (item->itemState & ODS_SELECTED) != 0;
    if (pressed || (item->itemState & ODS_FOCUS) != 0) {
        HBRUSH brush = CreateSolidBrush(pressed ? RGB(0x8a, 0x5a, 0x30) : RGB(0x1f, 0x5e, 0x8c));
        RECT r = item->rcItem;
        for (int i = 0; i < 3; ++i) {
            FrameRect(item->hDC, &r, brush);
            InflateRect(&r, -1, -1);
        }
        DeleteObject(brush);
    }
}

void MakeCountButtons(HWND dialog) {
    if (HWND ok = GetDlgItem(dialog, IDOK))
        ShowWindow(ok, SW_HIDE);
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(dialog, GWLP_HINSTANCE));
    for (int32_t i = 0; i < kPieceCountChoices; ++i) {
        const ScreenBox box = PieceCountButton(i);
        HWND button = CreateWindowExA(
            0, "BUTTON", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, box.x, box.y,
            box.width, box.height, dialog,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(kCountButtonBase + kPieceCountChoice[i])),
            instance, nullptr);
        if (i == kFirstFocus && button != nullptr)
            SetFocus(button);
    }
}

INT_PTR CALLBACK PieceCountDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG:
        g_chooserBackground = reinterpret_cast<const char*>(lParam);
        SetWindowPos(window, nullptr, 0, 0, kPictureDialogSize, kPictureDialogSize,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        CenterOnParent(window, 0);
        MakeCountButtons(window);
        return FALSE; // the focus is set
    case WM_ERASEBKGND:
        DrawResourceBitmap(reinterpret_cast<HDC>(wParam), g_chooserBackground, 0, 0);
        return 1;
    case WM_DRAWITEM:
        DrawCountButton(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (id == IDCANCEL) {
            EndPictureDialog(window, 0);
            return TRUE;
        }
        // Enter chooses the button with the focus.
        const int chosen = id == IDOK ? GetDlgCtrlID(GetFocus()) : id;
        if (chosen > kCountButtonBase && chosen <= kCountButtonBase + 16) {
            EndPictureDialog(window, chosen - kCountButtonBase);
            return TRUE;
        }
        return FALSE;
    }
    default:
        return FALSE;
    }
}

// The Pictures folder as the wide Open dialog takes it.
std::wstring PicturesFolder() {
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_MYPICTURES, nullptr, SHGFP_TYPE_CURRENT, path)))
        return path;
    return std::wstring();
}

// The player's file names reach the engine in UTF-8: a photo may be called
// anything, far outside the ANSI code page.
std::string Utf8FromWide(const std::wstring& wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()),
                                           nullptr, 0, nullptr, nullptr);
    if (length <= 0)
        return std::string();
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &text[0], length,
                        nullptr, nullptr);
    return text;
}

} // namespace

std::vector<std::string> SplitChosenFiles(const wchar_t* buffer) {
    std::vector<std::wstring> parts;
    for (const wchar_t* at = buffer; *at != L'\0'; at += parts.back().size() + 1)
        parts.emplace_back(at);
    std::vector<std::string> paths;
    if (parts.size() == 1)
        paths.push_back(Utf8FromWide(parts[0]));
    for (size_t i = 1; i < parts.size(); ++i)
        paths.push_back(Utf8FromWide(parts[0] + L"\\" + parts[i]));
    return paths;
}

std::vector<std::string> ChoosePhotos(HWND parent) {
    static wchar_t buffer[32768];
    buffer[0] = L'\0';
    const std::wstring folder = PicturesFolder();
    OPENFILENAMEW open = {};
    open.lStructSize = sizeof open;
    open.hwndOwner = parent;
    open.lpstrFilter = L"Pictures (JPEG, PNG, BMP, GIF, TIFF)\0"
                       L"*.jpg;*.jpeg;*.jpe;*.jfif;*.png;*.bmp;*.dib;*.gif;*.tif;*.tiff\0";
    open.nFilterIndex = 1;
    open.lpstrFile = buffer;
    open.nMaxFile = sizeof buffer / sizeof buffer[0];
    open.lpstrInitialDir = folder.empty() ? nullptr : folder.c_str();
    open.lpstrTitle = L"Add a picture";
    open.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_ALLOWMULTISELECT |
                 OFN_HIDEREADONLY | OFN_NOCHANGEDIR;
    if (!GetOpenFileNameW(&open))
        return {};
    return SplitChosenFiles(buffer);
}

int32_t ChoosePieceCount(HWND parent) {
    return static_cast<int32_t>(ShowPictureDialogInside(
        parent, kPictureDialog, PieceCountDialogProc, kPieceCountDialogName));
}

void ShowPictureRefused(HWND parent) {
    ShowPictureDialogInside(parent, kPictureDialog, PictureDialogProc, kPictureRefusedDialogName);
}

std::vector<std::string> DroppedFiles(HDROP drop) {
    std::vector<std::string> paths;
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
        const UINT length = DragQueryFileW(drop, i, &path[0], static_cast<UINT>(path.size()));
        if (length > 0)
            paths.push_back(Utf8FromWide(path.substr(0, length)));
    }
    DragFinish(drop);
    return paths;
}
