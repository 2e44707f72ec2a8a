// A display's mode as the system reports it, and whether it already is the
// one the game asks for. Switching a display to the mode it shows changes
// nothing the player sees, yet costs a visible moment at start-up: every
// window is told of the change and the system's display code starts over.
#pragma once

#include <cstdint>

struct DisplayMode {
    // What the report leaves out stays 0.
    int32_t width = 0;
    int32_t height = 0;
    int32_t bitsPerPixel = 0;
};

// Called by the main window before it switches the display: true when a
// display showing `current` already shows `wanted`, the same size and depth
// (the refresh rate is left to the driver by the switch as well). A report
// that leaves the size or the depth out never matches, so the switch then
// runs as it always did.
bool ShowsMode(const DisplayMode& current, const DisplayMode& wanted);
