#!/usr/bin/python3
"""Writes the game's sound files: three effects synthesised from scratch and the
background music as a Standard MIDI File.

    python3 tools/sound/make_sounds.py [output-dir]     (default: assets/)

Deterministic: fixed seeds, no timestamps, so running it again reproduces the
committed files byte for byte. Python 3 standard library only.
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 44100


# ---------------------------------------------------------------- wave files

def write_wav(path, samples, peak_db):
    """Mono 16-bit. Scales the buffer so its loudest sample sits at peak_db dBFS."""
    top = max(abs(s) for s in samples) or 1.0
    gain = 10 ** (peak_db / 20.0) / top
    frames = bytearray()
    for s in samples:
        v = int(round(s * gain * 32767))
        frames += struct.pack('<h', max(-32768, min(32767, v)))
    with wave.open(path, 'wb') as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(bytes(frames))


def mix_into(buf, start_s, voice):
    i0 = int(start_s * RATE)
    for i, v in enumerate(voice):
        if i0 + i < len(buf):
            buf[i0 + i] += v


def bell(freq, dur, partials):
    """A struck tone: each partial (ratio, amplitude, decay per second) dies away on its own."""
    n = int(dur * RATE)
    out = [0.0] * n
    attack = int(0.002 * RATE)  # 2 ms: audible at once, yet no click
    for ratio, amp, decay in partials:
        w = 2 * math.pi * freq * ratio / RATE
        for i in range(n):
            out[i] += amp * math.sin(w * i) * math.exp(-decay * i / RATE)
    for i in range(min(attack, n)):
        out[i] *= i / attack
    return out


def make_right():
    # Two quick bright strikes a fifth apart (E6, B6), glassy partials.
    partials = [(1.0, 1.0, 9.0), (2.0, 0.45, 14.0), (3.01, 0.2, 22.0), (4.17, 0.1, 30.0)]
    buf = [0.0] * int(0.42 * RATE)
    mix_into(buf, 0.0, bell(1318.5, 0.42, partials))
    mix_into(buf, 0.075, [0.9 * v for v in bell(1975.5, 0.345, partials)])
    fade_tail(buf, 0.04)
    return buf


def make_wrong():
    # A low, muffled buzz sliding down: two detuned square-ish waves, low-passed.
    dur = 0.36
    n = int(dur * RATE)
    out = []
    ph1 = ph2 = 0.0
    lp = 0.0
    alpha = 1 - math.exp(-2 * math.pi * 700.0 / RATE)  # one-pole low-pass at ~700 Hz
    for i in range(n):
        t = i / RATE
        f = 140.0 - 40.0 * (t / dur)
        ph1 += 2 * math.pi * f / RATE
        ph2 += 2 * math.pi * f * 1.035 / RATE
        # soft square: tanh of a hot sine keeps the buzz without harsh edges
        raw = math.tanh(3.0 * math.sin(ph1)) + 0.8 * math.tanh(3.0 * math.sin(ph2))
        lp += alpha * (raw - lp)
        env = min(1.0, t / 0.006) * min(1.0, (dur - t) / 0.07)
        out.append(lp * env)
    return out


def brass(freq, dur, rng, bright=1.0):
    """A brassy note: sawtooth partials whose upper harmonics open up with the attack."""
    n = int(dur * RATE)
    out = [0.0] * n
    harmonics = [h for h in range(1, 16) if freq * h < 9000]
    vib_rate = 5.2 + rng.random() * 0.6
    phase = [rng.random() * 0.2 for _ in harmonics]
    att = 0.03
    for i in range(n):
        t = i / RATE
        a = min(1.0, t / att)
        rel = min(1.0, (dur - t) / 0.06)
        vib = 1.0 + (0.004 * min(1.0, max(0.0, (t - 0.15) / 0.2)) * math.sin(2 * math.pi * vib_rate * t))
        s = 0.0
        for k, h in enumerate(harmonics):
            # higher harmonics lag behind the attack: the "blare" of a horn
            open_h = min(1.0, t / (att * (1 + 0.35 * h)))
            s += (bright ** (h - 1)) * open_h / h * math.sin(2 * math.pi * freq * h * vib * t + phase[k])
        out[i] = s * a * rel
    return out


def timpani(freq, dur, rng):
    n = int(dur * RATE)
    out = []
    for i in range(n):
        t = i / RATE
        tone = math.sin(2 * math.pi * freq * t) * math.exp(-4.0 * t)
        tone += 0.4 * math.sin(2 * math.pi * freq * 1.5 * t) * math.exp(-7.0 * t)
        noise = (rng.random() * 2 - 1) * math.exp(-60.0 * t) * 0.5
        out.append((tone + noise) * min(1.0, t / 0.003))
    return out


def make_vittoria():
    # D major: three pickup notes on A, a leap to D, then the held triad over a drum roll.
    rng = random.Random(20261)
    total = 2.6
    buf = [0.0] * int(total * RATE)
    a4, d5, fs5, a5, d4, d3 = 440.0, 587.33, 739.99, 880.0, 293.66, 146.83
    for k in range(3):
        mix_into(buf, 0.14 * k, brass(a4, 0.12, rng, 0.88))
    mix_into(buf, 0.42, brass(d5, 0.42, rng, 0.9))
    mix_into(buf, 0.86, brass(a4, 0.16, rng, 0.88))
    mix_into(buf, 1.04, brass(d5, 0.16, rng, 0.88))
    chord_start, chord_len = 1.22, 1.38
    for f, g in ((d4, 0.7), (fs5, 0.75), (a5, 0.6), (d5, 0.9)):
        mix_into(buf, chord_start, [g * v for v in brass(f, chord_len, rng, 0.86)])
    mix_into(buf, chord_start, [0.8 * v for v in brass(d3, chord_len, rng, 0.8)])
    for t in (0.42, 1.22):
        mix_into(buf, t, [1.6 * v for v in timpani(73.4, 1.2, rng)])
    fade_tail(buf, 0.5)
    return buf


def fade_tail(buf, seconds):
    n = int(seconds * RATE)
    for i in range(n):
        buf[len(buf) - n + i] *= (1 - i / n) ** 2


# ---------------------------------------------------------------- MIDI file

PPQ = 480
EIGHTH = PPQ // 2
BAR = 4 * PPQ


def vlq(n):
    out = [n & 0x7F]
    n >>= 7
    while n:
        out.append(0x80 | (n & 0x7F))
        n >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self):
        self.events = []  # (tick, order, bytes): note-offs sort before note-ons at the same tick

    def add(self, tick, data, order=1):
        self.events.append((tick, order, len(self.events), bytes(data)))

    def note(self, ch, tick, key, length, vel):
        self.add(tick, (0x90 | ch, key, vel), 1)
        self.add(tick + length, (0x80 | ch, key, 0), 0)

    def encode(self, end_tick):
        body = bytearray()
        now = 0
        for tick, _, _, data in sorted(self.events):
            body += vlq(tick - now) + data
            now = tick
        body += vlq(max(0, end_tick - now)) + b'\xff\x2f\x00'
        return b'MTrk' + struct.pack('>I', len(body)) + bytes(body)


NOTE = {'C': 0, 'D': 2, 'E': 4, 'F': 5, 'G': 7, 'A': 9, 'B': 11}


def key(name):
    """'D5' -> 74, 'F#4' -> 66."""
    pc = NOTE[name[0]]
    rest = name[1:]
    if rest.startswith('#'):
        pc += 1
        rest = rest[1:]
    elif rest.startswith('b'):
        pc -= 1
        rest = rest[1:]
    return 12 * (int(rest) + 1) + pc


def phrase(text):
    """'A4:2 D5:2 r:4' -> [(key or None, eighths)]; each bar must add up to 8 eighths."""
    out = []
    for tok in text.split():
        name, n = tok.split(':')
        out.append((None if name == 'r' else key(name), int(n)))
    return out


# D Dorian throughout: the raised sixth (B) gives the old, modal colour.
CHORDS = {
    'Dm': ('D3', 'A3', 'F4'), 'C': ('C3', 'G3', 'E4'), 'G': ('G2', 'D3', 'B3'),
    'Am': ('A2', 'E3', 'C4'), 'F': ('F2', 'C3', 'A3'), 'Em': ('E3', 'B3', 'G4'),
}

INTRO = ['Dm', 'Dm']
A = ['Dm', 'C', 'Dm', 'G', 'Dm', 'C', 'Am', 'Dm']
B = ['F', 'C', 'G', 'Dm', 'F', 'C', 'Am', 'Am']
CODA = ['Dm', 'G', 'C', 'Dm', 'F', 'G', 'Am', 'Dm']

MEL_A = [
    'A4:2 D5:2 E5:1 F5:1 E5:2', 'C5:3 D5:1 E5:4', 'F5:2 E5:1 D5:1 A4:4', 'B4:2 C5:1 D5:1 B4:2 G4:2',
    'A4:2 D5:2 F5:2 A5:2', 'G5:3 F5:1 E5:2 C5:2', 'E5:2 D5:1 C5:1 D5:2 E5:2', 'D5:6 r:2',
]
MEL_B = [
    'A5:2 G5:1 F5:1 G5:2 A5:2', 'G5:4 E5:4', 'D5:2 G5:2 B5:2 A5:1 G5:1', 'A5:6 r:2',
    'C6:2 A5:2 F5:2 A5:2', 'G5:3 E5:1 C5:4', 'E5:2 F5:1 E5:1 D5:2 C5:2', 'A4:6 r:2',
]
# A slow second voice for the repeat of the first tune.
COUNTER_A = [
    'F4:8', 'E4:8', 'F4:4 A4:4', 'G4:4 D4:4', 'F4:8', 'E4:4 G4:4', 'C4:4 E4:4', 'F4:6 r:2',
]
MEL_CODA = [
    'D5:2 F5:2 A5:4', 'B5:2 A5:1 G5:1 D5:4', 'E5:2 G5:2 C6:4', 'A5:4 F5:2 D5:2',
    'C5:2 F5:2 A5:2 G5:1 F5:1', 'G5:4 B4:4', 'C5:2 E5:2 D5:2 C5:2', 'D5:8',
]

HARP, FLUTE, PANFLUTE, STRINGS, DRUM = 0, 1, 2, 3, 9
HOLD = BAR + BAR // 4  # the final chord


def make_music():
    rng = random.Random(1600)
    conductor, harp, flute, pan, strings, drum = (Track() for _ in range(6))
    us_per_quarter = 60_000_000 // 76
    conductor.add(0, b'\xff\x51\x03' + us_per_quarter.to_bytes(3, 'big'))
    conductor.add(0, b'\xff\x58\x04\x04\x02\x18\x08')
    conductor.add(0, b'\xff\x59\x02\x00\x00')  # key: no accidentals (D Dorian)
    for track, ch, program, volume, pan_pos, reverb in (
            (harp, HARP, 46, 100, 56, 60), (flute, FLUTE, 73, 92, 70, 70),
            (pan, PANFLUTE, 75, 80, 40, 80), (strings, STRINGS, 48, 62, 64, 90),
            (drum, DRUM, 0, 70, 64, 50)):
        if ch != DRUM:
            track.add(0, (0xC0 | ch, program))
        track.add(0, (0xB0 | ch, 7, volume))
        track.add(0, (0xB0 | ch, 10, pan_pos))
        track.add(0, (0xB0 | ch, 91, reverb))

    form = ([('intro', c) for c in INTRO] + [('A', c) for c in A] + [('B', c) for c in B]
            + [('A2', c) for c in A] + [('coda', c) for c in CODA])
    melodies = {'A': MEL_A, 'B': MEL_B, 'A2': MEL_A, 'coda': MEL_CODA}
    sec_bar = {}
    for bar, (section, chord) in enumerate(form):
        start = bar * BAR
        index = sec_bar.get(section, 0)
        sec_bar[section] = index + 1
        last = bar == len(form) - 1
        lo, mid, hi = (key(n) for n in CHORDS[chord])

        # Harp: rolling eighths over root, fifth, tenth; the final bar is one spread chord.
        if last:
            for k, n in enumerate((lo, mid, lo + 12, hi, mid + 12, lo + 24)):
                harp.note(HARP, start + k * 40, n, HOLD - k * 40, 70 - 3 * k)
        else:
            pattern = (lo, mid, lo + 12, hi, lo + 12, mid, hi, mid + 12)
            for k, n in enumerate(pattern):
                vel = (78 if k == 0 else 62 if k == 4 else 54) + rng.randint(-5, 5)
                harp.note(HARP, start + k * EIGHTH, n, EIGHTH * 3, vel)

        # Strings: a soft pad on root and fifth, the third added after the intro.
        pad = [lo - 12 if lo >= key('D3') else lo, mid] + ([hi - 12] if section != 'intro' else [])
        for n in pad:
            strings.note(STRINGS, start, n, HOLD if last else BAR - 10, 44 if section != 'B' else 52)

        if section in melodies:
            voice, ch = (pan, PANFLUTE) if section == 'B' else (flute, FLUTE)
            t = start
            for n, eighths in phrase(melodies[section][index]):
                if n is not None:
                    length = eighths * EIGHTH - 30
                    if last:
                        length = HOLD
                    voice.note(ch, t, n, length, 84 + rng.randint(-6, 6))
                t += eighths * EIGHTH
        if section == 'A2':
            t = start
            for n, eighths in phrase(COUNTER_A[index]):
                if n is not None:
                    pan.note(PANFLUTE, t, n, eighths * EIGHTH - 40, 60 + rng.randint(-4, 4))
                t += eighths * EIGHTH

        # A frame drum (low conga) marks the pulse in the middle sections only.
        if section in ('B', 'A2'):
            for beat, vel in ((0, 58), (3 * EIGHTH, 38), (2 * PPQ, 46)):
                drum.note(DRUM, start + beat, 64, 120, vel + rng.randint(-4, 4))

    # Half a bar of ring-out after the last chord lets the tails die before the end of play.
    end = len(form) * BAR + HOLD - BAR + BAR // 2
    tracks = [conductor, harp, flute, pan, strings, drum]
    header = b'MThd' + struct.pack('>IHHH', 6, 1, len(tracks), PPQ)
    return header + b''.join(t.encode(end) for t in tracks)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'assets')
    os.makedirs(out, exist_ok=True)
    write_wav(os.path.join(out, 'Right.wav'), make_right(), -4.0)
    write_wav(os.path.join(out, 'Wrong.wav'), make_wrong(), -7.0)
    write_wav(os.path.join(out, 'Vittoria.wav'), make_vittoria(), -3.0)
    with open(os.path.join(out, 'musica.mid'), 'wb') as f:
        f.write(make_music())


if __name__ == '__main__':
    main()
