// The platform seam: the only system services the portable engine uses, one
// header per service. src/platform/win32 implements them with Win32 calls;
// src/platform/headless implements them for native builds (tests, fuzzers,
// benchmarks, the content tool), recording what it was asked to do and never
// pretending a window exists.
//
// This header is only an index; code includes the one service it uses.
#pragma once

#include "platform/clock.h"         // the millisecond clock and the log's stamp
#include "platform/files.h"         // files and folders
#include "platform/folders.h"       // listing, renaming and removing folders
#include "platform/midi_out.h"      // the MIDI output device
#include "platform/mouse.h"         // capture, clip and the pointer's shape
#include "platform/music_timer.h"   // the music timer, its lock, short waits
#include "platform/photo_decoder.h" // photo files to pixels
#include "platform/play_screen.h"   // the offscreen section and its copies
#include "platform/sound.h"         // sound effects
