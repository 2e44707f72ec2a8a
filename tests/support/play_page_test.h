// A test fixture over the catalogue's real pages: made-up pictures for the
// given pages in a private game folder with an empty save folder, and a play
// session over it. No page is shown yet.
#pragma once

#include "support/page_folder.h"
#include "support/play_session.h"
#include "support/temp_dir.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

class PlayPageTest : public ::testing::Test {
protected:
    explicit PlayPageTest(const std::vector<int32_t>& pages = {1, 2},
                          const PageArt& art = PageArt()) {
        WritePageFolder(dir.Path().string(), pages, art);
        std::filesystem::create_directory(dir.Path() / "save");
        session = std::make_unique<CPlaySession>(dir.Path().string());
    }

    CAnimView& View() { return session->View(); }
    CSprite* Piece(int32_t kind, int32_t k) const { return session->Piece(kind, k); }

    ScopedTempDir dir;
    std::unique_ptr<CPlaySession> session;
};
