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
// files chosen (several may be), or none when the player cancelled. Paths
// here are in UTF-8, so that any name the player gave a photo reaches it.
std::vector<std::string> ChoosePhotos(HWND parent);

// Called by ChoosePhotos: the wide Open dialog's answer (one full path, or
// a folder followed by names, each ended by a zero) as paths.
std::vector<std::string> SplitChosenFiles(const wchar_t* buffer);

// Called by COwnPictures once per choice or drop: the piece count the
// player clicked (4, 6, 9, 12 or 16), or 0 when the chooser was closed
// with Escape. The chooser is drawn inside the game's window.
int32_t ChoosePieceCount(HWND parent);

// Called by COwnPictures after a picture was refused: the gentle notice,
// closed by its OK button, inside the game's window.
void ShowPictureRefused(HWND parent);

// Called by COwnPictures for WM_DROPFILES: the paths a drop onto the
// window carries, in UTF-8; the drop is finished here.
std::vector<std::string> DroppedFiles(HDROP drop);
