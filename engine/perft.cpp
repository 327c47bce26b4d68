#include "engine/perft.h"

#include "engine/movegen.h"

namespace engine {

namespace {

std::uint64_t PerftFromHere(int depth)
{
    EngineMove moves[GenBufferSize];
    MoveSink sink {moves, GenBufferSize};
    GenerateMoves(sink);
    const bool inCheck = PlayerInCheck();
    std::uint64_t leaves = 0;
    for (int i = 0; i < sink.Count; ++i) {
        const EngineMove& move = moves[i];
        if (IllegalMoveKnowingCheck(move, inCheck)) {
            continue;
        }
        if (depth == 1) {
            ++leaves;
            continue;
        }
        Pos.Stack(Pos.MoveStackTop) = move;
        MakeMove(move);
        SwapSides();
        ++Pos.MoveStackTop;
        leaves += PerftFromHere(depth - 1);
        --Pos.MoveStackTop;
        SwapSides();
        UnmakeMove(move);
    }
    return leaves;
}

} // namespace

std::uint64_t Perft(int depth)
{
    if (depth <= 0) {
        return 1;
    }
    // Generation works on the position after MoveStackTop.
    ++Pos.MoveStackTop;
    const std::uint64_t leaves = PerftFromHere(depth);
    --Pos.MoveStackTop;
    return leaves;
}

} // namespace engine
