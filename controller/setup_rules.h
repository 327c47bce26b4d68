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
