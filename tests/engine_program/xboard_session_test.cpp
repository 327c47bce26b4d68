#include "engine/engine_interface.h"
#include "engine/timer.h"
#include "engine_program/game_position.h"
#include "engine_program/move_text.h"
#include "engine_program/xboard_session.h"
#include "tests/engine_program/session_script.h"

#include <gtest/gtest.h>

namespace engine_program::testing {
namespace {

const std::vector<std::string> Handshake = {"xboard", "new"};

std::vector<std::string> RunXboard(std::vector<std::string> commands)
{
    std::vector<std::string> script = Handshake;
    script.insert(script.end(), commands.begin(), commands.end());
    return RunScript(script);
}

// The moves of "move ..." lines.
std::vector<std::string> EngineMoves(const std::vector<std::string>& out)
{
    std::vector<std::string> moves;
    for (const std::string& line : LinesStartingWith(out, "move ")) {
        moves.push_back(line.substr(5));
    }
    return moves;
}

bool IsResult(const std::string& line)
{
    return line.rfind("1-0 {", 0) == 0 || line.rfind("0-1 {", 0) == 0 || line.rfind("1/2-1/2 {", 0) == 0;
}

TEST(XboardSession, AnnouncesItsFeaturesAndAnswersPing)
{
    const std::vector<std::string> out = RunScript({"xboard", "protover 2", "ping 12", "quit"});
    ASSERT_EQ(out.size(), 2u);
    for (const char* feature : {"setboard=1", "usermove=1", "ping=1", "sigint=0", "sigterm=0", "san=0",
             "colors=0", "myname=\"Chess Quarvel\""}) {
        EXPECT_NE(out[0].find(std::string(" ") + feature), std::string::npos) << feature;
    }
    EXPECT_EQ(out[0].rfind("feature ", 0), 0u);
    EXPECT_EQ(out[0].substr(out[0].size() - 7), " done=1");
    EXPECT_EQ(out[1], "pong 12");
}

TEST(XboardSession, RepliesToTheOpponentsMoveUnlessForced)
{
    std::vector<std::string> out = RunXboard({"sd 2", "usermove e2e4", "ping 1"});
    std::vector<std::string> moves = EngineMoves(out);
    ASSERT_EQ(moves.size(), 1u);
    GamePosition game;
    game.PlayMove("e2e4");
    EXPECT_EQ(game.PlayMove(moves[0]), engine::CodeDone) << moves[0];
    // The answer to a ping sent while the engine thinks follows the move.
    EXPECT_EQ(out.back(), "pong 1");

    // Force mode: moves for both sides (bare moves count too), then "go"
    // makes the engine play the side to move.
    out = RunXboard({"sd 2", "force", "usermove e2e4", "e7e5", "go"});
    moves = EngineMoves(out);
    ASSERT_EQ(moves.size(), 1u);
    game.SetStart();
    game.PlayMove("e2e4");
    game.PlayMove("e7e5");
    EXPECT_EQ(game.PlayMove(moves[0]), engine::CodeDone) << moves[0];
}

TEST(XboardSession, AnswersBadCommandsWithTheProtocolsErrors)
{
    const std::vector<std::string> out = RunXboard({"force", "usermove e2e5", "usermove e7e5", "e2e4x",
        "frobnicate 3", "undo", "setboard 8/8/8 w - - 0 1", "level 40 five 0", "sd deep", "st -1",
        "time soon", std::string(MaxLineLength + 5, 'u'), "perft 99", "ping 3"});
    const std::vector<std::string> expected
        = {"Illegal move: e2e5", "Illegal move: e7e5", "Error (unknown command): e2e4x",
            "Error (unknown command): frobnicate", "Error (command not legal now): undo",
            "tellusererror Illegal position", "Error (bad argument): level 40 five 0",
            "Error (bad argument): sd deep", "Error (bad argument): st -1", "Error (bad argument): time soon",
            "Error (line too long): " + std::string(40, 'u') + "...",
            "Error (depth must be 1 to 10): perft 99", "pong 3"};
    EXPECT_EQ(out, expected);
}

TEST(XboardSession, TakesBackMovesWithUndoAndRemove)
{
    const std::vector<std::string> out
        = RunXboard({"force", "e2e4", "e7e5", "g1f3", "remove", "undo", "undo", "e2e4", "ping 1"});
    EXPECT_EQ(out, (std::vector<std::string> {"Error (command not legal now): undo", "pong 1"}));
}

// The result is claimed by whichever move ends the game, the engine's or
// the opponent's, and no move is taken after it until a new game.
TEST(XboardSession, ClaimsResultsWhenTheGameEndsByRule)
{
    const std::string mateInOne = "setboard 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1";
    std::vector<std::string> out = RunXboard({mateInOne, "go"});
    EXPECT_EQ(out, (std::vector<std::string> {"move a1a8", "1-0 {White mates}"}));

    out = RunXboard({mateInOne, "usermove a1a8", "usermove g8h8", "go", "ping 2"});
    EXPECT_EQ(
        out, (std::vector<std::string> {"1-0 {White mates}", "Illegal move (game is over): g8h8", "pong 2"}));

    out = RunXboard({"setboard 7k/8/4Q3/8/8/8/8/6K1 w - - 0 1", "usermove e6g6", "ping 2"});
    EXPECT_EQ(out, (std::vector<std::string> {"1/2-1/2 {Stalemate}", "pong 2"}));

    out = RunXboard({"force", "e2e4", "result 1-0 {White wins}", "go", "new", "force", "e2e4", "ping 4"});
    EXPECT_EQ(out, (std::vector<std::string> {"pong 4"}));
}

TEST(XboardSession, PostsThinkingLinesBeforeTheMove)
{
    const std::vector<std::string> out = RunXboard({"post", "sd 3", "usermove d2d4"});
    ASSERT_GE(out.size(), 2u);
    // depth, score, centiseconds, nodes and the line of moves
    const std::vector<std::string> words = Words(out[0]);
    ASSERT_GE(words.size(), 5u) << out[0];
    EXPECT_TRUE(std::all_of(words.begin(), words.begin() + 4, IsNumber)) << out[0];
    EXPECT_TRUE(std::all_of(words.begin() + 4, words.end(), [](const std::string& word) {
        return ParseCoordinateMove(word).has_value();
    })) << out[0];
    EXPECT_EQ(out.back().rfind("move ", 0), 0u);
    // A mate is posted as 100000 plus the moves to mate.
    const std::vector<std::string> mate
        = RunXboard({"post", "setboard 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", "go"});
    EXPECT_EQ(mate[0].substr(0, 9), "1 100001 ") << mate[0];
}

// The engine's clock moves on with the work it does: four readings make a
// tick, so a search lasts as many slices whatever the machine's speed.
std::uint32_t workTicks = 0;
std::uint32_t WorkClock()
{
    return 1000 + ++workTicks / 4;
}

struct WorkClockInUse {
    WorkClockInUse() { engine::SetTickSource(&WorkClock); }
    ~WorkClockInUse() { engine::SetTickSource(nullptr); }
};

// Under a slow clock, "?" makes the engine move at once.
TEST(XboardSession, MovesAtOnceWhenAskedTo)
{
    const WorkClockInUse clock;
    std::ostringstream stream;
    Output out(stream);
    XboardSession session(out);
    // An hour for the game gives this move a budget of many thousand ticks.
    for (const char* line : {"xboard", "new", "level 0 60 0",
             "setboard r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", "go"}) {
        session.HandleLine(line);
    }
    const auto step = [&session](int slices) {
        for (int i = 0; i < slices && session.Busy(); ++i) {
            session.Step();
        }
    };
    step(100);
    ASSERT_TRUE(session.Busy());
    ASSERT_TRUE(session.HandleWhileBusy("?"));
    step(20);
    EXPECT_FALSE(session.Busy());
    EXPECT_EQ(EngineMoves(SplitLines(stream.str())).size(), 1u) << stream.str();
}

// Driven line by line: the engine thinks on the opponent's time after its
// move and takes the opponent's reply, predicted or not, in that search.
TEST(XboardSession, ThinksAheadAndTakesTheOpponentsReply)
{
    std::ostringstream stream;
    Output out(stream);
    XboardSession session(out);
    // The session owns the one engine: the game is checked afterwards.
    std::vector<std::string> game;
    const auto nextEngineMove = [&] {
        for (int slices = 0; slices < 100000 && session.Busy(); ++slices) {
            session.Step();
            const std::vector<std::string> moves = EngineMoves(SplitLines(stream.str()));
            if (moves.size() == game.size() / 2 + 1) {
                game.push_back(moves.back());
                return true;
            }
        }
        return false;
    };
    const auto userMove = [&](const std::string& move) {
        game.push_back(move);
        return session.HandleWhileBusy("usermove " + move);
    };
    const auto firstLegalMove = [] {
        engine::MoveRecord legal[257];
        engine::FindMoves(engine::MovePattern {}, legal, 256);
        return FormatCoordinateMove(legal[0]);
    };
    // The engine thinks ahead only when its main line holds a predicted
    // reply, which a search cut short by its clock may not leave; until it
    // does, the opponent plays on.
    const auto replyUntilThinkingAhead = [&] {
        for (int tries = 0; tries < 20 && !session.Busy(); ++tries) {
            game.push_back(firstLegalMove());
            session.HandleLine("usermove " + game.back());
            if (!nextEngineMove()) {
                return false;
            }
        }
        return session.Busy();
    };
    // A time per move but no depth limit: thinking ahead lasts until the reply.
    for (const char* line : {"new", "hard", "st 0.3", "usermove e2e4"}) {
        session.HandleLine(line);
    }
    game.push_back("e2e4");
    ASSERT_TRUE(nextEngineMove());
    ASSERT_TRUE(replyUntilThinkingAhead());
    session.HandleLine("hint");
    const std::vector<std::string> hints = LinesStartingWith(SplitLines(stream.str()), "Hint: ");
    ASSERT_EQ(hints.size(), 1u);

    // The predicted reply: the search goes on as the engine's own.
    ASSERT_TRUE(userMove(hints[0].substr(6)));
    ASSERT_TRUE(nextEngineMove());

    // Any other reply: the engine starts afresh from it.
    ASSERT_TRUE(replyUntilThinkingAhead());
    engine::MoveRecord hint;
    engine::GetHintMove(hint);
    engine::MoveRecord legal[257];
    engine::FindMoves(engine::MovePattern {}, legal, 256);
    ASSERT_TRUE(userMove(FormatCoordinateMove(legal[engine::MovesDiffer(legal[0], hint) ? 0 : 1])));
    ASSERT_TRUE(nextEngineMove());

    // An illegal reply leaves the thinking alone; "easy" ends it.
    ASSERT_TRUE(replyUntilThinkingAhead());
    ASSERT_TRUE(session.HandleWhileBusy("usermove e1e5"));
    EXPECT_EQ(SplitLines(stream.str()).back(), "Illegal move: e1e5");
    EXPECT_TRUE(session.Busy());
    ASSERT_TRUE(session.HandleWhileBusy("easy"));
    EXPECT_FALSE(session.Busy());
    // The engine's board holds the game: the next move is taken.
    session.HandleLine("force");
    game.push_back(firstLegalMove());
    session.HandleLine("usermove " + game.back());
    EXPECT_EQ(LinesStartingWith(SplitLines(stream.str()), "Illegal").size(), 1u) << stream.str();

    // Every move of both sides was legal in turn.
    GamePosition replay;
    for (const std::string& move : game) {
        ASSERT_EQ(replay.PlayMove(move), engine::CodeDone) << move;
    }
}

// A whole game of the engine against itself: "go" after each of its moves
// makes it play the other side, until it claims the result.
class SelfPlayInput : public LineSource {
public:
    explicit SelfPlayInput(const std::ostringstream& output)
        : Output(output)
    { }
    std::optional<InputLine> Next(bool wait) override
    {
        if (!wait || Done) {
            return std::nullopt;
        }
        if (Setup < Opening.size()) {
            return InputLine {Opening[Setup++], false};
        }
        const std::vector<std::string> lines = SplitLines(Output.str());
        Done = ++Turns > 1000 || std::any_of(lines.begin(), lines.end(), IsResult);
        return InputLine {Done ? "quit" : "go", false};
    }
    bool Ended() const override { return Done; }

private:
    const std::ostringstream& Output;
    const std::vector<std::string> Opening = {"xboard", "protover 2", "new", "sd 2", "st 1", "random"};
    std::size_t Setup = 0;
    int Turns = 0;
    bool Done = false;
};

TEST(XboardSession, PlaysAWholeGameAgainstItself)
{
    std::ostringstream output;
    SelfPlayInput input(output);
    RunEngineProgram(input, output);
    const std::vector<std::string> out = SplitLines(output.str());
    ASSERT_TRUE(IsResult(out.back())) << out.back();
    GamePosition game;
    for (const std::string& move : EngineMoves(out)) {
        ASSERT_EQ(game.PlayMove(move), engine::CodeDone) << move;
    }
    EXPECT_GT(game.MovesPlayed(), 10);
    EXPECT_EQ(GamePosition::ResultByRule().value_or("none"), out.back());
}

} // namespace
} // namespace engine_program::testing
