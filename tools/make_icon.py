#!/usr/bin/env python3
"""Writes the program's icon: a clock face over a globe.

The shapes below are drawn twice from the same list: as the scalable
resources/icons/zorvane.svg, and rasterised (anti-aliased by signed distance,
one sample a pixel) into resources/icons/zorvane-<n>.png for the usual sizes.
Standard library only. Run from anywhere: python3 tools/make_icon.py"""
import math
import struct
import zlib
from pathlib import Path

CANVAS = 256
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
GLOBE = (108.0, 108.0, 96.0)  # centre x, centre y, radius
CLOCK = (176.0, 176.0, 70.0)

OCEAN, OCEAN_EDGE, GRID, LAND = "#2f7fd3", "#16457e", "#a9d1f5", "#4fa34a"
FACE, FACE_EDGE, HAND, CENTRE = "#fbfbf4", "#2b2b2b", "#222222", "#d42a2a"


def globe_shapes():
    cx, cy, r = GLOBE
    s = [("circle", cx, cy, r, OCEAN, None)]
    # Continents, meridians and parallels all lie inside the globe's rim, so
    # that no renderer needs extraping to draw the icon.
    inner = r - 4
    s += [("ellipse", cx - 38, cy - 34, 30, 22, LAND, None), ("ellipse", cx - 22, cy + 40, 18, 30, LAND, None),
          ("ellipse", cx + 44, cy - 40, 34, 20, LAND, None)]
    for rx in (r * 0.42, r * 0.8):
        s.append(("ellipse_ring", cx, cy, rx, inner, 4.0, GRID, None))
    s.append(("segment", cx, cy - inner, cx, cy + inner, 4.0, GRID, None))
    for dy in (-r * 0.5, 0.0, r * 0.5):
        half = math.sqrt(inner * inner - dy * dy)
        s.append(("segment", cx - half, cy + dy, cx + half, cy + dy, 4.0, GRID, None))
    s.append(("ring", cx, cy, r - 3, 6.0, OCEAN_EDGE, None))
    return s


def clock_shapes():
    cx, cy, r = CLOCK
    s = [("circle", cx, cy, r + 6, "#ffffff", None), ("circle", cx, cy, r, FACE, None),
         ("ring", cx, cy, r - 4, 8.0, FACE_EDGE, None)]
    for h in range(12):
        a = math.radians(h * 30)
        inner = r - (22 if h % 3 == 0 else 16)
        s.append(("segment", cx + inner * math.sin(a), cy - inner * math.cos(a), cx + (r - 11) * math.sin(a),
                  cy - (r - 11) * math.cos(a), 6.0 if h % 3 == 0 else 3.5, FACE_EDGE, None))
    # ten past ten
    for angle, length, width in ((-60.0, r * 0.5, 10.0), (60.0, r * 0.72, 7.0)):
        a = math.radians(angle)
        s.append(("segment", cx, cy, cx + length * math.sin(a), cy - length * math.cos(a), width, HAND, None))
    s.append(("circle", cx, cy, 7.0, CENTRE, None))
    return s


SHAPES = globe_shapes() + clock_shapes()


def rgb(colour):
    return tuple(int(colour[i:i + 2], 16) for i in (1, 3, 5))


def distance(shape, x, y):
    """Signed distance from (x, y) to the shape's painted area, negative inside."""
    kind = shape[0]
    if kind == "circle":
        _, cx, cy, r = shape[:4]
        return math.hypot(x - cx, y - cy) - r
    if kind == "ring":
        _, cx, cy, r, w = shape[:5]
        return abs(math.hypot(x - cx, y - cy) - r) - w / 2
    if kind in ("ellipse", "ellipse_ring"):
        _, cx, cy, rx, ry = shape[:5]
        dx, dy = (x - cx) / rx, (y - cy) / ry
        f = math.hypot(dx, dy)
        if f == 0:
            return -min(rx, ry)
        grad = math.hypot(dx / rx, dy / ry) / f
        d = (f - 1) / grad
        return abs(d) - shape[5] / 2 if kind == "ellipse_ring" else d
    if kind == "segment":
        _, x1, y1, x2, y2, w = shape[:6]
        vx, vy = x2 - x1, y2 - y1
        t = max(0.0, min(1.0, ((x - x1) * vx + (y - y1) * vy) / (vx * vx + vy * vy)))
        return math.hypot(x - x1 - t * vx, y - y1 - t * vy) - w / 2
    raise ValueError(kind)


def colour_of(shape):
    return shape[-2]


def render(size):
    scale = CANVAS / size
    rows = []
    for py in range(size):
        row = bytearray(b"\x00")
        for px in range(size):
            x, y = (px + 0.5) * scale, (py + 0.5) * scale
            r = g = b = a = 0.0  # premultiplied
            for shape in SHAPES:
                d = distance(shape, x, y)
                cover = max(0.0, min(1.0, 0.5 - d / scale))
                if cover == 0:
                    continue
                sr, sg, sb = rgb(colour_of(shape))
                r, g, b = sr * cover + r * (1 - cover), sg * cover + g * (1 - cover), sb * cover + b * (1 - cover)
                a = cover + a * (1 - cover)
            if a > 0:
                row += bytes((round(r / a), round(g / a), round(b / a), round(a * 255)))
            else:
                row += b"\x00\x00\x00\x00"
        rows.append(bytes(row))

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def svg():
    out = ['<?xml version="1.0" encoding="UTF-8"?>',
           '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">' % ((CANVAS,) * 4),
           '  <title>Zorvane: a clock face over a globe</title>']
    for s in SHAPES:
        # fills say stroke="none" outright: some renderers stroke them otherwise
        kind, extra = s[0], ' stroke="none"' if s[0] in ("circle", "ellipse") else ""
        if kind == "circle":
            out.append('  <circle cx="%s" cy="%s" r="%s" fill="%s"%s/>' % (fmt(s[1]), fmt(s[2]), fmt(s[3]), s[4], extra))
        elif kind == "ring":
            out.append('  <circle cx="%s" cy="%s" r="%s" fill="none" stroke="%s" stroke-width="%s"%s/>' %
                       (fmt(s[1]), fmt(s[2]), fmt(s[3]), s[5], fmt(s[4]), extra))
        elif kind == "ellipse":
            out.append('  <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="%s"%s/>' %
                       (fmt(s[1]), fmt(s[2]), fmt(s[3]), fmt(s[4]), s[5], extra))
        elif kind == "ellipse_ring":
            out.append('  <ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="%s" stroke-width="%s"%s/>' %
                       (fmt(s[1]), fmt(s[2]), fmt(s[3]), fmt(s[4]), s[6], fmt(s[5]), extra))
        elif kind == "segment":
            out.append('  <line x1="%s" y1="%s" x2="%s" y2="%s" stroke="%s" stroke-width="%s" '
                       'stroke-linecap="round"%s/>' % (fmt(s[1]), fmt(s[2]), fmt(s[3]), fmt(s[4]), s[6], fmt(s[5]),
                                                        extra))
    out.append("</svg>")
    return "\n".join(out) + "\n"


def main():
    folder = Path(__file__).resolve().parent.parent / "resources" / "icons"
    folder.mkdir(parents=True, exist_ok=True)
    (folder / "zorvane.svg").write_text(svg())
    for size in SIZES:
        (folder / ("zorvane-%d.png" % size)).write_bytes(render(size))


if __name__ == "__main__":
    main()
