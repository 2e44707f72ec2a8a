#include "audio/midi_reader.h"
#include "audio/midi_codes.h"
#include "platform/files.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int32_t kLargestVarLenPrefix = 0x7FFFFF;
constexpr size_t kHeaderBytes = 14;
constexpr size_t kRiffSkip = 6; // the rest of the 20-byte RIFF preamble
constexpr size_t kChunkHeaderBytes = 8;

const char kOpenFailed[] = "File cannot be loaded for reading.";
const char kHeaderReadFailed[] = "Error encountered when reading the MIDI file header.";
const char kHeaderChunkBad[] = "Error encountered when reading the MIDI header chunk.";
const char kSmpteUnsupported[] =
    "The SMPTE time codes used in this file are not supported by this program.";
const char kHeaderInconsistent[] = "Error due to inconsistent information in MIDI header chunk.";
const char kFormatUnsupported[] = "The format of this MIDI file is not supported by this program.";
const char kAllocationFailed[] = "Error encountered when allocating memory for this file.";
const char kTrackChunkBad[] = "Error encountered when reading track chunk.";

// Failure texts are formatted here. Per thread, because the music timer's
// thread loads the song again at its end while the main thread may load it
// for a start.
thread_local char t_trackText[128];
thread_local char t_fileText[192];

uint16_t BigEndian16(const uint8_t* bytes) {
    return static_cast<uint16_t>(bytes[0] << 8 | bytes[1]);
}

uint32_t BigEndian32(const uint8_t* bytes) {
    return static_cast<uint32_t>(bytes[0]) << 24 | static_cast<uint32_t>(bytes[1]) << 16 |
           static_cast<uint32_t>(bytes[2]) << 8 | bytes[3];
}

// The rest of each track text ("Track %i Offset %i" + rest); the SysEx data
// text is the one without a colon.
const char* ScanMetaEvent(const uint8_t*& cursor, const uint8_t* end, bool& endOfTrack) {
    const int type = ReadByte(cursor, end);
    if (type < 0)
        return ": Second byte problem on meta-event.";
    if (type == midi::kEndOfTrack) {
        endOfTrack = true;
        return nullptr;
    }
    const bool variable = MetaLengthIsVariable(type);
    const int32_t length = ReadMetaLength(type, cursor, end);
    if (length < 0)
        return variable ? ": Variable-length problem on meta-event."
                        : ": Length problem on meta-event.";
    if (!SkipBytes(cursor, end, length))
        return variable ? ": Variable-length data on meta-event." : ": Data problem on meta-event.";
    return nullptr;
}

const char* ScanSysEx(const uint8_t*& cursor, const uint8_t* end) {
    const int32_t length = ReadVarLen(cursor, end);
    if (length < 0)
        return ": Variable-length problem on SysEx message.";
    if (!SkipBytes(cursor, end, length))
        return " Variable-Length data on SysEx message.";
    return nullptr;
}

const char* ScanChannelMessage(int first, const uint8_t*& cursor, const uint8_t* end,
                               uint8_t& runningStatus) {
    if (first >= midi::kFirstStatusByte) {
        runningStatus = static_cast<uint8_t>(first);
        const int data1 = ReadByte(cursor, end);
        if (data1 < 0 || data1 >= midi::kFirstStatusByte)
            return ": Message first data byte problem.";
    }
    if (HasSecondDataByte(runningStatus)) {
        const int data2 = ReadByte(cursor, end);
        if (data2 < 0 || data2 >= midi::kFirstStatusByte)
            return ": Message second data byte problem.";
    }
    return nullptr;
}

// The bytes of a file not read yet.
struct ByteSource {
    const uint8_t* cursor;
    const uint8_t* end;

    size_t Remaining() const { return static_cast<size_t>(end - cursor); }
    // Copies count bytes into buffer and moves past them; false, moving
    // nothing, when fewer remain.
    bool Take(void* buffer, size_t count) {
        if (count > Remaining())
            return false;
        if (count != 0)
            std::memcpy(buffer, cursor, count);
        cursor += count;
        return true;
    }
};

// Reads the header (past a RIFF preamble) into song; null or the failure.
const char* ReadHeader(ByteSource& file, MidiSong& song) {
    uint8_t header[kHeaderBytes];
    if (!file.Take(header, sizeof header))
        return kHeaderReadFailed;
    if (std::memcmp(header, "RIFF", 4) == 0) {
        if (file.Remaining() < kRiffSkip)
            return kHeaderReadFailed;
        file.cursor += kRiffSkip;
        if (!file.Take(header, sizeof header))
            return kHeaderReadFailed;
    }
    if (std::memcmp(header, "MThd", 4) != 0 || BigEndian32(header + 4) != 6)
        return kHeaderChunkBad;
    song.format = static_cast<int16_t>(BigEndian16(header + 8));
    song.trackCount = static_cast<int16_t>(BigEndian16(header + 10));
    song.division = static_cast<int16_t>(BigEndian16(header + 12));
    if (song.division < 0)
        return kSmpteUnsupported;
    song.tempo = 500000;
    if (song.format < 0 || song.format > 2 || (song.format == 0 && song.trackCount != 1))
        return kHeaderInconsistent;
    if (song.format == 2)
        return kFormatUnsupported;
    return nullptr;
}

const char* ReadTrack(ByteSource& file, MidiTrack& track, int trackIndex) {
    uint8_t chunk[kChunkHeaderBytes];
    if (!file.Take(chunk, sizeof chunk) || std::memcmp(chunk, "MTrk", 4) != 0)
        return kTrackChunkBad;
    const uint32_t length = BigEndian32(chunk + 4);
    // A length beyond the end of the file could never be read; a damaged
    // header must not make us ask for gigabytes first.
    if (length > file.Remaining())
        return kTrackChunkBad;
    track.data = static_cast<uint8_t*>(std::calloc(length != 0 ? length : 1, 1));
    if (track.data == nullptr)
        return kAllocationFailed;
    track.length = length;
    file.Take(track.data, length);
    if (const char* problem = ScanTrack(track, trackIndex)) {
        std::snprintf(t_fileText, sizeof t_fileText, "Error encountered in file: %s", problem);
        return t_fileText;
    }
    return nullptr;
}

const char* ReadTracks(ByteSource& file, MidiSong& song) {
    if (song.trackCount < 0)
        return kAllocationFailed;
    // One record at least, so that an empty song is not taken for a failure.
    const size_t records = song.trackCount > 0 ? static_cast<size_t>(song.trackCount) : 1;
    song.tracks = static_cast<MidiTrack*>(std::calloc(records, sizeof(MidiTrack)));
    if (song.tracks == nullptr)
        return kAllocationFailed;
    for (int i = 0; i < song.trackCount; ++i) {
        if (const char* problem = ReadTrack(file, song.tracks[i], i))
            return problem;
    }
    return nullptr;
}

// The whole file at path into bytes; false when it cannot be opened or read.
bool ReadWholeFile(const char* path, std::vector<uint8_t>& bytes) {
    std::FILE* file = std::fopen(platform::NativePath(path).c_str(), "rb");
    if (file == nullptr)
        return false;
    uint8_t block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof block, file)) != 0)
        bytes.insert(bytes.end(), block, block + got);
    const bool complete = std::ferror(file) == 0;
    std::fclose(file);
    return complete;
}

} // namespace

int ReadByte(const uint8_t*& cursor, const uint8_t* end) {
    if (cursor >= end)
        return -1;
    return *cursor++;
}

int32_t ReadVarLen(const uint8_t*& cursor, const uint8_t* end) {
    int32_t value = 0;
    for (;;) {
        const int byte = ReadByte(cursor, end);
        if (byte < 0 || value > kLargestVarLenPrefix)
            return -1;
        value = value * 128 + (byte & 0x7F);
        if (byte < 0x80)
            return value;
    }
}

bool MetaLengthIsVariable(int type) {
    return (type >= 0 && type <= 6) || type == 127;
}

int32_t ReadMetaLength(int type, const uint8_t*& cursor, const uint8_t* end) {
    if (MetaLengthIsVariable(type))
        return ReadVarLen(cursor, end);
    return ReadByte(cursor, end);
}

bool HasSecondDataByte(int status) {
    const int kind = status & midi::kKindMask;
    return kind != midi::kProgramChange && kind != midi::kChannelPressure;
}

bool SkipBytes(const uint8_t*& cursor, const uint8_t* end, int32_t count) {
    if (count < 0 || count > end - cursor) {
        cursor = end;
        return false;
    }
    cursor += count;
    return true;
}

const char* ScanTrack(MidiTrack& track, int trackIndex) {
    const uint8_t* cursor = track.data;
    const uint8_t* const end = track.End();
    uint8_t runningStatus = 0;
    track.totalTicks = 0;
    const auto fail = [&](const char* rest) {
        std::snprintf(t_trackText, sizeof t_trackText, "Track %i Offset %i%s", trackIndex,
                      static_cast<int>(cursor - track.data), rest);
        return t_trackText;
    };
    for (;;) {
        const int32_t delta = ReadVarLen(cursor, end);
        if (delta < 0)
            return fail(": Delta-time problem.");
        const int64_t total = static_cast<int64_t>(track.totalTicks) + delta;
        if (total > INT32_MAX)
            return fail(": Total ticks can't fit in integer.");
        track.totalTicks = static_cast<int32_t>(total);
        const int first = ReadByte(cursor, end);
        if (first < 0)
            return fail(": First byte problem.");
        bool endOfTrack = false;
        const char* problem;
        if (first == midi::kMetaEvent)
            problem = ScanMetaEvent(cursor, end, endOfTrack);
        else if (first == midi::kSysEx || first == midi::kSysExEscape)
            problem = ScanSysEx(cursor, end);
        else if (first >= midi::kFirstSystemByte)
            problem = ": Incorrect first byte.";
        else
            problem = ScanChannelMessage(first, cursor, end, runningStatus);
        if (problem != nullptr)
            return fail(problem);
        if (endOfTrack)
            return nullptr;
    }
}

void FreeSong(MidiSong& song) {
    if (song.tracks != nullptr) {
        for (int i = 0; i < song.trackCount; ++i)
            std::free(song.tracks[i].data);
        std::free(song.tracks);
    }
    song.tracks = nullptr;
}

const char* LoadMidiBytes(const uint8_t* data, size_t size, MidiSong& song) {
    ByteSource file{data, data + size};
    const char* problem = ReadHeader(file, song);
    if (problem == nullptr) {
        problem = ReadTracks(file, song);
        if (problem != nullptr)
            FreeSong(song);
    }
    return problem;
}

const char* LoadMidiFile(const char* path, MidiSong& song) {
    std::vector<uint8_t> bytes;
    if (!ReadWholeFile(path, bytes))
        return kOpenFailed;
    return LoadMidiBytes(bytes.data(), bytes.size(), song);
}
