#include "game/page_furniture.h"

namespace {

constexpr int32_t kButtonRow = 693;

constexpr SpriteRecord ButtonRecord(int32_t x, int32_t tag) {
    return SpriteRecord{2, 1, 0, 0, x, kButtonRow, kCatalogueDepth, 1, tag};
}

} // namespace

const SpriteRecord g_buttonRecords[kButtonCount] = {
    ButtonRecord(20, kFirstButtonTag + 0),  // quit
    ButtonRecord(88, kFirstButtonTag + 1),  // about
    ButtonRecord(399, kFirstButtonTag + 2), // previous page
    ButtonRecord(565, kFirstButtonTag + 3), // next page
    ButtonRecord(876, kFirstButtonTag + 4), // clear page
};

const char* const g_buttonPicturePaths[kButtonCount] = {
    "\\data\\m0002.dat", "\\data\\m0003.dat", "\\data\\m0004.dat",
    "\\data\\m0005.dat", "\\data\\m0006.dat",
};

SpriteRecord g_pageNumberRecord = {kPageCount + 1, 1, 0, 0, 459, 704, kCatalogueDepth, 1,
                                   kPageNumberTag};

const char* const kPageNumberPicturePath = "\\data\\m0010.dat";
