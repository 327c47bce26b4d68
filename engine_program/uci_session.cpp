#include "engine_program/uci_session.h"

#include "engine/engine_interface.h"
#include "engine/engine_state.h"
#include "engine_program/move_text.h"
#include "engine_program/time_budget.h"
#include "engine_program/tool_commands.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace engine_program {

namespace {

using engine::DeepestSearch;

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

std::optional<std::int64_t> ReadNumber(std::string_view text)
{
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc {} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

struct GoParameters {
    std::int64_t Time[2] = {-1, -1};
    std::int64_t Increment[2] = {0, 0};
    int MovesToGo = 0;
    int Depth = 0;
    std::int64_t MoveTime = -1;
    bool Infinite = false;
    bool Ponder = false;
};

GoParameters ParseGo(std::string_view argument)
{
    GoParameters go;
    while (!argument.empty()) {
        const std::string_view word = NextWord(argument);
        if (word == "infinite" || word == "ponder") {
            go.Infinite = true;
            go.Ponder = go.Ponder || word == "ponder";
            continue;
        }
        // Every other word of interest carries a number; words this engine
        // does not use (nodes, mate, searchmoves and its moves) are skipped.
        std::string_view probe = argument;
        const std::optional<std::int64_t> number = ReadNumber(NextWord(probe));
        if (!number) {
            continue;
        }
        argument = probe;
        const std::int64_t value = std::clamp<std::int64_t>(*number, -1, std::int64_t(1) << 40);
        if (word == "wtime" || word == "btime") {
            go.Time[word == "btime"] = std::max<std::int64_t>(value, 0);
        } else if (word == "winc" || word == "binc") {
            go.Increment[word == "binc"] = std::max<std::int64_t>(value, 0);
        } else if (word == "movestogo") {
            go.MovesToGo = int(std::clamp<std::int64_t>(value, 0, 10000));
        } else if (word == "depth") {
            go.Depth = int(std::clamp<std::int64_t>(value, 1, DeepestSearch));
        } else if (word == "movetime") {
            go.MoveTime = std::max<std::int64_t>(value, 0);
        }
    }
    return go;
}

ClockState ClockFor(const GoParameters& go, int side, int ply)
{
    ClockState clock;
    clock.Ply = ply;
    if (go.MoveTime >= 0) {
        clock.Kind = ClockKind::FixedPerMove;
        clock.FixedMs = go.MoveTime;
        return clock;
    }
    if (go.Time[side] < 0) {
        return clock;
    }
    clock.RemainingMs = go.Time[side];
    clock.IncrementMs = go.Increment[side];
    if (go.MovesToGo > 0) {
        clock.Kind = ClockKind::MovesPerPeriod;
        clock.MovesToGo = go.MovesToGo;
    } else {
        clock.Kind = clock.IncrementMs > 0 ? ClockKind::GameIncrement : ClockKind::GameTime;
    }
    return clock;
}

} // namespace

UciSession::UciSession(Output& out)
    : Out(out)
{ }

void UciSession::HandleLine(std::string_view line)
{
    const CommandLine command = SplitCommand(line);
    if (command.Word.empty()) {
        return;
    }
    if (command.Word == "isready") {
        Out.Line("readyok");
        return;
    }
    if (command.Word == "debug") {
        return;
    }
    // Anything else after "go infinite" ended by itself means the GUI has
    // moved on: its "bestmove" comes first.
    ReleaseBestMove();
    if (command.Word == "uci") {
        Identify();
    } else if (command.Word == "ucinewgame") {
        Position.SetStart();
    } else if (command.Word == "setoption") {
        SetOption(command.Argument);
    } else if (command.Word == "position") {
        SetPosition(command.Argument);
    } else if (command.Word == "go") {
        Go(command.Argument);
    } else if (command.Word == "stop" || command.Word == "ponderhit") {
        // Nothing is running: the answer to "go" has been given.
    } else if (command.Word == "quit") {
        Quit = true;
    } else {
        const ToolOutcome tool = RunToolCommand(command, Position, Out);
        if (!tool.WasTool) {
            Out.Line("info string unknown command: " + std::string(Trim(line)));
        } else if (!tool.Error.empty()) {
            Out.Line("info string " + std::string(command.Word) + ": " + tool.Error);
        }
    }
}

bool UciSession::HandleWhileBusy(std::string_view line)
{
    const CommandLine command = SplitCommand(line);
    if (command.Word == "stop") {
        Infinite = false;
        Runner.MoveNow();
    } else if (command.Word == "quit") {
        Runner.Stop();
        Quit = true;
    } else if (command.Word == "isready") {
        Out.Line("readyok");
    } else if (command.Word == "ponderhit") {
        // The engine offers no pondering, but a GUI that ponders anyway
        // gets its move within the clock it sent with "go ponder".
        if (PonderBudgetMs >= 0) {
            Infinite = false;
            Runner.LimitTime(PonderBudgetMs);
        }
    } else if (command.Word == "debug" || command.Word.empty()) {
    } else {
        return false;
    }
    return true;
}

void UciSession::RefuseLongLine(std::string_view start)
{
    Out.Line("info string line too long, ignored: " + std::string(start.substr(0, 40)) + "...");
}

void UciSession::InputEnded()
{
    // Nobody is left to send "stop": a search that only "stop" would end
    // plays its move now. Searches with a limit run to their end.
    InputClosed = true;
    if (Infinite) {
        Infinite = false;
        Runner.MoveNow();
    }
    ReleaseBestMove();
}

void UciSession::Identify()
{
    Out.Line("id name Chess Quarvel");
    Out.Line("id author the Chess Quarvel developers");
    Out.Line("option name OwnBook type check default true");
    Out.Line("option name Depth type spin default 23 min 1 max 23");
    Out.Line("uciok");
}

void UciSession::SetOption(std::string_view argument)
{
    // setoption name <id> [value <x>]: an id may hold blanks.
    if (NextWord(argument) != "name") {
        Out.Line("info string setoption needs a name");
        return;
    }
    const std::size_t valueAt = argument.find(" value");
    const std::string_view name = Trim(argument.substr(0, valueAt));
    const std::string_view value
        = valueAt == std::string_view::npos ? std::string_view {} : Trim(argument.substr(valueAt + 6));
    if (EqualsIgnoringCase(name, "OwnBook") && (value == "true" || value == "false")) {
        OwnBook = value == "true";
    } else if (EqualsIgnoringCase(name, "Depth") && ReadNumber(value)) {
        DepthOption = int(std::clamp<std::int64_t>(*ReadNumber(value), 1, DeepestSearch));
    } else {
        Out.Line("info string unknown option or value: " + std::string(Trim(argument)));
    }
}

void UciSession::SetPosition(std::string_view argument)
{
    const std::string_view kind = NextWord(argument);
    // Blanks at both ends let "moves" match as a whole word first and last.
    std::string padded(1, ' ');
    padded.append(argument).append(1, ' ');
    const std::size_t movesAt = padded.find(" moves ");
    const std::string_view fen = Trim(argument.substr(0, std::min(movesAt, argument.size())));
    std::string_view moves = movesAt >= argument.size() ? std::string_view {} : argument.substr(movesAt + 5);
    if (kind == "startpos") {
        Position.SetStart();
    } else if (kind != "fen" || !Position.SetFen(fen)) {
        Out.Line("info string invalid position: " + std::string(kind) + " " + std::string(fen));
        return;
    }
    while (!moves.empty()) {
        const std::string_view move = NextWord(moves);
        if (Position.PlayMove(move) != engine::CodeDone) {
            Out.Line("info string illegal move: " + std::string(move));
            return;
        }
    }
}

void UciSession::Go(std::string_view argument)
{
    const GoParameters go = ParseGo(argument);
    const int side = engine::GetSideToMove() == engine::White ? 0 : 1;
    const ClockState clock = ClockFor(go, side, Position.Ply());
    SearchLimits limits;
    limits.MaxDepth = go.Depth > 0 ? std::min(go.Depth, DepthOption) : DepthOption;
    // A bare "go" searches until "stop", like "go infinite".
    const bool bare = clock.Kind == ClockKind::None && go.Depth == 0;
    limits.Infinite = (go.Infinite || bare) && !InputClosed;
    limits.BudgetMs = limits.Infinite ? Unlimited : MoveBudgetMs(clock);
    if ((go.Infinite || bare) && InputClosed) {
        limits.BudgetMs = 0;
    }
    Infinite = limits.Infinite;
    PonderBudgetMs = go.Ponder && clock.Kind != ClockKind::None ? MoveBudgetMs(clock) : Unlimited;
    Position.SetUp();
    engine::SetBookPlies(OwnBook && Position.FromInitialPosition() ? -1 : 0);
    Runner.Start(limits);
}

void UciSession::Step()
{
    const bool finished = Runner.Step();
    ReportProgress(finished);
    if (finished) {
        Finish();
    }
}

void UciSession::ReportProgress(bool force)
{
    const std::optional<SearchProgress> progress = Runner.Progress(force);
    if (!progress) {
        return;
    }
    const int mate = MateInMoves(progress->Value);
    const std::string score
        = mate != 0 ? "mate " + std::to_string(mate) : "cp " + std::to_string(Centipawns(progress->Value));
    const std::uint64_t nps
        = progress->ElapsedMs > 0 ? progress->Nodes * 1000 / std::uint64_t(progress->ElapsedMs) : 0;
    Out.Line("info depth " + std::to_string(progress->Depth) + " score " + score + " nodes "
        + std::to_string(progress->Nodes) + " nps " + std::to_string(nps) + " time "
        + std::to_string(progress->ElapsedMs) + " pv " + progress->Line);
}

void UciSession::Finish()
{
    std::string answer = "bestmove 0000";
    if (engine::GetEngineState() != engine::StateNoMove) {
        engine::MoveRecord best;
        engine::MoveRecord reply;
        engine::GetLastMove(best);
        engine::GetHintMove(reply);
        answer = "bestmove " + FormatCoordinateMove(best);
        if (reply.Piece != engine::Empty) {
            answer += " ponder " + FormatCoordinateMove(reply);
        }
    }
    // The engine has played the move on its board; the GUI sends the
    // position again, but a second "go" must search the same one.
    Position.SetUp();
    if (Infinite) {
        HeldBestMove = answer;
    } else {
        Out.Line(answer);
    }
}

void UciSession::ReleaseBestMove()
{
    if (!HeldBestMove.empty()) {
        Out.Line(HeldBestMove);
        HeldBestMove.clear();
    }
    Infinite = false;
}

} // namespace engine_program
