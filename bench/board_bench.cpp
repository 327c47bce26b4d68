// Board drawing speed: a full repaint of the board panel at 64-pixel
// squares, and a piece slide at the default speed with how late each of
// its frames came against the planned waits.
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include "record/history.h"
#include "settings/data_folder.h"
#include "settings/options.h"
#include "support/busy_delay.h"
#include "view/board_panel.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

namespace {

class TBenchHost : public TBoardHost {
public:
    TGameRecord record;
    const TGameRecord& BoardRecord() const override { return record; }
    TGameMode GameMode() const override { return TGameMode::Playing; }
    bool UserMayMove() const override { return true; }
    void PieceMouseDown(TPieceSprite*, Qt::MouseButton) override { }
    void SquareMouseDown(engine::SquarePair, Qt::MouseButton) override { }
    void BoardPanelMouseDown(Qt::MouseButton) override { }
    void BoardMouseUp() override { }
    bool PieceDragOver(TPieceSprite*, engine::SquarePair) override { return false; }
    void PieceDragDrop(TPieceSprite*, engine::SquarePair) override { }
    void PieceEndDrag(TPieceSprite*) override { }
    void BoardRebuiltFromPictures(const engine::BoardImage&) override { }
};

QApplication& App()
{
    static int argc = 1;
    static char name[] = "board_bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    return app;
}

// A shown board with the start position, 64-pixel squares and the
// generated "Modern" set scaled to them.
struct TBoardUnderTest {
    TBenchHost host;
    std::unique_ptr<TBoardPanel> panel;

    TBoardUnderTest()
    {
        App();
        DataDir = QStringLiteral(QUARVEL_DATA_DIR);
        ResetOptions(Options);
        Options.SquareSize = 64;
        Options.ScalePieces = true;
        Options.ShowTaken = true;
        Options.MoveMarker = true;
        Options.Texture = QStringLiteral("Wood");
        Options.PieceSet = QStringLiteral("Modern");
        host.record.StartFromPosition(nullptr, nullptr);
        panel = std::make_unique<TBoardPanel>(host);
        panel->LoadPieceSet();
        panel->resize(panel->BoardWidth(), panel->BoardHeight() + panel->TakenHeight());
        panel->ResizeBoard();
        panel->RedrawTaken(true);
        panel->show();
        QApplication::processEvents();
    }
};

void BM_FullRepaint(benchmark::State& state)
{
    TBoardUnderTest board;
    QImage target(board.panel->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&target);
        board.panel->render(&painter);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_FullRepaint)->Unit(benchmark::kMillisecond);

// Notes when each frame of a slide reaches the screen.
class TFrameClock : public QObject {
public:
    QElapsedTimer clock;
    std::vector<qint64> frames;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            frames.push_back(clock.nsecsElapsed());
        }
        return false;
    }
};

void BM_AnimatedSlide(benchmark::State& state)
{
    TBoardUnderTest board;
    CalibrateDelay();
    const int steps = Options.MoveSpeed = 6;
    double worstLateness = 0;
    double worstEarliness = 0;
    double framesSeen = 0;
    TFrameClock frameClock;
    board.panel->installEventFilter(&frameClock);
    bool forward = true;
    for (auto _ : state) {
        frameClock.frames.clear();
        frameClock.clock.start();
        const engine::SquarePair g1 {7, 1};
        const engine::SquarePair f3 {6, 3};
        board.panel->MovePieceAt(forward ? g1 : f3, forward ? f3 : g1);
        forward = !forward;
        // Frame d is due when the waits before it have passed.
        qint64 due = frameClock.frames.empty() ? 0 : frameClock.frames.front();
        for (int d = 1; d < static_cast<int>(frameClock.frames.size()) && d < steps; ++d) {
            qint64 wait = (steps - d) * (steps - d) + d * d;
            if (Options.DoubleBuffered) {
                wait /= 2;
            }
            due += wait * 1'000'000LL;
            const double late = (frameClock.frames[d] - due) / 1e6;
            worstLateness = std::max(worstLateness, late);
            worstEarliness = std::max(worstEarliness, -late);
        }
        framesSeen += static_cast<double>(frameClock.frames.size());
    }
    state.counters["worst_frame_late_ms"] = worstLateness;
    // Frames shown before their time would make the slide look hurried.
    state.counters["worst_frame_early_ms"] = worstEarliness;
    state.counters["frames_per_slide"] = benchmark::Counter(framesSeen, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_AnimatedSlide)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
