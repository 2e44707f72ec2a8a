// The platform's files and folders: the engine's one file class, the log, the
// serializer and the store locations reach the disk through these calls.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

// Called by the file class and its tests: the calling thread's last-error code
// (GetLastError/SetLastError on Windows).
uint32_t LastErrorCode();
void SetLastErrorCode(uint32_t code);

// Called by the serializer, the file class, the store locations, starting
// again and the MIDI reader: a game path, which uses backslashes and ignores
// case, as the host's file system spells it.
std::string NativePath(const std::string& gamePath);

// ---- Files ----------------------------------------------------------------
// Called by CMappedFile, the engine's one file class. Paths are native paths.
// A failed call leaves its reason in LastErrorCode(), in Windows' vocabulary
// on every platform.

// An open file; never 0 while open.
using FileHandle = intptr_t;
constexpr FileHandle kNoFile = 0;

// Opens an existing file for reading and stores its length in *size.
FileHandle OpenFileForReading(const std::string& path, int64_t* size);
// Called by adding a photo, for the player's own photo (read, then copied
// in): the same as OpenFileForReading, but path is in UTF-8 and may name a
// file outside the system's ANSI code page ("Émile à la plage.jpg",
// "Бабушка.jpg"); CreateFileW on Windows. The game's own files keep the
// call above.
FileHandle OpenPlayerFileForReading(const std::string& path, int64_t* size);
// Creates the file, or empties the one there, for writing.
FileHandle CreateFileForWriting(const std::string& path);
// Reads or writes count bytes at offset; *done receives how many were moved.
// True only when all of them were.
bool ReadFileAt(FileHandle file, int64_t offset, void* buffer, int32_t count, int32_t* done);
bool WriteFileAt(FileHandle file, int64_t offset, const void* buffer, int32_t count, int32_t* done);
bool CloseFileHandle(FileHandle file);

// A read-only view of the first size (> 0) bytes of an open file; the file
// may be closed while the view lives on.
struct FileView {
    const uint8_t* bytes = nullptr;
    intptr_t mapping = 0; // the mapping object, where the system has one
};
bool MapFileForReading(FileHandle file, int32_t size, FileView* view);
bool UnmapFile(const FileView& view, int32_t size);

// ---- Folders --------------------------------------------------------------

// Called by CMappedFile's folder helpers (the store locations make the save
// folders with them).
bool IsDirectoryPath(const std::string& path);
bool MakeDirectory(const std::string& path);

// Called by StoreFile before it writes path: whether a file lies there that
// is marked read-only, which the game never replaces.
bool IsReadOnlyFile(const std::string& path);

// Called by SetBaseDirectory and by the music playlist for the song's path:
// the process's current directory, without a trailing separator; empty when
// the system cannot say.
std::string WorkingDirectory();

// ---- Whole files ------------------------------------------------------------

// Called by Serializer::Commit and by starting again (MoveSavesToPrevious):
// forces the finished file `from` to disk, then puts it in place of `to` in
// one step, replacing any file there (a rename; MoveFileExA with
// write-through on Windows). Both are native paths on one disk. False when
// either step failed; `to` is then as it was.
bool MoveFileReplacing(const std::string& from, const std::string& to);

// Called by Log: opens path for appending text, shared with other processes
// that write or read it at the same time (a second copy of the game, a
// tail -f). Null when it cannot be opened.
std::FILE* OpenSharedAppend(const char* path);

} // namespace platform
