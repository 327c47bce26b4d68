#pragma once

#include "engine/types.h"

// Where a piece may be put while the board is set up by hand. A square
// takes a piece only when it is empty; a pawn never stands on its own side's
// back rank (a pawn put on the far rank is promoted instead).
inline constexpr bool SetupSquareAccepts(int kind, int colour, int rank, bool occupied)
{
    if (occupied) {
        return false;
    }
    if (kind != engine::Pawn) {
        return true;
    }
    return colour == engine::White ? rank >= 2 : rank <= 7;
}

// Off the board (the taken rows, the margin, the labels) anything may go,
// except a king while positions are validated: a game needs both kings.
inline constexpr bool SetupOffBoardAccepts(int kind, bool validateBoard)
{
    return !(validateBoard && kind == engine::King);
}

// Whether a pawn move to this rank is a promotion.
inline constexpr bool PromotesOn(int kind, int rank)
{
    return kind == engine::Pawn && (rank == 1 || rank == 8);
}

// An en passant square must lie behind a pawn that has just moved two ranks.
inline bool EnPassantFits(
    const engine::BoardImage& board, const engine::PositionState& state, bool blackToMove)
{
    const engine::SquarePair target = state.EnPassant;
    if (target.File == 0) {
        return true;
    }
    if (target.File > 8) {
        return false;
    }
    const int rank = blackToMove ? 3 : 6;
    const int pawnRank = blackToMove ? 4 : 5;
    const engine::ImageCell pawn = board.At(target.File, pawnRank);
    return target.Rank == rank && pawn.Kind == engine::Pawn
        && pawn.Colour == (blackToMove ? engine::White : engine::Black);
}
