#include "app/presentation.h"
#include "app/main_window.h"
#include "diag/log.h"
#include "platform/win32/present.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// The letterbox bands: the deep blue-grey of the game's evening pictures.
const COLORREF kBandColour = RGB(22, 24, 38);

// Keeps a finger held on a piece from turning into a right-click, which
// would send a carried piece home.
const char* const kTabletProperty = "MicrosoftTabletPenServiceProperty";
const UINT_PTR kTabletDisablePressAndHold = 0x00000001;

constexpr LONG_PTR kWindowedStyle = WS_OVERLAPPEDWINDOW;

int32_t Width(const RECT& r) {
    return r.right - r.left;
}

int32_t Height(const RECT& r) {
    return r.bottom - r.top;
}

// A child's rectangle at the scale of the fit, edge by edge, so that
// neighbouring buttons neither overlap nor leave a gap.
RECT ScaleRect(const PictureFit& fit, const RECT& r) {
    const auto x = [&](int32_t v) {
        return fit.area.left +
               static_cast<int32_t>(int64_t{v} * fit.AreaWidth() / fit.pictureWidth);
    };
    const auto y = [&](int32_t v) {
        return fit.area.top +
               static_cast<int32_t>(int64_t{v} * fit.AreaHeight() / fit.pictureHeight);
    };
    return RECT{x(r.left), y(r.top), x(r.right), y(r.bottom)};
}

BOOL CALLBACK CollectChild(HWND child, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
    return TRUE;
}

// A picture dialog drawn inside the window, not a control of the picture.
bool IsDialog(HWND child) {
    char name[8] = {};
    GetClassNameA(child, name, sizeof name);
    return std::strcmp(name, "#32770") == 0;
}

// Dialogs keep their own size, centred on the picture as it now lies.
void CentreInside(const PictureFit& fit, HWND dialog) {
    RECT own;
    GetWindowRect(dialog, &own);
    SetWindowPos(dialog, nullptr, (fit.area.left + fit.area.right - Width(own)) / 2,
                 (fit.area.top + fit.area.bottom - Height(own)) / 2, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

CPresentation& GetPresentation() {
    static CPresentation presentation;
    return presentation;
}

void CPresentation::FindMonitor(HWND window, bool byPointer) {
    POINT pointer = {0, 0};
    GetCursorPos(&pointer);
    HMONITOR handle = byPointer ? MonitorFromPoint(pointer, MONITOR_DEFAULTTOPRIMARY)
                                : MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFOEXA info = {};
    info.cbSize = sizeof info;
    if (handle == nullptr || !GetMonitorInfoA(handle, &info)) {
        handle = MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY);
        if (handle == nullptr || !GetMonitorInfoA(handle, &info))
            return;
    }
    monitor = info.rcMonitor;
    workArea = info.rcWork;
    // The primary display keeps the designed call, with no device named.
    device = (info.dwFlags & MONITORINFOF_PRIMARY) ? "" : info.szDevice;
}

void CPresentation::Begin(CFullScreenWindow& window, HWND handle, int32_t width, int32_t height) {
    owner = &window;
    pictureWidth = width;
    pictureHeight = height;
    if (handle == nullptr)
        return;
    SetPropA(handle, kTabletProperty, reinterpret_cast<HANDLE>(kTabletDisablePressAndHold));
    choice = CSettings::GetInstance()->GetPresentation();
    FindMonitor(handle);
    if (choice.mode == kPresentModeSwitch) {
        if (owner->SwitchDisplayMode(handle, width, height) != 0) {
            shown = Shown::kModeSwitch;
            // Another monitor than the primary: the window goes where it now is.
            FindMonitor(handle);
            if (monitor.left != 0 || monitor.top != 0)
                SetWindowPos(handle, HWND_TOP, monitor.left, monitor.top, width, height,
                             SWP_NOACTIVATE);
            Refit(handle);
            return;
        }
        Log("Presenting the picture scaled to the full screen");
    }
    if (choice.mode == kPresentWindow)
        EnterWindow(handle);
    else
        EnterFullScreen(handle);
}

void CPresentation::EnterFullScreen(HWND window) {
    shown = Shown::kFullScreen;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    SetWindowLongPtrA(window, GWL_STYLE, (style & ~kWindowedStyle) | WS_POPUP);
    SetWindowPos(window, HWND_TOP, monitor.left, monitor.top, Width(monitor), Height(monitor),
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    Refit(window);
}

void CPresentation::EnterWindow(HWND window) {
    shown = Shown::kWindow;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    SetWindowLongPtrA(window, GWL_STYLE, (style & ~WS_POPUP) | kWindowedStyle);
    RECT place = {choice.left, choice.top, choice.left + choice.width, choice.top + choice.height};
    RECT seen = {};
    if (choice.width <= 0 || choice.height <= 0 || !IntersectRect(&seen, &place, &workArea)) {
        // First time: the picture 1:1 in the middle of the work area, or as
        // large as fits when the work area is smaller.
        RECT frame = {0, 0, pictureWidth, pictureHeight};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(kWindowedStyle), FALSE, 0);
        const int32_t extraW = Width(frame) - pictureWidth;
        const int32_t extraH = Height(frame) - pictureHeight;
        const PictureFit inside = FitPicture(std::min(pictureWidth, Width(workArea) - extraW),
                                             std::min(pictureHeight, Height(workArea) - extraH),
                                             pictureWidth, pictureHeight);
        const int32_t w = inside.AreaWidth() + extraW;
        const int32_t h = inside.AreaHeight() + extraH;
        place.left = workArea.left + (Width(workArea) - w) / 2;
        place.top = workArea.top + std::max(0, (Height(workArea) - h) / 2);
        place.right = place.left + w;
        place.bottom = place.top + h;
    }
    SetWindowPos(window, HWND_NOTOPMOST, place.left, place.top, Width(place), Height(place),
                 SWP_FRAMECHANGED | SWP_SHOWWINDOW);
    Refit(window);
}

void CPresentation::Toggle(HWND window) {
    if (owner == nullptr)
        return;
    if (shown == Shown::kWindow) {
        RECT place;
        if (GetWindowRect(window, &place)) {
            choice.left = place.left;
            choice.top = place.top;
            choice.width = Width(place);
            choice.height = Height(place);
        }
        FindMonitor(window);
        EnterFullScreen(window);
    } else {
        // The desktop's own mode back first, so the window opens on it.
        if (shown == Shown::kModeSwitch)
            owner->RestoreDisplayMode();
        FindMonitor(window);
        EnterWindow(window);
    }
    Remember();
    InvalidateRect(window, nullptr, FALSE);
}

void CPresentation::Moved(HWND window) {
    RECT place;
    if (shown != Shown::kWindow || !GetWindowRect(window, &place))
        return;
    choice.left = place.left;
    choice.top = place.top;
    choice.width = Width(place);
    choice.height = Height(place);
    Remember();
}

void CPresentation::DisplayChanged(HWND window) {
    if (shown != Shown::kFullScreen || owner == nullptr)
        return;
    FindMonitor(window, false);
    EnterFullScreen(window);
}

void CPresentation::Remember() {
    choice.mode = shown == Shown::kWindow ? kPresentWindow : kPresentFullScreen;
    CSettings* settings = CSettings::GetInstance();
    settings->SetPresentation(choice);
    settings->Save();
}

namespace {

bool SameFit(const PictureFit& a, const PictureFit& b) {
    return a.factor == b.factor && a.area.left == b.area.left && a.area.top == b.area.top &&
           a.area.right == b.area.right && a.area.bottom == b.area.bottom;
}

} // namespace

void CPresentation::Refit(HWND window) {
    RECT client;
    if (window == nullptr || !GetClientRect(window, &client) || IsIconic(window))
        return;
    const PictureFit newFit =
        FitPicture(Width(client), Height(client), pictureWidth, pictureHeight);
    const bool changed = !SameFit(newFit, fit);
    // At 1:1 nothing moves and nothing is painted again: the designed screen.
    if (!changed && fit.IsIdentity())
        return;
    fit = newFit;
    PlaceChildren(window);
    if (!changed)
        return;
    present::SetFit(window, fit);
    InvalidateRect(window, nullptr, FALSE);
}

void CPresentation::PlaceChildren(HWND window) {
    for (auto it = children.begin(); it != children.end();)
        it = IsWindow(it->first) ? std::next(it) : children.erase(it);
    std::vector<HWND> found;
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&found));
    for (HWND child : found) {
        if (GetParent(child) != window)
            continue;
        if (IsDialog(child)) {
            CentreInside(fit, child);
            continue;
        }
        if (children.find(child) == children.end()) {
            // Made by a screen at its place in the picture.
            RECT r;
            GetWindowRect(child, &r);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
            children[child] = r;
        }
        const RECT to = ScaleRect(fit, children[child]);
        SetWindowPos(child, nullptr, to.left, to.top, Width(to), Height(to),
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void CPresentation::PaintBands(HWND window) const {
    if (fit.IsIdentity())
        return;
    RECT client;
    GetClientRect(window, &client);
    RECT bands[4];
    LetterboxBands(fit, client.right, client.bottom, bands);
    HDC dc = GetDC(window);
    if (dc == nullptr)
        return;
    HBRUSH brush = CreateSolidBrush(kBandColour);
    for (const RECT& band : bands)
        if (band.right > band.left && band.bottom > band.top)
            FillRect(dc, &band, brush);
    DeleteObject(brush);
    ReleaseDC(window, dc);
}

void CPresentation::CentreDialog(HWND window, HWND dialog) const {
    if ((shown == Shown::kModeSwitch && fit.IsIdentity()) || dialog == nullptr)
        return;
    RECT own;
    if (!GetWindowRect(dialog, &own))
        return;
    POINT centre = {(fit.area.left + fit.area.right) / 2, (fit.area.top + fit.area.bottom) / 2};
    ClientToScreen(window, &centre);
    const int32_t x = centre.x - Width(own) / 2;
    const int32_t y = centre.y - Height(own) / 2;
    if (x != own.left || y != own.top)
        SetWindowPos(dialog, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

POINT CPresentation::ToPicture(int32_t x, int32_t y) const {
    if (fit.IsIdentity())
        return POINT{x, y};
    return ClientToPicture(fit, x, y);
}

bool CPresentation::DrawChildScaled(const DRAWITEMSTRUCT* item,
                                    void (*draw)(const DRAWITEMSTRUCT* item)) {
    if (fit.IsIdentity())
        return false;
    const auto found = children.find(item->hwndItem);
    if (found == children.end())
        return false;
    struct Context {
        DRAWITEMSTRUCT item;
        void (*draw)(const DRAWITEMSTRUCT*);
    } context = {*item, draw};
    context.item.rcItem = RECT{0, 0, Width(found->second), Height(found->second)};
    present::PaintScaledChild(
        item->hDC, item->rcItem, Width(found->second), Height(found->second),
        [](HDC dc, void* opaque) {
            Context* c = static_cast<Context*>(opaque);
            c->item.hDC = dc;
            c->draw(&c->item);
        },
        &context);
    return true;
}
