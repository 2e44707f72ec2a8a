// Where the files the game writes, the page saves and the options file, are
// kept. The game's own folder comes first, so that a copy unzipped anywhere
// writable keeps everything beside it, as the portable zip always has. When
// a file cannot be written there (Program Files, a read-only share or file,
// a full disk, a plain file where the "save" folder should be), it goes to
// the per-user folder instead, under the same name and in the same format.
// A per-user copy exists only because the game folder failed, so it is the
// newer one and is read first; without one the game folder's file is read.
#pragma once

#include <functional>
#include <string>

// The per-user folder (%LOCALAPPDATA%\Varnolt on Windows), without a
// trailing separator; empty when the game has none.
extern std::string g_userDataDirectory;

// Called by WinMain before the main window is made, so that the options are
// found there from the first read on. With the locations chosen anew, no
// store has failed yet (tests set and reset the folder between cases).
void SetUserDataDirectory(const std::string& folder);

// Called by WinMain for a copy installed with the installer package: the
// game folder is the program's, so every store goes to the per-user folder
// (when there is one) and the game folder is only read. Off by default,
// as for the zip.
void KeepStoresPerUser(bool perUser);

// Called by the controller as the window is made: whether every store goes
// to the per-user folder, so that nothing need be made in the game folder.
bool StoresPerUser();

// The file to read for name (a game path such as "\save\page01.sav") that
// belongs below gameFolder: the per-user copy when there is one.
std::string StoredFileToRead(const std::string& gameFolder, const std::string& name);

// Stores name through write, which writes the whole file at the path it is
// given and returns whether that worked: first below gameFolder, then, when
// that failed, below the per-user folder, each with its folders made as
// needed. A file marked read-only is never replaced. Once the game folder
// takes the file again, a per-user copy would hide it, so it is removed.
// False when no location took the file.
bool StoreFile(const std::string& gameFolder, const std::string& name,
               const std::function<bool(const std::string& path)>& write);

// Called by the controller after each store: true exactly once per run, the
// first time it is asked after a store that no location took, so that the
// player is told once.
bool TakeStoreFailureNotice();
