// "Varnolt1.mid": a calm piece in F major for flute, harp, strings and bass,
// about a minute and three quarters long, as a format-1 Standard MIDI File.
// It starts and ends on a quiet tonic chord, so the game's loop back to the
// start does not jolt.
#pragma once

#include <cstdint>
#include <vector>

namespace content {

constexpr int kTicksPerQuarter = 480;
constexpr int kTempo = 800000; // microseconds per quarter note: 75 beats a minute

std::vector<uint8_t> ComposeMusic();

} // namespace content
