#include "tests/engine_program/session_script.h"

#include <gtest/gtest.h>

namespace engine_program::testing {
namespace {

// The first protocol command decides; tool commands may come before it.
TEST(EngineProgram, SpeaksTheProtocolTheFirstCommandAsksFor)
{
    std::vector<std::string> out = RunScript({"", "perft 1", "uci", "frobnicate"});
    ASSERT_EQ(out.size(), 7u);
    EXPECT_EQ(out[1], "id name Chess Quarvel");
    EXPECT_EQ(out.back(), "info string unknown command: frobnicate");

    out = RunScript({"xboard", "uci", "ping 1"});
    EXPECT_EQ(out, (std::vector<std::string> {"Error (unknown command): uci", "pong 1"}));
}

// Commands that arrive while the engine works wait their turn, except
// those that must act at once.
TEST(EngineProgram, KeepsLaterCommandsUntilTheMoveIsOut)
{
    const std::vector<std::string> out = RunScript(
        {"uci", "position startpos", "go depth 3", "position startpos moves e2e4", "isready", "go depth 2"});
    std::vector<std::string> answers;
    for (const std::string& line : out) {
        if (line == "readyok" || line.rfind("bestmove", 0) == 0) {
            answers.push_back(line.substr(0, 8));
        }
    }
    EXPECT_EQ(answers, (std::vector<std::string> {"readyok", "bestmove", "bestmove"}));
}

// "quit" ends even a search with a long budget at once; the end of input
// ends the program after the move it is making.
TEST(EngineProgram, EndsOnQuitOrAtTheEndOfInput)
{
    std::vector<std::string> out = RunScript({"xboard", "new", "level 0 60 0", "usermove e2e4", "quit"});
    EXPECT_TRUE(out.empty());
    out = RunScript({"xboard", "new", "hard", "sd 2", "usermove e2e4"});
    ASSERT_EQ(out.size(), 1u);
    EXPECT_EQ(out[0].rfind("move ", 0), 0u);
}

} // namespace
} // namespace engine_program::testing
