// The yardstick of the measuring scripts (scripts/measure-*.py): the least a
// Windows program can do for what they time.
// - Start-up: a 1024x768 popup that paints itself dark blue.
// - Following the pointer: inside each WM_MOUSEMOVE itself, it paints a
//   white 16x16 box centred on the pointer and the last box back.
// - A click: at each button release it fills the box where the game shows
//   its page label (459, 704, 106 x 40) with the next of two colours.
// Runs until it is closed.
#include <windows.h>

namespace {

constexpr int kHalfBox = 8;
constexpr COLORREF kBackground = RGB(16, 32, 48);
constexpr COLORREF kLabelColours[2] = {RGB(240, 200, 40), RGB(40, 200, 240)};
constexpr RECT kLabel = {459, 704, 459 + 106, 704 + 40};
RECT g_lastBox = {};
int g_clicks = 0;
// Made once, as the stock brushes are: a move costs no more than it must.
HBRUSH g_backgroundBrush = nullptr;

void Fill(HDC dc, const RECT& rect, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &rect, brush);
    DeleteObject(brush);
}

void MoveBox(HWND window, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    HDC dc = GetDC(window);
    FillRect(dc, &g_lastBox, g_backgroundBrush);
    g_lastBox = RECT{x - kHalfBox, y - kHalfBox, x + kHalfBox, y + kHalfBox};
    FillRect(dc, &g_lastBox, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(window, dc);
}

void ShowClick(HWND window) {
    HDC dc = GetDC(window);
    Fill(dc, kLabel, kLabelColours[g_clicks++ % 2]);
    ReleaseDC(window, dc);
}

LRESULT CALLBACK BoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        MoveBox(window, lParam);
        return 0;
    case WM_LBUTTONUP:
        ShowClick(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = BoxWindowProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    g_backgroundBrush = CreateSolidBrush(kBackground);
    windowClass.hbrBackground = g_backgroundBrush;
    windowClass.lpszClassName = "PointerBox";
    RegisterClassA(&windowClass);
    HWND window = CreateWindowExA(0, "PointerBox", "PointerBox", WS_POPUP, 0, 0, 1024, 768, nullptr,
                                  nullptr, instance, nullptr);
    ShowWindow(window, showCommand);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return 0;
}
