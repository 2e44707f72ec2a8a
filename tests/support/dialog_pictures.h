// The picture dialogs' bitmaps, which the content tool draws into the
// program's resources, and the sizes the dialogs need them at.
#pragma once

#include "game/screen_layout.h"

#include <cstdint>

struct DialogPicture {
    const char* name;
    int32_t width;
    int32_t height;
};

inline constexpr DialogPicture kDialogPictures[] = {
    {"AboutDialogBkg", kPictureDialogSize, kPictureDialogSize},
    {"OneTimeDirectionsDialogBkg", kPictureDialogSize, kPictureDialogSize},
    {"EndingScrnDialogBkg", kScreenWidth, kScreenHeight},
    {"OKButtonUp", kDialogOkButton.width, kDialogOkButton.height},
    {"OKButtonDown", kDialogOkButton.width, kDialogOkButton.height},
    {"QuitButtonUp", kEndingQuitButton.width, kEndingQuitButton.height},
    {"QuitButtonDown", kEndingQuitButton.width, kEndingQuitButton.height},
    {"CannotSaveDialogBkg", kPictureDialogSize, kPictureDialogSize},
    {"PictureRefusedDialogBkg", kPictureDialogSize, kPictureDialogSize},
    {"PieceCountDialogBkg", kPictureDialogSize, kPictureDialogSize},
};
