// What the view asks of the system, read back from the headless seam: copies
// to the window, repaints and the offscreen section's lifetime.
#include "image/dib_image.h"
#include "platform/headless/headless_platform.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"
#include "sprites/sprite_test_support.h"
#include "support/anim_view_probe.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

HWND const kWindow = reinterpret_cast<HWND>(0x5150);

std::vector<RECT> CopiedRects() {
    std::vector<RECT> rects;
    for (const headless::WindowCopy& copy : headless::TakeWindowCopies()) {
        EXPECT_EQ(copy.window, kWindow);
        rects.push_back(copy.rect);
    }
    return rects;
}

// Records its renders and checks that no copy reached the window before
// every rectangle was composed.
class RecordingView : public CAnimViewBase {
public:
    explicit RecordingView(bool useDibSection) : CAnimViewBase(useDibSection) {}
    void Render(const RECT* r) override {
        rendered.push_back(*r);
        copiedBeforeRender |= !headless::TakeWindowCopies().empty();
    }
    std::vector<RECT> rendered;
    bool copiedBeforeRender = false;
};

class HeadlessView : public ::testing::Test {
protected:
    HeadlessView() {
        headless::TakeWindowCopies();
        headless::TakeInvalidations();
    }
};

} // namespace

TEST_F(HeadlessView, FlushComposesEveryRectangleBeforeCopyingAny) {
    for (bool useDibSection : {true, false}) {
        RecordingView view(useDibSection);
        CDIBImage background(100, 80);
        ASSERT_TRUE(view.CreateOffscreen(kWindow, &background));
        const RECT r1 = Rect(0, 0, 10, 10);
        const RECT r2 = Rect(5, 5, 20, 20);
        const RECT r3 = Rect(40, 40, 50, 50);
        // Each new rectangle merges only with the most recent one, and only
        // when they overlap: r4 overlaps r1 and r2's union but not r3, and r5
        // merely touches r4.
        const RECT r4 = Rect(8, 8, 12, 12);
        const RECT r5 = Rect(12, 8, 20, 12);
        for (const RECT* r : {&r1, &r2, &r3, &r4, &r5})
            view.AddDirtyRect(r);
        view.Flush(kWindow);
        const std::vector<RECT> expected{r5, r4, r3, Rect(0, 0, 20, 20)};
        EXPECT_EQ(view.rendered, expected);
        EXPECT_FALSE(view.copiedBeforeRender);
        const std::vector<headless::WindowCopy> copies = headless::TakeWindowCopies();
        ASSERT_EQ(copies.size(), expected.size());
        for (size_t i = 0; i < copies.size(); ++i) {
            EXPECT_EQ(copies[i].rect, expected[i]);
            EXPECT_EQ(copies[i].fromSection, useDibSection);
        }
        EXPECT_TRUE(CAnimViewProbe::DirtyRects(view).empty());

        view.Flush(kWindow);
        EXPECT_EQ(view.rendered.size(), expected.size());
        EXPECT_TRUE(headless::TakeWindowCopies().empty());
    }
}

TEST_F(HeadlessView, CopiesAreClippedToTheOffscreenImage) {
    CAnimDoc doc;
    CAnimView view;
    LinkAnimation(&doc, &view, kWindow);
    auto* background = new CDIBImage(100, 80);
    Fill(*background, kGrey);
    ASSERT_TRUE(doc.SetBackgroundImage(kWindow, background));
    EXPECT_EQ(headless::TakeInvalidations(), std::vector<HWND>{kWindow});
    view.Tick(kWindow);
    EXPECT_EQ(CopiedRects(), std::vector<RECT>{Rect(0, 0, 100, 80)});

    const POINT at{90, -5};
    auto* sprite = new CSprite(0, 0, &at);
    sprite->Create(20, 20);
    doc.Sprites().Add(sprite);
    view.SpriteAdded(sprite);
    view.Tick(kWindow);
    EXPECT_EQ(CopiedRects(), std::vector<RECT>{Rect(90, 0, 100, 15)});

    // Wholly outside: nothing to copy.
    sprite->MoveTo(300, 300);
    sprite->MoveTo(301, 300);
    view.Tick(kWindow);
    EXPECT_EQ(CopiedRects(), std::vector<RECT>{Rect(90, 0, 100, 15)});

    view.Blit(kWindow, nullptr);
    EXPECT_EQ(CopiedRects(), std::vector<RECT>{Rect(0, 0, 100, 80)});
    view.RedrawAll();
    EXPECT_EQ(CopiedRects(), std::vector<RECT>{Rect(0, 0, 100, 80)});
}

TEST_F(HeadlessView, TheOffscreenSectionLivesAsLongAsItsImage) {
    const int before = headless::LiveOffscreenSections();
    {
        CAnimDoc doc;
        CAnimView view;
        LinkAnimation(&doc, &view, kWindow);
        ASSERT_TRUE(doc.SetBackgroundImage(kWindow, new CDIBImage(64, 48)));
        EXPECT_EQ(headless::LiveOffscreenSections(), before + 1);
        ASSERT_TRUE(doc.SetBackgroundImage(kWindow, new CDIBImage(32, 16)));
        EXPECT_EQ(headless::LiveOffscreenSections(), before + 1);
    }
    EXPECT_EQ(headless::LiveOffscreenSections(), before);
}
