#include "engine/bench_positions.h"

#include "engine/engine_interface.h"
#include "engine/fen.h"
#include "engine/random.h"

namespace engine {

const char* const BenchPositions[BenchPositionCount] = {
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4",
    "rnbqkb1r/pp3ppp/4pn2/2pp4/2PP4/2N2N2/PP2PPPP/R1BQKB1R w KQkq - 0 5",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "8/5pk1/6p1/8/8/6P1/5PK1/3R4 w - - 0 1",
    "4k3/8/8/8/8/8/4P3/4K3 w - - 0 1",
    "8/8/4k3/8/2p5/8/B2P2K1/8 w - - 0 1",
};

std::uint64_t SearchToDepth(const char* fen, int depth, std::uint32_t seed)
{
    constexpr std::uint32_t Unlimited = 0x7FFFFFFF;
    ResetEngineToFen(fen);
    SetMaxDepth(depth);
    SetBookPlies(0);
    SeedEngineRandom(seed);
    StartThinking(Unlimited);
    while (ContinueThinking(Unlimited) == StateThinking) { }
    return GetNodeCount();
}

std::uint64_t SearchFingerprint(int depth, std::uint32_t seed)
{
    std::uint64_t nodes = 0;
    for (const char* fen : BenchPositions) {
        nodes += SearchToDepth(fen, depth, seed);
    }
    return nodes;
}

} // namespace engine
