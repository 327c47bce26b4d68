#pragma once

#include <QImage>
#include <QString>

#include "tools/piece_outlines.h"

// Draws a piece-set picture from a font's chess glyphs or from outlines
// drawn here: six frames across (pawn, knight, bishop, rook, queen, king),
// White on the top row and Black below, on pure blue, which the board treats
// as transparent.
struct PieceSetStyle {
    QString fontFile; // a font with the chess symbols U+2654 to U+265F; empty: drawn
    int frameSize = 44; // pixels per frame, square
    double fill = 0.86; // share of the frame height the tallest glyph takes
    DrawnDesign drawn = DrawnDesign::Rounded; // the outlines when there is no font
};

QImage RenderPieceSet(const PieceSetStyle& style);

// The same drawing with smooth edges on a see-through background, for
// drawing at the screen's own resolution.
QImage RenderPieceSetSmooth(const PieceSetStyle& style);

// The transparent colour of piece pictures.
inline constexpr QRgb TransparentBlue = 0xFF0000FF;
