// The Windows side of adding the player's own pictures: the standard Open
// dialog, the piece-count chooser and the notice that a picture could not
// be used, both picture dialogs drawn by the content tool. Windows only.
#pragma once

#include "platform/win_types.h"

#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

// Called by COwnPictures for "add a picture": the standard Open dialog,
// starting in the user's Pictures folder and showing pictures only. The
// files chosen (several may be), or none when the player cancelled.
std::vector<std::string> ChoosePhotos(HWND parent);

// Called by COwnPictures once per choice or drop: the piece count the
// player clicked (4, 6, 9, 12 or 16), or 0 when the chooser was closed
// with Escape.
int32_t ChoosePieceCount(HWND parent);

// Called by COwnPictures after a picture was refused: the gentle notice,
// closed by its OK button.
void ShowPictureRefused(HWND parent);

// The paths a drop onto the window carries; the drop is finished here.
std::vector<std::string> DroppedFiles(HDROP drop);
