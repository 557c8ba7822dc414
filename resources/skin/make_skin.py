#!/usr/bin/env python3
"""Draws the editor's own pictures and writes them as PNG files beside this script.

  background.png  the skin painted behind every dialog: a calm diagonal gradient with a fine
                  hatch, light enough for dark bold text (the editor tiles it mirrored, so any
                  window size continues it without seams)
  database.png    the 32 by 32 icon of a database in the database lists
  splash.png      the picture of the start window: a pitch seen from above

Only the standard library is used; the output is the same on every run.
    python3 resources/skin/make_skin.py
"""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def write_png(path, width, height, rows, alpha):
    """rows: one bytes object per row, RGB or RGBA."""
    colour_type = 6 if alpha else 2
    raw = b"".join(b"\x00" + row for row in rows)

    def chunk(tag, data):
        body = tag + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0)
    with open(path, "wb") as out:
        out.write(b"\x89PNG\r\n\x1a\n")
        out.write(chunk(b"IHDR", header))
        out.write(chunk(b"IDAT", zlib.compress(raw, 9)))
        out.write(chunk(b"IEND", b""))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(len(a)))


def clamp_byte(v):
    return max(0, min(255, int(round(v))))


# --- background ----------------------------------------------------------------------------

BG_WIDTH, BG_HEIGHT = 1024, 768
BG_LIGHT = (229, 235, 241)  # top left
BG_DARK = (201, 213, 224)   # bottom right
HATCH_PERIOD = 7            # pixels between the hatch lines
HATCH_DEPTH = 0.035         # how much darker a hatch line is


def background():
    rows = []
    diagonal = BG_WIDTH + BG_HEIGHT
    for y in range(BG_HEIGHT):
        row = bytearray()
        for x in range(BG_WIDTH):
            t = (x + y) / diagonal
            # A soft light spot in the upper left third keeps the picture from looking flat.
            dx = (x - BG_WIDTH * 0.3) / BG_WIDTH
            dy = (y - BG_HEIGHT * 0.25) / BG_HEIGHT
            glow = math.exp(-(dx * dx + dy * dy) * 6.0) * 0.35
            colour = mix(BG_LIGHT, BG_DARK, max(0.0, t - glow * 0.5))
            # Fine hatch rising to the right, anti-aliased over two pixels.
            phase = ((x - y) % HATCH_PERIOD) / HATCH_PERIOD
            line = max(0.0, 1.0 - abs(phase - 0.5) * HATCH_PERIOD / 1.2)
            shade = 1.0 - HATCH_DEPTH * line
            row += bytes(clamp_byte(c * shade) for c in colour)
        rows.append(bytes(row))
    write_png(os.path.join(HERE, "background.png"), BG_WIDTH, BG_HEIGHT, rows, alpha=False)


# --- supersampled drawing for the icon and the splash ---------------------------------------

class Canvas:
    """An RGBA canvas drawn at `scale` times the size and reduced by averaging."""

    def __init__(self, width, height, scale, fill):
        self.width, self.height, self.scale = width, height, scale
        self.w, self.h = width * scale, height * scale
        self.px = [list(fill) for _ in range(self.w * self.h)]

    def put(self, x, y, colour):
        if 0 <= x < self.w and 0 <= y < self.h:
            p = self.px[y * self.w + x]
            a = colour[3] / 255.0 if len(colour) == 4 else 1.0
            for i in range(3):
                p[i] = p[i] + (colour[i] - p[i]) * a
            p[3] = p[3] + (255 - p[3]) * a

    def fill(self, inside, colour_at):
        for y in range(self.h):
            for x in range(self.w):
                fx, fy = (x + 0.5) / self.scale, (y + 0.5) / self.scale
                if inside(fx, fy):
                    self.put(x, y, colour_at(fx, fy))

    def rows(self):
        s = self.scale
        out = []
        for y in range(self.height):
            row = bytearray()
            for x in range(self.width):
                acc = [0.0, 0.0, 0.0, 0.0]
                for sy in range(s):
                    for sx in range(s):
                        p = self.px[(y * s + sy) * self.w + x * s + sx]
                        a = p[3] / 255.0
                        acc[0] += p[0] * a
                        acc[1] += p[1] * a
                        acc[2] += p[2] * a
                        acc[3] += p[3]
                alpha = acc[3] / (s * s)
                weight = alpha / 255.0 * s * s
                if weight > 0:
                    rgb = [clamp_byte(acc[i] / weight) for i in range(3)]
                else:
                    rgb = [0, 0, 0]
                row += bytes(rgb + [clamp_byte(alpha)])
            out.append(bytes(row))
        return out


def database_icon():
    c = Canvas(32, 32, 4, (0, 0, 0, 0))
    left, right = 5.0, 27.0
    cx, rx, ry = 16.0, 11.0, 3.6
    top, bottom = 6.5, 25.5
    body_dark, body_light = (38, 86, 140), (92, 152, 210)

    def body_colour(fx, fy):
        t = (fx - left) / (right - left)
        shade = 1.0 - abs(t - 0.35) * 1.1
        return mix(body_dark, body_light, max(0.0, min(1.0, shade))) + (255,)

    def in_ellipse(fx, fy, cy):
        return ((fx - cx) / rx) ** 2 + ((fy - cy) / ry) ** 2 <= 1.0

    # Body with a rounded bottom, then the bands between the disks, then the lid.
    c.fill(lambda fx, fy: (left <= fx <= right and top <= fy <= bottom) or in_ellipse(fx, fy, bottom),
           body_colour)
    for band in (12.8, 19.1):
        c.fill(lambda fx, fy, b=band: abs(((fx - cx) / rx) ** 2 + ((fy - b) / ry) ** 2 - 1.0) < 0.18
               and fy > b, lambda fx, fy: (225, 238, 250, 200))
    c.fill(lambda fx, fy: in_ellipse(fx, fy, top), lambda fx, fy: (170, 205, 238, 255))
    c.fill(lambda fx, fy: abs(((fx - cx) / rx) ** 2 + ((fy - top) / ry) ** 2 - 1.0) < 0.16,
           lambda fx, fy: (30, 64, 104, 255))
    # Outline of the sides and the bottom.
    c.fill(lambda fx, fy: (abs(fx - left) < 0.6 or abs(fx - right) < 0.6) and top <= fy <= bottom,
           lambda fx, fy: (30, 64, 104, 255))
    c.fill(lambda fx, fy: abs(((fx - cx) / rx) ** 2 + ((fy - bottom) / ry) ** 2 - 1.0) < 0.16
           and fy > bottom, lambda fx, fy: (30, 64, 104, 255))
    write_png(os.path.join(HERE, "database.png"), 32, 32, c.rows(), alpha=True)


def splash():
    width, height = 480, 300
    c = Canvas(width, height, 2, (0, 0, 0, 255))
    stripe = width / 12.0

    def grass(fx, fy):
        light = int(fx // stripe) % 2 == 0
        base = (58, 128, 72) if light else (50, 114, 64)
        # Darker towards the edges, as under stadium lights.
        dx, dy = (fx / width - 0.5), (fy / height - 0.5)
        shade = 1.0 - (dx * dx + dy * dy) * 0.9
        return tuple(v * shade for v in base) + (255,)

    c.fill(lambda fx, fy: True, grass)
    white = (240, 244, 240, 235)
    m = 22.0
    x0, y0, x1, y1 = m, m, width - m, height - m
    lw = 1.6

    def on_line(fx, fy):
        # Touch lines and goal lines.
        if (abs(fx - x0) < lw or abs(fx - x1) < lw) and y0 - lw <= fy <= y1 + lw:
            return True
        if (abs(fy - y0) < lw or abs(fy - y1) < lw) and x0 - lw <= fx <= x1 + lw:
            return True
        mx, my = width / 2.0, height / 2.0
        if abs(fx - mx) < lw and y0 <= fy <= y1:
            return True
        r = math.hypot(fx - mx, fy - my)
        if abs(r - 46.0) < lw or r < 3.0:
            return True
        # Penalty areas and goal areas at both ends.
        for gx, direction in ((x0, 1), (x1, -1)):
            for depth, half in ((70.0, 82.0), (26.0, 36.0)):
                ex = gx + direction * depth
                lo, hi = min(gx, ex), max(gx, ex)
                if abs(fx - ex) < lw and abs(fy - my) <= half:
                    return True
                if lo <= fx <= hi and abs(abs(fy - my) - half) < lw:
                    return True
            spot = gx + direction * 48.0
            if math.hypot(fx - spot, fy - my) < 2.4:
                return True
            # The arc outside the penalty area.
            rr = math.hypot(fx - spot, fy - my)
            if abs(rr - 46.0) < lw and (fx - (gx + direction * 70.0)) * direction > 0:
                return True
        return False

    c.fill(on_line, lambda fx, fy: white)
    write_png(os.path.join(HERE, "splash.png"), width, height, c.rows(), alpha=True)


if __name__ == "__main__":
    background()
    database_icon()
    splash()
