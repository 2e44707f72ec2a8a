// The view's copies reach a real window: after a flush the window shows the
// composed offscreen pixels inside the dirty rectangles and nothing changes
// outside them. The window's pixels are read back from the screen.
#include "image/dib_image.h"
#include "platform/win32/gdi.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"
#include "sprites/sprite_test_support.h"
#include "win32/test_window.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int kWidth = 256;
constexpr int kHeight = 192;
// What the window shows before the view copies anything (0x00BBGGRR).
constexpr uint32_t kUntouched = 0x123456u;

// Paints nothing itself: only the view's copies and the test's fills reach
// the window.
LRESULT CALLBACK QuietProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_ERASEBKGND:
        return 1;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

// The window's client area as the screen shows it, in 0x00BBGGRR values,
// top row first.
std::vector<uint32_t> ReadWindow(HWND window) {
    GdiFlush();
    const BITMAPINFO info = gdi::BitmapInfo(kWidth, -kHeight, 32);
    void* bits = nullptr;
    HBITMAP copy = gdi::CreateSection(window, &info, &bits);
    {
        const gdi::WindowDC windowDC(window);
        const gdi::MemoryDC memory(windowDC.Get(), copy);
        BitBlt(memory.Get(), 0, 0, kWidth, kHeight, windowDC.Get(), 0, 0, SRCCOPY);
        GdiFlush();
    }
    std::vector<uint32_t> pixels(static_cast<size_t>(kWidth) * kHeight);
    const auto* source = static_cast<const uint32_t*>(bits);
    for (size_t i = 0; i < pixels.size(); ++i) {
        const uint32_t bgrx = source[i] & 0xFFFFFFu; // 0x00RRGGBB
        pixels[i] = ((bgrx & 0xFF) << 16) | (bgrx & 0xFF00) | (bgrx >> 16);
    }
    DeleteObject(copy);
    return pixels;
}

void FillWindow(HWND window, uint32_t colour) {
    const gdi::WindowDC dc(window);
    HBRUSH brush = CreateSolidBrush(colour);
    const RECT all{0, 0, kWidth, kHeight};
    FillRect(dc.Get(), &all, brush);
    DeleteObject(brush);
    GdiFlush();
}

bool Inside(const std::vector<RECT>& rects, int x, int y) {
    for (const RECT& r : rects) {
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return true;
    }
    return false;
}

class ViewOnAWindow : public ::testing::Test {
protected:
    ViewOnAWindow() {
        UpdateWindow(window);
        RunWaitingMessages();
        Sleep(100);
        RunWaitingMessages();
        LinkAnimation(&doc, &view, window);
    }

    // Checks the window against the offscreen image inside rects and
    // against kUntouched everywhere else.
    void ExpectWindowShows(const std::vector<RECT>& rects) {
        const std::vector<uint32_t> shown = ReadWindow(window);
        int wrong = 0;
        for (int y = 0; y < kHeight; ++y) {
            for (int x = 0; x < kWidth; ++x) {
                uint32_t expected = kUntouched;
                if (Inside(rects, x, y))
                    view.Offscreen()->GetPixel(x, y, &expected);
                const uint32_t actual = shown[static_cast<size_t>(y) * kWidth + x];
                if (actual != expected && wrong++ < 5)
                    ADD_FAILURE() << "at " << x << ", " << y << ": " << std::hex << actual
                                  << " instead of " << expected;
            }
        }
        EXPECT_EQ(wrong, 0);
    }

    // Topmost: the test reads what the screen shows.
    TestWindow testWindow{QuietProc, kWidth, kHeight, WS_EX_TOPMOST};
    HWND window = testWindow.Handle();
    CAnimDoc doc;
    CAnimView view;
};

} // namespace

TEST_F(ViewOnAWindow, AFlushCopiesExactlyTheDirtyRectangles) {
    ASSERT_NE(window, nullptr);
    FillWindow(window, kUntouched);
    ASSERT_EQ(ReadWindow(window)[0], kUntouched) << "the screen cannot be read back";

    auto* background = new CDIBImage(kWidth, kHeight);
    FillWithPattern(*background);
    ASSERT_TRUE(doc.SetBackgroundImage(window, background));
    view.Flush(window);
    ExpectWindowShows({Rect(0, 0, kWidth, kHeight)});

    const POINT at{40, 30};
    auto* sprite = new CSprite(1, 1, &at);
    sprite->Create(50, 40);
    Fill(*sprite, kRed);
    SetPixel(*sprite, 10, 10, kMagenta);
    doc.Sprites().Add(sprite);
    view.SpriteAdded(sprite);
    view.Flush(window);

    // Two separate changes: the moved sprite's old and new place in one
    // rectangle, the hidden one in another. Only they may change.
    FillWindow(window, kUntouched);
    const POINT at2{200, 150};
    auto* second = new CSprite(2, 2, &at2);
    second->Create(30, 30);
    Fill(*second, kBlue);
    doc.Sprites().Add(second);
    view.SpriteAdded(second);
    view.Flush(window);
    FillWindow(window, kUntouched);
    sprite->MoveTo(45, 33);
    second->Hide();
    const std::vector<RECT> dirty(view.DirtyRects().begin(), view.DirtyRects().end());
    ASSERT_EQ(dirty.size(), 2u);
    view.Flush(window);
    ExpectWindowShows(dirty);

    // The whole picture again, with the sprite partly off the window.
    sprite->MoveTo(kWidth - 20, -10);
    FillWindow(window, kUntouched);
    view.RedrawAll();
    ExpectWindowShows({Rect(0, 0, kWidth, kHeight)});
}
