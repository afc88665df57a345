# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 Gli sviluppatori di Brivolo
"""Makes the bold face the program embeds from Wine's Tahoma-compatible fonts.

Wine's tahomabd.ttf has Tahoma Bold's advance widths, so text set in it breaks into lines where
the window was designed to break it, but it draws every glyph with the regular face's thin
outline, set at the left of the wider advance, and carries bitmaps of those thin strokes. This
writes a copy whose outlines are thickened (much across, a little in height) and centred in
their advance as the regular face centres them in its own. Advance widths, kerning, the
baseline and the vertical metrics stay as they are; the embedded bitmaps and the hinting
instructions, made for the thin outlines, are left out.

    python3 embolden.py tahoma.ttf tahomabd.ttf OUTPUT.ttf
"""

import math
import sys

from fontTools.ttLib import TTFont
from fontTools.ttLib.tables import ttProgram

# How much thicker strokes get, in units of the 2048-unit em: an upright stem of about 0.09 em
# becomes about 0.17 em, the weight of common bold sans-serif faces; bars grow less, as in
# those faces, so that the two strokes of "=" and the counters of "e" and "8" stay open.
ACROSS = 160
IN_HEIGHT = 110

NOTICE = (" Modified for Brivolo: strokes thickened by %d units across and %d in height,"
          " outlines centred in their unchanged advance widths, bitmaps and hinting"
          " instructions removed." % (ACROSS, IN_HEIGHT))

# Tables that describe the thin outlines: device bitmaps and metrics, and the hinting programs.
DROPPED = ("EBDT", "EBLC", "EBSC", "VDMX", "hdmx", "LTSH", "fpgm", "prep", "cvt ")


def unit(dx, dy):
    length = math.hypot(dx, dy)
    return (dx / length, dy / length, length) if length else (0.0, 0.0, 0.0)


def embolden_contour(points, across, in_height):
    """Moves every point of one closed contour outwards from the ink (on the right of the
    direction of travel in TrueType outlines), by half the growth on each side, along the
    bisector of its two edges, as FreeType's emboldening does."""
    count = len(points)
    moved = []
    for i, (x, y) in enumerate(points):
        px, py = points[i - 1]
        nx, ny = points[(i + 1) % count]
        ix, iy, l_in = unit(x - px, y - py)
        ox, oy, l_out = unit(nx - x, ny - y)
        if l_in == 0 or l_out == 0:
            moved.append((x, y))
            continue
        d = ix * ox + iy * oy
        if d <= -0.94:  # a turn of more than about 160 degrees: leave the spike alone
            moved.append((x, y))
            continue
        d += 1.0
        sx, sy = -(iy + oy), ix + ox
        # Short edges between two sharp turns would cross: limit the shift to their length.
        q = -(ox * iy - oy * ix)
        limit = min(l_in, l_out)
        shift_x = sx * across / 2 / d if across / 2 * q <= limit * d else sx * limit / q
        shift_y = sy * in_height / 2 / d if in_height / 2 * q <= limit * d else sy * limit / q
        moved.append((x + shift_x, y + shift_y))
    return moved


def main(regular_path, bold_path, output_path):
    regular_width = {name: width for name, (width, _) in TTFont(regular_path)["hmtx"].metrics.items()}
    font = TTFont(bold_path, recalcTimestamp=False)  # the same bytes from every build
    glyf = font["glyf"]
    hmtx = font["hmtx"]
    empty = ttProgram.Program()
    empty.fromBytecode(b"")

    shift = {}
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        width = hmtx[name][0]
        if glyph.numberOfContours <= 0:
            continue
        # The grown outline keeps the baseline, and the regular face's place in the middle of
        # the wider advance.
        dx = (width - regular_width.get(name, width)) / 2
        shift[name] = dx
        coordinates = glyph.coordinates
        start = 0
        for end in glyph.endPtsOfContours:
            contour = [tuple(coordinates[k]) for k in range(start, end + 1)]
            for k, (x, y) in enumerate(embolden_contour(contour, ACROSS, IN_HEIGHT)):
                coordinates[start + k] = (round(x + dx), round(y + IN_HEIGHT / 2))
            start = end + 1
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        if glyph.isComposite():
            # A letter with its accent follows the letter; the accent keeps its place on it.
            components = glyph.components
            base = next((c for c in components if (c.x, c.y) == (0, 0)), components[0])
            for component in components:
                if component is not base:
                    component.x = round(component.x + shift.get(base.glyphName, 0)
                                        - shift.get(component.glyphName, 0))
        if glyph.numberOfContours != 0:
            glyph.program = empty
    for name in font.getGlyphOrder():
        glyph = glyf[name]
        glyph.recalcBounds(glyf)
        width = hmtx[name][0]
        hmtx[name] = (width, getattr(glyph, "xMin", 0) if glyph.numberOfContours else 0)
    for tag in DROPPED:
        if tag in font:
            del font[tag]
    for record in font["name"].names:
        if record.nameID == 0:
            record.string = record.toUnicode() + NOTICE
    font.save(output_path)


if __name__ == "__main__":
    if len(sys.argv) != 4:
        sys.exit("usage: embolden.py REGULAR.ttf BOLD.ttf OUTPUT.ttf")
    main(*sys.argv[1:])
