// Varnolt.exe carries the content the game loads by name: the sounds, the
// dialog pictures, the three pointers and the icon, at the sizes the
// dialogs and the cursor set rely on. Built only when the content is.
#include "image/cursor_set.h"
#include "image/win32/cursor_loader.h"
#include "support/dialog_pictures.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class ContentResources : public ::testing::Test {
protected:
    void SetUp() override {
        game = LoadLibraryExA(VARNOLT_GAME_EXE, nullptr,
                              LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(game, nullptr) << VARNOLT_GAME_EXE;
    }
    void TearDown() override {
        if (game)
            FreeLibrary(game);
    }
    HMODULE game = nullptr;
};

TEST_F(ContentResources, EverySoundIsAWaveResource) {
    std::vector<std::string> names = {"ChangePageWAVE", "ClearWAVE", "PickupWAVE", "FanfareWAVE"};
    for (int place = 1; place <= 20; ++place)
        names.push_back((place < 10 ? "Place0" : "Place") + std::to_string(place) + "WAVE");
    for (const std::string& name : names) {
        HRSRC found = FindResourceA(game, name.c_str(), "WAVE");
        ASSERT_NE(found, nullptr) << name;
        const void* bytes = LockResource(LoadResource(game, found));
        ASSERT_NE(bytes, nullptr) << name;
        EXPECT_GT(SizeofResource(game, found), 44u) << name;
        EXPECT_EQ(std::memcmp(bytes, "RIFF", 4), 0) << name;
    }
}

TEST_F(ContentResources, DialogPicturesHaveTheirSizes) {
    for (const DialogPicture& picture : kDialogPictures) {
        HBITMAP bitmap = static_cast<HBITMAP>(
            LoadImageA(game, picture.name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(bitmap, nullptr) << picture.name;
        BITMAP info;
        ASSERT_EQ(GetObjectA(bitmap, sizeof info, &info), static_cast<int>(sizeof info));
        EXPECT_EQ(info.bmWidth, picture.width) << picture.name;
        EXPECT_EQ(info.bmHeight, picture.height) << picture.name;
        EXPECT_EQ(info.bmBitsPixel, 24) << picture.name;
        DeleteObject(bitmap);
    }
}

// The cursor loader fills each slot with its own pointer, told by its hot spot.
TEST_F(ContentResources, EachPointerLoadsIntoItsSlotWithItsHotSpotAndTheIconIsThere) {
    CCursorSet set;
    LoadCursors(&set, game);
    const POINT hotSpots[kCursorSlotCount] = {{3, 3}, {11, 5}, {17, 17}};
    for (int32_t slot = 0; slot < kCursorSlotCount; ++slot) {
        ICONINFO info = {};
        ASSERT_TRUE(GetIconInfo(set.GetCursor(slot), &info)) << slot;
        EXPECT_FALSE(info.fIcon);
        EXPECT_EQ(info.xHotspot, static_cast<DWORD>(hotSpots[slot].x)) << slot;
        EXPECT_EQ(info.yHotspot, static_cast<DWORD>(hotSpots[slot].y)) << slot;
        DeleteObject(info.hbmMask);
        if (info.hbmColor != nullptr)
            DeleteObject(info.hbmColor);
    }
    EXPECT_NE(FindResourceA(game, MAKEINTRESOURCEA(100), MAKEINTRESOURCEA(14)),
              nullptr); // RT_GROUP_ICON
    for (int size : {16, 32, 48}) {
        HICON icon =
            static_cast<HICON>(LoadImageA(game, MAKEINTRESOURCEA(100), IMAGE_ICON, size, size, 0));
        EXPECT_NE(icon, nullptr) << size;
        if (icon)
            DestroyIcon(icon);
    }
}

} // namespace
