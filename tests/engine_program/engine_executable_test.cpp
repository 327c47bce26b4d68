// The real quarvel-engine program, talked to through pipes.
#include "engine/engine_interface.h"
#include "engine_program/game_position.h"
#include "tests/engine_program/child_process.h"

#include <gtest/gtest.h>
#include <vector>

namespace engine_program::testing {
namespace {

std::vector<std::string> ReadAll(ChildProcess& engine)
{
    std::vector<std::string> lines;
    while (std::optional<std::string> line = engine.ReadLine()) {
        lines.push_back(*line);
    }
    return lines;
}

bool IsResult(const std::string& line)
{
    return line.rfind("1-0 {", 0) == 0 || line.rfind("0-1 {", 0) == 0 || line.rfind("1/2-1/2 {", 0) == 0;
}

TEST(EngineExecutable, RunsAScriptFromStandardInput)
{
    ChildProcess engine(QUARVEL_ENGINE_PATH);
    for (const char* line : {"uci", "perft 3", "position startpos moves e2e4", "go depth 3", "isready"}) {
        engine.Send(line);
    }
    engine.CloseInput();
    const std::vector<std::string> out = ReadAll(engine);
    EXPECT_EQ(engine.Wait(), 0);
    ASSERT_GE(out.size(), 8u);
    EXPECT_EQ(out[4], "uciok");
    EXPECT_EQ(out[5].rfind("perft 3 nodes 8902 ", 0), 0u) << out[5];
    EXPECT_EQ(out[6], "readyok"); // answered while the engine thinks
    EXPECT_EQ(out.back().rfind("bestmove ", 0), 0u) << out.back();
}

// Two engine processes play a game through the xboard protocol, the test
// passing each one's moves to the other, until they claim the result.
TEST(EngineExecutable, TwoEnginesPlayAGameToItsResult)
{
    ChildProcess white(QUARVEL_ENGINE_PATH);
    ChildProcess black(QUARVEL_ENGINE_PATH);
    for (ChildProcess* engine : {&white, &black}) {
        for (const char* line : {"xboard", "protover 2", "new", "sd 2", "st 1", "hard"}) {
            engine->Send(line);
        }
        ASSERT_EQ(engine->ReadLine().value_or("").rfind("feature ", 0), 0u);
    }
    white.Send("go");
    GamePosition game;
    ChildProcess* mover = &white;
    ChildProcess* other = &black;
    std::string result;
    while (result.empty() && game.MovesPlayed() < 1000) {
        const std::optional<std::string> line = mover->ReadLine();
        ASSERT_TRUE(line) << "no move after " << game.MovesPlayed() << " plies";
        if (IsResult(*line)) {
            result = *line;
        } else if (line->rfind("move ", 0) == 0) {
            const std::string move = line->substr(5);
            ASSERT_EQ(game.PlayMove(move), engine::CodeDone) << move;
            other->Send("usermove " + move);
            std::swap(mover, other);
        }
    }
    ASSERT_FALSE(result.empty());
    EXPECT_EQ(GamePosition::ResultByRule().value_or("none"), result);
    // The engine that received the last move sees the same end.
    other->Send("ping 1");
    std::optional<std::string> line;
    do {
        line = other->ReadLine();
    } while (line && *line != "pong 1" && !IsResult(*line));
    EXPECT_EQ(line.value_or("none"), result);
    for (ChildProcess* engine : {&white, &black}) {
        engine->Send("quit");
        EXPECT_EQ(engine->Wait(), 0);
    }
}

} // namespace
} // namespace engine_program::testing
