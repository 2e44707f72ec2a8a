#!/usr/bin/env python3
"""Writes what Debian's midicsv, an independent parser, reads in each MIDI file
of a folder: per track its total ticks and its channel messages, packed as
midiOutShortMsg takes them. The MIDI corpus test compares the game's reader
and event walk with it.

    midicsv_expectations.py CORPUS_DIR OUTPUT_FILE

Output lines:
    file <path relative to CORPUS_DIR> ok <track count>
    track <index> <total ticks> <message count> <message in hex>...
    file <path> unreadable <why>
"""
import os
import subprocess
import sys

OUTPUT_LIMIT = 16 << 20  # a damaged file can make midicsv print without end
TIMEOUT_SECONDS = 30

# midicsv's channel message records: status nibble and the number of fields
# after the channel.
CHANNEL_RECORDS = {
    "Note_off_c": (0x80, 2),
    "Note_on_c": (0x90, 2),
    "Poly_aftertouch_c": (0xA0, 2),
    "Control_c": (0xB0, 2),
    "Program_c": (0xC0, 1),
    "Channel_aftertouch_c": (0xD0, 1),
    "Pitch_bend_c": (0xE0, 1),
}


def run_midicsv(path):
    """midicsv's output, or None and the reason it gave none."""
    process = subprocess.Popen(["midicsv", path], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
    output = bytearray()
    while len(output) <= OUTPUT_LIMIT:
        chunk = process.stdout.read(1 << 16)
        if not chunk:
            break
        output += chunk
    if len(output) > OUTPUT_LIMIT:
        process.kill()
        process.wait()
        return None, "output-too-long"
    try:
        code = process.wait(timeout=TIMEOUT_SECONDS)
    except subprocess.TimeoutExpired:
        process.kill()
        return None, "timeout"
    if code != 0:
        return None, f"exit-{code}"
    return output.decode("latin-1"), None


def pack(record, fields):
    status, count = CHANNEL_RECORDS[record]
    channel = int(fields[0])
    values = [int(value) for value in fields[1:1 + count]]
    if record == "Pitch_bend_c":
        values = [values[0] & 0x7F, values[0] >> 7]
    values += [0] * (2 - len(values))
    return (status | channel) | values[0] << 8 | values[1] << 16


def tracks_of(csv):
    """[(total ticks, [messages])] per track, in file order."""
    tracks = []
    for line in csv.splitlines():
        fields = [field.strip() for field in line.split(",", 3)]
        if len(fields) < 3:
            continue
        track, time, record = int(fields[0]), int(fields[1]), fields[2]
        if record == "Start_track":
            tracks.append([0, []])
        elif track >= 1 and tracks:
            tracks[-1][0] = time
            if record in CHANNEL_RECORDS:
                rest = [field.strip() for field in fields[3].split(",")]
                tracks[-1][1].append(pack(record, rest))
    return tracks


def main():
    corpus, output = sys.argv[1], sys.argv[2]
    names = sorted(os.path.relpath(os.path.join(folder, name), corpus)
                   for folder, _, files in os.walk(corpus)
                   for name in files if name.lower().endswith(".mid"))
    if not names:
        sys.exit(f"no MIDI files in {corpus}")
    lines = []
    for name in names:
        csv, problem = run_midicsv(os.path.join(corpus, name))
        if csv is None:
            lines.append(f"file {name} unreadable {problem}")
            continue
        tracks = tracks_of(csv)
        lines.append(f"file {name} ok {len(tracks)}")
        for index, (ticks, messages) in enumerate(tracks):
            packed = " ".join(f"{message:06x}" for message in messages)
            lines.append(f"track {index} {ticks} {len(messages)} {packed}".rstrip())
    with open(output + ".tmp", "w") as out:
        out.write("\n".join(lines) + "\n")
    os.replace(output + ".tmp", output)


if __name__ == "__main__":
    main()
