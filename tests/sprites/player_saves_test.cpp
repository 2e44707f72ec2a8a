// Each player's own page saves: the first player's are the game's files as
// they always were, so an installation's progress is theirs byte for byte;
// every further player's lie in a folder of their own and never touch
// anyone else's.
#include "game/page_furniture.h"
#include "persist/player_saves.h"
#include "sprites/anim_doc.h"
#include "sprites/grid_sprite.h"
#include "sprites/sprite.h"
#include "support/play_page_test.h"

#include <filesystem>

namespace {

class PlayerSavesTest : public PlayPageTest {
protected:
    ~PlayerSavesTest() override { CPlayerSaves::GetInstance()->SetFolder(0); }

    // Shows page 1 as player folder's, places piece k and stores the page.
    void PlaceAs(int32_t folder, int32_t k) {
        CPlayerSaves::GetInstance()->SetFolder(folder);
        ASSERT_TRUE(session->ShowPage(1));
        ASSERT_TRUE(session->PlacePiece(k));
        ASSERT_TRUE(session->Document().StoreCurrentPage());
    }

    // Page 1's placed pieces as player folder's save shows them.
    std::vector<int32_t> PlacedAs(int32_t folder) {
        CPlayerSaves::GetInstance()->SetFolder(folder);
        EXPECT_TRUE(session->ShowPage(1));
        std::vector<int32_t> placed;
        for (int32_t k = 0; Piece(kPlacedKind, k) != nullptr; ++k)
            if (Piece(kPlacedKind, k)->IsVisible())
                placed.push_back(k);
        return placed;
    }

    std::string First() const { return dir.File("save/page01.sav"); }
    std::string Second() const { return dir.File("players/01/save/page01.sav"); }
};

} // namespace

TEST(PlayerPrefixTest, TheFirstPlayerKeepsTodaysPaths) {
    EXPECT_EQ(PlayerPrefix(0), "");
    EXPECT_EQ(PlayerPrefix(1), "\\players\\01");
    EXPECT_EQ(PlayerPrefix(42), "\\players\\42");
    CPlayerSaves saves;
    EXPECT_EQ(saves.NameOf("\\save\\page07.sav"), "\\save\\page07.sav");
    saves.SetFolder(3);
    EXPECT_EQ(saves.NameOf("\\save\\page07.sav"), "\\players\\03\\save\\page07.sav");
}

TEST_F(PlayerSavesTest, EachPlayerKeepsTheirOwnProgress) {
    PlaceAs(0, 2);
    EXPECT_TRUE(std::filesystem::exists(First()));
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "players"));
    const Bytes firstBefore = ReadAll(First());

    PlaceAs(1, 5);
    EXPECT_TRUE(std::filesystem::exists(Second()));
    EXPECT_EQ(ReadAll(First()), firstBefore) << "the first player's save untouched";

    EXPECT_EQ(PlacedAs(0), std::vector<int32_t>{2});
    CPlayerSaves::GetInstance()->SetBadge(4);
    EXPECT_EQ(PlacedAs(1), std::vector<int32_t>{5});
    // The bar shows the player's badge, plain.
    const auto* badge =
        dynamic_cast<const CGridSprite*>(session->Document().FindByTag(kBarBadgeTag));
    ASSERT_NE(badge, nullptr);
    EXPECT_EQ(badge->GetRow(), 4);
    EXPECT_EQ(badge->GetColumn(), 0);
    CPlayerSaves::GetInstance()->SetBadge(0);
    EXPECT_TRUE(PlacedAs(2).empty()) << "a new player starts afresh";
}

TEST_F(PlayerSavesTest, AnExistingInstallationsSavesAreTheFirstPlayersByteForByte) {
    PlaceAs(0, 1);
    PlaceAs(0, 4);
    const Bytes installed = ReadAll(First());
    // A new run, as the first player: the page comes back as it was, read
    // where it always lay, and not a byte of it moved or changed.
    session.reset();
    session = std::make_unique<CPlaySession>(dir.Path().string());
    EXPECT_EQ(PlacedAs(0), (std::vector<int32_t>{1, 4}));
    EXPECT_EQ(ReadAll(First()), installed);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "players"));
}
