#include "engine/attacks.h"

namespace engine {

AttackEntry AttackTable[239];

namespace {
// The table is filled once when the engine is loaded.
const bool AttackTableBuilt = (BuildAttackTable(), true);
} // namespace

void BuildAttackTable()
{
    for (AttackEntry& entry : AttackTable) {
        entry = AttackEntry {0, 0};
    }
    for (int index = 7; index >= 0; --index) {
        const int step = Directions[index];
        const std::uint8_t slider = index < 4 ? PieceBits[Rook] : PieceBits[Bishop];
        for (int distance = 1; distance <= 7; ++distance) {
            AttackTable[distance * step + 119]
                = AttackEntry {std::uint8_t(PieceBits[Queen] | slider), std::int8_t(step)};
        }
        AttackTable[step + 119].Mask |= PieceBits[King];
    }
    for (int index = 15; index >= 8; --index) {
        AttackTable[Directions[index] + 119]
            = AttackEntry {PieceBits[Knight], std::int8_t(Directions[index])};
    }
}

bool PawnAttacks(Colour colour, int square)
{
    const int behind = square - PawnStep[colour];
    for (int from : {behind - 1, behind + 1}) {
        if (OnBoard(from) && Pos.Board[from].Kind == Pawn && Pos.Board[from].Colour == colour) {
            return true;
        }
    }
    return false;
}

bool SquareAttacked(Colour colour, int square)
{
    if (PawnAttacks(colour, square)) {
        return true;
    }
    const ListEntry* list = Pos.PieceList[colour];
    for (int index = Pos.OfficerLast[colour]; index >= 0; --index) {
        const ListEntry& entry = list[index];
        // Entries of kind Pawn here are promotions taken back; PieceAttacks
        // treats them as the pawns they are.
        if (entry.Kind != Empty && PieceAttacks(entry.Kind, colour, entry.Square, square)) {
            return true;
        }
    }
    return false;
}

} // namespace engine
