// The platform's MIDI output device: WINMM's midiOut* functions on Windows.
// Called by MidiPlayer (src/audio) only.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

struct MidiOutDevice; // opaque; HMIDIOUT on Windows
using MidiOutHandle = MidiOutDevice*;

// The MIDI mapper's device id; real devices are 0 .. MidiOutDeviceCount() - 1.
constexpr int32_t kMidiMapper = -1;

// Called by MidiPlayer when it chooses the device to open.
uint32_t MidiOutDeviceCount();
// The device's product name; false when its capabilities cannot be read.
bool MidiOutProductName(int32_t deviceId, std::string& name);

// Called by MidiPlayer when the music opens, plays, silences and closes.
// Null when the device cannot be opened.
MidiOutHandle MidiOutOpen(int32_t deviceId);
void MidiOutReset(MidiOutHandle device);
// message: status + data1 * 256 + data2 * 65536.
void MidiOutShortMessage(MidiOutHandle device, uint32_t message);
void MidiOutClose(MidiOutHandle device);

} // namespace platform
