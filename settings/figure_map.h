#pragma once

#include <QString>

// The 22-character figurine map built in for a chess font: white king, queen,
// rook, bishop, knight, pawn; the same for Black; an empty light and dark
// square; then eight border characters. Font names are compared without
// regard to case; unknown fonts (and "Chess") get the program's own map.
QString DefaultFigureMap(const QString& fontName);

// The character that draws a square of a diagram with a figurine font: the
// map's position 13 (light) or 14 (dark) for an empty square (kind 0),
// otherwise position kind + 6 x colour; upper case on a dark square, lower
// case on a light one. A blank when the map is too short.
QChar FigurineGlyph(const QString& map, bool dark, int colour, int kind);

// The same with the map of the chosen figurine font (Options.FigureFont).
QChar FigurineGlyph(bool dark, int colour, int kind);
