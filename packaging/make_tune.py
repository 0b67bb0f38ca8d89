#!/usr/bin/env python3
"""Writes the exit tune as a standard MIDI file: make_tune.py OUT.MID

The tune is an original melody written for Tessaly in the D major pentatonic scale: a
flute over piano arpeggios, sixteen bars of 4/4 at 100 beats a minute (about 40 seconds).
The file is made from the notes below, so the sources hold no binary of unknown origin.
"""
import struct
import sys

TICKS = 480          # ticks per quarter note
TEMPO_BPM = 100

# Pentatonic degrees of D major as MIDI notes, "1'" an octave up (numbered notation).
DEGREE = {"1": 62, "2": 64, "3": 66, "5": 69, "6": 71, "1'": 74, "2'": 76, "3'": 78}

# The melody, bar by bar: (degree, beats); None is a rest.
MELODY = [
    [("5", 2), ("6", 1), ("5", 1)], [("3", 2), ("2", 1), ("3", 1)],
    [("5", 1), ("6", 1), ("1'", 1), ("6", 1)], [("5", 4)],
    [("6", 1), ("1'", 1), ("6", 1), ("5", 1)], [("3", 1), ("5", 1), ("2", 2)],
    [("3", 1), ("2", 1), ("1", 1), ("2", 1)], [("3", 3), (None, 1)],
    [("5", 1.5), ("6", 0.5), ("1'", 1), ("2'", 1)], [("1'", 1), ("6", 1), ("5", 2)],
    [("6", 1), ("5", 1), ("3", 1), ("5", 1)], [("2", 3), (None, 1)],
    [("3", 1), ("5", 1), ("6", 1), ("1'", 1)], [("6", 1), ("5", 1), ("3", 1), ("2", 1)],
    [("1", 1), ("2", 1), ("3", 1), ("5", 1)], [("1", 4)],
]

# One chord a bar for the arpeggios: root, third, fifth (MIDI notes around middle C).
CHORD = {"D": (50, 54, 57), "G": (43, 47, 50), "A": (45, 49, 52), "Bm": (47, 50, 54)}
HARMONY = ["D", "Bm", "G", "D", "G", "A", "Bm", "D",
           "D", "G", "Bm", "A", "Bm", "G", "D", "D"]

FLUTE, PIANO = 73, 0  # General MIDI programs (0-based)


def varlen(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


def track(events):
    """events: (tick, bytes) in any order; returns the MTrk chunk with end of track."""
    data = bytearray()
    now = 0
    for tick, message in sorted(events, key=lambda e: (e[0], e[1][0] & 0xF0 != 0x80)):
        data += varlen(tick - now) + message
        now = tick
    data += varlen(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + bytes(data)


def note(events, channel, start, length, pitch, velocity):
    events.append((start, bytes([0x90 | channel, pitch, velocity])))
    events.append((start + length, bytes([0x80 | channel, pitch, 0])))


def melody_track():
    events = [(0, bytes([0xC0, FLUTE]))]
    tick = 0
    for bar in MELODY:
        for degree, beats in bar:
            length = int(beats * TICKS)
            if degree is not None:
                note(events, 0, tick, length - 20, DEGREE[degree], 92)
            tick += length
    return track(events)


def accompaniment_track():
    events = [(0, bytes([0xC1, PIANO]))]
    for bar, name in enumerate(HARMONY):
        root, third, fifth = CHORD[name]
        start = bar * 4 * TICKS
        if bar == len(HARMONY) - 1:  # the last bar: one chord, held
            for pitch in (root - 12, root, third, fifth):
                note(events, 1, start, 4 * TICKS, pitch, 70)
            continue
        note(events, 1, start, 4 * TICKS, root - 12, 64)
        for i, pitch in enumerate((root, fifth, third + 12, fifth) * 2):
            note(events, 1, start + i * TICKS // 2, TICKS // 2, pitch, 52)
    return track(events)


def tempo_track():
    micros = 60_000_000 // TEMPO_BPM
    events = [
        (0, b"\xff\x03" + varlen(7) + b"Tessaly"),
        (0, b"\xff\x58\x04\x04\x02\x18\x08"),             # 4/4
        (0, b"\xff\x51\x03" + micros.to_bytes(3, "big")),  # tempo
    ]
    return track(events)


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: make_tune.py OUT.MID")
    header = b"MThd" + struct.pack(">IHHH", 6, 1, 3, TICKS)
    with open(sys.argv[1], "wb") as f:
        f.write(header + tempo_track() + melody_track() + accompaniment_track())


if __name__ == "__main__":
    main()
