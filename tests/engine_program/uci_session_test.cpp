#include "engine/fen.h"
#include "engine_program/game_position.h"
#include "engine_program/move_text.h"
#include "engine_program/uci_session.h"
#include "tests/engine_program/session_script.h"

#include <gtest/gtest.h>

namespace engine_program::testing {
namespace {

const std::string MateInOne = "6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1";

// The move of a "bestmove" line, checked for legality in `fen` after `moves`.
bool IsLegalBestMove(
    const std::string& line, const std::string& fen, std::initializer_list<const char*> moves = {})
{
    const CommandLine words = SplitCommand(line);
    if (words.Word != "bestmove") {
        return false;
    }
    GamePosition position;
    if (!position.SetFen(fen)) {
        return false;
    }
    for (const char* move : moves) {
        position.PlayMove(move);
    }
    return position.PlayMove(SplitCommand(words.Argument).Word) == engine::CodeDone;
}

TEST(UciSession, IdentifiesItselfWithItsOptions)
{
    const std::vector<std::string> out = RunScript({"uci", "isready", "quit"});
    const std::vector<std::string> expected = {"id name Chess Quarvel",
        "id author the Chess Quarvel developers", "option name OwnBook type check default true",
        "option name Depth type spin default 23 min 1 max 23", "uciok", "readyok"};
    EXPECT_EQ(out, expected);
}

// Every kind of "go" ends in exactly one legal "bestmove".
TEST(UciSession, AnswersEachKindOfGoWithOneLegalMove)
{
    const char* const goCommands[] = {"go depth 3", "go movetime 50", "go wtime 2000 btime 2000",
        "go wtime 500 btime 9000 winc 100 binc 100", "go wtime 3000 btime 3000 movestogo 5",
        "go nodes 5 depth 2"};
    for (const char* go : goCommands) {
        SCOPED_TRACE(go);
        const std::vector<std::string> out = RunScript({"uci", "position startpos moves e2e4 c7c5", go});
        const std::vector<std::string> best = LinesStartingWith(out, "bestmove");
        ASSERT_EQ(best.size(), 1u);
        EXPECT_TRUE(IsLegalBestMove(best[0], engine::StartFen, {"e2e4", "c7c5"})) << best[0];
        EXPECT_FALSE(LinesStartingWith(out, "info depth").empty());
    }
}

TEST(UciSession, ReportsMatesAndPositionsWithoutAMove)
{
    std::vector<std::string> out = RunScript({"uci", "position fen " + MateInOne, "go depth 4"});
    EXPECT_TRUE(Contains(out, "bestmove a1a8")) << out.back();
    const std::vector<std::string> info = LinesStartingWith(out, "info depth");
    ASSERT_FALSE(info.empty());
    EXPECT_NE(info.back().find(" score mate 1 "), std::string::npos) << info.back();
    EXPECT_NE(info.back().find(" pv a1a8"), std::string::npos) << info.back();

    out = RunScript({"uci", "position fen " + MateInOne + " moves a1a8", "go depth 2"});
    EXPECT_EQ(LinesStartingWith(out, "bestmove"), std::vector<std::string> {"bestmove 0000"});
}

// Bad input is reported as "info string" and the engine keeps the last
// good position.
TEST(UciSession, ReportsBadInputAndKeepsWorking)
{
    const std::vector<std::string> out
        = RunScript({"uci", "position startpos moves e2e4", "position fen 8/8/8/8 w - - 0 1",
            "position fen rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1 moves e2e4 e7e4 d2d4",
            "position sideways", "setoption name Colour value blue", "setoption name Depth value deep",
            "setoption", "frobnicate now", std::string(MaxLineLength + 1, 'p'), "go depth 2"});
    const std::vector<std::string> info = LinesStartingWith(out, "info string");
    ASSERT_EQ(info.size(), 8u);
    EXPECT_EQ(info[0], "info string invalid position: fen 8/8/8/8 w - - 0 1");
    EXPECT_EQ(info[1], "info string illegal move: e7e4");
    EXPECT_EQ(info[6], "info string unknown command: frobnicate now");
    EXPECT_EQ(info[7].rfind("info string line too long", 0), 0u);
    // The position stopped before the illegal move: Black to move after e2e4.
    const std::vector<std::string> best = LinesStartingWith(out, "bestmove");
    ASSERT_EQ(best.size(), 1u);
    EXPECT_TRUE(IsLegalBestMove(best[0], engine::StartFen, {"e2e4"})) << best[0];
}

TEST(UciSession, InfiniteSearchAnswersOnlyAfterStop)
{
    // A mate in one ends the search at once; the answer still waits.
    std::vector<std::string> out
        = RunScript({"uci", "position fen " + MateInOne, "go infinite", "isready", "stop"});
    const auto ready = std::find(out.begin(), out.end(), "readyok");
    const auto best = std::find(out.begin(), out.end(), "bestmove a1a8");
    ASSERT_NE(ready, out.end());
    EXPECT_LT(ready, best);

    // A long search is cut short by "stop" and answers once.
    out = RunScript({"uci", "position startpos", "go infinite", "stop", "isready"});
    EXPECT_EQ(LinesStartingWith(out, "bestmove").size(), 1u);
    EXPECT_TRUE(Contains(out, "readyok"));

    // Without "stop", the end of input ends the search too.
    out = RunScript({"uci", "position startpos", "go infinite"});
    EXPECT_EQ(LinesStartingWith(out, "bestmove").size(), 1u);

    // "quit" ends the program at once, without an answer.
    out = RunScript({"uci", "position startpos", "go infinite", "quit", "isready"});
    EXPECT_TRUE(LinesStartingWith(out, "bestmove").empty());
    EXPECT_FALSE(Contains(out, "readyok"));
}

// The engine does not offer pondering, but a GUI that ponders anyway gets
// its move within the clock it sent once the ponder move is played.
TEST(UciSession, PonderHitTurnsTheSearchIntoATimedOne)
{
    std::ostringstream stream;
    Output out(stream);
    UciSession session(out);
    session.HandleLine("position startpos moves e2e4 e7e5");
    session.HandleLine("go ponder wtime 1000 btime 1000");
    for (int slice = 0; slice < 5; ++slice) {
        session.Step();
    }
    ASSERT_TRUE(session.Busy());
    ASSERT_TRUE(session.HandleWhileBusy("ponderhit"));
    // An infinite search would use up all these slices (about a minute).
    for (int slice = 0; slice < 1000 && session.Busy(); ++slice) {
        session.Step();
    }
    EXPECT_FALSE(session.Busy());
    EXPECT_EQ(LinesStartingWith(SplitLines(stream.str()), "bestmove ").size(), 1u);
}

// The engine plays its move on its own board; a second "go" without a
// new position must search the same position again.
TEST(UciSession, SearchesTheSamePositionAgainWithoutANewOne)
{
    const std::vector<std::string> out = RunScript(
        {"uci", "setoption name Depth value 2", "position startpos moves g1f3", "go", "stop", "go depth 3"});
    const std::vector<std::string> best = LinesStartingWith(out, "bestmove");
    ASSERT_EQ(best.size(), 2u);
    for (const std::string& line : best) {
        EXPECT_TRUE(IsLegalBestMove(line, engine::StartFen, {"g1f3"})) << line;
    }
}

} // namespace
} // namespace engine_program::testing
