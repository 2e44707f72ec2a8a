#include "page_view.h"

#include "art/background.h"
#include "art/screens.h"
#include "game_files.h"
#include "layout.h"
#include "picture_file.h"

#include <stdexcept>

namespace content {

Image LoadPicture(const std::string& folder, const std::string& gamePath) {
    const auto image = DecodePicture(ReadFile(HostPath(folder, gamePath)));
    if (!image)
        throw std::runtime_error(gamePath + " is not a picture file");
    return *image;
}

Image Face(const Image& buttonPicture, int face, int width) {
    const int h = buttonPicture.Height() / 2;
    return buttonPicture.Crop(0, face * h, width > 0 ? width : buttonPicture.Width(), h);
}

Image ComposePage(const std::string& folder, int page, PageState state, PageViewOptions options) {
    Image screen = LoadPicture(folder, kBackgroundFile);
    const std::vector<PieceLayout> layout = PageLayout(page);
    if (state == PageState::kNew) {
        for (const PieceLayout& piece : layout)
            screen.Paste(LoadPicture(folder, PieceFileName(Kind::kLoose, piece.piece)),
                         piece.loose.x, piece.loose.y, false);
        for (const PieceLayout& piece : layout)
            screen.Paste(LoadPicture(folder, PieceFileName(Kind::kHole, piece.piece)), piece.hole.x,
                         piece.hole.y, false);
    } else {
        for (const PieceLayout& piece : layout)
            screen.Paste(LoadPicture(folder, PieceFileName(Kind::kPlaced, piece.piece)),
                         piece.hole.x, piece.hole.y, false);
    }
    if (options.furniture) {
        for (int i = 0; i < kButtonCount; ++i)
            screen.Paste(Face(LoadPicture(folder, GameButtonFile(i)), 0, kGameButtons[i].width),
                         g_buttonRecords[i].x, g_buttonRecords[i].y, false);
        const Image labels = LoadPicture(folder, kPageLabelsFile);
        screen.Paste(labels.Crop(0, page * kPageLabel.height, kPageLabel.width, kPageLabel.height),
                     g_pageNumberRecord.x, g_pageNumberRecord.y, false);
        if (state == PageState::kSolved)
            screen.Paste(LoadPicture(folder, kFinishedStarPath), kFinishedStar.x, kFinishedStar.y);
    }
    return screen;
}

} // namespace content
