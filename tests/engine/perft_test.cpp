#include "engine/perft.h"
#include "tests/engine/fen.h"

#include <gtest/gtest.h>

namespace engine::testing {
namespace {

struct PerftCase {
    const char* Fen;
    int Depth;
    std::uint64_t Leaves;
};

// The standard perft positions, at depths that run in well under a second each.
const PerftCase FastCases[] = {
    {StartFen, 1, 20},
    {StartFen, 2, 400},
    {StartFen, 3, 8902},
    {StartFen, 4, 197281},
    {Kiwipete, 1, 48},
    {Kiwipete, 2, 2039},
    {Kiwipete, 3, 97862},
    {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 4, 43238},
    {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 5, 674624},
    {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 3, 9467},
    {"r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1", 3, 9467},
    {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 3, 62379},
    {"r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10", 3, 89890},
};

TEST(Perft, GeneratorWithLegalityTestMatchesKnownCounts)
{
    for (const PerftCase& c : FastCases) {
        SCOPED_TRACE(std::string(c.Fen) + " depth " + std::to_string(c.Depth));
        SetBoardFromFen(c.Fen);
        EXPECT_EQ(Perft(c.Depth), c.Leaves);
    }
}

} // namespace
} // namespace engine::testing
