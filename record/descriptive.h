#pragma once

#include <QStringView>

#include "record/piece_letters.h"

// What a word of English descriptive notation names: a piece, a square, or
// both, as in P, KB3, QR4, KN, BP or R/Q1. Files are named after the pieces
// that start on them (QR a, QN b, QB c, Q d, K e, KB f, KN g, KR h); ranks
// are counted from the side to move. 0 fields name nothing.
struct TDescriptiveSquare {
    int Piece = 0;
    int File = 0;
    int Rank = 0;
    int SideMode = 0; // a TSideMode: how loosely File is meant

    bool NamesSquare() const { return File != 0 || Rank != 0; }
};

// False when the word cannot be read.
bool ReadDescriptiveSquare(
    QStringView word, int sideToMove, const TLetters& letters, TDescriptiveSquare& result);
