#include "engine/bench_positions.h"
#include "engine/engine_interface.h"
#include "engine/fen.h"
#include "engine_program/game_position.h"
#include "engine_program/move_text.h"
#include "tests/engine_program/session_script.h"

#include <gtest/gtest.h>
#include <numeric>

namespace engine_program::testing {
namespace {

const std::string Kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

std::uint64_t NodesOf(const std::string& line, const std::string& command)
{
    // "<command> [N] nodes <count> ..."
    const std::vector<std::string> words = Words(line);
    const std::size_t at = std::find(words.begin(), words.end(), "nodes") - words.begin();
    const bool shaped = !words.empty() && words[0] == command && at <= 2 && at + 1 < words.size()
        && IsNumber(words[at + 1]);
    return shaped ? std::stoull(words[at + 1]) : 0;
}

TEST(ToolCommands, PerftCountsTheKnownLeaves)
{
    const struct {
        std::string Fen;
        int Depth;
        std::uint64_t Leaves;
    } cases[] = {
        {"", 4, 197281}, // the current position: the initial one
        {Kiwipete, 3, 97862},
        {"8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 4, 43238},
        {"r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 3, 9467},
        {"rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 3, 62379},
    };
    for (const auto& c : cases) {
        const std::string command = "perft " + std::to_string(c.Depth) + (c.Fen.empty() ? "" : " " + c.Fen);
        SCOPED_TRACE(command);
        const std::vector<std::string> out = RunScript({command});
        ASSERT_EQ(out.size(), 1u);
        EXPECT_EQ(NodesOf(out[0], "perft"), c.Leaves) << out[0];
    }
}

// Divide splits the count by first move, and counts from the session's
// position, which it leaves as it was.
TEST(ToolCommands, DivideSplitsByFirstMoveFromTheCurrentPosition)
{
    const std::vector<std::string> out
        = RunScript({"uci", "position fen " + Kiwipete, "divide 2", "go depth 1"});
    const auto begin = std::find(out.begin(), out.end(), "uciok") + 1;
    const auto total
        = std::find_if(begin, out.end(), [](const std::string& l) { return l.rfind("divide", 0) == 0; });
    ASSERT_NE(total, out.end());
    EXPECT_EQ(total - begin, 48); // Kiwipete's 48 moves
    std::uint64_t sum = 0;
    for (auto line = begin; line != total; ++line) {
        const std::vector<std::string> words = Words(*line);
        ASSERT_EQ(words.size(), 2u) << *line;
        ASSERT_TRUE(ParseCoordinateMove(words[0]) && IsNumber(words[1])) << *line;
        sum += std::stoull(words[1]);
    }
    EXPECT_EQ(sum, 2039u);
    EXPECT_EQ(NodesOf(*total, "divide"), 2039u);
    // The search afterwards is Kiwipete's.
    const std::vector<std::string> best = LinesStartingWith(out, "bestmove ");
    ASSERT_EQ(best.size(), 1u);
    GamePosition position;
    ASSERT_TRUE(position.SetFen(Kiwipete));
    EXPECT_EQ(position.PlayMove(SplitCommand(best[0].substr(9)).Word), engine::CodeDone) << best[0];
}

TEST(ToolCommands, RefusesBadDepthsAndPositions)
{
    const std::vector<std::string> out
        = RunScript({"perft", "perft 0", "perft 11", "perft two", "divide 3 not/a/fen w - - 0 1", "perft 1"});
    const std::vector<std::string> expected = {"Error (depth must be 1 to 10): perft",
        "Error (depth must be 1 to 10): perft 0", "Error (depth must be 1 to 10): perft 11",
        "Error (depth must be 1 to 10): perft two", "Error (illegal position): divide 3 not/a/fen w - - 0 1"};
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(std::vector<std::string>(out.begin(), out.begin() + 5), expected);
    EXPECT_EQ(NodesOf(out[5], "perft"), 20u);
}

// The bench prints the same fingerprint as the engine benchmark.
TEST(ToolCommands, BenchPrintsTheEnginesFingerprint)
{
    const std::vector<std::string> out = RunScript({"bench"});
    ASSERT_EQ(out.size(), std::size_t(engine::BenchPositionCount + 2));
    std::uint64_t sum = 0;
    for (int i = 0; i < engine::BenchPositionCount; ++i) {
        sum += NodesOf(out[std::size_t(i)], "position");
    }
    EXPECT_EQ(NodesOf(out[std::size_t(engine::BenchPositionCount)], "bench"), sum);
    EXPECT_EQ(out.back(), "fingerprint " + std::to_string(engine::SearchFingerprint()));
}

} // namespace
} // namespace engine_program::testing
