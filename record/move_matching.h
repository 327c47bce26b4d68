#pragma once

#include "engine/types.h"
#include "record/legal_moves.h"

// How loosely a pattern's file is matched (descriptive notation names a
// side of the board rather than a file).
enum TSideMode : int {
    ExactFile = 0,
    // The file and the three after it: e means e to h, a means a to d.
    BoardHalf = 1,
    // The file or its mirror: c means c or f.
    MirrorFile = 2,
};

// Special kind that accepts every move.
inline constexpr int AnySpecial = 4;

// Counts the legal moves that fit the pattern (0 fields match anything),
// the captured piece kind (0 any) and the special kind (AnySpecial for
// any). A pattern to the first or last rank is taken as a promotion when
// its piece is a pawn (the queen promotion is the one matched) and never as
// one for the other pieces. When exactly one move fits, the pattern gets
// its piece, origin and target.
int FindLegalMove(const TMoveList& legalMoves, engine::MovePattern& pattern, int capturedKind,
    int wantedSpecial, int targetSide = ExactFile, int originSide = ExactFile);
