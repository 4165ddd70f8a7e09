#!/usr/bin/env python3
"""Paints the banner's landscape (sky at dusk, sun, two ranges of hills, a lake)
as a binary PPM on standard output. Deterministic: the same bytes every run."""
import math
import sys

W, H = 538, 123
HORIZON = 78


def mix(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def ridge(x, seed, scale, height):
    # A sum of detuned sines: rolling hills without visible repetition.
    v = 0.0
    amp = 1.0
    freq = 1.0 / scale
    for octave in range(5):
        v += amp * math.sin(x * freq * (1.7 ** octave) + seed * (octave + 1) * 1.31)
        amp *= 0.5
    return v * height


SUN_X, SUN_Y = 232.0, 60.0
pixels = bytearray()
for y in range(H):
    for x in range(W):
        # Sky: deep blue overhead to warm amber at the horizon.
        t = y / HORIZON
        c = mix((18, 30, 92), (92, 70, 140), t * 1.2)
        c = mix(c, (250, 170, 90), (t - 0.45) * 1.8)
        d = math.hypot(x - SUN_X, (y - SUN_Y) * 1.6)
        glow = math.exp(-d / 55.0)
        c = mix(c, (255, 214, 140), glow * 0.85)
        if d < 9:
            c = mix(c, (255, 246, 210), 1.0 - d / 9 * 0.4)
        # Thin clouds lit from below.
        cloud = math.sin(x / 37.0 + math.sin(y / 5.0)) * math.sin(x / 91.0 + 1.3) * math.exp(-((y - 24) / 9.0) ** 2)
        if cloud > 0.25:
            c = mix(c, (255, 190, 150), (cloud - 0.25) * 0.9)
        # Far range: hazy violet.
        far = HORIZON - 14 + ridge(x, 1.0, 60.0, 7.0)
        if y >= far:
            c = mix((96, 72, 128), (70, 52, 100), (y - far) / 20.0)
            c = mix(c, (250, 170, 90), 0.18 * math.exp(-(y - far) / 4.0))
        # Near range: dark forest green with lit edges.
        near = HORIZON - 3 + ridge(x, 4.0, 34.0, 9.0)
        if y >= near:
            shade = 0.5 + 0.5 * math.sin(x / 3.1 + y / 2.3) * math.sin(x / 7.7)
            c = mix((28, 52, 30), (14, 30, 18), (y - near) / 30.0)
            c = mix(c, (40, 66, 36), shade * 0.35)
            if y - near < 1.5:
                c = mix(c, (200, 140, 80), 0.5)
        # Lake at the foot of the hills, mirroring the sky.
        if y >= 104:
            ry = 2 * 104 - y - 22
            r = mix((18, 30, 92), (250, 170, 90), (ry / HORIZON - 0.3) * 1.5)
            ripple = 0.05 * math.sin(x / 5.0 + y * 2.3 + math.sin(x / 17.0) * 3) * math.sin(x / 23.0)
            sun_path = math.exp(-abs(x - SUN_X) / 14.0) * (0.6 + ripple * 3)
            c = mix(mix(r, (10, 18, 40), 0.6 + ripple), (255, 220, 150), sun_path * 0.8)
        pixels.extend(int(round(v)) for v in c)

sys.stdout.buffer.write(b"P6\n%d %d\n255\n" % (W, H) + bytes(pixels))
