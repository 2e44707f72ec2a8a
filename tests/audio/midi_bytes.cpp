#include "audio/midi_bytes.h"

namespace midi_bytes {

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes BigEndian(uint32_t value, int bytes) {
    Bytes out;
    for (int shift = (bytes - 1) * 8; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
    return out;
}

Bytes VarLen(uint32_t value) {
    Bytes out{static_cast<uint8_t>(value & 0x7F)};
    while ((value >>= 7) != 0)
        out.insert(out.begin(), static_cast<uint8_t>(0x80 | (value & 0x7F)));
    return out;
}

Bytes Header(uint16_t format, uint16_t trackCount, uint16_t division) {
    return Concat({Text("MThd"), BigEndian(6, 4), BigEndian(format, 2), BigEndian(trackCount, 2),
                   BigEndian(division, 2)});
}

Bytes Track(const Bytes& events) {
    return Concat({Text("MTrk"), BigEndian(static_cast<uint32_t>(events.size()), 4), events});
}

Bytes File(uint16_t format, uint16_t division, const std::vector<Bytes>& trackEvents) {
    Bytes file = Header(format, static_cast<uint16_t>(trackEvents.size()), division);
    for (const Bytes& events : trackEvents) {
        const Bytes track = Track(events);
        file.insert(file.end(), track.begin(), track.end());
    }
    return file;
}

Bytes Riff(const Bytes& file, bool dataFirst) {
    const Bytes data =
        Concat({Text("data"), BigEndian(static_cast<uint32_t>(file.size()), 4), file});
    const Bytes list = Concat({Text("LIST"), BigEndian(4, 4), Text("INFO")});
    const Bytes body =
        dataFirst ? Concat({Text("RMID"), data}) : Concat({Text("RMID"), list, data});
    return Concat({Text("RIFF"), BigEndian(static_cast<uint32_t>(body.size()), 4), body});
}

Bytes EndOfTrack(uint32_t delta) {
    return Concat({VarLen(delta), {0xFF, 0x2F, 0x00}});
}

Bytes Tempo(uint32_t delta, uint32_t microsecondsPerQuarter) {
    return Concat({VarLen(delta), {0xFF, 0x51, 0x03}, BigEndian(microsecondsPerQuarter, 3)});
}

Bytes Event(uint32_t delta, std::initializer_list<uint8_t> bytes) {
    return Concat({VarLen(delta), Bytes(bytes)});
}

} // namespace midi_bytes
