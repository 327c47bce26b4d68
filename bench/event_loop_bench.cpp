// How long the main window's event loop goes without handling events while
// the computer searches. A 1 ms timer stands in for the user's input: the
// longest gap between its ticks during the search is how long a click or a
// repaint could wait. The engine runs in slices of RefreshRate ticks, so the
// gap should stay near one slice (5 ticks are about 275 ms, 1 tick 55 ms).
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "settings/data_folder.h"
#include "settings/options.h"
#include "support/busy_delay.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>

namespace {

constexpr int SearchSeconds = 10;
constexpr int GiveUpMs = 3 * SearchSeconds * 1000;

void MakeApplication()
{
    static int argc = 1;
    static char name[] = "event_loop_bench";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // Left to the end of the process: destroyed among the statics, it
    // would outlive parts of Qt it needs.
    static auto* app = new QApplication(argc, argv);
    Q_UNUSED(app);
}

void SetSearchOptions(int refreshRate)
{
    ResetOptions(Options);
    Options.RefreshRate = refreshRate;
    Options.TimeLimitType = time_control::TurnTime;
    Options.SecsPerTurn = SearchSeconds;
    Options.UseOpeningLib = false;
    Options.AllowThinkAhead = false;
    Options.MoveDelay = 0;
    // The expert depth: the search runs until its time is spent.
    Options.SearchDepth = 23;
}

// Arg: RefreshRate in ticks.
void BM_EventLoopGapDuringSearch(benchmark::State& state)
{
    MakeApplication();
    DataDir = QStringLiteral(QUARVEL_DATA_DIR);
    // The animation's busy-wait calibration would take half a second of its own.
    setDelayCount(1000);
    for (auto _ : state) {
        SetSearchOptions(static_cast<int>(state.range(0)));
        auto owned = std::make_unique<TChessForm>();
        TChessForm& form = *owned;
        form.show();
        QCoreApplication::processEvents();
        form.PlayBlackExecute(); // the computer opens as White

        qint64 longestNs = 0;
        QElapsedTimer sinceTick;
        QElapsedTimer search;
        sinceTick.start();
        search.start();
        QEventLoop loop;
        QTimer probe;
        probe.setTimerType(Qt::PreciseTimer);
        QObject::connect(&probe, &QTimer::timeout, [&] {
            const bool searching = engine::GetEngineState() == engine::StateThinking;
            if (searching) {
                longestNs = std::max(longestNs, sinceTick.nsecsElapsed());
            }
            sinceTick.restart();
            if ((!searching && form.Record().EndPly != form.Record().StartPly)
                || search.hasExpired(GiveUpMs)) {
                loop.quit();
            }
        });
        probe.start(1);
        loop.exec();
        state.counters["longest_gap_ms"] = static_cast<double>(longestNs) / 1e6;
        state.counters["search_s"] = static_cast<double>(search.elapsed()) / 1e3;
        form.close();
    }
}
BENCHMARK(BM_EventLoopGapDuringSearch)
    ->Arg(5)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime();

} // namespace
