#include "game/page_furniture.h"

namespace {

constexpr SpriteRecord ButtonRecord(int32_t button) {
    const ScreenBox& place = kGameButtons[button];
    return SpriteRecord{2, 1, 0, 0, place.x, place.y, kCatalogueDepth, 1, kFirstButtonTag + button};
}

} // namespace

const SpriteRecord g_buttonRecords[kButtonCount] = {
    ButtonRecord(0), // quit
    ButtonRecord(1), // about
    ButtonRecord(2), // previous page
    ButtonRecord(3), // next page
    ButtonRecord(4), // clear page
};

const char* const g_buttonPicturePaths[kButtonCount] = {
    "\\data\\m0002.dat", "\\data\\m0003.dat", "\\data\\m0004.dat",
    "\\data\\m0005.dat", "\\data\\m0006.dat",
};

SpriteRecord g_pageNumberRecord = {
    kPageLabelFrames, 1, 0, 0, kPageLabel.x, kPageLabel.y, kCatalogueDepth, 1, kPageNumberTag};

const char* const kPageNumberPicturePath = "\\data\\m0010.dat";
