// Page changes through the document; the end-to-end scenarios turn every
// page, wrapping at both ends.
#include "game/catalogue.h"
#include "game/page_furniture.h"
#include "sprites/anim_doc.h"
#include "sprites/anim_view.h"
#include "support/anim_view_probe.h"
#include "support/play_page_test.h"

namespace {

class PageChanges : public PlayPageTest {
protected:
    PageChanges() : PlayPageTest({1, 30}) {}
};

} // namespace

TEST_F(PageChanges, ABackgroundThatCannotBeReadKeepsTheOldOneButNotTheOldPage) {
    ASSERT_TRUE(session->ShowPage(1));
    EXPECT_TRUE(session->PlacePiece(0));
    const CDIBImage* background = session->Document().GetBackground();
    std::filesystem::remove(dir.Path() / "Data" / "m0011.dat");
    session->View().Flush(nullptr);

    session->Document().ChangePage(kPreviousPage);
    EXPECT_EQ(session->Document().GetBackground(), background);
    // Page 30's sprites only: none of page 1's is left underneath.
    EXPECT_EQ(session->Document().Sprites().Count(), 4u * 4 + kFurnitureCount);
    EXPECT_EQ(session->Document().FindByTag(TagOf(kLooseKind, 1)), nullptr);
    EXPECT_EQ(session->View().GetPlacedCount(), 0);
    RECT whole;
    session->View().GetBounds(&whole);
    ASSERT_FALSE(CAnimViewProbe::DirtyRects(session->View()).empty());
    const RECT oldest = CAnimViewProbe::DirtyRects(session->View()).back();
    EXPECT_EQ(oldest.right, whole.right);
    EXPECT_EQ(oldest.bottom, whole.bottom);
}
