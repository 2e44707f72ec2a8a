// Where the game's files go in a content folder. One "Data" folder holds
// every picture: Windows ignores case, and so does the engine's native path
// mapping, so "\data\m0011.dat" finds "Data/m0011.dat".
#pragma once

#include <string>

#include "game/catalogue.h"
#include "game/page_furniture.h"

namespace content {

inline const char* const kBackgroundFile = kPageBackgroundPath;
constexpr const char* kStartButtonFile = "\\data\\m0001.dat";
constexpr const char* kTitleFile = "\\data\\m0008.dat";
constexpr const char* kTitleTileFile = "\\data\\m0009.dat";
inline const char* const kPageLabelsFile = kPageNumberPicturePath;
constexpr const char* kMusicFile = "Varnolt1.mid";
constexpr const char* kResourceFolder = "resources";

// "\data\m0002.dat" ... "\data\m0006.dat" for game buttons 0 to 4.
inline std::string GameButtonFile(int button) {
    return g_buttonPicturePaths[button];
}

// The host path of a game path inside folder.
std::string HostPath(const std::string& folder, const std::string& gamePath);

} // namespace content
