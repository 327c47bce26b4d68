// The standard perft positions and a runner for tables of counts.
#pragma once

#include "tests/engine/fen.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <string>

namespace engine::testing {

inline const char* const PerftEndgame = "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1";
inline const char* const PerftPromotions = "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1";
inline const char* const PerftPromotionsMirrored
    = "r2q1rk1/pP1p2pp/Q4n2/bbp1p3/Np6/1B3NBn/pPPP1PPP/R3K2R b KQ - 0 1";
inline const char* const PerftDiscoveries = "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8";
inline const char* const PerftMiddlegame
    = "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10";

struct PerftCase {
    const char* Fen;
    int Depth;
    std::uint64_t Leaves;
};

// Sets up each position with `setup` and compares `count(depth)` with the known leaves.
template <typename Setup, typename Count, std::size_t N>
void ExpectPerftCounts(const PerftCase (&cases)[N], Setup setup, Count count)
{
    for (const PerftCase& c : cases) {
        SCOPED_TRACE(std::string(c.Fen) + " depth " + std::to_string(c.Depth));
        setup(c.Fen);
        EXPECT_EQ(count(c.Depth), c.Leaves);
    }
}

} // namespace engine::testing
