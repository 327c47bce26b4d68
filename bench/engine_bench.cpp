// Engine benchmarks: perft speed through the generator and the legality
// test, search speed over the bench positions, the accuracy of time slices,
// and the search fingerprint (pinned by EngineSearch.FingerprintIsPinned).
#include "engine/bench_positions.h"
#include "engine/engine_interface.h"
#include "engine/fen.h"
#include "engine/perft.h"
#include "engine/random.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

namespace {

using namespace engine;

constexpr const char* Kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
constexpr double MillisecondsPerTick = 5000.0 / 91.0;

void PerftBench(benchmark::State& state, const char* fen, int depth)
{
    ResetEngineToFen(fen);
    std::uint64_t leaves = 0;
    for (auto _ : state) {
        leaves += Perft(depth);
    }
    state.counters["leaves/s"] = benchmark::Counter(double(leaves), benchmark::Counter::kIsRate);
}

void BM_PerftStartDepth5(benchmark::State& state)
{
    PerftBench(state, StartFen, 5);
}
BENCHMARK(BM_PerftStartDepth5)->Unit(benchmark::kMillisecond);

void BM_PerftKiwipeteDepth4(benchmark::State& state)
{
    PerftBench(state, Kiwipete, 4);
}
BENCHMARK(BM_PerftKiwipeteDepth4)->Unit(benchmark::kMillisecond);

// Time to FingerprintDepth for one bench position.
void BM_SearchPosition(benchmark::State& state)
{
    const char* fen = BenchPositions[state.range(0)];
    std::uint64_t nodes = 0;
    for (auto _ : state) {
        nodes += SearchToDepth(fen, FingerprintDepth, FingerprintSeed);
    }
    state.counters["nodes/s"] = benchmark::Counter(double(nodes), benchmark::Counter::kIsRate);
}
BENCHMARK(BM_SearchPosition)->DenseRange(0, BenchPositionCount - 1)->Unit(benchmark::kMillisecond);

// All ten positions: total time, speed and the fingerprint.
void BM_SearchAllPositions(benchmark::State& state)
{
    std::uint64_t nodes = 0;
    std::uint64_t fingerprint = 0;
    for (auto _ : state) {
        fingerprint = SearchFingerprint();
        nodes += fingerprint;
    }
    state.counters["nodes/s"] = benchmark::Counter(double(nodes), benchmark::Counter::kIsRate);
    state.counters["fingerprint"] = double(fingerprint);
}
BENCHMARK(BM_SearchAllPositions)->Unit(benchmark::kMillisecond);

// How far ContinueThinking overruns a slice of range(0) ticks, over many
// slices of a long search.
void BM_SliceOverrun(benchmark::State& state)
{
    const int ticks = int(state.range(0));
    const int slices = ticks == 1 ? 200 : 80;
    std::vector<double> overruns;
    for (auto _ : state) {
        ResetEngineToFen(BenchPositions[3]);
        SetMaxDepth(23);
        SeedEngineRandom(FingerprintSeed);
        StartThinking(0x7FFFFFFF);
        for (int i = 0; i < slices; ++i) {
            const auto start = std::chrono::steady_clock::now();
            const EngineState now = ContinueThinking(std::uint32_t(ticks));
            const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
            overruns.push_back(std::max(0.0, took.count() - ticks * MillisecondsPerTick));
            if (now != StateThinking) {
                break;
            }
        }
        StopThinking();
    }
    std::sort(overruns.begin(), overruns.end());
    const auto at
        = [&](double fraction) { return overruns[std::size_t(fraction * double(overruns.size() - 1))]; };
    state.counters["slices"] = double(overruns.size());
    state.counters["p50_ms"] = at(0.5);
    state.counters["p99_ms"] = at(0.99);
    state.counters["max_ms"] = overruns.back();
}
BENCHMARK(BM_SliceOverrun)->Arg(1)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
