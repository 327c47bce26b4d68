// The search: iterative deepening, principal-variation alpha-beta with a
// capture search at the horizon, check and seventh-rank extensions, two
// killers per ply, repetition draws and a small random term at the root.
#pragma once

#include "engine/eval.h"

namespace engine {

constexpr int MateValue = 32000;
constexpr int MatePlyStep = 128;
constexpr int WindowLimit = 32512;
constexpr int ForcedMateValue = 28800;

struct TSearch {
    EngineMove Killers[MaxSearchPly + 1][2];
    bool InCheckData[MaxSearchPly + 2]; // [ply + 1]: the move made at ply gives check
    int PromotionCandidate[MaxSearchPly + 3];
    bool Stop;
    int MaxDepthIter;
    int LegalRootMoves;
    int Expected;

    bool& InCheck(int ply) { return InCheckData[ply + 1]; }
};

extern TSearch Search;

// Searches for Player on the current board (MoveStackTop = 0 on entry),
// leaving MainLine, MainValue and NodeCount in Engine.
void FindMove();

// Called after every move searched; the engine task gives the caller its
// time slice here. `movesMade` search moves are on the board.
void TimeSliceCheck(int movesMade);

} // namespace engine
