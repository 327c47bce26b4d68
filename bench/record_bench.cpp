// Move notation speed: moves written per second in standard algebraic
// notation and standard algebraic texts read back per second, over the
// legal moves of a mix of opening, middlegame and endgame positions.
#include "engine/engine_interface.h"
#include "record/history.h"
#include "record/notation_reader.h"
#include "record/notation_writer.h"
#include "record/position_reader.h"

#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

using namespace engine;

constexpr const char* Positions[] = {
    "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
    "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
    "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1",
    "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
    "r4rk1/1pp1qppp/p1np1n2/2b1p1B1/2B1P1b1/P1NP1N2/1PP1QPPP/R4RK1 w - - 0 10",
    "rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8",
};

struct TSample {
    std::unique_ptr<TMoveList> legal;
    int side = White;
    std::vector<MoveRecord> moves;
    std::vector<QString> texts;
};

TSample SampleHere()
{
    TGameRecord record;
    record.RefreshPosition();
    TSample sample;
    sample.legal = std::make_unique<TMoveList>(record.LegalMoves);
    sample.side = GetSideToMove();
    for (MoveRecord move : record.LegalMoves.View()) {
        SetDisambiguation(move, record.LegalMoves);
        sample.moves.push_back(move);
        sample.texts.push_back(FormatMove(StandardAlgebraic, move, sample.side));
    }
    return sample;
}

// Each position and every position one move after it.
const std::vector<TSample>& Samples()
{
    static const std::vector<TSample> samples = [] {
        std::vector<TSample> all;
        for (const char* fen : Positions) {
            const TPositionText position = ReadFEN(QString::fromLatin1(fen));
            ResetEngine(&position.Board, &position.State);
            SetSideToMove(position.StartPly % 2 ? Black : White);
            all.push_back(SampleHere());
            const std::vector<MoveRecord> roots = all.back().moves;
            for (const MoveRecord& move : roots) {
                MovePattern pattern {move.Piece, move.Origin.File, move.Origin.Rank, move.Destination.File,
                    move.Destination.Rank};
                if (EnterMove(pattern) != CodeDone) {
                    continue;
                }
                all.push_back(SampleHere());
                MoveRecord made {};
                GetLastMove(made);
                TakeBackMove(made);
            }
        }
        return all;
    }();
    return samples;
}

void BM_WriteStandardAlgebraic(benchmark::State& state)
{
    const std::vector<TSample>& samples = Samples();
    std::int64_t written = 0;
    for (auto _ : state) {
        for (const TSample& sample : samples) {
            for (const MoveRecord& move : sample.moves) {
                benchmark::DoNotOptimize(FormatMove(StandardAlgebraic, move, sample.side));
            }
            written += static_cast<std::int64_t>(sample.moves.size());
        }
    }
    state.counters["moves/s"] = benchmark::Counter(double(written), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_WriteStandardAlgebraic)->Unit(benchmark::kMillisecond);

void BM_ReadStandardAlgebraic(benchmark::State& state)
{
    const std::vector<TSample>& samples = Samples();
    std::int64_t read = 0;
    bool descriptive = false;
    for (auto _ : state) {
        for (const TSample& sample : samples) {
            const TMoveInput input {*sample.legal, sample.side, descriptive};
            for (const QString& text : sample.texts) {
                MovePattern pattern {};
                benchmark::DoNotOptimize(ParseMoveText(text, input, pattern));
            }
            read += static_cast<std::int64_t>(sample.texts.size());
        }
    }
    state.counters["moves/s"] = benchmark::Counter(double(read), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_ReadStandardAlgebraic)->Unit(benchmark::kMillisecond);

} // namespace
