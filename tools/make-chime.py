#!/usr/bin/env python3
"""Writes the popup's chime, packaging/app/Sounds/Message.wav: three soft rising bell notes,
16-bit mono at 22050 Hz, about half a second. Usage: tools/make-chime.py [OUTPUT]"""
import math
import os
import struct
import sys
import wave

RATE = 22050
LENGTH_S = 0.55
# (start in seconds, frequency in Hz, loudness): C6, E6, G6.
NOTES = [(0.00, 1046.50, 1.0), (0.09, 1318.51, 0.85), (0.18, 1567.98, 0.75)]
ATTACK_S = 0.006  # a short rise so the notes start without a click
DECAY_PER_S = 9.0  # the bell's fall
PEAK = 0.45  # of full scale


def sample(t):
    value = 0.0
    for start, freq, loud in NOTES:
        since = t - start
        if since < 0:
            continue
        envelope = min(1.0, since / ATTACK_S) * math.exp(-DECAY_PER_S * since)
        # A little of the octave above gives the bell its shine.
        tone = math.sin(2 * math.pi * freq * since) + 0.25 * math.sin(4 * math.pi * freq * since)
        value += loud * envelope * tone
    return value


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        root, "packaging", "app", "Sounds", "Message.wav")
    count = int(RATE * LENGTH_S)
    raw = [sample(i / RATE) for i in range(count)]
    # Fade the last 40 ms to silence so the end does not click either.
    fade = int(RATE * 0.04)
    for i in range(fade):
        raw[count - fade + i] *= 1.0 - (i + 1) / fade
    scale = PEAK * 32767 / max(abs(v) for v in raw)
    frames = b"".join(struct.pack("<h", round(v * scale)) for v in raw)
    os.makedirs(os.path.dirname(out), exist_ok=True)
    with wave.open(out, "wb") as wav:
        wav.setnchannels(1)
        wav.setsampwidth(2)
        wav.setframerate(RATE)
        wav.writeframes(frames)
    print(f"{out}: {count / RATE:.2f} s, {RATE} Hz, 16-bit mono")


if __name__ == "__main__":
    main()
