#include "engine_program/tool_commands.h"

#include "engine/bench_positions.h"
#include "engine/engine_interface.h"
#include "engine/perft.h"
#include "engine_program/move_text.h"

#include <charconv>
#include <chrono>
#include <vector>

namespace engine_program {

namespace {

using Clock = std::chrono::steady_clock;

std::int64_t MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

std::uint64_t PerSecond(std::uint64_t count, std::int64_t ms)
{
    return ms > 0 ? count * 1000 / std::uint64_t(ms) : count * 1000;
}

// "N [FEN]": the depth, and the position set up on the engine.
std::string SetUpCountArguments(std::string_view argument, const GamePosition& current, int& depth)
{
    const CommandLine parts = SplitCommand(argument);
    const auto [end, error]
        = std::from_chars(parts.Word.data(), parts.Word.data() + parts.Word.size(), depth);
    if (parts.Word.empty() || error != std::errc {} || end != parts.Word.data() + parts.Word.size()
        || depth < 1 || depth > MaxToolDepth) {
        return "depth must be 1 to " + std::to_string(MaxToolDepth);
    }
    if (parts.Argument.empty()) {
        current.SetUp();
        return {};
    }
    GamePosition position;
    if (!position.SetFen(parts.Argument)) {
        return "illegal position";
    }
    return {};
}

void Perft(int depth, Output& out)
{
    const Clock::time_point start = Clock::now();
    const std::uint64_t leaves = engine::Perft(depth);
    const std::int64_t ms = MillisecondsSince(start);
    out.Line("perft " + std::to_string(depth) + " nodes " + std::to_string(leaves) + " time "
        + std::to_string(ms) + " nps " + std::to_string(PerSecond(leaves, ms)));
}

// Each legal move in generation order, made through the engine interface.
void Divide(int depth, Output& out)
{
    constexpr int MaxMoves = 256;
    std::vector<engine::MoveRecord> moves(MaxMoves + 1);
    engine::FindMoves(engine::MovePattern {}, moves.data(), MaxMoves);
    std::uint64_t total = 0;
    for (int i = 0; moves[i].Piece != engine::Empty; ++i) {
        engine::EnterMove(PatternOf(moves[i]));
        engine::MoveRecord made;
        engine::GetLastMove(made);
        const std::uint64_t leaves = engine::Perft(depth - 1);
        engine::TakeBackMove(made);
        total += leaves;
        out.Line(FormatCoordinateMove(moves[i]) + " " + std::to_string(leaves));
    }
    out.Line("divide " + std::to_string(depth) + " nodes " + std::to_string(total));
}

void Bench(Output& out)
{
    const Clock::time_point start = Clock::now();
    std::uint64_t total = 0;
    for (int i = 0; i < engine::BenchPositionCount; ++i) {
        const std::uint64_t nodes = engine::SearchToDepth(
            engine::BenchPositions[i], engine::FingerprintDepth, engine::FingerprintSeed);
        total += nodes;
        out.Line("position " + std::to_string(i + 1) + " nodes " + std::to_string(nodes));
    }
    const std::int64_t ms = MillisecondsSince(start);
    out.Line("bench nodes " + std::to_string(total) + " time " + std::to_string(ms) + " nps "
        + std::to_string(PerSecond(total, ms)));
    // The sum of SearchToDepth over the positions at the fingerprint depth
    // with the fixed seed is exactly engine::SearchFingerprint().
    out.Line("fingerprint " + std::to_string(total));
}

} // namespace

ToolOutcome RunToolCommand(const CommandLine& command, const GamePosition& current, Output& out)
{
    ToolOutcome outcome;
    if (command.Word == "bench") {
        outcome.WasTool = true;
        Bench(out);
    } else if (command.Word == "perft" || command.Word == "divide") {
        outcome.WasTool = true;
        int depth = 0;
        outcome.Error = SetUpCountArguments(command.Argument, current, depth);
        if (outcome.Error.empty()) {
            command.Word == "perft" ? Perft(depth, out) : Divide(depth, out);
        }
    } else {
        return outcome;
    }
    current.SetUp();
    return outcome;
}

} // namespace engine_program
