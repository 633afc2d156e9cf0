#!/usr/bin/env python3
"""Draws Pelmora's artwork and writes it as Windows resource files.

Outputs (in src/resources unless another folder is given):
  Pelmora.ico       application icon, 32 x 32, 256 colours, with AND mask
  CaptureGlyph.bmp  "Capture" button glyph, 32 x 32, 256 colours
  ViewGlyph.bmp     "View" button glyph, 32 x 32, 256 colours
  Logo.bmp          main window logo, 62 x 62, 24-bit

Pure Python: the shapes are sampled on a 4 x 4 grid per pixel for smooth
edges, and the BMP and ICO encoders are written out with struct.pack.

Usage: tools/make-art.py [output-folder]
"""

import math
import os
import struct
import sys

SUPERSAMPLE = 4

# Flat speed buttons do not draw pixels equal to the bottom-left one. This
# magenta is used nowhere in the art, so only the background disappears.
GLYPH_KEY = (255, 0, 255)


# ---------------------------------------------------------------- shapes ---
# A shape is a predicate inside(x, y) on pixel coordinates, where pixel
# (i, j) covers [i, i+1) x [j, j+1) and y grows downwards.

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded_rect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_outer, r_inner):
    def inside(x, y):
        d2 = (x - cx) ** 2 + (y - cy) ** 2
        return r_inner * r_inner <= d2 <= r_outer * r_outer
    return inside


def segment_distance(x, y, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((x - ax) * dx + (y - ay) * dy) / float(dx * dx + dy * dy)
    t = min(max(t, 0.0), 1.0)
    return math.hypot(x - (ax + t * dx), y - (ay + t * dy))


def capsule(ax, ay, bx, by, half_width):
    """A thick line from a to b with round ends."""
    return lambda x, y: segment_distance(x, y, ax, ay, bx, by) <= half_width


def polygon(points):
    def inside(x, y):
        result = False
        n = len(points)
        for i in range(n):
            (xa, ya), (xb, yb) = points[i], points[(i + 1) % n]
            if (ya > y) != (yb > y):
                if x < xa + (y - ya) * (xb - xa) / (yb - ya):
                    result = not result
        return result
    return inside


def intersect(*shapes):
    return lambda x, y: all(s(x, y) for s in shapes)


def subtract(shape, hole):
    return lambda x, y: shape(x, y) and not hole(x, y)


def vertical_gradient(top_colour, bottom_colour, y0, y1):
    def colour(x, y):
        t = min(max((y - y0) / float(y1 - y0), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(top_colour, bottom_colour))
    return colour


def diagonal_gradient(light, dark, x0, y0, size):
    """Light at the top-left corner (x0, y0), dark towards the bottom-right."""
    def colour(x, y):
        t = min(max(((x - x0) + (y - y0)) / (2.0 * size), 0.0), 1.0)
        return tuple(a + (b - a) * t for a, b in zip(light, dark))
    return colour


# ---------------------------------------------------------------- canvas ---

class Canvas:
    """Premultiplied RGBA pixels; starts fully transparent."""

    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def fill(self, shape, colour):
        """Paints shape over the canvas; colour is an RGB tuple or a
        function (x, y) -> RGB evaluated at the pixel centre."""
        step = 1.0 / SUPERSAMPLE
        offsets = [(k + 0.5) * step for k in range(SUPERSAMPLE)]
        samples = SUPERSAMPLE * SUPERSAMPLE
        for j in range(self.height):
            row = self.pixels[j]
            for i in range(self.width):
                hits = sum(1 for oy in offsets for ox in offsets
                           if shape(i + ox, j + oy))
                if hits == 0:
                    continue
                a = hits / float(samples)
                rgb = colour(i + 0.5, j + 0.5) if callable(colour) else colour
                r, g, b, alpha = row[i]
                row[i] = (rgb[0] * a + r * (1 - a), rgb[1] * a + g * (1 - a),
                          rgb[2] * a + b * (1 - a), a + alpha * (1 - a))

    def flatten(self, background):
        """Opaque RGB rows, the art composited over a background colour."""
        return [[tuple(int(round(c + bg * (1 - a)))
                       for c, bg in zip((r, g, b), background))
                 for (r, g, b, a) in row] for row in self.pixels]

    def cut_out(self, key):
        """RGB rows with hard edges: pixels at least half covered keep their
        own colour, the rest become key. Returns (rows, opaque mask rows)."""
        rows, mask = [], []
        for row in self.pixels:
            out, opaque = [], []
            for (r, g, b, a) in row:
                if a >= 0.5:
                    out.append(tuple(min(255, int(round(c / a))) for c in (r, g, b)))
                    opaque.append(True)
                else:
                    out.append(key)
                    opaque.append(False)
            rows.append(out)
            mask.append(opaque)
        return rows, mask


def to_palette(rows, reserved=()):
    """Maps RGB rows onto at most 256 colours. Colours in reserved keep
    their exact value and no other colour is allowed to collapse onto them."""
    levels = 256
    while True:
        def snap(c):
            if c in reserved:
                return c
            q = 256 // levels
            return tuple(min(255, (v // q) * q + q // 2) if q > 1 else v for v in c)
        snapped = [[snap(c) for c in row] for row in rows]
        colours = sorted({c for row in snapped for c in row})
        clash = any(snap(c) in reserved for row in rows for c in row if c not in reserved)
        if len(colours) <= 256 and not clash:
            index = {c: n for n, c in enumerate(colours)}
            palette = colours + [(0, 0, 0)] * (256 - len(colours))
            return palette, [[index[c] for c in row] for row in snapped]
        levels //= 2


# -------------------------------------------------------------- encoders ---

def bitmap_info_header(width, height, bits, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, 0, 0)


def pad_row(data):
    return data + b'\0' * ((4 - len(data) % 4) % 4)


def palette_bytes(palette):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in palette)


def bmp_file(info_and_pixels, pixel_offset):
    header = struct.pack('<2sIHHI', b'BM', 14 + len(info_and_pixels), 0, 0,
                         14 + pixel_offset)
    return header + info_and_pixels


def encode_bmp24(rows):
    height, width = len(rows), len(rows[0])
    pixels = b''.join(pad_row(b''.join(struct.pack('<BBB', b, g, r) for (r, g, b) in row))
                      for row in reversed(rows))
    info = bitmap_info_header(width, height, 24, len(pixels))
    return bmp_file(info + pixels, len(info))


def encode_bmp8(palette, indices):
    height, width = len(indices), len(indices[0])
    pixels = b''.join(pad_row(bytes(row)) for row in reversed(indices))
    info = bitmap_info_header(width, height, 8, len(pixels)) + palette_bytes(palette)
    return bmp_file(info + pixels, len(info))


def encode_ico8(palette, indices, opaque):
    """One 8-bit image with its AND mask (1 = transparent)."""
    height, width = len(indices), len(indices[0])
    xor = b''.join(pad_row(bytes(row)) for row in reversed(indices))
    and_rows = []
    for row in reversed(opaque):
        bits = bytearray((width + 7) // 8)
        for i, is_opaque in enumerate(row):
            if not is_opaque:
                bits[i // 8] |= 0x80 >> (i % 8)
        and_rows.append(pad_row(bytes(bits)))
    image = (bitmap_info_header(width, height * 2, 8, len(xor) + sum(map(len, and_rows)))
             + palette_bytes(palette) + xor + b''.join(and_rows))
    directory = struct.pack('<HHH', 0, 1, 1)
    entry = struct.pack('<BBBBHHII', width % 256, height % 256, 0, 0, 1, 8,
                        len(image), 6 + 16)
    return directory + entry + image


# ------------------------------------------------------------------ art ---

BEZEL_LIGHT = (112, 118, 132)
BEZEL_DARK = (52, 56, 66)
SCREEN_TOP = (150, 200, 250)
SCREEN_BOTTOM = (40, 100, 190)
STAND = (90, 95, 108)
OUTLINE = (30, 32, 40)


def draw_monitor(canvas):
    """A monitor filling the upper part of a 32 x 32 canvas; returns the
    screen rectangle."""
    canvas.fill(rect(13, 23, 19, 27), STAND)
    canvas.fill(rounded_rect(8, 26, 24, 30, 1.5), OUTLINE)
    canvas.fill(rounded_rect(9, 26.5, 23, 29, 1), STAND)
    canvas.fill(rounded_rect(1, 3, 31, 24, 2.5), OUTLINE)
    canvas.fill(rounded_rect(2, 4, 30, 23, 1.8), diagonal_gradient(BEZEL_LIGHT, BEZEL_DARK, 2, 4, 28))
    screen = (4, 6, 28, 21)
    canvas.fill(rect(*screen), vertical_gradient(SCREEN_TOP, SCREEN_BOTTOM, 6, 21))
    return screen


def draw_capture_glyph():
    canvas = Canvas(32, 32)
    x0, y0, x1, y1 = draw_monitor(canvas)
    # A green stroke across the screen, the brush resting at its end.
    stroke = intersect(rect(x0, y0, x1, y1),
                       lambda x, y: abs((y - 18.5) + 0.35 * (x - 14) - 0.02 * (x - 14) ** 2) <= 1.6)
    canvas.fill(stroke, (40, 190, 60))
    handle = capsule(29.5, 2.5, 22.5, 10.5, 1.6)
    canvas.fill(capsule(29.5, 2.5, 22.5, 10.5, 2.4), OUTLINE)
    canvas.fill(handle, (170, 110, 50))
    canvas.fill(capsule(22.5, 10.5, 20.5, 12.8, 2.1), OUTLINE)
    canvas.fill(capsule(22.5, 10.5, 20.5, 12.8, 1.5), (200, 205, 215))
    tip = polygon([(19.0, 11.0), (22.3, 14.0), (17.0, 18.8), (15.6, 16.0)])
    canvas.fill(polygon([(18.6, 10.0), (23.4, 14.2), (16.6, 20.0), (14.6, 16.0)]), (20, 90, 30))
    canvas.fill(tip, vertical_gradient((90, 230, 100), (20, 150, 40), 11, 19))
    return canvas


def draw_view_glyph():
    canvas = Canvas(32, 32)
    canvas.fill(capsule(19, 19, 28.5, 28.5, 3.4), OUTLINE)
    canvas.fill(capsule(19.5, 19.5, 28, 28, 2.4), diagonal_gradient((150, 95, 50), (80, 45, 20), 19, 19, 10))
    canvas.fill(circle(13, 13, 11.1), OUTLINE)
    canvas.fill(ring(13, 13, 10.1, 8.0), diagonal_gradient((220, 224, 232), (110, 116, 130), 2, 2, 22))
    canvas.fill(circle(13, 13, 8.0), vertical_gradient((205, 232, 255), (120, 175, 235), 5, 21))
    highlight = intersect(ring(13, 13, 6.5, 4.5), lambda x, y: x < 13 and y < 13 and x + y < 22.5)
    canvas.fill(highlight, (255, 255, 255))
    return canvas


def draw_icon():
    canvas = Canvas(32, 32)
    x0, y0, x1, y1 = draw_monitor(canvas)
    cx, cy, radius = (x0 + x1) / 2.0, (y0 + y1) / 2.0, 6.6
    canvas.fill(circle(cx, cy, radius + 0.9), (235, 240, 250))
    blade_shades = [(55, 60, 75), (85, 92, 110)]

    def blade(k):
        # Six blades, each a sector twisted with the radius, around a
        # hexagonal opening.
        def inside(x, y):
            r = math.hypot(x - cx, y - cy)
            if r > radius:
                return False
            angle = math.degrees(math.atan2(y - cy, x - cx)) + 40.0 * r / radius
            return int((angle % 360.0) // 60.0) % 2 == k
        return inside

    for k, shade in enumerate(blade_shades):
        canvas.fill(blade(k), shade)
    opening = polygon([(cx + 2.6 * math.cos(math.radians(60 * k + 30)),
                        cy + 2.6 * math.sin(math.radians(60 * k + 30))) for k in range(6)])
    canvas.fill(opening, (160, 215, 255))
    return canvas


def draw_logo():
    canvas = Canvas(62, 62)
    ground = (244, 247, 255)
    canvas.fill(rect(0, 0, 62, 62), ground)
    navy, blue, sky = (20, 45, 120), (40, 100, 200), (120, 180, 245)
    # Viewfinder corner brackets.
    for (cx, cy, dx, dy) in ((3, 3, 1, 1), (59, 3, -1, 1), (3, 59, 1, -1), (59, 59, -1, -1)):
        canvas.fill(capsule(cx, cy, cx + 12 * dx, cy, 1.6), blue)
        canvas.fill(capsule(cx, cy, cx, cy + 12 * dy, 1.6), blue)
    c = 31
    canvas.fill(circle(c, c, 22), navy)
    canvas.fill(ring(c, c, 20.5, 16.5), diagonal_gradient(sky, blue, 10, 10, 42))
    canvas.fill(circle(c, c, 15), vertical_gradient((30, 70, 160), (10, 25, 80), 16, 46))
    canvas.fill(circle(c, c, 9), vertical_gradient((90, 160, 240), (30, 80, 190), 22, 40))
    canvas.fill(circle(c, c, 4), navy)
    canvas.fill(circle(c - 6, c - 6, 3.2), (235, 245, 255))
    canvas.fill(circle(c + 7, c + 7, 1.6), (170, 210, 255))
    # Little crosshair ticks in the ring, like a focusing screen.
    for (dx, dy) in ((0, -1), (1, 0), (0, 1), (-1, 0)):
        canvas.fill(capsule(c + 17 * dx, c + 17 * dy, c + 20 * dx, c + 20 * dy, 0.8), navy)
    return canvas.flatten(ground)


def glyph_bmp(canvas):
    rows, _ = canvas.cut_out(GLYPH_KEY)
    if rows[-1][0] != GLYPH_KEY:
        raise ValueError('glyph art reaches the bottom-left pixel, the transparent colour')
    palette, indices = to_palette(rows, reserved=(GLYPH_KEY,))
    return encode_bmp8(palette, indices)


def icon_ico(canvas):
    rows, opaque = canvas.cut_out((0, 0, 0))
    palette, indices = to_palette(rows, reserved=((0, 0, 0),))
    return encode_ico8(palette, indices, opaque)


def write_file(path, data):
    """Writes beside the target first, so a failure never leaves a
    half-written file in place of a good one."""
    temp = path + '.tmp'
    with open(temp, 'wb') as f:
        f.write(data)
    os.replace(temp, path)
    print('wrote %s (%d bytes)' % (os.path.relpath(path), len(data)))


def main(argv):
    if len(argv) > 2:
        sys.exit('usage: make-art.py [output-folder]')
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) == 2 else os.path.join(here, '..', 'src', 'resources')
    if not os.path.isdir(out):
        sys.exit('make-art.py: output folder does not exist: %s' % out)
    write_file(os.path.join(out, 'Pelmora.ico'), icon_ico(draw_icon()))
    write_file(os.path.join(out, 'CaptureGlyph.bmp'), glyph_bmp(draw_capture_glyph()))
    write_file(os.path.join(out, 'ViewGlyph.bmp'), glyph_bmp(draw_view_glyph()))
    write_file(os.path.join(out, 'Logo.bmp'), encode_bmp24(draw_logo()))


if __name__ == '__main__':
    main(sys.argv)
