// The engine program on real time: how soon "?" brings the move when the
// clock would let the engine think for a minute and more.
#include "engine_program/line_reader.h"
#include "engine_program/program.h"

#include <benchmark/benchmark.h>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace engine_program;

void BM_XboardMoveNowUnderASlowClock(benchmark::State& state)
{
    const std::vector<std::string> script = {"xboard", "new", "level 0 60 0",
        "setboard r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1", "go", "?", "ping 1"};
    for (auto _ : state) {
        ScriptLineSource input(script);
        std::ostringstream output;
        RunEngineProgram(input, output);
        benchmark::DoNotOptimize(output.str());
    }
}
BENCHMARK(BM_XboardMoveNowUnderASlowClock)->Unit(benchmark::kMillisecond);

} // namespace
