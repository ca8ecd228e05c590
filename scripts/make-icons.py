#!/usr/bin/env python3
"""Draws the program's icon: a black disc crossed by a green diagonal motif
(a bright band from the lower left to the upper right between two thin dark
green stripes). Writes app/icons/factorix-N.png for the hicolor sizes and
app/icons/factorix.svg. The 16-pixel image uses the 16-colour palette only
(black, green, lime, transparent); the larger ones are anti-aliased."""
import math
import os
import struct
import sys
import zlib

BLACK = (0, 0, 0)
GREEN = (0, 128, 0)
LIME = (0, 255, 0)
SIZES = (16, 24, 32, 48, 64, 128, 256)

# Geometry in units of the icon's side.
DISC_RADIUS = 0.47
BAND_HALF = 0.10     # the bright band, half its width
STRIPE_OFFSET = 0.25  # the dark stripes' distance from the band's axis
STRIPE_HALF = 0.045


def colour_at(x, y):
    """The colour at (x, y), both in 0..1 with y downwards, or None."""
    if math.hypot(x - 0.5, y - 0.5) > DISC_RADIUS:
        return None
    d = (x + y - 1.0) / math.sqrt(2.0)  # signed distance from the diagonal
    if abs(d) <= BAND_HALF:
        return LIME
    if abs(abs(d) - STRIPE_OFFSET) <= STRIPE_HALF:
        return GREEN
    return BLACK


def render(size):
    samples = 1 if size == 16 else 4
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            r = g = b = a = 0
            for sy in range(samples):
                for sx in range(samples):
                    c = colour_at((px + (sx + 0.5) / samples) / size, (py + (sy + 0.5) / samples) / size)
                    if c is not None:
                        r += c[0]
                        g += c[1]
                        b += c[2]
                        a += 1
            n = samples * samples
            if a:
                row += bytes((r // a, g // a, b // a, 255 * a // n))
            else:
                row += bytes(4)
        rows.append(bytes(row))
    return rows


def png(size, rows):
    raw = b"".join(b"\x00" + row for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")


def svg():
    s = 256
    r = DISC_RADIUS * s
    w = 2 * BAND_HALF * s
    sw = 2 * STRIPE_HALF * s
    off = STRIPE_OFFSET * s / math.sqrt(2.0) * 2  # along x + y = const
    lines = []
    for colour, width, shift in (("#00ff00", w, 0), ("#008000", sw, off / 2), ("#008000", sw, -off / 2)):
        lines.append(
            f'    <line x1="{0 + shift:.2f}" y1="{s + shift:.2f}" x2="{s + shift:.2f}" y2="{0 + shift:.2f}" '
            f'stroke="{colour}" stroke-width="{width:.2f}"/>')
    return (f'<svg xmlns="http://www.w3.org/2000/svg" width="{s}" height="{s}" viewBox="0 0 {s} {s}">\n'
            f'  <clipPath id="disc"><circle cx="{s/2}" cy="{s/2}" r="{r:.2f}"/></clipPath>\n'
            f'  <circle cx="{s/2}" cy="{s/2}" r="{r:.2f}" fill="#000000"/>\n'
            f'  <g clip-path="url(#disc)">\n' + "\n".join(lines) + "\n  </g>\n</svg>\n")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "app", "icons")
    os.makedirs(out, exist_ok=True)
    for size in SIZES:
        with open(os.path.join(out, f"factorix-{size}.png"), "wb") as f:
            f.write(png(size, render(size)))
    with open(os.path.join(out, "factorix.svg"), "w") as f:
        f.write(svg())


if __name__ == "__main__":
    main()
