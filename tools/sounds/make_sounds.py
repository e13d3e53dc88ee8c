#!/usr/bin/env python3
"""Synthesises Orvalune's seven alarm sounds as small WAV files.

Every sound is computed from scratch (oscillators, resonators and seeded noise), so
running this script again gives the same files byte for byte. Only the Python
standard library is used.

    python3 tools/sounds/make_sounds.py [output folder]   (default: resources/sounds)
"""

import math
import os
import random
import struct
import sys
import wave

RATE = 22050
PEAK = 0.89  # about -1 dBFS
TWO_PI = 2.0 * math.pi


def silence(seconds):
    return [0.0] * int(round(seconds * RATE))


def mix_into(target, source, start_seconds, gain=1.0):
    """Adds source into target from the given time, growing target when needed."""
    start = int(round(start_seconds * RATE))
    end = start + len(source)
    if end > len(target):
        target.extend([0.0] * (end - len(target)))
    for i, value in enumerate(source):
        target[start + i] += gain * value


def fade(samples, fade_in=0.004, fade_out=0.02):
    """Short raised-cosine fades so that no sound starts or ends with a click."""
    n_in = max(1, int(fade_in * RATE))
    n_out = max(1, int(fade_out * RATE))
    for i in range(min(n_in, len(samples))):
        samples[i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_in)
    for i in range(min(n_out, len(samples))):
        samples[-1 - i] *= 0.5 - 0.5 * math.cos(math.pi * i / n_out)
    return samples


def lowpass(samples, cutoff):
    """One-pole low-pass filter."""
    a = math.exp(-TWO_PI * cutoff / RATE)
    out, y = [], 0.0
    for x in samples:
        y = (1.0 - a) * x + a * y
        out.append(y)
    return out


def highpass(samples, cutoff):
    low = lowpass(samples, cutoff)
    return [x - l for x, l in zip(samples, low)]


def resonator(excitation, freq, decay_seconds):
    """Two-pole resonator: rings at freq and dies away with the given time constant."""
    r = math.exp(-1.0 / (decay_seconds * RATE))
    c1 = 2.0 * r * math.cos(TWO_PI * freq / RATE)
    c2 = -r * r
    gain = math.sin(TWO_PI * freq / RATE)
    out, y1, y2 = [], 0.0, 0.0
    for x in excitation:
        y = gain * x + c1 * y1 + c2 * y2
        out.append(y)
        y2, y1 = y1, y
    return out


def noise(seconds, seed):
    rng = random.Random(seed)
    return [rng.uniform(-1.0, 1.0) for _ in range(int(round(seconds * RATE)))]


def struck_bell(freq, seconds, partials):
    """A bell stroke: decaying inharmonic partials (ratio, level, decay seconds)."""
    n = int(round(seconds * RATE))
    out = [0.0] * n
    for ratio, level, decay in partials:
        f = freq * ratio
        if f >= RATE / 2 - 200:
            continue
        w = TWO_PI * f / RATE
        for i in range(n):
            out[i] += level * math.exp(-i / (decay * RATE)) * math.sin(w * i)
    return fade(out, fade_in=0.003, fade_out=0.06)


# ---------------------------------------------------------------- the sounds

def campainha():
    """Doorbell: a bright "ding" and a lower "dong" on tuned chime bars."""
    chime = [(1.0, 1.0, 1.1), (2.0, 0.35, 0.6), (2.76, 0.22, 0.35),
             (5.40, 0.10, 0.15), (8.93, 0.05, 0.08)]
    out = silence(1.9)
    mix_into(out, struck_bell(659.25, 1.9, chime), 0.0)          # E5
    mix_into(out, struck_bell(523.25, 1.32, chime), 0.58, 0.95)  # C5
    return fade(out, fade_out=0.15)


def cuco():
    """Cuckoo clock: two pipe notes a major third apart, called twice."""
    def pipe(freq, seconds, seed):
        n = int(round(seconds * RATE))
        breath = lowpass(lowpass(highpass(noise(seconds, seed), freq * 0.7), freq * 1.2), freq * 1.2)
        out, phase = [], 0.0
        for i in range(n):
            t = i / RATE
            env = min(1.0, t / 0.025) * min(1.0, (seconds - t) / 0.07)
            droop = 1.0 - 0.02 * max(0.0, (t - seconds * 0.6) / (seconds * 0.4))
            phase += TWO_PI * freq * droop / RATE
            tone = (math.sin(phase) + 0.22 * math.sin(2 * phase) + 0.08 * math.sin(3 * phase))
            out.append(env * (tone + 0.6 * breath[i]))
        return out

    out = silence(1.55)
    start = 0.02
    for call in range(2):
        mix_into(out, pipe(740.0, 0.24, 11 + call), start)          # F#5
        mix_into(out, pipe(587.33, 0.36, 21 + call), start + 0.30)  # D5
        start += 0.80
    return fade(out)


def nave():
    """Spaceship: a swelling FM sweep up and down with a shimmering whoosh."""
    seconds = 2.1
    n = int(round(seconds * RATE))
    whoosh = lowpass(noise(seconds, 5), 1800.0)
    out, phase, mod_phase = [], 0.0, 0.0
    for i in range(n):
        t = i / RATE
        if t < 1.2:
            freq = 140.0 * (1600.0 / 140.0) ** (t / 1.2)
        else:
            freq = 1600.0 * (380.0 / 1600.0) ** ((t - 1.2) / (seconds - 1.2))
        freq *= 1.0 + 0.03 * math.sin(TWO_PI * 7.0 * t)
        mod_phase += TWO_PI * freq * 1.5 / RATE
        index = 1.8 * math.sin(math.pi * t / seconds)
        phase += TWO_PI * freq / RATE
        env = math.sin(math.pi * t / seconds) ** 0.6
        value = math.sin(phase + index * math.sin(mod_phase))
        out.append(env * (0.8 * value + 0.25 * whoosh[i] * env))
    return fade(out)


def sirene():
    """Siren: a wailing tone rising and falling twice."""
    seconds = 2.5
    n = int(round(seconds * RATE))
    cycle = seconds / 2.0
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        position = (t % cycle) / cycle
        sweep = 0.5 - 0.5 * math.cos(TWO_PI * position)  # 0 -> 1 -> 0
        freq = 520.0 + 620.0 * sweep
        phase += TWO_PI * freq / RATE
        value = 0.0
        for h in range(1, 7):
            value += math.sin(h * phase) / (h * h ** 0.3)
        env = min(1.0, t / 0.08) * min(1.0, (seconds - t) / 0.2)
        out.append(env * value)
    return fade(out, fade_out=0.05)


def telefone():
    """Telephone: a hammer ringing two small bells twenty times a second, twice."""
    seconds = 2.3
    n = int(round(seconds * RATE))
    strikes_a = [0.0] * n
    strikes_b = [0.0] * n
    for burst_start in (0.0, 1.25):
        k = 0
        while k / 40.0 < 0.95:
            i = int(round((burst_start + k / 40.0) * RATE))
            if i < n:
                (strikes_a if k % 2 == 0 else strikes_b)[i] = 1.0
            k += 1
    out = [0.0] * n
    for strikes, base in ((strikes_a, 1180.0), (strikes_b, 1420.0)):
        for ratio, level, decay in ((1.0, 1.0, 0.12), (2.72, 0.45, 0.05), (4.1, 0.2, 0.03)):
            ring = resonator(strikes, base * ratio, decay)
            for i in range(n):
                out[i] += level * ring[i]
    return fade(out, fade_out=0.08)


def tiro():
    """Gunshot: a sharp crack, a deep thump and a short echoing tail."""
    seconds = 1.0
    n = int(round(seconds * RATE))
    crack = noise(seconds, 77)
    body = lowpass(noise(seconds, 78), 2500.0)
    tail = lowpass(lowpass(noise(seconds, 79), 900.0), 900.0)
    out, phase = [], 0.0
    for i in range(n):
        t = i / RATE
        value = crack[i] * math.exp(-t / 0.004)
        value += 1.6 * body[i] * math.exp(-t / 0.05)
        phase += TWO_PI * (60.0 + 90.0 * math.exp(-t / 0.03)) / RATE
        value += 0.9 * math.sin(phase) * math.exp(-t / 0.09)
        value += 1.4 * tail[i] * math.exp(-t / 0.22) * min(1.0, t / 0.01)
        out.append(value)
    return fade(out, fade_in=0.0005, fade_out=0.1)


def aha():
    """A short "aha" chime: two rising mallet notes."""
    mallet = [(1.0, 1.0, 0.45), (3.93, 0.25, 0.08), (9.2, 0.06, 0.03)]
    out = silence(1.0)
    mix_into(out, struck_bell(880.0, 1.0, mallet), 0.0)        # A5
    mix_into(out, struck_bell(1318.51, 0.85, mallet), 0.14)    # E6
    return fade(out, fade_out=0.12)


SOUNDS = {
    "CAMPAINHA": (campainha, 1.0),
    "CUCO": (cuco, 0.9),
    "NAVE": (nave, 0.85),
    "SIRENE": (sirene, 0.7),
    "TELEFONE": (telefone, 0.85),
    "TIRO": (tiro, 1.0),
    "AHA": (aha, 0.9),
}


def write_wav(path, samples, level):
    peak = max(abs(x) for x in samples) or 1.0
    scale = PEAK * level / peak
    frames = bytearray()
    for x in samples:
        value = int(round(x * scale * 32767.0))
        frames += struct.pack("<h", max(-32768, min(32767, value)))
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(bytes(frames))


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    default = os.path.join(here, "..", "..", "resources", "sounds")
    folder = os.path.normpath(sys.argv[1] if len(sys.argv) > 1 else default)
    os.makedirs(folder, exist_ok=True)
    for name, (make, level) in SOUNDS.items():
        path = os.path.join(folder, name + ".wav")
        write_wav(path, make(), level)
        print(path)


if __name__ == "__main__":
    main()
