// The platform seam: the only system services the portable engine uses.
// src/platform/win32 implements them with Win32 calls; src/platform/headless
// implements them for native builds (tests, fuzzers, benchmarks, the content
// tool), recording what it was asked to do and never pretending a window exists.
#pragma once

#include "platform/win_types.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

namespace platform {

// Called by Log for its time stamp: the multimedia millisecond clock.
uint32_t MillisecondClock();

// Called by Log: writes "<stamp>:  " with the system's own formatter into
// buffer (at least 24 characters) and returns the characters written.
int FormatLogPrefix(char* buffer, int stamp);

// Called by the file class and its tests: the calling thread's last-error code
// (GetLastError/SetLastError on Windows).
uint32_t LastErrorCode();
void SetLastErrorCode(uint32_t code);

// Called by the serializer and the native file class: a game path, which
// uses backslashes and ignores case, as the host's file system spells it.
std::string NativePath(const std::string& gamePath);

// ---- Files ----------------------------------------------------------------
// Called by CMappedFile, the engine's one file class, and by the log. Paths
// are native paths. A failed call leaves its reason in LastErrorCode(), in
// Windows' vocabulary on every platform.

// An open file; never 0 while open.
using FileHandle = intptr_t;
constexpr FileHandle kNoFile = 0;

// Opens an existing file for reading and stores its length in *size.
FileHandle OpenFileForReading(const std::string& path, int64_t* size);
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

bool IsDirectoryPath(const std::string& path);
bool MakeDirectory(const std::string& path);
// Called by StoreFile before it writes path: whether a file lies there that
// is marked read-only, which the game never replaces.
bool IsReadOnlyFile(const std::string& path);

// The process's current directory, without a trailing separator.
std::string WorkingDirectory();

// Opens path for appending text, shared with other processes that write or
// read it at the same time (a second copy of the game, a tail -f). Null when
// it cannot be opened.
std::FILE* OpenSharedAppend(const char* path);

// ---- end of files -------------------------------------------------------

// ---- Stored files, sound effects and the mouse pointer ------------------

// Called by Serializer::Commit and by starting again (MoveSavesToPrevious):
// forces the finished file `from` to disk, then puts it in place of `to` in
// one step, replacing any file there (a rename; MoveFileExA with
// write-through on Windows). Both are native paths on one disk. False when
// either step failed; `to` is then as it was.
bool MoveFileReplacing(const std::string& from, const std::string& to);

// Called by CSoundEffects::Play: starts the WAVE resource `name` of the module
// that owns window and returns at once; a sound still playing is cut off. A
// sound that cannot be played is skipped without a word.
void PlaySoundResource(HWND window, const char* name);

// Called by CCursorSet::ApplyCursor and the buttons' WM_SETCURSOR handling:
// makes cursor the pointer shape; null shows no shape at all.
void ShowCursorShape(HCURSOR cursor);

// Called when the cursor set lets go of a cursor it loaded.
void DestroyCursorShape(HCURSOR cursor);

// ---- end of stored files, sound effects and the mouse pointer -----------

// ---------------------------------------------------------------------------
// Background music: MIDI output, the music timer and the current directory.
// Called by MidiPlayer and MusicPlaylist (src/audio). The MIDI calls are
// WINMM's midiOut* functions, the timer calls its multimedia timer.
// ---------------------------------------------------------------------------

struct MidiOutDevice; // opaque; HMIDIOUT on Windows
using MidiOutHandle = MidiOutDevice*;

// The MIDI mapper's device id; real devices are 0 .. MidiOutDeviceCount() - 1.
constexpr int32_t kMidiMapper = -1;

uint32_t MidiOutDeviceCount();
// The device's product name; false when its capabilities cannot be read.
bool MidiOutProductName(int32_t deviceId, std::string& name);
// Null when the device cannot be opened.
MidiOutHandle MidiOutOpen(int32_t deviceId);
void MidiOutReset(MidiOutHandle device);
// message: status + data1 * 256 + data2 * 65536.
void MidiOutShortMessage(MidiOutHandle device, uint32_t message);
void MidiOutClose(MidiOutHandle device);

// The smallest period the system's timer supports, in milliseconds (1 when it
// cannot say); Begin/EndTimerPeriod raise the timer resolution to it and give
// it back.
uint32_t MinimumTimerPeriod();
void BeginTimerPeriod(uint32_t milliseconds);
void EndTimerPeriod(uint32_t milliseconds);

// A periodic timer whose callback runs on a thread of its own. Every callback
// runs while holding the music timer lock, and StopMusicTimer takes that lock
// too: once it returns, no callback of that timer is running or will run. It
// may be called from inside the timer's own callback, and so may
// StartMusicTimer. One music timer runs at a time; starting one stops the last.
// Returns the timer's id, 0 on failure.
using MusicTimerCallback = void (*)(uint32_t timerId, void* user);
uint32_t StartMusicTimer(uint32_t periodMilliseconds, MusicTimerCallback callback, void* user);
void StopMusicTimer(uint32_t timerId);

// The music timer lock: recursive, held by every callback while it runs. The
// main thread holds it while it changes what the callback reads.
void LockMusicTimer();
void UnlockMusicTimer();

void SleepMilliseconds(uint32_t milliseconds);

// The process's current directory, terminated, when it fits in size
// characters (terminator included); false otherwise.
bool CurrentDirectory(char* buffer, size_t size);

// ---- The play screen: offscreen image, copies to the window, the mouse --
// The view composes the play screen in memory and copies only the changed
// rectangles to the window. Rectangles are client coordinates of the window,
// right and bottom exclusive. A null window has no client area: nothing is
// copied to it or invalidated.

// Called by CAnimViewBase::CreateOffscreen: a 24-bit picture of width x
// height whose rows are stored bottom row first, made for window's display
// (a DIB section). *pixels receives its rows, which belong to the section.
// Null when it cannot be made; *pixels is then null.
HBITMAP CreateOffscreenSection(HWND window, int32_t width, int32_t height, void** pixels);

// Called when the view replaces or drops its offscreen image. Null is ignored.
void DeleteOffscreenSection(HBITMAP section);

// Called by CAnimViewBase::Blit: copies the block rect of the section (which
// lies inside it) to the same place of window, unconverted.
void CopySectionToWindow(HWND window, HBITMAP section, const RECT& rect);

// Called by CAnimViewBase::Blit for a view without a DIB section: the same
// copy from a width x height 24-bit picture in memory, rows bottom first.
void CopyPixelsToWindow(HWND window, const void* pixels, int32_t width, int32_t height,
                        const RECT& rect);

// Called by CAnimView::NewBackground: the whole client area is to be painted
// again, without erasing it first.
void InvalidateWindow(HWND window);

// Called by the view when a piece is lifted: every mouse message goes to
// window until the capture is released, wherever the pointer is.
void CaptureMouse(HWND window);

// Called by the view when the button is released and when a drag ends.
void ReleaseMouse();

// Called by the view: keeps the pointer inside rect (screen coordinates);
// null lets it go anywhere again.
void ClipPointer(const RECT* rect);

// ---- end of the play screen ---------------------------------------------

} // namespace platform
