// Attack tests on the engine board.
#pragma once

#include "engine/board.h"

namespace engine {

struct AttackEntry {
    std::uint8_t Mask; // PieceBits of the kinds that can cover the difference on an empty board
    std::int8_t Step; // the single step that leads there
};

// Indexed by (target - origin) + 119.
extern AttackEntry AttackTable[239];

void BuildAttackTable();

inline const AttackEntry& AttackFor(int from, int to)
{
    return AttackTable[to - from + 119];
}

// Can a piece of this kind and colour on `from` reach `to` (move or capture)?
inline bool PieceAttacks(int kind, Colour colour, int from, int to)
{
    if (kind == Pawn) {
        const int diff = to - from - PawnStep[colour];
        return diff == 1 || diff == -1;
    }
    const AttackEntry& entry = AttackFor(from, to);
    if ((entry.Mask & PieceBits[kind]) == 0) {
        return false;
    }
    if (kind == King || kind == Knight) {
        return true;
    }
    for (int square = from + entry.Step; square != to; square += entry.Step) {
        if (Pos.Board[square].Kind != Empty) {
            return false;
        }
    }
    return true;
}

bool PawnAttacks(Colour colour, int square);
bool SquareAttacked(Colour colour, int square);

} // namespace engine
