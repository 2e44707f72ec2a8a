#include "audio/midi_reader.h"
#include "audio/midi_codes.h"
#include "platform/files.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int32_t kLargestVarLenPrefix = 0x7FFFFF;
constexpr size_t kHeaderBytes = 14;
constexpr long kRiffSkip = 6; // the rest of the 20-byte RIFF preamble
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

// Reads the header (past a RIFF preamble) into song; null or the failure.
const char* ReadHeader(std::FILE* file, MidiSong& song) {
    uint8_t header[kHeaderBytes];
    if (std::fread(header, 1, sizeof header, file) != sizeof header)
        return kHeaderReadFailed;
    if (std::memcmp(header, "RIFF", 4) == 0) {
        if (std::fseek(file, kRiffSkip, SEEK_CUR) != 0 ||
            std::fread(header, 1, sizeof header, file) != sizeof header)
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

// Bytes between the read position and the end of the file; -1 when unknown.
long RemainingBytes(std::FILE* file, long fileSize) {
    const long position = std::ftell(file);
    if (fileSize < 0 || position < 0)
        return -1;
    return fileSize - position;
}

const char* ReadTrack(std::FILE* file, long fileSize, MidiTrack& track, int trackIndex) {
    uint8_t chunk[kChunkHeaderBytes];
    if (std::fread(chunk, 1, sizeof chunk, file) != sizeof chunk ||
        std::memcmp(chunk, "MTrk", 4) != 0)
        return kTrackChunkBad;
    const uint32_t length = BigEndian32(chunk + 4);
    // A length beyond the end of the file could never be read; a damaged
    // header must not make us ask for gigabytes first.
    const long remaining = RemainingBytes(file, fileSize);
    if (remaining >= 0 && length > static_cast<unsigned long>(remaining))
        return kTrackChunkBad;
    track.data = static_cast<uint8_t*>(std::calloc(length != 0 ? length : 1, 1));
    if (track.data == nullptr)
        return kAllocationFailed;
    track.length = length;
    if (std::fread(track.data, 1, length, file) != length)
        return kTrackChunkBad;
    if (const char* problem = ScanTrack(track, trackIndex)) {
        std::snprintf(t_fileText, sizeof t_fileText, "Error encountered in file: %s", problem);
        return t_fileText;
    }
    return nullptr;
}

const char* ReadTracks(std::FILE* file, long fileSize, MidiSong& song) {
    if (song.trackCount < 0)
        return kAllocationFailed;
    // One record at least, so that an empty song is not taken for a failure.
    const size_t records = song.trackCount > 0 ? static_cast<size_t>(song.trackCount) : 1;
    song.tracks = static_cast<MidiTrack*>(std::calloc(records, sizeof(MidiTrack)));
    if (song.tracks == nullptr)
        return kAllocationFailed;
    for (int i = 0; i < song.trackCount; ++i) {
        if (const char* problem = ReadTrack(file, fileSize, song.tracks[i], i))
            return problem;
    }
    return nullptr;
}

long FileSize(std::FILE* file) {
    if (std::fseek(file, 0, SEEK_END) != 0)
        return -1;
    const long size = std::ftell(file);
    std::rewind(file);
    return size;
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

const char* LoadMidiFile(const char* path, MidiSong& song) {
    std::FILE* file = std::fopen(platform::NativePath(path).c_str(), "rb");
    if (file == nullptr)
        return kOpenFailed;
    const long fileSize = FileSize(file);
    const char* problem = ReadHeader(file, song);
    if (problem == nullptr) {
        problem = ReadTracks(file, fileSize, song);
        if (problem != nullptr)
            FreeSong(song);
    }
    std::fclose(file);
    return problem;
}
