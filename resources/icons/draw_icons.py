#!/usr/bin/env python3
"""Draws the program's small icons (bird, lamps, tray) as PNG files.

Plain Python, no imaging library: shapes are tested per sub-sample and
blended, so edges come out smooth. Run from any directory; writes beside
this script.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SS = 4  # sub-samples per axis


def write_png(path, w, h, pixels):
    raw = b"".join(b"\x00" + bytes(v for px in pixels[y * w:(y + 1) * w] for v in px) for y in range(h))

    def chunk(tag, data):
        c = struct.pack(">I", len(data)) + tag + data
        return c + struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF)

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


def render(size, shapes):
    """shapes: list of (inside(x, y) -> bool, rgba), painted in order; x, y in 0..1."""
    out = []
    for py in range(size):
        for px in range(size):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(SS):
                for sx in range(SS):
                    x = (px + (sx + 0.5) / SS) / size
                    y = (py + (sy + 0.5) / SS) / size
                    col = None
                    for inside, rgba in shapes:
                        if inside(x, y):
                            col = rgba
                    if col:
                        a = col[3] / 255.0
                        acc[0] += col[0] * a
                        acc[1] += col[1] * a
                        acc[2] += col[2] * a
                        acc[3] += a
            n = SS * SS
            a = acc[3] / n
            if a <= 0:
                out.append((0, 0, 0, 0))
            else:
                out.append(tuple(int(round(c / n / a)) for c in acc[:3]) + (int(round(a * 255)),))
    return out


def ellipse(cx, cy, rx, ry, angle=0.0):
    ca, sa = math.cos(angle), math.sin(angle)

    def inside(x, y):
        dx, dy = x - cx, y - cy
        u = dx * ca + dy * sa
        v = -dx * sa + dy * ca
        return (u / rx) ** 2 + (v / ry) ** 2 <= 1.0

    return inside


def polygon(points):
    def inside(x, y):
        hit = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit

    return inside


def bird(grey=False):
    body = (120, 110, 100, 255)
    belly = (235, 228, 210, 255)
    bars = (90, 82, 76, 255)
    beak = (240, 170, 40, 255)
    eye = (20, 20, 20, 255)
    ring = (250, 210, 60, 255)
    if grey:
        def g(c):
            v = int(0.3 * c[0] + 0.59 * c[1] + 0.11 * c[2])
            v = 150 + (v - 150) // 3
            return (v, v, v, c[3])
        body, belly, bars, beak, eye, ring = map(g, (body, belly, bars, beak, eye, ring))
    shapes = [
        (polygon([(0.30, 0.55), (0.02, 0.80), (0.10, 0.88), (0.40, 0.66)]), body),  # tail
        (ellipse(0.50, 0.58, 0.30, 0.19, -0.35), body),
        (ellipse(0.55, 0.66, 0.20, 0.11, -0.35), belly),
    ]
    for i in range(3):  # barred breast of a cuckoo
        shapes.append((ellipse(0.50 + i * 0.07, 0.67 - i * 0.03, 0.025, 0.07, 0.4), bars))
    shapes += [
        (ellipse(0.44, 0.52, 0.18, 0.09, -0.5), bars),  # wing
        (ellipse(0.74, 0.36, 0.14, 0.13), body),  # head
        (polygon([(0.85, 0.33), (0.99, 0.38), (0.85, 0.41)]), beak),
        (ellipse(0.77, 0.33, 0.035, 0.035), ring),
        (ellipse(0.77, 0.33, 0.02, 0.02), eye),
        (polygon([(0.46, 0.74), (0.50, 0.92), (0.53, 0.92), (0.51, 0.74)]), beak),  # leg
    ]
    return shapes


def lamp(on):
    rim = (60, 60, 60, 255)
    face = (230, 30, 30, 255) if on else (150, 150, 150, 255)
    shine = (255, 190, 190, 255) if on else (215, 215, 215, 255)
    return [
        (ellipse(0.5, 0.5, 0.46, 0.46), rim),
        (ellipse(0.5, 0.5, 0.38, 0.38), face),
        (ellipse(0.38, 0.36, 0.11, 0.08, -0.6), shine),
    ]


def main():
    icons = {
        "pirolo.png": (48, bird()),
        "pirolo_off.png": (48, bird(grey=True)),
        "tray.png": (32, bird()),
        "led_on.png": (16, lamp(True)),
        "led_off.png": (16, lamp(False)),
    }
    for name, (size, shapes) in icons.items():
        write_png(os.path.join(HERE, name), size, size, render(size, shapes))


if __name__ == "__main__":
    main()
