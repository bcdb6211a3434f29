#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Makes the braille font Orvoten.TTF, face "Orvoten Font": one six-dot cell per
Braille ASCII code 0x20-0x5F, raised dots filled and the others as faint rings.

The cells come from the program's own cell table (the 8 x 8 grid of
src/braille/cell_codes.cpp), so the font draws exactly what the keys type.

usage: make_braille_font.py CELL_CODES_CPP OUTPUT_TTF
"""
import math
import os
import re
import sys

try:
    from fontTools.fontBuilder import FontBuilder
    from fontTools.pens.ttGlyphPen import TTGlyphPen
except ImportError as e:
    sys.exit(f"make_braille_font.py: error: fontTools is missing ({e}); install python3-fonttools (tools/install-deps)")

FAMILY = "Orvoten Font"
UNITS_PER_EM = 1000
ASCENT = 850
DESCENT = 150
ADVANCE = 700
COLUMN_X = (210, 490)          # left column: dots 1 2 3, right column: dots 4 5 6
ROW_Y = (690, 420, 150)        # upper, middle, lower dot
RAISED_RADIUS = 110
RING_OUTER = 70                # an unraised dot: a thin ring, hollow at its centre
RING_INNER = 42
FIXED_TIME = 0                 # seconds since 1904: the same bytes from every build


def fail(message):
    sys.exit(f"make_braille_font.py: error: {message}")


def unescape(literal):
    escapes = {"0": "\0", '"': '"', "\\": "\\", "'": "'"}
    out, i = [], 0
    while i < len(literal):
        ch = literal[i]
        if ch == "\\":
            i += 1
            if i >= len(literal) or literal[i] not in escapes:
                fail(f"unknown escape in the cell grid: {literal!r}")
            out.append(escapes[literal[i]])
        else:
            out.append(ch)
        i += 1
    return "".join(out)


def read_cells(source_path):
    """Code -> the set of raised dots (1-6), for every code of the grid."""
    try:
        with open(source_path, encoding="utf-8") as f:
            source = f.read()
    except OSError as e:
        fail(f"cannot read the cell table {source_path}: {e.strerror}")
    block = re.search(r"kCellGrid\s*=\s*\{(.*?)\};", source, re.S)
    if block is None:
        fail(f"{source_path}: no kCellGrid table")
    rows = [unescape(m) for m in re.findall(r'"((?:[^"\\]|\\.)*)"', block.group(1))]
    if len(rows) != 8 or any(len(r) != 8 for r in rows):
        fail(f"{source_path}: kCellGrid must be 8 rows of 8 cells, found {[len(r) for r in rows]}")
    cells = {0x20: frozenset()}  # the space is the empty cell
    for left, row in enumerate(rows):
        for right, ch in enumerate(row):
            if left == 0 and right == 0:
                continue
            code = ord(ch)
            if not 0x21 <= code <= 0x5F or code in cells:
                fail(f"{source_path}: cell {left},{right} has the code {code:#x}, outside 0x21-0x5F or twice")
            dots = {d for d, weight in ((1, 1), (2, 2), (3, 4)) if left & weight}
            dots |= {d for d, weight in ((4, 1), (5, 2), (6, 4)) if right & weight}
            cells[code] = frozenset(dots)
    if len(cells) != 64:
        fail(f"{source_path}: the grid gives {len(cells)} codes, not 64")
    return cells


def circle(pen, cx, cy, r, clockwise):
    """A circle of eight quadratic arcs (TrueType outlines)."""
    steps = 8
    sign = -1 if clockwise else 1
    off = r / math.cos(math.pi / steps)
    pts = []
    for i in range(steps):
        a = sign * 2 * math.pi * i / steps
        b = sign * 2 * math.pi * (i + 0.5) / steps
        pts.append((round(cx + r * math.cos(a)), round(cy + r * math.sin(a))))
        pts.append((round(cx + off * math.cos(b)), round(cy + off * math.sin(b))))
    pen.moveTo(pts[0])
    for i in range(1, len(pts) - 1, 2):
        pen.qCurveTo(pts[i], pts[i + 1])
    pen.qCurveTo(pts[-1], pts[0])
    pen.closePath()


def dot_centre(dot):
    column = 0 if dot <= 3 else 1
    return COLUMN_X[column], ROW_Y[(dot - 1) % 3]


def cell_glyph(raised):
    pen = TTGlyphPen(None)
    for dot in range(1, 7):
        x, y = dot_centre(dot)
        if dot in raised:
            circle(pen, x, y, RAISED_RADIUS, clockwise=True)
        else:
            circle(pen, x, y, RING_OUTER, clockwise=True)
            circle(pen, x, y, RING_INNER, clockwise=False)
    return pen.glyph()


def notdef_glyph():
    pen = TTGlyphPen(None)
    for (x0, y0, x1, y1, cw) in ((60, 0, ADVANCE - 60, 800, True), (120, 60, ADVANCE - 120, 740, False)):
        corners = [(x0, y0), (x0, y1), (x1, y1), (x1, y0)]
        if not cw:
            corners.reverse()
        pen.moveTo(corners[0])
        for c in corners[1:]:
            pen.lineTo(c)
        pen.closePath()
    return pen.glyph()


def glyph_name(raised):
    return "dots" + "".join(str(d) for d in sorted(raised)) if raised else "space"


def build(cells, out_path):
    glyphs = {".notdef": notdef_glyph()}
    cmap = {}
    for code, raised in sorted(cells.items()):
        name = glyph_name(raised)
        glyphs[name] = cell_glyph(raised)
        cmap[code] = name
        # Lower case (and the characters above the capitals) are the same cells.
        if 0x40 <= code <= 0x5E:
            cmap[code + 0x20] = name
    order = [".notdef"] + sorted(set(cmap.values()), key=lambda n: min(c for c, v in cmap.items() if v == n))

    fb = FontBuilder(UNITS_PER_EM, isTTF=True)
    fb.setupGlyphOrder(order)
    fb.setupCharacterMap(cmap)
    fb.setupGlyf(glyphs)
    glyf = fb.font["glyf"]
    fb.setupHorizontalMetrics({n: (ADVANCE, getattr(glyf[n], "xMin", 0)) for n in order})
    fb.setupHorizontalHeader(ascent=ASCENT, descent=-DESCENT)
    fb.setupNameTable({
        "copyright": "Copyright (C) Orvo developers",
        "licenseDescription": "GPL-3.0-or-later: the GNU General Public License, version 3 or any later version",
        "licenseInfoURL": "https://www.gnu.org/licenses/gpl-3.0.html",
        "familyName": FAMILY,
        "styleName": "Regular",
        "uniqueFontIdentifier": "Orvo: Orvoten Font Regular: 1.000",
        "fullName": FAMILY,
        "version": "Version 1.000",
        "psName": "OrvotenFont",
        "description": "Six-dot braille cells on the Braille ASCII codes 0x20-0x5F",
    })
    fb.setupOS2(
        version=4, achVendID="ORVO", usWeightClass=400, usWidthClass=5, fsType=0,
        fsSelection=0x40,  # regular
        sTypoAscender=ASCENT, sTypoDescender=-DESCENT, sTypoLineGap=0,
        usWinAscent=ASCENT, usWinDescent=DESCENT,
        sxHeight=700, sCapHeight=800, xAvgCharWidth=ADVANCE,
        ulUnicodeRange1=1,  # Basic Latin
        ulCodePageRange1=1,  # Latin 1
        usDefaultChar=0, usBreakChar=0x20)
    fb.setupPost(isFixedPitch=1, underlinePosition=-100, underlineThickness=50)
    fb.setupHead(created=FIXED_TIME, modified=FIXED_TIME, macStyle=0)
    fb.setupMaxp()
    fb.font.recalcTimestamp = False
    fb.font["head"].fontRevision = 1.0
    # Written whole beside the target, then renamed: a failed run leaves no font behind.
    partial = out_path + ".part"
    try:
        fb.save(partial)
        os.replace(partial, out_path)
    except OSError as e:
        fail(f"cannot write {out_path}: {e.strerror}")


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__.strip().splitlines()[-1])
    build(read_cells(sys.argv[1]), sys.argv[2])


if __name__ == "__main__":
    main()
