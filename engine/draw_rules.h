// Draw-rule primitives over the move stack: the fifty-move count, the
// repetition count and mating material.
#pragma once

#include "engine/board.h"

namespace engine {

// A move that can be undone by a later move: no pawn, no capture, no castling.
constexpr bool IsReversible(const EngineMove& move)
{
    return move.Piece != Empty && move.Piece != Pawn && move.Captured == Empty && !move.Special;
}

// Consecutive reversible moves ending with the last move made (at MoveStackTop).
int ReversibleCount();

// How often the current position has occurred within the tail of
// reversible moves (1 = no repetition). Quick mode looks at the last four
// moves only and answers 2 when they restore the position, else 1.
int RepetitionCount(bool quick);

bool HasMatingMaterial();

} // namespace engine
