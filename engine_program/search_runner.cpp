#include "engine_program/search_runner.h"

#include "engine/engine_state.h"
#include "engine/search.h"
#include "engine_program/move_text.h"
#include "engine_program/time_budget.h"

#include <algorithm>
#include <cstdlib>

namespace engine_program {

namespace {

// One tick keeps every command within about 55 ms of its arrival.
constexpr std::uint32_t SliceTicks = 1;
constexpr int MainLineMoves = engine::MainLineLength;
using engine::ForcedMateValue;
using engine::MatePlyStep;
using engine::MateValue;
// The engine's own move timer ends the search; this wall-clock check
// only guards against a budget overrun, two ticks past the budget.
constexpr std::int64_t OverrunMs = 110;

} // namespace

void SearchRunner::Begin(const SearchLimits& limits)
{
    Limits = limits;
    Started = std::chrono::steady_clock::now();
    LastValue = 0;
    LastLine.clear();
    engine::SetMaxDepth(limits.MaxDepth);
}

void SearchRunner::Start(const SearchLimits& limits)
{
    Begin(limits);
    engine::StartThinking(MsToTicks(limits.Infinite ? Unlimited : limits.BudgetMs));
    Running = Mode::Thinking;
}

bool SearchRunner::StartAhead()
{
    engine::StartThinkingAhead();
    // The engine task takes an entered move only once its search is under
    // way, so the first slice runs at once.
    if (engine::GetEngineState() != engine::StateThinkingAhead) {
        return false;
    }
    Begin(SearchLimits {Unlimited, Limits.MaxDepth, true});
    Running = Mode::ThinkingAhead;
    engine::ContinueThinking(SliceTicks);
    if (engine::GetEngineState() != engine::StateThinkingAhead) {
        engine::StopThinking();
        Running = Mode::Idle;
        return false;
    }
    return true;
}

void SearchRunner::ContinueAfterEnteredMove(const SearchLimits& limits)
{
    Begin(limits);
    engine::StartThinking(MsToTicks(limits.Infinite ? Unlimited : limits.BudgetMs));
    Running = Mode::Thinking;
}

bool SearchRunner::Step()
{
    if (Running == Mode::Idle) {
        return false;
    }
    if (Running == Mode::Thinking && !Limits.Infinite && Limits.BudgetMs >= 0
        && ElapsedMs() > Limits.BudgetMs + OverrunMs) {
        engine::MoveNow();
    }
    const engine::EngineState state = engine::ContinueThinking(SliceTicks);
    if (Running == Mode::ThinkingAhead) {
        // A search ahead that ends by itself (a forced line found) leaves
        // the engine idle with the game position on the board.
        if (state != engine::StateThinkingAhead) {
            Running = Mode::Idle;
        }
        return false;
    }
    if (state == engine::StateThinking) {
        return false;
    }
    Running = Mode::Idle;
    return true;
}

void SearchRunner::MoveNow()
{
    if (Running == Mode::Thinking) {
        Limits.Infinite = false;
        engine::MoveNow();
    }
}

void SearchRunner::LimitTime(std::int64_t budgetMs)
{
    // The engine's move timer was set when the search started; the
    // wall-clock check in Step ends the search instead.
    if (Running == Mode::Thinking) {
        Limits.Infinite = false;
        Limits.BudgetMs = std::max<std::int64_t>(budgetMs - OverrunMs, 0) + ElapsedMs();
    }
}

void SearchRunner::Stop()
{
    if (Running != Mode::Idle) {
        engine::StopThinking();
        Running = Mode::Idle;
    }
}

std::int64_t SearchRunner::ElapsedMs() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - Started)
        .count();
}

std::optional<SearchProgress> SearchRunner::Progress(bool force)
{
    engine::MoveRecord line[MainLineMoves + 1];
    SearchProgress progress;
    engine::GetMainLine(progress.Value, line, MainLineMoves);
    for (int i = 0; line[i].Piece != engine::Empty; ++i) {
        if (i > 0) {
            progress.Line += ' ';
        }
        progress.Line += FormatCoordinateMove(line[i]);
    }
    if (progress.Line.empty() || (!force && progress.Line == LastLine && progress.Value == LastValue)) {
        return std::nullopt;
    }
    LastLine = progress.Line;
    LastValue = progress.Value;
    progress.Depth = DepthOfLine(line);
    progress.ElapsedMs = ElapsedMs();
    progress.Nodes = engine::GetNodeCount();
    return progress;
}

int DepthOfLine(const engine::MoveRecord* line)
{
    int depth = 0;
    while (depth < MainLineMoves && line[depth].Piece != engine::Empty) {
        ++depth;
    }
    return std::max(depth, 1);
}

int MateInMoves(int value)
{
    if (std::abs(value) < ForcedMateValue) {
        return 0;
    }
    // A side mated at ply d scores d × 128 − 32000; the main line may add
    // a few points, so round to the nearest ply.
    const int plies = (MateValue - std::abs(value) + MatePlyStep / 2) / MatePlyStep;
    const int moves = (plies + 1) / 2;
    return value > 0 ? std::max(moves, 1) : -std::max(moves, 1);
}

int Centipawns(int value)
{
    return value * 100 / 256;
}

} // namespace engine_program
