#include <QApplication>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QWindow>

#include "controller/main_form.h"
#include "controller/preview_host.h"
#include "engine/engine_interface.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"
#include "view/status_panel.h"

namespace {

constexpr int IdleSleepMs = 500;
constexpr int FinishTimerMs = 60000;
constexpr clock_time::Instant OneMinute = 60000;

// The preview lives only as long as its host window is on the screen.
bool HostWindowLost(std::uint64_t host)
{
    if (host == 0) {
        return false;
    }
    const THostWindow state = QueryHostWindow(host);
    return state == THostWindow::Gone || state == THostWindow::Hidden;
}

} // namespace

// The idle handler: the engine gets its slice, and the timer that calls us
// is set to run again at once while the engine works, or to wake us twice a
// second when nothing works.
void TChessForm::AppIdle()
{
    if (appMode == TAppMode::SaverPreview && HostWindowLost(switches.PreviewHost)) {
        quitWithoutAsking = true;
        idleTimer.stop();
        close();
        return;
    }
    // Waits inside a command or a move's acceptance handle events; the
    // engine must not run from inside them.
    if (busyDepth > 0) {
        return;
    }
    RestartScreenSaverGame();
    const bool maySleep = IdleStep() && !EngineDriven();
    idleTimer.setInterval(maySleep ? IdleSleepMs : 0);
}

// Whether the idle step still has engine work: a search or thinking ahead
// that the next pass must continue.
bool TChessForm::EngineDriven() const
{
    const bool stepping = (gameMode == TGameMode::Playing || gameMode == TGameMode::QuickHint
                              || gameMode == TGameMode::Analysing)
        && !frozen;
    const engine::EngineState state = engine::GetEngineState();
    return stepping && (state == engine::StateThinking || state == engine::StateThinkingAhead);
}

void TChessForm::WakeIdle()
{
    if (idleTimer.isActive()) {
        idleTimer.setInterval(0);
    }
}

void TChessForm::SetFinishTime(int minutes)
{
    finishWarned = false;
    if (minutes > 0) {
        finishTime = clock_time::Now() + minutes * OneMinute;
        finishTimer.start(FinishTimerMs);
    }
}

// The run-time limit: a warning on the first tick inside the last minute,
// and the end one tick later.
void TChessForm::FinishTimerTimer()
{
    if (finishWarned) {
        finishTimer.stop();
        SetFreeze();
        InfoMessage(msg::RunTimeOver);
        gameOver = true;
        quitWithoutAsking = true;
        close();
        return;
    }
    if (clock_time::Now() >= finishTime - OneMinute) {
        finishWarned = true;
        InfoMessage(msg::RunTimeWarning);
    }
}

void TChessForm::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange) {
        const auto* change = static_cast<QWindowStateChangeEvent*>(event);
        const bool minimizedNow = windowState().testFlag(Qt::WindowMinimized);
        if (minimizedNow && Options.FreezeOnMinimize) {
            DoAutoFreeze();
        } else if (!minimizedNow && change->oldState().testFlag(Qt::WindowMinimized)) {
            UndoAutoFreeze();
        }
    } else if (event->type() == QEvent::ActivationChange && isActiveWindow() && activated
        && (appMode == TAppMode::SaverRun || appMode == TAppMode::SaverPreview)) {
        PlayAutoExecute();
    }
}

// The full-screen saver ends on any key, button or wheel, and on a mouse
// move away from where the pointer was first seen.
bool TChessForm::eventFilter(QObject* watched, QEvent* event)
{
    if (appMode == TAppMode::SaverRun) {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::Wheel:
            quitWithoutAsking = true;
            close();
            return true;
        case QEvent::MouseMove: {
            const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
            if (!saverPointerSeen) {
                saverPointerSeen = true;
                saverPointer = at;
            } else if (at != saverPointer) {
                quitWithoutAsking = true;
                close();
            }
            break;
        }
        default:
            break;
        }
    }
    if (watched == statusPanel->CommentMemo() && event->type() == QEvent::KeyPress
        && TypeIntoComment(*static_cast<QKeyEvent*>(event))) {
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
