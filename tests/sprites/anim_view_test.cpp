// The view's composition: the dirty-rectangle list, rendering into the
// offscreen image, and the document feeding it.
#include "diag/log_switch.h"
#include "image/dib_image.h"
#include "picture_writer.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_link.h"
#include "sprites/anim_view.h"
#include "sprites/sprite.h"
#include "sprites/sprite_test_support.h"
#include "support/anim_view_probe.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

std::vector<RECT> Listed(const CAnimViewBase& view) {
    return std::vector<RECT>(CAnimViewProbe::DirtyRects(view).begin(),
                             CAnimViewProbe::DirtyRects(view).end());
}

// A solid sprite, opaque except where the picture says magenta.
CSprite* SolidSprite(int32_t tag, int32_t x, int32_t y, int32_t width, int32_t height,
                     uint32_t colour) {
    const POINT at{x, y};
    auto* sprite = new CSprite(tag, tag, &at);
    sprite->Create(width, height);
    Fill(*sprite, colour);
    return sprite;
}

// A document and a view linked as the game links them, over a background
// of distinct pixels.
class ComposedScreen : public ::testing::Test {
protected:
    ComposedScreen() {
        LinkAnimation(&doc, &view, nullptr);
        auto* background = new CDIBImage(200, 120);
        FillWithPattern(*background);
        EXPECT_TRUE(doc.SetBackgroundImage(nullptr, background));
        view.Flush(nullptr);
    }

    CSprite* Add(CSprite* sprite) {
        doc.Sprites().Add(sprite);
        view.SpriteAdded(sprite);
        return sprite;
    }

    // What the screen should show at (x, y): the topmost visible sprite's
    // opaque pixel, or the background.
    uint32_t Expected(int32_t x, int32_t y) {
        for (size_t i = 0; CSprite* s = doc.Sprites().FromTop(i); ++i) {
            uint32_t colour = 0;
            if (s->IsVisible() && s->GetPixel(x - s->GetX(), y - s->GetY(), &colour) &&
                colour != kMagenta)
                return colour;
        }
        return Pattern(x, y);
    }

    void ExpectScreenComposed() {
        CDIBImage* screen = view.Offscreen();
        for (int32_t y = 0; y < screen->GetHeight(); ++y) {
            for (int32_t x = 0; x < screen->GetWidth(); ++x) {
                uint32_t shown = 0;
                screen->GetPixel(x, y, &shown);
                ASSERT_EQ(shown, Expected(x, y)) << "at " << x << ", " << y;
            }
        }
    }

    CAnimDoc doc;
    CAnimView view;
};

} // namespace

TEST_F(ComposedScreen, NewBackgroundMakesAMatchingImageAllDirty) {
    CDIBImage* screen = view.Offscreen();
    ASSERT_NE(screen, nullptr);
    EXPECT_EQ(screen->GetWidth(), 200);
    EXPECT_EQ(screen->GetHeight(), 120);
    RECT bounds;
    view.GetBoundsWithMargin(&bounds);
    EXPECT_EQ(bounds, Rect(0, 0, 204, 124));

    view.SetPlacedCount(4);
    auto* next = new CDIBImage(300, 100);
    Fill(*next, kGrey);
    ASSERT_TRUE(doc.SetBackgroundImage(nullptr, next));
    EXPECT_EQ(view.GetPlacedCount(), 0);
    EXPECT_EQ(Listed(view), (std::vector<RECT>{Rect(0, 0, 300, 100)}));
    view.Flush(nullptr);
    uint32_t colour = 0;
    ASSERT_TRUE(view.Offscreen()->GetPixel(299, 99, &colour));
    EXPECT_EQ(colour, kGrey);
}

TEST_F(ComposedScreen, MovingASpriteRecomposesItsOldAndNewPlaceInOneRectangle) {
    Add(SolidSprite(1, 10, 10, 30, 20, kRed));
    view.Flush(nullptr);
    doc.FindByTag(1)->MoveTo(11, 10);
    EXPECT_EQ(Listed(view), (std::vector<RECT>{Rect(10, 10, 41, 30)}));
    view.Flush(nullptr);
    EXPECT_TRUE(CAnimViewProbe::DirtyRects(view).empty());
    ExpectScreenComposed();
}

TEST_F(ComposedScreen, HidingASpriteRevealsExactlyWhatLayUnderIt) {
    CSprite* lower = Add(SolidSprite(1, 20, 20, 60, 40, kBlue));
    CSprite* upper = Add(SolidSprite(2, 50, 30, 40, 40, kRed));
    SetPixel(*upper, 0, 0, kMagenta);
    view.Flush(nullptr);
    ExpectScreenComposed();

    // A mark outside the hidden sprite's rectangle shows that nothing else
    // is recomposed.
    SetPixel(*view.Offscreen(), 5, 5, kGrey);
    upper->Hide();
    view.Flush(nullptr);
    uint32_t mark = 0;
    view.Offscreen()->GetPixel(5, 5, &mark);
    EXPECT_EQ(mark, kGrey);
    SetPixel(*view.Offscreen(), 5, 5, Pattern(5, 5));
    ExpectScreenComposed();
    EXPECT_TRUE(lower->IsVisible());
}

TEST_F(ComposedScreen, SpritesPartlyOutsideTheBackgroundDrawOnlyWhereTheyLieInside) {
    Add(SolidSprite(1, -15, -10, 40, 30, kRed));
    Add(SolidSprite(2, 180, 100, 50, 50, kBlue));
    Add(SolidSprite(3, 500, 500, 10, 10, kGrey)); // wholly outside
    view.Flush(nullptr);
    ExpectScreenComposed();
    doc.FindByTag(2)->MoveTo(190, 110);
    view.Flush(nullptr);
    ExpectScreenComposed();
}

TEST(AnimDocument, ABackgroundThatCannotBeUsedLeavesTheDocumentWithoutOne) {
    ScopedTempDir dir(true);
    ScopedLogSwitch logOn(1);
    CAnimDoc doc;
    CAnimView view;
    // Without a view there is nowhere to compose the page.
    auto image = std::make_unique<CDIBImage>(10, 10);
    EXPECT_FALSE(doc.SetBackgroundImage(nullptr, image.get()));
    EXPECT_EQ(doc.GetBackground(), nullptr);
    EXPECT_NE(ReadText("log.txt").find("CAnimView not available in CAnimDocBase::SetBackground"),
              std::string::npos);

    LinkAnimation(&doc, &view, nullptr);
    // A picture without pixels has no offscreen image to match.
    auto empty = std::make_unique<CDIBImage>(0, 0);
    EXPECT_FALSE(doc.SetBackgroundImage(nullptr, empty.get()));
    EXPECT_EQ(doc.GetBackground(), nullptr);
    EXPECT_EQ(view.Offscreen(), nullptr);
    const std::string log = ReadText("log.txt");
    EXPECT_NE(log.find("Failed to create off screen dib"), std::string::npos);
    EXPECT_NE(log.find("CAnimView::NewBackground Create failed"), std::string::npos);
    // A flush without an offscreen image draws nothing and forgets the list.
    const RECT r = Rect(0, 0, 5, 5);
    view.AddDirtyRect(&r);
    view.Flush(nullptr);
    EXPECT_TRUE(CAnimViewProbe::DirtyRects(view).empty());

    EXPECT_FALSE(doc.SetBackground(nullptr, "\\data\\none.dat"));
    EXPECT_EQ(doc.GetBackground(), nullptr);
}

TEST(AnimDocument, APageBackgroundOfTheSameSizeIsReadIntoTheImagesAlreadyMade) {
    ScopedTempDir dir(true);
    CAnimDoc doc;
    CAnimView view;
    LinkAnimation(&doc, &view, nullptr);
    auto write = [&](const char* name, int32_t width, int32_t height, uint32_t colour) {
        WriteAll(dir.File(name),
                 EncodePictureFile(width, height, [colour](int32_t, int32_t) { return colour; }));
        return dir.File(name);
    };
    ASSERT_TRUE(doc.SetBackground(nullptr, write("first.dat", 40, 30, 0x112233)));
    const CDIBImage* background = doc.GetBackground();
    const CDIBImage* offscreen = view.Offscreen();
    view.Flush(nullptr);
    doc.Sprites().Add(SolidSprite(7, 1, 1, 4, 4, 0x445566));
    view.SetPlacedCount(3);

    // The next page: its picture in the same image, the offscreen image
    // kept, and everything else as with new ones.
    ASSERT_TRUE(doc.SetBackground(nullptr, write("second.dat", 40, 30, 0x778899)));
    EXPECT_EQ(doc.GetBackground(), background);
    EXPECT_EQ(view.Offscreen(), offscreen);
    EXPECT_EQ(doc.Sprites().Count(), 0u);
    EXPECT_EQ(view.GetPlacedCount(), 0);
    EXPECT_EQ(Listed(view), (std::vector<RECT>{Rect(0, 0, 40, 30)}));
    view.Flush(nullptr);
    uint32_t colour = 0;
    ASSERT_TRUE(view.Offscreen()->GetPixel(39, 29, &colour));
    EXPECT_EQ(colour, 0x778899u);

    // A picture that cannot be read changes nothing.
    doc.Sprites().Add(SolidSprite(8, 1, 1, 4, 4, 0x445566));
    EXPECT_FALSE(doc.SetBackground(nullptr, dir.File("missing.dat")));
    EXPECT_EQ(doc.Sprites().Count(), 1u);
    ASSERT_TRUE(doc.GetBackground()->GetPixel(0, 0, &colour));
    EXPECT_EQ(colour, 0x778899u);

    // Another size gets an offscreen image of its own size.
    ASSERT_TRUE(doc.SetBackground(nullptr, write("taller.dat", 40, 36, 0x123456)));
    ASSERT_NE(view.Offscreen(), nullptr);
    EXPECT_EQ(view.Offscreen()->GetHeight(), 36);
    view.Flush(nullptr);
    ASSERT_TRUE(view.Offscreen()->GetPixel(39, 35, &colour));
    EXPECT_EQ(colour, 0x123456u);
}
