#!/usr/bin/env python3
"""Draws the launcher's six built-in icons and writes them as .ico files beside this script.

Each icon is drawn separately at 16 and 32 pixels on a 16-unit design grid, so straight
edges fall on whole pixels at both sizes; curves are smoothed by 4x4 supersampling. The
entries are 32-bit BMP images with an AND mask, which every icon loader reads.

Run: python3 res/icons/draw_icons.py   (standard library only)
"""

import math
import os
import struct

SAMPLES = 4


def hex_colour(text, alpha=255):
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16), alpha)


# Shapes: functions of a design-grid point (x, y) telling whether the point is inside.
def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rounded(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r

    return inside


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result

    return inside


def segment(ax, ay, bx, by, width):
    def inside(x, y):
        dx, dy = bx - ax, by - ay
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
        return (x - ax - t * dx) ** 2 + (y - ay - t * dy) ** 2 <= width * width / 4

    return inside


def ellipse_ring(cx, cy, rx, ry, width):
    def inside(x, y):
        if rx <= 0:
            return abs(x - cx) <= width / 2
        d = math.sqrt(((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2)
        return abs(d - 1) * min(rx, ry) <= width / 2

    return inside


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


class Canvas:
    def __init__(self, pixels):
        self.size = pixels
        self.unit = pixels / 16
        # Colour channels 0-255, coverage 0-1.
        self.rgba = [[(0.0, 0.0, 0.0, 0.0)] * pixels for _ in range(pixels)]

    def fill(self, shape, colour):
        """Paints the shape over what is there, weighting each pixel by its coverage."""
        step = 1 / SAMPLES
        for py in range(self.size):
            for px in range(self.size):
                hits = 0
                for sy in range(SAMPLES):
                    for sx in range(SAMPLES):
                        x = (px + (sx + 0.5) * step) / self.unit
                        y = (py + (sy + 0.5) * step) / self.unit
                        hits += shape(x, y)
                if hits:
                    self.blend(px, py, colour, hits / (SAMPLES * SAMPLES))

    def blend(self, px, py, colour, coverage):
        r, g, b, a = colour
        src = a / 255 * coverage
        dr, dg, db, da = self.rgba[py][px]
        out = src + da * (1 - src)
        if out == 0:
            return
        mix = lambda s, d: (s * src + d * da * (1 - src)) / out
        self.rgba[py][px] = (mix(r, dr), mix(g, dg), mix(b, db), out)

    def outlined(self, shape_at, colour, edge):
        """A shape with a one-pixel dark edge: shape_at(inset) gives the shape shrunk by inset."""
        self.fill(shape_at(0), edge)
        self.fill(shape_at(1 / self.unit), colour)

    def bmp_entry(self):
        n = self.size
        header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, 0, 0, 0, 0, 0)
        pixels = bytearray()
        for row in reversed(self.rgba):
            for r, g, b, a in row:
                pixels += bytes((round(b), round(g), round(r), round(a * 255)))
        mask_stride = ((n + 31) // 32) * 4
        mask = bytearray()
        for row in reversed(self.rgba):
            bits = bytearray(mask_stride)
            for x, (_, _, _, a) in enumerate(row):
                if round(a * 255) == 0:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask += bits
        return header + bytes(pixels) + bytes(mask)


def write_ico(path, entries):
    """entries: (size, bmp bytes) pairs."""
    data = struct.pack("<HHH", 0, 1, len(entries))
    offset = 6 + 16 * len(entries)
    body = b""
    for size, image in entries:
        data += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
        body += image
    with open(path, "wb") as out:
        out.write(data + body)


EDGE = hex_colour("1f2a3a")
WHITE = hex_colour("ffffff")


def launcher(canvas, body, accent):
    """The application's mark: a rounded tile with a start arrow."""
    canvas.outlined(lambda i: rounded(1 + i, 1 + i, 15 - i, 15 - i, 3 - i), body, EDGE)
    canvas.fill(polygon([(5.5, 4), (12, 8), (5.5, 12)]), WHITE)
    canvas.fill(rect(3, 4, 4, 12), accent)


def draw_tavrin(canvas):
    launcher(canvas, hex_colour("2f6fd6"), hex_colour("ffc83d"))


def draw_tasktray(canvas):
    # Same mark in the tray, in a warmer colour so that it stands out among system icons.
    launcher(canvas, hex_colour("e0742b"), WHITE)


def draw_uri(canvas):
    canvas.outlined(lambda i: circle(8, 8, 7 - i), hex_colour("3d9be9"), EDGE)
    line = hex_colour("e8f4ff")
    width = max(1 / canvas.unit, 0.9)
    canvas.fill(both(circle(8, 8, 6), ellipse_ring(8, 8, 3, 6, width)), line)
    canvas.fill(both(circle(8, 8, 6), rect(7.5, 1, 8.5, 15)), line)
    canvas.fill(both(circle(8, 8, 6), rect(1, 7.5, 15, 8.5)), line)
    if canvas.size >= 32:
        # At 16 pixels the latitudes would fill the globe; the meridians and equator suffice.
        canvas.fill(both(circle(8, 8, 6), segment(2.5, 4.5, 13.5, 4.5, width)), line)
        canvas.fill(both(circle(8, 8, 6), segment(2.5, 11.5, 13.5, 11.5, width)), line)


def card(canvas, x, y, colour):
    canvas.outlined(lambda i: rect(x + i, y + i, x + 8 - i, y + 8 - i), colour, EDGE)


def draw_multi(canvas):
    # Whole-unit offsets keep every card edge sharp at 16 pixels.
    card(canvas, 7, 1, hex_colour("9ec5f8"))
    card(canvas, 4, 4, hex_colour("6aa5f0"))
    card(canvas, 1, 7, hex_colour("2f6fd6"))
    canvas.fill(polygon([(3, 9), (7.5, 11), (3, 13)]), WHITE)


def draw_folder(canvas):
    back = hex_colour("e0a82e")
    front = hex_colour("ffd35c")
    canvas.outlined(lambda i: polygon([(1 + i, 3 + i), (6 - i, 3 + i), (7.5 - i, 4.5 + i),
                                       (15 - i, 4.5 + i), (15 - i, 13 - i), (1 + i, 13 - i)]),
                    back, EDGE)
    canvas.outlined(lambda i: polygon([(1 + i, 6.5 + i), (15 - i, 6.5 + i), (15 - i, 13 - i),
                                       (1 + i, 13 - i)]), front, EDGE)


def draw_file(canvas):
    canvas.outlined(lambda i: polygon([(3 + i, 1 + i), (9.5 - i / 2, 1 + i), (13 - i, 4.5 + i / 2),
                                       (13 - i, 15 - i), (3 + i, 15 - i)]), WHITE, EDGE)
    canvas.outlined(lambda i: polygon([(9.5, 1 + i), (13 - i, 4.5), (9.5, 4.5)]),
                    hex_colour("d8dde6"), EDGE)
    for y in (7, 9.5, 12):
        canvas.fill(rect(5, y, 11, y + 1), hex_colour("8a96a8"))


ICONS = {
    "tavrin.ico": draw_tavrin,
    "uri.ico": draw_uri,
    "multi.ico": draw_multi,
    "tasktray.ico": draw_tasktray,
    "folder.ico": draw_folder,
    "file.ico": draw_file,
}


def main():
    folder = os.path.dirname(os.path.abspath(__file__))
    for name, draw in ICONS.items():
        entries = []
        for size in (16, 32):
            canvas = Canvas(size)
            draw(canvas)
            entries.append((size, canvas.bmp_entry()))
        write_ico(os.path.join(folder, name), entries)


if __name__ == "__main__":
    main()
