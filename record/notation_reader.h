#pragma once

#include <QString>

#include "engine/types.h"
#include "record/legal_moves.h"

// What move text is read against: the legal moves of the side to move and
// the game's DescriptiveInput flag, which the reader flips when text reads
// only in the other notation (so a game typed in descriptive notation is
// read descriptively from then on).
struct TMoveInput {
    const TMoveList& LegalMoves;
    int SideToMove;
    bool& DescriptiveInput;
    // The English letters whatever the options say (PGN).
    bool StandardLetters = false;
};

// Reads move text in standard or long algebraic, coordinate, international
// numeric or English descriptive notation, or a castling spelling, into a
// move pattern. Check, mate and annotation signs and the e.p. and ch
// suffixes are ignored. False when no rule reads the text or it fits no
// legal move or more than one; the pattern is then unchanged. Castling and
// international moves are accepted without looking at the legal moves: the
// engine decides when the move is entered.
bool ParseMoveText(const QString& text, const TMoveInput& input, engine::MovePattern& pattern);
