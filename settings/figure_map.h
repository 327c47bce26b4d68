#pragma once

#include <QString>

// The 22-character figurine map built in for a chess font: white king, queen,
// rook, bishop, knight, pawn; the same for Black; an empty light and dark
// square; then eight border characters. Font names are compared without
// regard to case; unknown fonts (and "Chess") get the program's own map.
QString DefaultFigureMap(const QString& fontName);
