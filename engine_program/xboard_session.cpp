#include "engine_program/xboard_session.h"

#include "engine/engine_interface.h"
#include "engine/engine_state.h"
#include "engine_program/move_text.h"
#include "engine_program/tool_commands.h"

#include <algorithm>
#include <initializer_list>

namespace engine_program {

namespace {

using engine::DeepestSearch;
// Mates are written as 100000 plus the moves to mate, the form GUIs of
// this protocol show as a mate announcement.
constexpr int MateScoreBase = 100000;

bool IsOneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Commands that only change settings for later searches: they may be
// carried out while the engine thinks.
bool IsSettingCommand(std::string_view word)
{
    return IsOneOf(word,
        {"xboard", "protover", "accepted", "rejected", "random", "computer", "name", "level", "st", "sd",
            "time", "otim", "post", "nopost", "hard", "easy", "draw", "hint", "bk", ".", "white", "black",
            "ics", "rating"});
}

// Commands that change the game: any thinking is abandoned first.
bool IsGameCommand(std::string_view word)
{
    return IsOneOf(
        word, {"new", "force", "go", "playother", "setboard", "usermove", "undo", "remove", "result"});
}

bool IsBareMove(const CommandLine& command)
{
    return command.Argument.empty() && ParseCoordinateMove(command.Word).has_value();
}

int XboardScore(int value)
{
    const int mate = MateInMoves(value);
    if (mate > 0) {
        return MateScoreBase + mate;
    }
    if (mate < 0) {
        return -MateScoreBase + mate;
    }
    return Centipawns(value);
}

} // namespace

XboardSession::XboardSession(Output& out)
    : Out(out)
{ }

void XboardSession::HandleLine(std::string_view line)
{
    const CommandLine command = SplitCommand(line);
    if (command.Word.empty() || HandleGameCommand(command) || HandleSettingCommand(command)) {
        return;
    }
    HandleOtherCommand(command, line);
}

bool XboardSession::HandleWhileBusy(std::string_view line)
{
    const CommandLine command = SplitCommand(line);
    const bool ahead = Runner.CurrentMode() == SearchRunner::Mode::ThinkingAhead;
    if (command.Word == "quit") {
        Runner.Stop();
        Quit = true;
    } else if (command.Word == "?") {
        Runner.MoveNow();
    } else if (command.Word == "ping") {
        // While the engine works on its own move the answer follows the
        // move; thinking on the opponent's time does not count.
        if (!ahead) {
            return false;
        }
        HandleLine(line);
    } else if (ahead && (command.Word == "usermove" || IsBareMove(command))) {
        MoveWhileThinkingAhead(command.Word == "usermove" ? command.Argument : command.Word);
    } else if (IsSettingCommand(command.Word) || command.Word.empty()) {
        HandleLine(line);
    } else if (ahead || IsGameCommand(command.Word) || IsBareMove(command)) {
        Runner.Stop();
        HandleLine(line);
    } else {
        return false;
    }
    return true;
}

void XboardSession::RefuseLongLine(std::string_view start)
{
    Out.Line("Error (line too long): " + std::string(start.substr(0, 40)) + "...");
}

void XboardSession::InputEnded()
{
    InputClosed = true;
    if (Runner.CurrentMode() == SearchRunner::Mode::ThinkingAhead) {
        Runner.Stop();
    }
}

bool XboardSession::HandleGameCommand(const CommandLine& command)
{
    if (!IsGameCommand(command.Word)) {
        return false;
    }
    // While thinking ahead the board is the game's, and an opponent's move
    // is taken by the search itself; everything else ends that thinking.
    Runner.Stop();
    if (command.Word == "new") {
        NewGame();
    } else if (command.Word == "force") {
        Force = true;
    } else if (command.Word == "go") {
        Force = false;
        StartThinking();
    } else if (command.Word == "playother") {
        Force = false;
    } else if (command.Word == "setboard") {
        SetBoard(command.Argument);
    } else if (command.Word == "usermove") {
        UserMove(command.Argument);
    } else if (command.Word == "undo") {
        TakeBack(1, command.Word);
    } else if (command.Word == "remove") {
        TakeBack(2, command.Word);
    } else if (command.Word == "result") {
        GameOver = true;
    }
    return true;
}

bool XboardSession::HandleSettingCommand(const CommandLine& command)
{
    const std::string line
        = std::string(command.Word) + (command.Argument.empty() ? "" : " ") + std::string(command.Argument);
    if (command.Word == "protover") {
        Out.Line("feature ping=1 setboard=1 playother=1 usermove=1 time=1 draw=0 sigint=0 sigterm=0 reuse=1 "
                 "analyze=0 san=0 colors=0 name=0 ics=0 myname=\"Chess Quarvel\" done=1");
    } else if (command.Word == "ping") {
        Out.Line("pong " + std::string(command.Argument));
    } else if (command.Word == "quit") {
        Runner.Stop();
        Quit = true;
    } else if (command.Word == "level" || command.Word == "st") {
        const bool set = command.Word == "level" ? Clock.SetLevel(command.Argument)
                                                 : Clock.SetSecondsPerMove(command.Argument);
        if (!set) {
            Out.Line("Error (bad argument): " + line);
        }
    } else if (command.Word == "sd") {
        SetDepth(command.Argument, line);
    } else if (command.Word == "time") {
        if (!Clock.SetRemaining(command.Argument)) {
            Out.Line("Error (bad argument): " + line);
        }
    } else if (command.Word == "post" || command.Word == "nopost") {
        Post = command.Word == "post";
    } else if (command.Word == "hard") {
        Ponder = true;
    } else if (command.Word == "easy") {
        Ponder = false;
        if (Runner.CurrentMode() == SearchRunner::Mode::ThinkingAhead) {
            Runner.Stop();
        }
    } else if (command.Word == "hint") {
        engine::MoveRecord reply;
        engine::GetHintMove(reply);
        if (reply.Piece != engine::Empty && !GameOver) {
            Out.Line("Hint: " + FormatCoordinateMove(reply));
        }
    } else if (command.Word == "?" || IsSettingCommand(command.Word)) {
        // Moving now is for a search; the other words need no action.
    } else {
        return false;
    }
    return true;
}

void XboardSession::HandleOtherCommand(const CommandLine& command, std::string_view line)
{
    if (IsBareMove(command)) {
        UserMove(command.Word);
        return;
    }
    const ToolOutcome tool = RunToolCommand(command, Position, Out);
    if (!tool.WasTool) {
        Out.Line("Error (unknown command): " + std::string(command.Word));
    } else if (!tool.Error.empty()) {
        Out.Line("Error (" + tool.Error + "): " + std::string(Trim(line)));
    }
}

void XboardSession::NewGame()
{
    Position.SetStart();
    Force = false;
    GameOver = false;
    MaxDepth = DeepestSearch;
    Clock.NewGame();
}

void XboardSession::SetBoard(std::string_view fen)
{
    if (!Position.SetFen(fen)) {
        Out.Line("tellusererror Illegal position");
        return;
    }
    GameOver = false;
}

void XboardSession::UserMove(std::string_view text)
{
    if (GameOver) {
        Out.Line("Illegal move (game is over): " + std::string(text));
        return;
    }
    if (Position.PlayMove(text) != engine::CodeDone) {
        Out.Line("Illegal move: " + std::string(text));
        return;
    }
    ClaimResultIfOver();
    if (!Force) {
        StartThinking();
    }
}

void XboardSession::MoveWhileThinkingAhead(std::string_view text)
{
    if (GameOver || CheckCoordinateMove(text).Code != engine::CodeDone) {
        Out.Line("Illegal move: " + std::string(text));
        return;
    }
    // The engine compares the move with the reply it predicted: the same
    // one turns the search into the search for the computer's move.
    Position.PlayMove(text);
    if (const std::optional<std::string> result = GamePosition::ResultByRule()) {
        Runner.Stop();
        Out.Line(*result);
        GameOver = true;
        return;
    }
    Runner.ContinueAfterEnteredMove(LimitsForNextMove());
}

void XboardSession::TakeBack(int plies, std::string_view line)
{
    if (!Position.TakeBack(plies)) {
        Out.Line("Error (command not legal now): " + std::string(line));
        return;
    }
    GameOver = GamePosition::ResultByRule().has_value();
}

void XboardSession::SetDepth(std::string_view argument, std::string_view line)
{
    const std::optional<double> depth = ReadDecimal(argument);
    if (!depth || *depth < 1) {
        Out.Line("Error (bad argument): " + std::string(line));
        return;
    }
    MaxDepth = int(std::min<double>(*depth, DeepestSearch));
}

SearchLimits XboardSession::LimitsForNextMove() const
{
    SearchLimits limits;
    limits.BudgetMs = MoveBudgetMs(Clock.ForNextMove(Position.Ply(), Position.MovesPlayed()));
    limits.MaxDepth = MaxDepth;
    return limits;
}

void XboardSession::StartThinking()
{
    if (GameOver) {
        return;
    }
    ClaimResultIfOver();
    if (GameOver) {
        return;
    }
    // The library's lines start from the initial position.
    engine::SetBookPlies(Position.FromInitialPosition() ? -1 : 0);
    Runner.Start(LimitsForNextMove());
}

void XboardSession::Step()
{
    const bool finished = Runner.Step();
    if (Post) {
        ReportProgress(finished);
    }
    if (finished) {
        PlayFoundMove();
    }
}

void XboardSession::ReportProgress(bool force)
{
    if (const std::optional<SearchProgress> progress = Runner.Progress(force)) {
        Out.Line(std::to_string(progress->Depth) + " " + std::to_string(XboardScore(progress->Value)) + " "
            + std::to_string(progress->ElapsedMs / 10) + " " + std::to_string(progress->Nodes) + " "
            + progress->Line);
    }
}

void XboardSession::PlayFoundMove()
{
    if (engine::GetEngineState() == engine::StateNoMove) {
        // Mated or stalemated: the engine keeps that state until it is
        // set up again.
        Position.SetUp();
        ClaimResultIfOver();
        return;
    }
    engine::MoveRecord move;
    engine::GetLastMove(move);
    Clock.MoveMade(Runner.ElapsedMs(), Position.MovesPlayed());
    Position.RecordEngineMove(move);
    Out.Line("move " + FormatCoordinateMove(move));
    ClaimResultIfOver();
    if (Ponder && !Force && !GameOver && !InputClosed) {
        Runner.StartAhead();
    }
}

void XboardSession::ClaimResultIfOver()
{
    if (const std::optional<std::string> result = GamePosition::ResultByRule()) {
        Out.Line(*result);
        GameOver = true;
    }
}

} // namespace engine_program
