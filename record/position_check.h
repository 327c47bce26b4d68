#pragma once

#include "engine/types.h"

// Why a position cannot start a game, as the number of the message that
// says so, or 0 when it can:
//   1001 the position is not a legal set-up: not exactly one king a side or
//        more than 16 pieces of a colour (always, since the engine cannot
//        hold such a position), a pawn on the first or last rank or the side
//        not to move in check (only when validateBoard is set);
//   1002 the en-passant square does not fit the position;
//   1003 the fifty-move counter is larger than the start ply.
int PositionProblem(
    const engine::BoardImage& board, const engine::PositionState& state, int startPly, bool validateBoard);

// Whether the state's en passant square, when it has one, lies just behind
// a pawn of the side that has just moved; true without a square.
bool EnPassantSquareFits(const engine::BoardImage& board, const engine::PositionState& state, int startPly);

// Whether the king of the colour stands attacked on the board.
bool KingAttacked(const engine::BoardImage& board, int colour);
