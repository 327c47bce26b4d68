#include "engine/engine_interface.h"
#include "engine/perft.h"
#include "tests/engine/perft_cases.h"

namespace engine::testing {
namespace {

// The standard perft positions, at depths that run in well under a second each.
const PerftCase FastCases[] = {
    {StartFen, 1, 20},
    {StartFen, 2, 400},
    {StartFen, 3, 8902},
    {StartFen, 4, 197281},
    {Kiwipete, 1, 48},
    {Kiwipete, 2, 2039},
    {Kiwipete, 3, 97862},
    {PerftEndgame, 4, 43238},
    {PerftEndgame, 5, 674624},
    {PerftPromotions, 3, 9467},
    {PerftPromotionsMirrored, 3, 9467},
    {PerftDiscoveries, 3, 62379},
    {PerftMiddlegame, 3, 89890},
};

TEST(EnginePerft, GeneratorWithLegalityTestMatchesKnownCounts)
{
    ExpectPerftCounts(FastCases, SetBoardFromFen, Perft);
}

// The same counts through the engine interface: FindMoves lists the legal
// moves, EnterMove plays them and TakeBackMove takes them back.
std::uint64_t InterfacePerft(int depth)
{
    MoveRecord list[257];
    EXPECT_EQ(FindMoves(MovePattern {0, 0, 0, 0, 0}, list, 256), CodeDone);
    std::uint64_t leaves = 0;
    for (const MoveRecord* move = list; move->Piece != 0; ++move) {
        if (depth == 1) {
            ++leaves;
            continue;
        }
        const MovePattern pattern {move->Piece, move->Origin.File, move->Origin.Rank, move->Destination.File,
            move->Destination.Rank};
        EXPECT_EQ(EnterMove(pattern), CodeDone);
        leaves += InterfacePerft(depth - 1);
        MoveRecord last;
        GetLastMove(last);
        EXPECT_EQ(TakeBackMove(last), CodeDone);
    }
    return leaves;
}

TEST(EnginePerft, FindMovesMatchesKnownCounts)
{
    const PerftCase cases[] = {
        {StartFen, 3, 8902},
        {Kiwipete, 3, 97862},
        {PerftEndgame, 4, 43238},
        {PerftPromotions, 3, 9467},
        {PerftDiscoveries, 3, 62379},
        {PerftMiddlegame, 3, 89890},
    };
    ExpectPerftCounts(cases, ResetToFen, InterfacePerft);
}

} // namespace
} // namespace engine::testing
