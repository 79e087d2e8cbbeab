#!/usr/bin/env python3
"""Draws the example projects and builds their inputs with lumo.

Usage: examples/make-examples.py BUILD/bin/lumo

Writes examples/zaf (an icon-font project: three glyph sheets, characters found by lumo scan
and keyed in reading order), examples/touch (a touch project: three pages whose areas jump
between them) and examples/kpx (the touch file 13.bin built by lumo hmi, and a variable file
14.bin). Pictures are drawn here pixel by pixel, so the script needs nothing but Python.
"""
import math
import os
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))


class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, thickness, colour):
        self.rect(x0, y0, x1, y0 + thickness, colour)
        self.rect(x0, y1 - thickness, x1, y1, colour)
        self.rect(x0, y0, x0 + thickness, y1, colour)
        self.rect(x1 - thickness, y0, x1, y1, colour)

    def disc(self, cx, cy, r, colour, inner=0):
        for y in range(cy - r, cy + r + 1):
            for x in range(cx - r, cx + r + 1):
                d = math.hypot(x - cx, y - cy)
                if inner <= d <= r:
                    self.put(x, y, colour)

    def triangle(self, points, colour):
        (ax, ay), (bx, by), (cx, cy) = points
        def side(px, py, qx, qy, rx, ry):
            return (px - rx) * (qy - ry) - (qx - rx) * (py - ry)
        for y in range(min(ay, by, cy), max(ay, by, cy) + 1):
            for x in range(min(ax, bx, cx), max(ax, bx, cx) + 1):
                d1 = side(x, y, ax, ay, bx, by)
                d2 = side(x, y, bx, by, cx, cy)
                d3 = side(x, y, cx, cy, ax, ay)
                if not ((d1 < 0 or d2 < 0 or d3 < 0) and (d1 > 0 or d2 > 0 or d3 > 0)):
                    self.put(x, y, colour)

    def save_bmp(self, path):
        row = (self.width * 3 + 3) & ~3
        data = bytearray()
        for y in range(self.height - 1, -1, -1):
            line = bytearray()
            for (r, g, b) in self.pixels[y]:
                line += bytes((b, g, r))
            data += line + bytes(row - len(line))
        header = struct.pack('<2sIHHI', b'BM', 54 + len(data), 0, 0, 54)
        info = struct.pack('<IiiHHIIiiII', 40, self.width, self.height, 1, 24, 0, len(data),
                           2835, 2835, 0, 0)
        with open(path, 'wb') as out:
            out.write(header + info + data)


WHITE, BLACK = (255, 255, 255), (0, 0, 0)


def glyph_sheet(kind):
    """Eight glyphs of 40 x 40 in a 4 x 2 grid, white on black."""
    sheet = Canvas(240, 120, BLACK)
    for i in range(8):
        x, y = 10 + (i % 4) * 58, 10 + (i // 4) * 55
        shape = (i + kind) % 8
        if shape == 0:
            sheet.disc(x + 20, y + 20, 18, WHITE)
        elif shape == 1:
            sheet.frame(x + 2, y + 2, x + 38, y + 38, 5, WHITE)
        elif shape == 2:
            sheet.triangle(((x + 20, y + 2), (x + 2, y + 38), (x + 38, y + 38)), WHITE)
        elif shape == 3:
            sheet.rect(x + 16, y + 2, x + 24, y + 38, WHITE)
            sheet.rect(x + 2, y + 16, x + 38, y + 24, WHITE)
        elif shape == 4:
            sheet.disc(x + 20, y + 20, 18, WHITE, inner=12)
        elif shape == 5:  # a battery
            sheet.frame(x + 2, y + 10, x + 34, y + 30, 3, WHITE)
            sheet.rect(x + 34, y + 15, x + 38, y + 25, WHITE)
            sheet.rect(x + 5, y + 13, x + 22, y + 27, WHITE)
        elif shape == 6:  # an arrow to the right
            sheet.rect(x + 2, y + 16, x + 24, y + 24, WHITE)
            sheet.triangle(((x + 22, y + 4), (x + 38, y + 20), (x + 22, y + 36)), WHITE)
        else:  # signal bars on one foot
            sheet.rect(x + 2, y + 34, x + 38, y + 38, WHITE)
            for bar in range(4):
                sheet.rect(x + 3 + bar * 9, y + 28 - bar * 8, x + 9 + bar * 9, y + 34, WHITE)
    return sheet


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def make_zaf(lumo):
    folder = os.path.join(HERE, 'zaf')
    os.makedirs(os.path.join(folder, 'sources'), exist_ok=True)
    os.makedirs(os.path.join(folder, 'images'), exist_ok=True)
    canvases = []
    for number in (1, 2, 3):
        source = os.path.join(folder, 'sources', '%d.bmp' % number)
        glyph_sheet(number).save_bmp(source)
        picture = os.path.join(folder, 'images', '%d.jpg' % number)
        run(lumo, 'jpeg', source, '-o', picture)
        rects = [tuple(map(int, line.split())) for line in run(lumo, 'scan', picture).split('\n') if line]
        # Keys in reading order: row by row, left to right.
        rects.sort(key=lambda r: (r[1] // 40, r[0]))
        elements = []
        for key, (x, y, w, h) in enumerate(rects, start=0x30):
            elements.append('        <rect rotate="0" x="%d" y="%d" z="0" width="%d" height="%d" '
                            'asc="%d" rc_x="%g" rc_y="%g"/>' % (x, y, w, h, key, w / 2, h / 2))
        canvases.append('    <canvas width="240" height="120" file="images/%d.jpg" key="%d" '
                        'secury="%d" filter="32">\n%s\n    </canvas>'
                        % (number, number, 0 if number == 3 else 1, '\n'.join(elements)))
    with open(os.path.join(folder, 'lumo.prozaf'), 'w') as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<!DOCTYPE Lumo_ZAF_Tool>\n<scenes>\n'
                  + '\n'.join(canvases) + '\n</scenes>\n')


# Pages of a 480 x 272 screen: (page, background colour, areas (x, y, w, h, jump, animation, command)).
PAGES = [
    (0, (28, 60, 110), [(40, 180, 180, 60, 1, 3, 0x0101), (260, 180, 180, 60, 2, 3, 0x0102)]),
    (1, (20, 110, 70), [(20, 20, 100, 50, 0, -1, 0x0200), (300, 180, 160, 60, 2, -1, 0x0201)]),
    (2, (120, 50, 40), [(20, 20, 100, 50, 0, -1, 0x0300)]),
    (3, (230, 190, 60), []),  # the pressed look of the buttons of page 0
]


def page_picture(colour, areas, pressed):
    page = Canvas(480, 272, colour)
    page.rect(0, 0, 480, 12, tuple(min(255, c + 60) for c in colour))
    for (x, y, w, h, _, _, _) in areas:
        page.rect(x, y, x + w, y + h, (250, 250, 250) if not pressed else (255, 220, 80))
        page.frame(x, y, x + w, y + h, 3, (40, 40, 40))
    return page


def make_touch(lumo):
    folder = os.path.join(HERE, 'touch')
    os.makedirs(os.path.join(folder, 'images'), exist_ok=True)
    canvases = []
    for number, colour, areas in PAGES:
        pressed = number == 3
        page_picture(colour, PAGES[0][2] if pressed else areas, pressed).save_bmp(
            os.path.join(folder, 'images', '%d.bmp' % number))
        rects = ['        <rect rotate="0" x="%d" y="%d" z="0" width="%d" height="%d" picNum="%d" '
                 'catoonNum="%d" commond="%d"/>' % area for area in areas]
        body = ('>\n' + '\n'.join(rects) + '\n    </canvas>') if rects else '/>'
        canvases.append('    <canvas width="480" height="272" file="images/%d.bmp" key="%d"%s'
                        % (number, number, body))
    with open(os.path.join(folder, 'LMprj.hmi'), 'w') as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n<!DOCTYPE Lumo_ZAF_Tool>\n<scenes>\n'
                  + '\n'.join(canvases) + '\n</scenes>\n')


def make_kpx(lumo):
    folder = os.path.join(HERE, 'kpx')
    os.makedirs(folder, exist_ok=True)
    run(lumo, 'hmi', os.path.join(HERE, 'touch', 'LMprj.hmi'), '-o', os.path.join(folder, '13.bin'))
    # Variable file: highest page at 8, a 4-byte entry per page at 16 (count, 3-byte offset),
    # then the 32-byte records of each page.
    pages = 3
    records = {0: 2, 1: 1, 2: 0}
    table = bytearray(16 + 4 * pages)
    struct.pack_into('>H', table, 8, pages - 1)
    body = bytearray()
    offset = len(table)
    for page in range(pages):
        count = records[page]
        table[16 + 4 * page] = count
        table[17 + 4 * page:20 + 4 * page] = (offset + len(body)).to_bytes(3, 'big') if count else bytes(3)
        for index in range(count):
            record = bytearray(32)
            record[0:2] = (0x5000 + page * 16 + index).to_bytes(2, 'big')
            record[2:4] = page.to_bytes(2, 'big')
            body += record
    with open(os.path.join(folder, '14.bin'), 'wb') as out:
        out.write(bytes(table + body))


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    lumo = os.path.abspath(sys.argv[1])
    make_zaf(lumo)
    make_touch(lumo)
    make_kpx(lumo)


if __name__ == '__main__':
    main()
