#include "support/page_folder.h"
#include "game/catalogue.h"
#include "game/page_furniture.h"
#include "game/play_aids.h"
#include "image/dib_image.h"
#include "picture_writer.h"

#include <filesystem>

namespace {

// Game paths ("\Data\b001.dat", "\data\m0011.dat") below folder; both
// spellings of the folder are one folder here.
std::string HostPath(const std::string& folder, const std::string& gamePath) {
    std::string path = gamePath.substr(gamePath.find('\\', 1) + 1);
    return folder + "/Data/" + path;
}

PictureSize SizeOf(int32_t kind, int32_t piece, const PageArt& art) {
    const auto found = art.dragSizes.find(piece);
    return kind == kDragKind && found != art.dragSizes.end() ? found->second : art.pieceSize;
}

bool OutsideEllipse(int32_t x, int32_t y, PictureSize size) {
    const double dx = (x + 0.5) / size.width * 2 - 1;
    const double dy = (y + 0.5) / size.height * 2 - 1;
    return dx * dx + dy * dy > 1;
}

// A ring and a glow strip whose frames are each one colour, round the
// middle of a piece's drag picture.
void WriteAidPictures(const std::string& folder, int32_t piece) {
    const PictureSize frame = kAidPictureSize;
    const auto ring = [](int32_t x, int32_t y) {
        return x < 4 || y < 4 || x >= kAidPictureSize.width - 4 || y >= kAidPictureSize.height - 4
                   ? 0xF0F0F0u
                   : kTransparentColour;
    };
    WritePictureFile(HostPath(folder, SelectionRingPath(piece)), frame.width, frame.height, ring);
    WritePictureFile(HostPath(folder, HoleGlowPath(piece)), frame.width,
                     frame.height * kGlowFrameCount, [&](int32_t x, int32_t y) {
                         const uint32_t drawn = ring(x, y % frame.height);
                         return drawn == kTransparentColour ? drawn : 0x00A0F0u + y / frame.height;
                     });
}

uint32_t BackgroundColour(int32_t x, int32_t y) {
    return 0x400000u | (static_cast<uint32_t>(y & 0xFF) << 8) | static_cast<uint32_t>(x & 0xFF);
}

uint32_t PieceColour(int32_t kind, int32_t piece) {
    return 0x000080u + static_cast<uint32_t>(kind) * 0x200000u +
           static_cast<uint32_t>(piece) * 0x100u;
}

// A drag picture is transparent in its top-left quarter, so that a press
// there lifts nothing.
bool DragPixelIsTransparent(int32_t x, int32_t y, PictureSize size) {
    return x < size.width / 4 && y < size.height / 4;
}

} // namespace

void WritePageFolder(const std::string& folder, const std::vector<int32_t>& pages,
                     const PageArt& art) {
    std::filesystem::create_directories(folder + "/Data");
    for (int32_t page : pages) {
        const int32_t first = FirstPieceOfPage(page);
        for (int32_t piece = first; piece < first + PieceCountOfPage(page); ++piece) {
            for (int32_t kind = 0; kind < kPieceKindCount; ++kind) {
                const PictureSize size = SizeOf(kind, piece, art);
                const uint32_t solid = PieceColour(kind, piece);
                WritePictureFile(HostPath(folder, g_pieceFileNames[TagOf(kind, piece)]), size.width,
                                 size.height, [&](int32_t x, int32_t y) {
                                     const bool clear =
                                         art.roundPieces ? OutsideEllipse(x, y, size)
                                                         : kind == kDragKind &&
                                                               DragPixelIsTransparent(x, y, size);
                                     return clear ? kTransparentColour : solid;
                                 });
            }
            WriteAidPictures(folder, piece);
        }
    }
    for (int32_t button = 0; button < kButtonCount; ++button) {
        // The released face above the pressed one, each its own colour.
        WritePictureFile(HostPath(folder, g_buttonPicturePaths[button]), kButtonSize.width,
                         kButtonSize.height, [button](int32_t, int32_t y) {
                             return 0x00C000u + static_cast<uint32_t>(button) * 0x10u +
                                    (y >= kButtonSize.height / 2 ? 0x8u : 0u);
                         });
    }
    WritePictureFile(HostPath(folder, kPageNumberPicturePath), kStripSize.width, kStripSize.height,
                     [](int32_t, int32_t y) { return 0x0000C0u + static_cast<uint32_t>(y / 20); });
    WritePictureFile(HostPath(folder, kFinishedStarPath), kFinishedStar.width, kFinishedStar.height,
                     [](int32_t, int32_t) { return 0x00E0E0u; });
    // A sparkle frame is a ring: transparent in the middle and the corners.
    WritePictureFile(HostPath(folder, kSparklePicturePath), kSparkleSize,
                     kSparkleSize * kSparkleFrames, [](int32_t x, int32_t y) {
                         const int32_t dx = x - kSparkleSize / 2,
                                       dy = y % kSparkleSize - kSparkleSize / 2;
                         const int32_t r = dx * dx + dy * dy;
                         return r > 64 && r < 324 ? 0x40F0F0u : kTransparentColour;
                     });
    WritePictureFile(HostPath(folder, kPageBackgroundPath), art.backgroundSize.width,
                     art.backgroundSize.height, BackgroundColour);
}
