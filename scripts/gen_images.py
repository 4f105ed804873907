#!/usr/bin/env python3
"""Generate the bitmaps and the icon of VXDrvFontTool.exe.

Writes resources/bitmaps/*.bmp and resources/icons/app.ico. The generated
files are committed, so the build itself never runs this script; run it again
after changing a picture here:

    python3 scripts/gen_images.py            # writes into resources/
    python3 scripts/gen_images.py --out DIR  # writes into DIR/bitmaps, DIR/icons

Only the Python standard library is used; BMP and ICO bytes are written here.

Small pictures (16x16) are drawn as character maps, one character per pixel,
see PALETTE. Their background is RGB(192,192,192), the key colour that the
tab image list and the toolbar treat as transparent.

The toolbar strip is 8-bit with a colour table of exactly the colours used
(biClrUsed), because the toolbar maps the colours of a colour table (the grey
background becomes the button face). Its table starts with black, white and
the key grey: image lists built from an 8-bit DIB section lose black or the
key colour under Wine when these sit elsewhere in the table. The tab strip
and the menu bitmaps are 24-bit, which every way of loading them handles.

Test label (bitmap 191, tstlabel.bmp)
-------------------------------------
A device-independent bitmap of 400 x 200 pixels, 1 bit per pixel,
BITMAPINFOHEADER of 40 bytes, biClrUsed = 2, colour table
{0: black (0,0,0), 1: white (255,255,255)}, uncompressed pixel rows stored
bottom-up (positive biHeight) directly after the colour table.

Coordinates below are as the picture is seen: x to the right, y downwards,
origin at the top-left pixel; [a, b) includes a and excludes b. Everything not
listed is white.

    frame   black border: every pixel with 4 <= x < 396 and 4 <= y < 196
            that is not inside the inner rectangle 10 <= x < 390,
            10 <= y < 190 (a frame 6 pixels thick).
    block   solid black rectangle 20 <= x < 120, 20 <= y < 80.
    bars    barcode-like vertical stripes, 20 <= y < 100: BARS_MODULE = 3
            pixels per module, widths from BARS_PATTERN (bar, space, bar,
            space, ...), the first bar starting at x = 140; the stripes end
            before the first width that would pass x = 380, which leaves
            25 bars, the last one 371 <= x < 374, and white from x = 374 to
            the frame.
    checker checkerboard 20 <= x < 100, 100 <= y < 180 of 10 x 10 squares,
            the square at (20, 100) black.
    disc    solid black circle, centre (170, 145), radius 30: the pixels
            with (x - 170)^2 + (y - 145)^2 < 30.5^2.
    rules   horizontal black lines 230 <= x < 380, thicknesses 1, 2, 3, 4, 6
            and 8 pixels from top to bottom, starting at y = 116, with 6 white
            pixels between lines: y = 116, 123-124, 131-133, 140-143,
            150-155, 162-169.

Printed with a scale factor f, a pixel (x, y) covers the device pixels
[f*x, f*x + f) x [f*y, f*y + f) from the printable origin.
"""

import argparse
import os
import struct
import sys

# --- colours -------------------------------------------------------------

KEY = (192, 192, 192)  # transparent / button face

# Only colours of the standard 16-colour palette, so that the pictures look
# the same in a 16-colour image list as in a true-colour one.
PALETTE = {
    '.': KEY,
    'k': (0, 0, 0),
    'w': (255, 255, 255),
    'g': (128, 128, 128),
    'b': (0, 0, 128),
    'G': (0, 128, 0),
}

# --- 16 x 16 pictures ------------------------------------------------------

# Floppy disk (save): navy case with a cut corner, white label with writing
# lines at the top, shutter with its window at the bottom.
SAVE = [
    "kkkkkkkkkkkkkkk.",
    "kbkwwwwwwwwwkbbk",
    "kbkwwwwwwwwwkbbk",
    "kbkwgggggggwkbbk",
    "kbkwwwwwwwwwkbbk",
    "kbkwgggggggwkbbk",
    "kbkwwwwwwwwwkbbk",
    "kbbkkkkkkkkkbbbk",
    "kbbbbbbbbbbbbbbk",
    "kbbbwwwwwwwwwbbk",
    "kbbbwkkwwwwwwbbk",
    "kbbbwkkwwwwwwbbk",
    "kbbbwkkwwwwwwbbk",
    "kbbbwwwwwwwwwbbk",
    "kkkkkkkkkkkkkkkk",
    "................",
]

# Printer (choose printer driver): paper on top, white body with a grey
# base, green lamp, output slot with a printed sheet.
PRINTER = [
    "................",
    "....kkkkkkkk....",
    "....kwwwwwwk....",
    "....kwggggwk....",
    "....kwwwwwwk....",
    "..kkkkkkkkkkkk..",
    ".kwwwwwwwwwwwwk.",
    ".kwwwwwwwwwGGwk.",
    ".kwwwwwwwwwwwwk.",
    ".kggggggggggggk.",
    ".kgkkkkkkkkkkgk.",
    ".kgkwwwwwwwwkgk.",
    ".kkkwggggggwkkk.",
    "...kwwwwwwwwk...",
    "...kkkkkkkkkk...",
    "................",
]

# 1D barcode: black bars of different widths on a white label.
BARCODE = [
    "................",
    "................",
    ".gggggggggggggg.",
    ".gwwwwwwwwwwwwg.",
    ".gwkwkkwkwwkkwg.",
    ".gwkwkkwkwwkkwg.",
    ".gwkwkkwkwwkkwg.",
    ".gwkwkkwkwwkkwg.",
    ".gwkwkkwkwwkkwg.",
    ".gwkwkkwkwwkkwg.",
    ".gwkwkkwkwwkkwg.",
    ".gwkwkkwkwwkkwg.",
    ".gwwwwwwwwwwwwg.",
    ".gggggggggggggg.",
    "................",
    "................",
]

# 2D code: three finder squares and data modules in a white quiet zone.
CODE2D = [
    "wwwwwwwwwwwwwwww",
    "wkkkkkwkwwkkkkkw",
    "wkwwwkwwkwkwwwkw",
    "wkwkwkwkkwkwkwkw",
    "wkwwwkwwkwkwwwkw",
    "wkkkkkwkwwkkkkkw",
    "wwwwwwwkwkwwwwww",
    "wkwkkwkkwkkwkkww",
    "wwkwwkwkkwwkwkkw",
    "wwwwwwwkwkkwkwww",
    "wkkkkkwwkwwkkwkw",
    "wkwwwkwkkwkwwkkw",
    "wkwkwkwwkkwkkwww",
    "wkwwwkwkwwkwwkkw",
    "wkkkkkwkkwkkwkww",
    "wwwwwwwwwwwwwwww",
]

# Character font: a bold capital A on a sheet with a shadow, underlined.
FONT = [
    "................",
    ".wwwwwwwwwwwwwg.",
    ".wwwwwkkkwwwwwg.",
    ".wwwwwkkkwwwwwg.",
    ".wwwwkkwkkwwwwg.",
    ".wwwwkkwkkwwwwg.",
    ".wwwkkwwwkkwwwg.",
    ".wwwkkwwwkkwwwg.",
    ".wwkkkkkkkkkwwg.",
    ".wwkkwwwwwkkwwg.",
    ".wkkwwwwwwwkkwg.",
    ".wkkwwwwwwwkkwg.",
    ".wwwwwwwwwwwwwg.",
    ".wbbbbbbbbbbbwg.",
    ".wwwwwwwwwwwwwg.",
    ".gggggggggggggg.",
]


# Preview: a label with a 2D code under a magnifying glass.
PREVIEW = [
    "................",
    ".gggggggggg.....",
    ".gwwwwwwwwg.....",
    ".gwkkwkkwwg.....",
    ".gwkwkkwkkkkk...",
    ".gwwkkwwkwwwwk..",
    ".gwkwwkkwwwwwwk.",
    ".gwkkwkkwwwwwwk.",
    ".gwwwwkwwwwwwwk.",
    ".ggggggkwwwwwwk.",
    "........kwwwwk..",
    ".........kkkkkk.",
    "..............kk",
    "..............kk",
    "................",
    "................",
]


def from_map(rows):
    """Turns a character map into rows of RGB tuples."""
    width = len(rows[0])
    for r in rows:
        if len(r) != width:
            raise ValueError("ragged character map: %r" % r)
    return [[PALETTE[ch] for ch in r] for r in rows]


def hstrip(*pictures):
    """Places pictures of equal height side by side."""
    return [sum((p[y] for p in pictures), []) for y in range(len(pictures[0]))]


# --- BMP writing -------------------------------------------------------------

def _row_stride(width, bits):
    return ((width * bits + 31) // 32) * 4


def _info_header(width, height, bits, clr_used, image_size):
    return struct.pack('<IiiHHIIiiII', 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, clr_used, clr_used)


def _colour_table(colours):
    return b''.join(struct.pack('<BBBB', b, g, r, 0) for (r, g, b) in colours)


def bmp_indexed(pixels, bits, colours=None):
    """BMP file bytes of an indexed bitmap (1 or 8 bits per pixel).

    `pixels` are rows (top first) of RGB tuples. The colour table holds the
    colours in `colours` (or those used, in order of first use) and biClrUsed
    is their count.
    """
    height = len(pixels)
    width = len(pixels[0])
    if colours is None:
        colours = []
        for row in pixels:
            for c in row:
                if c not in colours:
                    colours.append(c)
    if len(colours) > (1 << bits):
        raise ValueError("%d colours do not fit %d bits" % (len(colours), bits))
    index = {c: i for i, c in enumerate(colours)}
    stride = _row_stride(width, bits)
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray(stride)
        for x, c in enumerate(row):
            i = index[c]
            if bits == 8:
                line[x] = i
            elif bits == 1:
                if i:
                    line[x >> 3] |= 0x80 >> (x & 7)
            else:
                raise ValueError("unsupported depth %d" % bits)
        data += line
    table = _colour_table(colours)
    info = _info_header(width, height, bits, len(colours), len(data))
    offset = 14 + len(info) + len(table)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    return file_header + info + table + bytes(data)


def table_for(pixels):
    """Colour table for an 8-bit small picture: black, white and the key grey
    first, then the other colours used, in order of first use."""
    table = [PALETTE['k'], PALETTE['w'], KEY]
    for row in pixels:
        for c in row:
            if c not in table:
                table.append(c)
    return table


def bmp_rgb(pixels):
    """BMP file bytes of a 24-bit bitmap; `pixels` are rows (top first) of
    RGB tuples."""
    height = len(pixels)
    width = len(pixels[0])
    stride = _row_stride(width, 24)
    data = bytearray()
    for row in reversed(pixels):  # bottom-up
        line = bytearray(stride)
        for x, (r, g, b) in enumerate(row):
            line[3 * x:3 * x + 3] = bytes((b, g, r))
        data += line
    info = _info_header(width, height, 24, 0, len(data))
    offset = 14 + len(info)
    file_header = struct.pack('<2sIHHI', b'BM', offset + len(data), 0, 0, offset)
    return file_header + info + bytes(data)


# --- ICO writing -------------------------------------------------------------

def ico(images):
    """ICO file bytes, one 32-bit entry with an AND mask per picture; a
    picture is rows (top first) of RGB tuples, None for a transparent pixel."""
    entries = []
    blobs = []
    for pixels in images:
        h = len(pixels)
        w = len(pixels[0])
        xor = bytearray()
        for row in reversed(pixels):
            for c in row:
                if c is None:
                    xor += b'\0\0\0\0'
                else:
                    r, g, b = c
                    xor += bytes((b, g, r, 255))
        mask_stride = _row_stride(w, 1)
        mask = bytearray()
        for row in reversed(pixels):
            line = bytearray(mask_stride)
            for x, c in enumerate(row):
                if c is None:
                    line[x >> 3] |= 0x80 >> (x & 7)
            mask += line
        info = _info_header(w, h * 2, 32, 0, len(xor) + len(mask))
        blob = info + bytes(xor) + bytes(mask)
        entries.append((w, h, len(blob)))
        blobs.append(blob)
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for (w, h, size) in entries:
        out += struct.pack('<BBBBHHII', w % 256, h % 256, 0, 0, 1, 32, size, offset)
        offset += size
    for blob in blobs:
        out += blob
    return bytes(out)


# --- drawing on a canvas -------------------------------------------------------

class Canvas:
    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]

    def rect(self, x0, y0, x1, y1, colour):
        """Fills [x0, x1) x [y0, y1)."""
        for y in range(max(0, y0), min(self.height, y1)):
            row = self.px[y]
            for x in range(max(0, x0), min(self.width, x1)):
                row[x] = colour

    def frame(self, x0, y0, x1, y1, thickness, colour):
        """Outline of [x0, x1) x [y0, y1), `thickness` pixels inwards."""
        t = thickness
        self.rect(x0, y0, x1, y0 + t, colour)
        self.rect(x0, y1 - t, x1, y1, colour)
        self.rect(x0, y0, x0 + t, y1, colour)
        self.rect(x1 - t, y0, x1, y1, colour)

    def disc(self, cx, cy, radius, colour):
        r2 = (2 * radius + 1) ** 2  # pixel centres closer than radius + 1/2
        for y in range(cy - radius, cy + radius + 1):
            for x in range(cx - radius, cx + radius + 1):
                if 4 * ((x - cx) ** 2 + (y - cy) ** 2) < r2:
                    self.rect(x, y, x + 1, y + 1, colour)


# --- test label (bitmap 191) ------------------------------------------------------

LABEL_WIDTH = 400
LABEL_HEIGHT = 200
LABEL_FRAME_OUTER = (4, 4, 396, 196)  # x0, y0, x1, y1 (x1, y1 excluded)
LABEL_FRAME_THICKNESS = 6
LABEL_BLOCK = (20, 20, 120, 80)
BARS_AREA = (140, 20, 380, 100)
BARS_MODULE = 3
BARS_PATTERN = [2, 1, 1, 2, 3, 1, 1, 1, 2, 2, 1, 3, 1, 1, 3, 2, 1, 1, 2, 1,
                1, 2, 1, 3, 2, 1, 1, 1, 3, 2, 2, 1, 1, 2, 1, 1, 2, 3, 1, 2,
                1, 1, 3, 1, 2, 2, 1, 1, 1, 2, 3, 1, 1, 2, 2]
CHECKER_AREA = (20, 100, 100, 180)
CHECKER_SQUARE = 10
DISC = (170, 145, 30)
RULES_X = (230, 380)
RULES_TOP = 116
RULES_THICKNESS = [1, 2, 3, 4, 6, 8]
RULES_GAP = 6

BLACK = (0, 0, 0)
WHITE = (255, 255, 255)


def test_label():
    c = Canvas(LABEL_WIDTH, LABEL_HEIGHT, WHITE)
    x0, y0, x1, y1 = LABEL_FRAME_OUTER
    c.frame(x0, y0, x1, y1, LABEL_FRAME_THICKNESS, BLACK)
    c.rect(*LABEL_BLOCK, BLACK)

    bx0, by0, bx1, by1 = BARS_AREA
    x = bx0
    black = True
    for modules in BARS_PATTERN:
        w = modules * BARS_MODULE
        if x + w > bx1:
            break
        if black:
            c.rect(x, by0, x + w, by1, BLACK)
        x += w
        black = not black

    cx0, cy0, cx1, cy1 = CHECKER_AREA
    s = CHECKER_SQUARE
    for j, y in enumerate(range(cy0, cy1, s)):
        for i, x in enumerate(range(cx0, cx1, s)):
            if (i + j) % 2 == 0:
                c.rect(x, y, x + s, y + s, BLACK)

    c.disc(*DISC, BLACK)

    y = RULES_TOP
    for t in RULES_THICKNESS:
        c.rect(RULES_X[0], y, RULES_X[1], y + t, BLACK)
        y += t + RULES_GAP
    return c.px


# --- application icon (198) ------------------------------------------------------

def label_printer_32():
    """A desktop label printer: dark lid, light body, a label coming out of
    the front slot, a green lamp. Transparent outside."""
    T = None
    K = (0, 0, 0)
    LID = (52, 72, 112)
    LIDHI = (96, 128, 184)
    BODY = (216, 220, 228)
    BODYSH = (150, 156, 168)
    SLOT = (24, 24, 24)
    LABEL = (255, 255, 255)
    LED = (0, 200, 72)
    c = Canvas(32, 32, T)
    # lid (top part), rounded corners by leaving corner pixels out
    c.rect(4, 5, 28, 13, LID)
    c.rect(5, 4, 27, 5, LID)
    c.rect(6, 6, 26, 7, LIDHI)
    # body
    c.rect(3, 13, 29, 25, BODY)
    c.rect(3, 23, 29, 25, BODYSH)
    # outline
    c.rect(5, 3, 27, 4, K)
    c.rect(4, 4, 5, 5, K); c.rect(27, 4, 28, 5, K)
    c.rect(3, 5, 4, 13, K); c.rect(28, 5, 29, 13, K)
    c.rect(2, 13, 3, 25, K); c.rect(29, 13, 30, 25, K)
    c.rect(2, 25, 30, 26, K)
    c.rect(3, 12, 29, 13, K)  # seam between lid and body
    # front slot
    c.rect(7, 16, 25, 18, SLOT)
    # lamp
    c.rect(24, 20, 27, 22, LED)
    # label coming out of the slot, hanging down in front
    c.rect(9, 17, 23, 31, LABEL)
    c.rect(8, 17, 9, 31, K); c.rect(23, 17, 24, 31, K)
    c.rect(8, 31, 24, 32, K)
    # barcode on the label
    x = 11
    for w, ink in [(1, 1), (1, 0), (2, 1), (1, 0), (1, 1), (1, 0), (1, 1),
                   (1, 0), (1, 1)]:
        if ink:
            c.rect(x, 21, x + w, 28, K)
        x += w
    return c.px


# The small icon is drawn like the 16x16 bitmaps, with its own colours and a
# blank for a transparent pixel.
PALETTE_ICON16 = {
    'k': (0, 0, 0),
    'n': (52, 72, 112),
    'h': (96, 128, 184),
    'l': (216, 220, 228),
    's': (150, 156, 168),
    'w': (255, 255, 255),
    'G': (0, 200, 72),
}

ICON16 = [
    "                ",
    "                ",
    "  kkkkkkkkkkkk  ",
    " khhhhhhhhhhhhk ",
    " knnnnnnnnnnnnk ",
    "kkkkkkkkkkkkkkkk",
    "kllllllllllllllk",
    "klkkkkkkkkkkklGk",
    "klkwwwwwwwwwkllk",
    "kskwkwkkwkkwkssk",
    "kkkwkwkkwkkwkkkk",
    "  kwkwkkwkkwk   ",
    "  kwkwkkwkkwk   ",
    "  kwwwwwwwwwk   ",
    "  kkkkkkkkkkk   ",
    "                ",
]


def label_printer_16():
    return [[None if ch == ' ' else PALETTE_ICON16[ch] for ch in row]
            for row in ICON16]


# --- output ------------------------------------------------------------------------

def outputs():
    save = from_map(SAVE)
    printer = from_map(PRINTER)
    barcode = from_map(BARCODE)
    code2d = from_map(CODE2D)
    font = from_map(FONT)
    preview = from_map(PREVIEW)
    # Resource numbers: toolbar 150 (save, printer, preview), tabs 196, menu bitmaps 161 (save),
    # 193 (printer), 192 (barcode), 217 (2D code), 167 (font), test label 191,
    # icon 198.
    return {
        'bitmaps/toolbar.bmp': bmp_indexed(hstrip(save, printer, preview), 8,
                                           table_for(hstrip(save, printer, preview))),
        'bitmaps/tabs.bmp': bmp_rgb(hstrip(barcode, code2d, font)),
        'bitmaps/menu_save.bmp': bmp_rgb(save),
        'bitmaps/menu_printer.bmp': bmp_rgb(printer),
        'bitmaps/menu_barcode.bmp': bmp_rgb(barcode),
        'bitmaps/menu_code2d.bmp': bmp_rgb(code2d),
        'bitmaps/menu_font.bmp': bmp_rgb(font),
        'bitmaps/tstlabel.bmp': bmp_indexed(test_label(), 1, [BLACK, WHITE]),
        'icons/app.ico': ico([label_printer_16(), label_printer_32()]),
    }


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument('--out', default=os.path.join(here, '..', 'resources'),
                        help='resources directory to write into')
    args = parser.parse_args(argv)
    for name, data in outputs().items():
        path = os.path.join(args.out, name)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, 'wb') as f:
            f.write(data)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
