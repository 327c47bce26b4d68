#include "engine/bench_positions.h"
#include "engine/engine_interface.h"
#include "engine/engine_state.h"
#include "engine/random.h"
#include "engine/search.h"
#include "tests/engine/fen.h"

#include <gtest/gtest.h>
#include <string>

namespace engine::testing {
namespace {

constexpr std::uint32_t Unlimited = 0x7FFFFFFF;

// Lets the computer think to `depth` in one slice and play its move.
void ThinkTo(int depth)
{
    SetMaxDepth(depth);
    SetBookPlies(0);
    SeedEngineRandom(1);
    ASSERT_EQ(StartThinking(Unlimited), CodeDone);
    while (ContinueThinking(Unlimited) == StateThinking) { }
}

std::string LastMoveText()
{
    MoveRecord record;
    GetLastMove(record);
    return SquareName(FromPair(record.Origin)) + SquareName(FromPair(record.Destination));
}

TEST(EngineSearch, MateInOneScoresAndStopsAtOnce)
{
    ResetToFen("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1");
    ThinkTo(DeepestSearch);
    EXPECT_EQ(Engine.HintValue, MateValue - MatePlyStep);
    EXPECT_EQ(Search.MaxDepthIter, 1);
    EXPECT_EQ(LastMoveText(), "a1a8");
    int halfMoves = 0, mateCount = 0;
    EXPECT_EQ(GetGameStatus(halfMoves, mateCount), StatusCheckmate);
}

TEST(EngineSearch, NoLegalMoveAtTheRoot)
{
    struct Case {
        const char* Name;
        const char* Fen;
        int Value;
    };
    const Case cases[] = {
        {"checkmated", "R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1", -MateValue},
        {"stalemated", "7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ResetToFen(c.Fen);
        ThinkTo(4);
        EXPECT_EQ(GetEngineState(), StateNoMove);
        EXPECT_EQ(Engine.MainValue, c.Value);
        EXPECT_FALSE(Engine.MainLine[0].IsMove());
        EXPECT_EQ(Pos.MoveStackTop, -1);
        EXPECT_EQ(Pos.MovesSinceSetup, 0);
    }
}

TEST(EngineSearch, OneLegalMoveIsPlayedAfterTheFirstIteration)
{
    ResetToFen("k7/8/8/8/8/8/1r6/K7 w - - 0 1");
    ThinkTo(DeepestSearch);
    EXPECT_EQ(Search.MaxDepthIter, 1);
    EXPECT_EQ(LastMoveText(), "a1b2");
}

TEST(EngineSearch, MateInThreeIsAnnouncedAfterTheFirstMove)
{
    // 1. Kf6 (quiet) and mate on the second move after it.
    ResetToFen("7k/8/8/4K3/8/8/8/R7 w - - 0 1");
    ThinkTo(DeepestSearch);
    EXPECT_EQ(LastMoveText(), "e5f6");
    int halfMoves = 0, mateCount = 0;
    EXPECT_EQ(GetGameStatus(halfMoves, mateCount), StatusMateAnnounced);
    EXPECT_EQ(mateCount, 2);
    EXPECT_EQ(halfMoves, 1);
}

TEST(EngineSearch, ReplyCompletingThreefoldRepetitionScoresZero)
{
    // Black, a pawn down, has a perpetual check whose replies are forced:
    // Qh4+ Kg1 Qe1+ Kh2. Twice round, then Qh4+ Kg1 repeats a third time.
    ResetToFen("Q7/8/3k4/8/3q4/8/6PK/8 b - - 0 1");
    const char* cycle[][2] = {{"d4", "h4"}, {"h2", "g1"}, {"h4", "e1"}, {"g1", "h2"}, {"e1", "h4"},
        {"h2", "g1"}, {"h4", "e1"}, {"g1", "h2"}};
    for (const auto& step : cycle) {
        ASSERT_EQ(EnterMove(Pattern(step[0], step[1])), CodeDone) << step[0] << step[1];
    }
    // One iteration keeps the main-line bonus of deeper nodes out of the value.
    ThinkTo(1);
    EXPECT_EQ(Engine.HintValue, 0);
    EXPECT_EQ(LastMoveText(), "e1h4");
}

TEST(EngineSearch, SameSeedSameSearch)
{
    const std::uint64_t first = SearchToDepth(BenchPositions[4], 4, 7);
    const std::string firstMove = LastMoveText();
    EXPECT_EQ(SearchToDepth(BenchPositions[4], 4, 7), first);
    EXPECT_EQ(LastMoveText(), firstMove);
}

// The node count over the bench positions changes only when the search
// changes; engine_bench prints the same figure.
TEST(EngineSearch, FingerprintIsPinned)
{
    EXPECT_EQ(SearchFingerprint(), 3780863u);
}

} // namespace
} // namespace engine::testing
