// Position evaluation. At the start of each search the root position fills
// a table of values per colour, kind and square; the search then keeps the
// value up to date move by move with MoveValue. Values are in 1/256 pawn.
#pragma once

#include "engine/board.h"

namespace engine {

constexpr int BaseValue[7] = {0, 4096, 2304, 1216, 768, 768, 256};
constexpr int MaxSearchPly = 23;

// Files (bit per file a..h) holding a colour's pawns, and those holding two or more.
struct PawnSummary {
    std::uint8_t PawnFiles;
    std::uint8_t DoubledFiles;
};

struct TEvaluation {
    std::int16_t PieceSquareTable[2][7][SquareCount];
    std::uint8_t AttackValue[2][SquareCount];
    int TotalMaterial;
    int MaterialBalance; // White's minus Black's, kings left out
    int Phase; // 0 once the non-king material is 8192 or less
    bool Mating; // one side has enough extra material to drive the lone king
    int RootValue;
    Colour RootSide;
    PawnSummary Pawns[MaxSearchPly + 2][2]; // per ply; ply 0 is the root
};

extern TEvaluation Eval;

// Expects MoveStackTop raised (as at the start of a search).
void CalcPieceSquareTable();

inline int PieceValue(int kind, Colour colour, int square)
{
    return Eval.PieceSquareTable[colour][kind][square] + BaseValue[kind];
}

int PawnStructureValue(PawnSummary summary);

// The change of the static value, from Player's side, of making `move` at
// ply MoveStackTop; also writes the next ply's pawn summaries.
int MoveValue(const EngineMove& move);

} // namespace engine
