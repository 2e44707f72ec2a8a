#include "game/page_sprite_index.h"
#include "sprite_test_support.h"
#include "sprites/sprite.h"
#include "sprites/sprite_list.h"

#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

class SpriteListTest : public ::testing::Test {
protected:
    SpriteListTest() { pageSprites.SetPage(1); }

    // A solid 10 x 10 sprite at (x, y), owned by the caller until added.
    static CSprite* Make(int32_t tag, int32_t x, int32_t y) {
        const POINT at{x, y};
        CSprite* sprite = new CSprite(0, tag, &at);
        sprite->Create(10, 10);
        Fill(*sprite, kRed);
        return sprite;
    }

    CSprite* AddNew(int32_t tag, int32_t x = 0, int32_t y = 0) {
        CSprite* sprite = Make(tag, x, y);
        list.Add(sprite);
        return sprite;
    }

    std::vector<int32_t> TagsFromTop() const { return FromTop(&CSprite::GetTag); }
    std::vector<int32_t> DepthsFromTop() const { return FromTop(&CSprite::GetDepth); }
    std::vector<int32_t> FromTop(int32_t (CSprite::*value)() const) const {
        std::vector<int32_t> values;
        for (size_t i = 0; i < list.Count(); ++i)
            values.push_back((list.FromTop(i)->*value)());
        return values;
    }

    CPageSpriteIndex pageSprites;
    CSpriteList list{&pageSprites};
    RecordingSink sink;
};

} // namespace

TEST_F(SpriteListTest, LowDepthsAreLayersAboveAndKeepTheirNumbers) {
    AddNew(1);
    AddNew(2);
    CSprite* layer = Make(3, 0, 0);
    layer->SetDepthQuiet(5);
    list.Add(layer);
    CSprite* upper = Make(4, 0, 0);
    upper->SetDepthQuiet(0);
    list.Add(upper);
    AddNew(5);
    EXPECT_EQ(TagsFromTop(), (std::vector<int32_t>{4, 3, 5, 2, 1}));
    EXPECT_EQ(DepthsFromTop(), (std::vector<int32_t>{0, 5, 11, 12, 13}));
}

TEST_F(SpriteListTest, QuietDepthChangesWaitForTheNextAdd) {
    CSprite* bottom = AddNew(1);
    AddNew(2);
    AddNew(3);
    bottom->SetDepthQuiet(10);
    EXPECT_EQ(TagsFromTop(), (std::vector<int32_t>{3, 2, 1}));
    AddNew(4);
    // Depth 10 sorts before the others' 11 and 12; the new sprite is above it.
    EXPECT_EQ(TagsFromTop(), (std::vector<int32_t>{4, 1, 3, 2}));
    EXPECT_EQ(DepthsFromTop(), (std::vector<int32_t>{11, 12, 13, 14}));
}

TEST_F(SpriteListTest, SetDepthTenBringsTheBottomSpriteForwardAndReportsOnce) {
    list.SetDirtyRectSink(&sink);
    CSprite* bottom = AddNew(1, 30, 40);
    AddNew(2);
    AddNew(3);
    bottom->SetDepth(10);
    EXPECT_EQ(TagsFromTop(), (std::vector<int32_t>{1, 3, 2}));
    EXPECT_EQ(bottom->GetDepth(), 11);
    ASSERT_EQ(sink.rects.size(), 1u);
    EXPECT_EQ(sink.rects[0], Rect(30, 40, 40, 50));
    EXPECT_EQ(bottom->GetOwner(), list.GetOwner());
}

TEST_F(SpriteListTest, ChangesReachTheSinkWithTheirRectangles) {
    CSprite* sprite = AddNew(1, 5, 6);
    sprite->Hide();
    EXPECT_TRUE(sink.rects.empty());
    list.SetDirtyRectSink(&sink);
    sprite->MoveTo(6, 6);
    sprite->Show();
    const RECT given = Rect(0, 0, 3, 3);
    sprite->Invalidate(&given);
    sprite->Invalidate(nullptr);
    sprite->SetVisibleQuiet(false);
    EXPECT_EQ(sink.rects, (std::vector<RECT>{Rect(5, 6, 15, 16), Rect(6, 6, 16, 16),
                                             Rect(6, 6, 16, 16), given}));
}

TEST_F(SpriteListTest, RemoveHandsTheSpriteBackWithoutOwner) {
    CSprite* a = AddNew(1);
    AddNew(2);
    std::unique_ptr<CSprite> removed(list.Remove(a));
    ASSERT_EQ(removed.get(), a);
    EXPECT_EQ(a->GetOwner(), nullptr);
    EXPECT_EQ(TagsFromTop(), (std::vector<int32_t>{2}));
    EXPECT_EQ(list.Remove(a), nullptr);
}

TEST_F(SpriteListTest, AddingTheSameSpriteTwiceListsItOnce) {
    CSprite* a = AddNew(1);
    AddNew(2);
    a->SetDepthQuiet(10);
    EXPECT_TRUE(list.Add(a));
    EXPECT_EQ(TagsFromTop(), (std::vector<int32_t>{1, 2}));
    EXPECT_FALSE(list.Add(nullptr));
}

TEST_F(SpriteListTest, PieceAtFindsHiddenDragPicturesOnly) {
    // Page 1's drag pictures are tags 660 to 668.
    CSprite* drag = AddNew(660, 100, 100);
    drag->SetVisibleQuiet(false);
    EXPECT_EQ(list.PieceAt(105, 105), drag);
    // Sprites on top that are not drag pictures are looked through.
    AddNew(0, 100, 100);
    AddNew(10001, 100, 100);
    AddNew(669, 100, 100);
    EXPECT_EQ(list.PieceAt(105, 105), drag);
    EXPECT_EQ(list.PieceAt(100, 105), nullptr);
    EXPECT_EQ(list.PieceAt(105, 100), nullptr);
    EXPECT_EQ(list.PieceAt(109, 109), drag);
    EXPECT_EQ(list.PieceAt(110, 105), nullptr);
}

TEST_F(SpriteListTest, PieceAtTakesTheTopmostOpaquePixel) {
    CSprite* lower = AddNew(661, 100, 100);
    CSprite* upper = Make(662, 104, 100);
    SetPixel(*upper, 2, 5, kMagenta);
    list.Add(upper);
    EXPECT_EQ(list.PieceAt(107, 105), upper);
    // Through the top piece's transparent pixel to the one beneath.
    EXPECT_EQ(list.PieceAt(106, 105), lower);
    // On the top piece's left edge, which does not count as inside it.
    EXPECT_EQ(list.PieceAt(104, 105), lower);
    upper->SetDepth(30);
    EXPECT_EQ(list.PieceAt(107, 105), lower);
}

TEST_F(SpriteListTest, HoleAtUsesRectanglesOfHolesOnly) {
    CSprite* hole = AddNew(220, 50, 50);
    Fill(*hole, kMagenta);
    hole->SetVisibleQuiet(false);
    EXPECT_EQ(list.HoleAt(55, 55), hole);
    CSprite* upper = AddNew(221, 55, 55);
    AddNew(440, 50, 50);
    EXPECT_EQ(list.HoleAt(56, 56), upper);
    EXPECT_EQ(list.HoleAt(55, 56), hole);
    EXPECT_EQ(list.HoleAt(50, 55), nullptr);
    EXPECT_EQ(list.HoleAt(60, 52), nullptr);
}
