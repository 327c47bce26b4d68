#pragma once

#include <QString>

#include "engine/types.h"

// Piece lines of the position sections, "WK e1": the colour letter and the
// piece letter (the user's current letters), a blank and the square.

// The line for a piece of the colour (0 White, 1 Black) and kind on the
// square given by file and rank 1..8.
QString PieceLineText(int colour, int kind, int file, int rank);

// "e4" or "E4" as a square; false for anything else.
bool ReadSquareText(const QString& text, engine::SquarePair& square);

// Given a line split into its first word and the rest: when the word is two
// characters, the second a piece letter, and the rest is a square, puts the
// piece there and returns true. The piece is Black's when the first
// character is Black's letter, White's otherwise.
bool ReadPieceLine(const QString& word, const QString& rest, engine::BoardImage& board);
