// The yardstick of scripts/measure-input-latency.py: the least a Windows
// program can do to follow the pointer. A black 1024x768 popup that, inside
// each WM_MOUSEMOVE itself, paints a white 16x16 box centred on the pointer
// and the last box black again. Runs until it is closed.
#include <windows.h>

namespace {

constexpr int kHalfBox = 8;
RECT g_lastBox = {};

void MoveBox(HWND window, LPARAM lParam) {
    const int x = static_cast<short>(LOWORD(lParam));
    const int y = static_cast<short>(HIWORD(lParam));
    HDC dc = GetDC(window);
    FillRect(dc, &g_lastBox, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    g_lastBox = RECT{x - kHalfBox, y - kHalfBox, x + kHalfBox, y + kHalfBox};
    FillRect(dc, &g_lastBox, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    ReleaseDC(window, dc);
}

LRESULT CALLBACK BoxWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MOUSEMOVE:
        MoveBox(window, lParam);
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
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
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
