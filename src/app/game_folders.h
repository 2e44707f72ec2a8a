// The two folders the game works in: its own, which holds its pictures, its
// music and (when it can be written) its saves, and the per-user folder that
// takes the saves and the options when its own folder cannot.
#pragma once

#include <string>

// Called first thing by WinMain: the folder Varnolt.exe lies in becomes the
// current directory, and with it the base of every data path, so that the
// game finds its files however it was started (a shortcut with another start
// folder, "wine path\Varnolt.exe" from elsewhere). False, changing nothing,
// when the system cannot say where the program lies.
bool EnterProgramFolder();

// Called by WinMain: %LOCALAPPDATA%\Varnolt, without a trailing backslash;
// empty when the system names no local application-data folder. Nothing is
// created here.
std::string PerUserDataFolder();

// Called by WinMain once in the program folder: whether this copy was
// installed with the installer package, which alone puts "installed.txt"
// beside the program. An installed game keeps its players' progress in the
// per-user folder, where uninstalling and upgrading never reach.
bool InstalledCopy();
