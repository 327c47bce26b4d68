#pragma once

#include "engine/types.h"

#include <array>
#include <cstdint>

// Which pieces each side has lost: a count per kind and the kinds in the
// order they were taken.
struct TTakenPieces {
    static constexpr int Slots = 16;
    // Counts[colour][kind], kind 1 king .. 6 pawn (index 0 unused).
    std::array<std::array<std::int32_t, 7>, 2> Counts {};
    // Order[colour]: kinds in capture order, 0 = empty slot.
    std::array<std::array<std::uint8_t, Slots>, 2> Order {};

    void Clear();
    void Take(int colour, int kind);
    // A kind with no count left is taken as a pawn: a promoted piece comes
    // back as the pawn it was.
    void Untake(int colour, int kind);
    // Starts from both full sets and gives back every piece on the board.
    void Recount(const engine::BoardImage& board);
};
