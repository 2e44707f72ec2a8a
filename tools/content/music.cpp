#include "music.h"

#include "audio/midi_codes.h"

#include <algorithm>
#include <string>

namespace content {

namespace {

constexpr int kBar = 4 * kTicksPerQuarter;

struct Event {
    int tick;
    int order; // at equal ticks: controls, then note-offs, then note-ons
    std::vector<uint8_t> bytes;
};

class Track {
public:
    void Add(int tick, int order, std::vector<uint8_t> bytes) {
        events.push_back({tick, order, std::move(bytes)});
    }
    void Note(int channel, int tick, int length, int pitch, int velocity) {
        Add(tick, 2,
            {static_cast<uint8_t>(midi::kNoteOn | channel), static_cast<uint8_t>(pitch),
             static_cast<uint8_t>(velocity)});
        Add(tick + length, 1,
            {static_cast<uint8_t>(midi::kNoteOff | channel), static_cast<uint8_t>(pitch), 0});
    }
    void Control(int channel, int tick, int controller, int value) {
        Add(tick, 0,
            {static_cast<uint8_t>(midi::kControlChange | channel), static_cast<uint8_t>(controller),
             static_cast<uint8_t>(value)});
    }
    void Meta(int tick, int type, const std::vector<uint8_t>& data) {
        std::vector<uint8_t> bytes{midi::kMetaEvent, static_cast<uint8_t>(type),
                                   static_cast<uint8_t>(data.size())};
        bytes.insert(bytes.end(), data.begin(), data.end());
        Add(tick, 0, bytes);
    }
    void Name(const std::string& name) {
        Meta(0, midi::kTrackName, std::vector<uint8_t>(name.begin(), name.end()));
    }

    // The chunk, with the end-of-track event at `end`.
    std::vector<uint8_t> Chunk(int end) const {
        std::vector<Event> sorted = events;
        std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
            return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
        });
        std::vector<uint8_t> data;
        int now = 0;
        for (const Event& event : sorted) {
            PutVarLen(data, event.tick - now);
            now = event.tick;
            data.insert(data.end(), event.bytes.begin(), event.bytes.end());
        }
        PutVarLen(data, std::max(0, end - now));
        data.insert(data.end(), {midi::kMetaEvent, midi::kEndOfTrack, 0});
        std::vector<uint8_t> chunk{'M', 'T', 'r', 'k'};
        PutBig(chunk, static_cast<uint32_t>(data.size()), 4);
        chunk.insert(chunk.end(), data.begin(), data.end());
        return chunk;
    }

    static void PutBig(std::vector<uint8_t>& out, uint32_t value, int bytes) {
        for (int i = bytes - 1; i >= 0; --i)
            out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }

private:
    static void PutVarLen(std::vector<uint8_t>& out, int value) {
        uint8_t groups[5];
        int count = 0;
        do {
            groups[count++] = static_cast<uint8_t>(value & 0x7F);
            value >>= 7;
        } while (value > 0);
        while (count > 1)
            out.push_back(static_cast<uint8_t>(groups[--count] | 0x80));
        out.push_back(groups[0]);
    }

    std::vector<Event> events;
};

// Chords by name, as pitch classes from C.
struct Chord {
    int root;
    bool minor;
};

Chord ChordOf(const std::string& name) {
    static const std::pair<const char*, Chord> kChords[] = {{"F", {5, false}},   {"Dm", {2, true}},
                                                            {"Bb", {10, false}}, {"C", {0, false}},
                                                            {"Am", {9, true}},   {"Gm", {7, true}}};
    for (const auto& chord : kChords)
        if (name == chord.first)
            return chord.second;
    return {5, false};
}

// Two bars of intro, an eight-bar tune, an eight-bar answer, the tune again
// and a six-bar close that settles on the tonic.
const char* const kProgression[] = {"F",  "F",                                    // intro
                                    "F",  "Dm", "Bb", "C", "F",  "Am", "Bb", "C", // tune
                                    "Dm", "Bb", "F",  "C", "Dm", "Am", "Bb", "C", // answer
                                    "F",  "Dm", "Bb", "C", "F",  "Am", "Bb", "F", // tune again
                                    "Bb", "F",  "Gm", "C", "F",  "F"};            // close
constexpr int kBars = sizeof kProgression / sizeof kProgression[0];

// The flute's tune: note names with octave, and lengths in eighth notes;
// "r" rests. Each line is one bar.
const char* const kTune[] = {
    "C5 3 A4 1 F4 2 A4 2", "D5 4 C5 2 A4 2", "Bb4 3 C5 1 D5 2 F5 2", "E5 6 r 2",
    "F5 3 E5 1 D5 2 C5 2", "C5 2 A4 2 E5 4", "D5 3 C5 1 Bb4 2 D5 2", "C5 6 r 2"};
const char* const kAnswer[] = {
    "A5 4 F5 2 D5 2",      "F5 3 D5 1 Bb4 4", "C5 2 F5 2 A5 2 G5 2",  "G5 4 E5 2 C5 2",
    "D5 3 E5 1 F5 2 A5 2", "E5 3 C5 1 A4 4",  "Bb4 2 D5 2 F5 2 D5 2", "G5 6 r 2"};
const char* const kTuneEnd[] = {"D5 3 C5 1 Bb4 2 A4 2", "A4 4 F4 4"};
const char* const kClose[] = {"D5 4 F5 4", "C5 8", "Bb4 4 D5 4", "E5 4 G4 4", "F4 8", "r 8"};

int PitchOf(const std::string& name) {
    static const int kSteps[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    int pitch = kSteps[name[0] - 'A'];
    size_t at = 1;
    if (name[at] == 'b')
        --pitch, ++at;
    const int octave = name[at] - '0';
    return 12 * (octave + 1) + pitch;
}

void AddLine(Track& track, int channel, int bar, const char* line, int velocity) {
    std::string text(line);
    size_t at = 0;
    int tick = bar * kBar;
    while (at < text.size()) {
        const size_t space = text.find(' ', at);
        const std::string note = text.substr(at, space - at);
        const size_t next = text.find(' ', space + 1);
        const int eighths = std::stoi(text.substr(space + 1, next - space - 1));
        const int length = eighths * kTicksPerQuarter / 2;
        if (note != "r")
            track.Note(channel, tick, length - 24, PitchOf(note), velocity);
        tick += length;
        at = next == std::string::npos ? text.size() : next + 1;
    }
}

// The chord's tones placed at or above `low`.
std::vector<int> Voicing(const Chord& chord, int low) {
    const int third = chord.minor ? 3 : 4;
    std::vector<int> notes;
    for (int interval : {0, third, 7}) {
        int pitch = low + ((chord.root + interval - low) % 12 + 12) % 12;
        notes.push_back(pitch);
    }
    std::sort(notes.begin(), notes.end());
    return notes;
}

void Setup(Track& track, int channel, const std::string& name, int program, int volume, int pan) {
    track.Name(name);
    track.Add(
        0, 0,
        {static_cast<uint8_t>(midi::kProgramChange | channel), static_cast<uint8_t>(program)});
    track.Control(channel, 0, 7, volume);
    track.Control(channel, 0, 10, pan);
    track.Control(channel, 0, 91, 60);
}

// A fade-in over the intro and a fade-out over the last two bars.
int Swell(int bar, int velocity) {
    if (bar < 2)
        return velocity * (3 + bar) / 5;
    if (bar >= kBars - 2)
        return velocity * (kBars - bar + 1) / 4;
    return velocity;
}

} // namespace

std::vector<uint8_t> ComposeMusic() {
    const int end = kBars * kBar;
    Track conductor, flute, harp, strings, bass;
    conductor.Name("Varnolt");
    conductor.Meta(0, midi::kTimeSignature, {4, 2, 24, 8});
    conductor.Meta(0, midi::kKeySignature, {0xFF, 0}); // F major: one flat
    conductor.Meta(0, midi::kSetTempo, {kTempo >> 16, (kTempo >> 8) & 0xFF, kTempo & 0xFF});

    Setup(flute, 0, "Flute", 73, 96, 70);
    Setup(harp, 1, "Harp", 46, 90, 48);
    Setup(strings, 2, "Strings", 48, 72, 64);
    Setup(bass, 3, "Bass", 32, 92, 60);

    for (int i = 0; i < 8; ++i) {
        AddLine(flute, 0, 2 + i, kTune[i], 78);
        AddLine(flute, 0, 10 + i, kAnswer[i], 82);
        AddLine(flute, 0, 18 + i, i < 6 ? kTune[i] : kTuneEnd[i - 6], 76);
    }
    for (int i = 0; i < 6; ++i)
        AddLine(flute, 0, 26 + i, kClose[i], 66);

    for (int bar = 0; bar < kBars; ++bar) {
        const Chord chord = ChordOf(kProgression[bar]);
        const int start = bar * kBar;
        const bool last = bar == kBars - 1;
        // Harp: the chord broken upwards and back in eighth notes.
        const std::vector<int> low = Voicing(chord, 53);
        const std::vector<int> high = Voicing(chord, 65);
        const int pattern[8] = {low[0],  low[1],  low[2],  high[0],
                                high[1], high[2], high[1], high[0]};
        for (int step = 0; step < (last ? 1 : 8); ++step)
            harp.Note(1, start + step * kTicksPerQuarter / 2,
                      last ? kBar - 60 : kTicksPerQuarter / 2 + 120, pattern[step],
                      Swell(bar, step == 0 ? 62 : 50));
        // Strings: the chord held softly through the bar.
        for (int pitch : Voicing(chord, 55))
            strings.Note(2, start, kBar - 30, pitch, Swell(bar, 44));
        // Bass: the root, with the fifth on beat three in the busier middle.
        const int root = 41 + (chord.root + 7) % 12; // F2 up to E3
        const bool walking = bar >= 10 && bar < 26;
        bass.Note(3, start, (walking ? 2 : 4) * kTicksPerQuarter - 40, root, Swell(bar, 70));
        if (walking)
            bass.Note(3, start + 2 * kTicksPerQuarter, 2 * kTicksPerQuarter - 40, root + 7, 62);
    }

    std::vector<uint8_t> file{'M', 'T', 'h', 'd'};
    Track::PutBig(file, 6, 4);
    Track::PutBig(file, 1, 2); // format 1: tracks played together
    Track::PutBig(file, 5, 2);
    Track::PutBig(file, kTicksPerQuarter, 2);
    for (const Track* track : {&conductor, &flute, &harp, &strings, &bass}) {
        const std::vector<uint8_t> chunk = track->Chunk(end);
        file.insert(file.end(), chunk.begin(), chunk.end());
    }
    return file;
}

} // namespace content
