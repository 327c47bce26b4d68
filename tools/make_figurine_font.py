#!/usr/bin/python3
"""Build step: writes the figurine diagram font "Chess" (TrueType).

    make_figurine_font.py <chess symbol font> <output .ttf>

Each character is one square of a diagram, one em wide. Its letters follow
the map of the diagram writer: king, queen, rook, bishop, knight, pawn are
k q r b h p for White and l w t n j o for Black, in lower case on a light
square and upper case on a dark one; "=" is an empty light square and "+"
an empty dark square. Dark squares are hatched with diagonal lines that
stop short of the piece. The pieces' outlines come from a free font's chess
symbols. Runs under Debian's python3 with its fontforge module.
"""
import os
import sys

import fontforge
import psMat

EM = 1000
ASCENT = 800
DESCENT = 200
PIECE_HEIGHT = 0.86 * EM  # of the tallest piece
HATCH_PERIOD = 125
HATCH_WIDTH = 42
MARGIN = 45  # clear space kept between a piece and the hatching

# The fonts the pieces may come from: Debian package and licence, recorded
# in the new font, which as a work derived from them carries the same terms.
SOURCE_FONTS = {
    "FreeSerif.ttf": (
        "fonts-freefont-ttf",
        "GNU General Public License version 3 or later, with the GNU FreeFont font exception: "
        "a document embedding this font is not thereby covered by the GPL.",
    ),
}

# (light-square letter, symbol) for White then Black, king to pawn.
PIECES = [
    ("k", 0x2654), ("q", 0x2655), ("r", 0x2656), ("b", 0x2657), ("h", 0x2658), ("p", 0x2659),
    ("l", 0x265A), ("w", 0x265B), ("t", 0x265C), ("n", 0x265D), ("j", 0x265E), ("o", 0x265F),
]
SOLID_OF = {sym: sym + 6 if sym < 0x265A else sym for _, sym in PIECES}


def clip_to_cell(polygon):
    """Sutherland-Hodgman clipping of a convex polygon to the square cell."""
    edges = [
        (lambda p: p[0] >= 0, lambda a, b: cut_x(a, b, 0)),
        (lambda p: p[0] <= EM, lambda a, b: cut_x(a, b, EM)),
        (lambda p: p[1] >= -DESCENT, lambda a, b: cut_y(a, b, -DESCENT)),
        (lambda p: p[1] <= ASCENT, lambda a, b: cut_y(a, b, ASCENT)),
    ]
    for inside, cut in edges:
        result = []
        for i, current in enumerate(polygon):
            previous = polygon[i - 1]
            if inside(current):
                if not inside(previous):
                    result.append(cut(previous, current))
                result.append(current)
            elif inside(previous):
                result.append(cut(previous, current))
        polygon = result
        if not polygon:
            break
    return polygon


def cut_x(a, b, x):
    t = (x - a[0]) / (b[0] - a[0])
    return (x, a[1] + t * (b[1] - a[1]))


def cut_y(a, b, y):
    t = (y - a[1]) / (b[1] - a[1])
    return (a[0] + t * (b[0] - a[0]), y)


def draw_hatching(glyph):
    pen = glyph.glyphPen(replace=False)
    for start in range(-EM, EM + EM, HATCH_PERIOD):
        # A band rising at 45 degrees, clipped to the square.
        band = [
            (start, -DESCENT),
            (start + HATCH_WIDTH, -DESCENT),
            (start + HATCH_WIDTH + EM, ASCENT),
            (start + EM, ASCENT),
        ]
        clipped = clip_to_cell(band)
        if len(clipped) < 3:
            continue
        pen.moveTo(tuple(round(c) for c in clipped[0]))
        for point in clipped[1:]:
            pen.lineTo(tuple(round(c) for c in point))
        pen.closePath()
    pen = None
    glyph.removeOverlap()
    glyph.correctDirection()


def outer_contours(layer):
    """The contours not lying inside another: the piece with its holes filled."""
    contours = list(layer)
    boxes = [c.boundingBox() for c in contours]
    result = layer.dup()
    while len(result) > 0:
        del result[0]
    for i, contour in enumerate(contours):
        x0, y0, x1, y1 = boxes[i]
        enclosed = any(
            j != i and bx0 <= x0 and by0 <= y0 and x1 <= bx1 and y1 <= by1 and (bx1 - bx0) * (by1 - by0) > (x1 - x0) * (y1 - y0)
            for j, (bx0, by0, bx1, by1) in enumerate(boxes)
        )
        if not enclosed:
            result += contour
    return result


def hatching_around(font, solid, hatched):
    """The hatching of a dark square less the piece and a margin around it."""
    clear = font.createChar(-1, "clear")
    clear.foreground = outer_contours(solid)
    # Stroking gives a ring along the outline; its outer edge is the piece
    # grown by the margin.
    clear.stroke("circular", 2 * MARGIN)
    clear.removeOverlap()
    clear.foreground = outer_contours(clear.foreground)
    clear.correctDirection()
    # fontforge's exclude keeps the argument less the layer it is called on.
    remaining = clear.foreground.dup()
    remaining.exclude(hatched.foreground)
    font.removeGlyph(clear)
    return remaining


def piece_layer(source, symbol, transform):
    layer = source[symbol].foreground.dup()
    layer.is_quadratic = False  # the new font is drawn in cubic curves
    layer.transform(transform)
    return layer


def fitting_transform(source):
    """One scale for every piece, centred across, all on one base line."""
    boxes = [source[sym].boundingBox() for _, sym in PIECES]
    bottom = min(b[1] for b in boxes)
    top = max(b[3] for b in boxes)
    scale = PIECE_HEIGHT / (top - bottom)
    base = -DESCENT + (EM - PIECE_HEIGHT) / 2
    transforms = {}
    for _, sym in PIECES:
        x0, _, x1, _ = source[SOLID_OF[sym]].boundingBox()
        move = psMat.translate(-(x0 + x1) / 2, -bottom)
        transforms[sym] = psMat.compose(psMat.compose(move, psMat.scale(scale)), psMat.translate(EM / 2, base))
    return transforms


def new_glyph(font, letter):
    glyph = font.createChar(ord(letter))
    glyph.width = EM
    return glyph


def record_source(font, source, path):
    """Names the source font, its package and licence in the name table."""
    file_name = os.path.basename(path)
    if file_name not in SOURCE_FONTS:
        sys.exit("make_figurine_font.py: no package and licence known for " + file_name)
    package, licence = SOURCE_FONTS[file_name]
    origin = "Pieces from the chess symbols of %s (%s, Debian package %s). %s" % (
        source.familyname, file_name, package, source.copyright.strip())
    font.copyright = origin
    font.appendSFNTName("English (US)", "Descriptor", origin)
    font.appendSFNTName("English (US)", "License", licence)


def main():
    if len(sys.argv) != 3:
        sys.exit("usage: make_figurine_font.py <chess symbol font> <output .ttf>")
    source = fontforge.open(sys.argv[1])
    font = fontforge.font()
    font.encoding = "UnicodeBmp"
    font.fontname = "Chess"
    font.familyname = "Chess"
    font.fullname = "Chess"
    record_source(font, source, sys.argv[1])
    font.em = EM
    font.ascent = ASCENT
    font.descent = DESCENT

    transforms = fitting_transform(source)
    for letter, sym in PIECES:
        outline = piece_layer(source, sym, transforms[sym])
        light = new_glyph(font, letter)
        light.foreground = outline

        dark = new_glyph(font, letter.upper())
        draw_hatching(dark)
        dark.foreground = hatching_around(font, piece_layer(source, SOLID_OF[sym], transforms[sym]), dark) + outline

    new_glyph(font, "=")
    draw_hatching(new_glyph(font, "+"))
    new_glyph(font, " ")
    for glyph in font.glyphs():
        glyph.correctDirection()
    font.generate(sys.argv[2])


main()
