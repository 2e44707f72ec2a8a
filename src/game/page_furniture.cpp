#include "game/page_furniture.h"
#include "game/commands.h"
#include "persist/settings.h"

namespace {

constexpr SpriteRecord ButtonRecord(int32_t button, int32_t tag, int32_t columns = 1) {
    const ScreenBox& place = kGameButtons[button];
    return SpriteRecord{2, columns, 0, 0, place.x, place.y, kCatalogueDepth, 1, tag};
}

} // namespace

const SpriteRecord g_buttonRecords[kButtonCount] = {
    ButtonRecord(kQuitButton, ID_QUIT),
    ButtonRecord(kAboutButton, ID_INFO),
    ButtonRecord(kPreviousPageButton, ID_PREV_PAGE),
    ButtonRecord(kNextPageButton, ID_NEXT_PAGE),
    ButtonRecord(kClearButton, ID_CLEAR_PAGE),
    ButtonRecord(kSoundButton, ID_SOUND, kSoundSettingCount),
    ButtonRecord(kBookButton, ID_BOOK),
};

const char* const g_buttonPicturePaths[kButtonCount] = {
    "\\data\\m0002.dat", "\\data\\m0003.dat", "\\data\\m0004.dat", "\\data\\m0005.dat",
    "\\data\\m0006.dat", "\\data\\m0039.dat", "\\data\\m0038.dat",
};

int32_t GameButtonOfTag(int32_t tag) {
    for (int32_t button = 0; button < kButtonCount; ++button) {
        if (g_buttonRecords[button].nameIndex == tag)
            return button;
    }
    return -1;
}

SpriteRecord g_pageNumberRecord = {
    kPageLabelFrames, 1, 0, 0, kPageLabel.x, kPageLabel.y, kCatalogueDepth, 1, kPageNumberTag};

const char* const kPageNumberPicturePath = "\\data\\m0010.dat";

const SpriteRecord g_finishedStarRecord = {
    1, 1, 0, 0, kFinishedStar.x, kFinishedStar.y, kCatalogueDepth, 0, kFinishedStarTag};

const char* const kFinishedStarPath = "\\data\\m0037.dat";
const char* const kSparklePicturePath = "\\data\\m0036.dat";
