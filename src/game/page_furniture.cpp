#include "game/page_furniture.h"
#include "game/commands.h"
#include "persist/settings.h"

namespace {

constexpr int32_t kButtonRow = 693;

constexpr SpriteRecord ButtonRecord(int32_t x, int32_t tag, int32_t columns = 1) {
    return SpriteRecord{2, columns, 0, 0, x, kButtonRow, kCatalogueDepth, 1, tag};
}

} // namespace

const SpriteRecord g_buttonRecords[kButtonCount] = {
    ButtonRecord(20, kFirstButtonTag + 0),  // quit
    ButtonRecord(88, kFirstButtonTag + 1),  // about
    ButtonRecord(399, kFirstButtonTag + 2), // previous page
    ButtonRecord(565, kFirstButtonTag + 3), // next page
    ButtonRecord(876, kFirstButtonTag + 4), // clear page
    ButtonRecord(156, ID_SOUND, kSoundSettingCount), ButtonRecord(808, ID_BOOK),
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

SpriteRecord g_pageNumberRecord = {kPageCount + 1, 1, 0, 0, 459, 704, kCatalogueDepth, 1,
                                   kPageNumberTag};

const char* const kPageNumberPicturePath = "\\data\\m0010.dat";

const SpriteRecord g_finishedStarRecord = {
    1, 1, 0, 0, kFinishedStarX, kFinishedStarY, kCatalogueDepth, 0, kFinishedStarTag};

const char* const kFinishedStarPath = "\\data\\m0037.dat";
const char* const kSparklePicturePath = "\\data\\m0036.dat";
