#!/usr/bin/env python3
"""Writes jpeg_fixture.ppm: a tiny screenshot-like picture (flat areas, a
title bar, hard text-like edges, a button, a gradient) for the JPEG encoder
tests. The reference jpeg_fixture.jpg next to it was made from it with the
distribution's libjpeg-turbo 2.1.5 tools:

    cjpeg -quality 90 -dct float -baseline jpeg_fixture.ppm > jpeg_fixture.jpg
"""
import os
import random

W, H = 97, 61
rng = random.Random(1977)
img = [[(212, 208, 200)] * W for _ in range(H)]  # dialog grey


def fill(x0, y0, x1, y1, colour):
    for y in range(max(0, y0), min(H, y1)):
        for x in range(max(0, x0), min(W, x1)):
            img[y][x] = colour


# Title bar: a blue gradient with white "caption" strokes.
for x in range(W):
    fill(x, 0, x + 1, 12, (10, 36 + x, 106 + x))
for i in range(8):
    x = 4 + i * 5
    fill(x, 3, x + 1, 9, (255, 255, 255))
    if i % 2:
        fill(x, 3, x + 3, 4, (255, 255, 255))
# Client area: white page with black text-like rows of random glyph strokes.
fill(3, 15, 70, 58, (255, 255, 255))
for row in range(5):
    y = 18 + row * 8
    x = 6
    while x < 66:
        glyph = rng.randrange(1, 4)
        for gx in range(glyph):
            for gy in range(6):
                if rng.random() < 0.55:
                    img[y + gy][x + gx] = (0, 0, 0)
        x += glyph + 1 + (3 if rng.random() < 0.2 else 0)
# A button with a one-pixel frame and red label, and a small green check.
fill(74, 20, 94, 32, (0, 0, 0))
fill(75, 21, 93, 31, (240, 240, 240))
fill(79, 25, 89, 27, (200, 20, 20))
fill(76, 40, 84, 48, (30, 160, 60))
header = (f"P6\n{W} {H}\n255\n").encode()
with open(os.path.join(os.path.dirname(os.path.abspath(__file__)), "jpeg_fixture.ppm"), "wb") as f:
    f.write(header + bytes(c for line in img for px in line for c in px))
