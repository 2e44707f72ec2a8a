// <windows.h> as the whole program includes it. Only the shell and the
// platform's Win32 half include it, directly or through win_types.h.
#pragma once

#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
// Portable code uses std::min and std::max, which the macros would break.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
