#pragma once

#include <QChar>

// Letters of colours and pieces in the live Options: the standard English
// ones with TextType 0, the custom ones otherwise.

// Colour 0 White, 1 Black.
char ColourLetter(int colour);

// Piece kind 0 (none, a blank) to 6 (pawn).
char PieceLetter(int kind);

// The kind (1 king to 6 pawn) whose letter the typed character is, upper
// case or not; kinds are tried in that order, so a letter shared by two
// kinds gives the first. 0 when no piece has the letter.
int PieceKindFromLetter(QChar typed);

// Whether the typed character, upper-cased, is the letter of Black.
bool IsBlackLetter(QChar typed);
