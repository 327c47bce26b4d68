#include "controller/main_form.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <QClipboard>

#include "controller/preview_host.h"
#include "engine/engine_interface.h"
#include "files/text_store.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"
#include "settings/recent_files.h"
#include "settings/window_settings.h"
#include "support/busy_delay.h"
#include "support/error_log.h"
#include "view/controls/clock_face.h"

#include <chrono>

namespace {

constexpr int IdleSleepMs = 500;
constexpr QSize PreviewSize(214, 160);
constexpr int PreviewHostWaitMs = 10000;

std::uint32_t ClockSeed()
{
    return static_cast<std::uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

TChessForm::TChessForm(const TStartSwitches& startSwitches, QWidget* parent)
    : QMainWindow(parent)
    , switches(startSwitches)
    , appMode(startSwitches.AppMode)
    , random(ClockSeed())
{
    setObjectName(QStringLiteral("ChessForm"));
    setWindowTitle(QApplication::applicationDisplayName());
    FormCreate();
}

TChessForm::~TChessForm()
{
    FormDestroy();
}

void TChessForm::FormCreate()
{
    // The idle handler: run at once while the engine works, twice a second
    // otherwise, so clocks and status stay current while nothing happens.
    idleTimer.setObjectName(QStringLiteral("IdleTimer"));
    connect(&idleTimer, &QTimer::timeout, this, &TChessForm::AppIdle);
    idleTimer.start(IdleSleepMs);
    finishTimer.setObjectName(QStringLiteral("FinishTimer"));
    connect(&finishTimer, &QTimer::timeout, this, &TChessForm::FinishTimerTimer);

    BuildWindow();
    // The game files reach the clipboard through the text store.
    TextStore.setClipboardSource([] { return QApplication::clipboard()->text(); });
    TextStore.setClipboardSink([](const QString& text) { QApplication::clipboard()->setText(text); });
    setAcceptDrops(appMode != TAppMode::SaverRun && appMode != TAppMode::SaverPreview);
    // Reading settings clears BoardRotated; the board turns back with it.
    setRotateBoardHook([this] { RotateBoard(); });
    ApplySwitchesToOptions();

    engine::ResetEngine();
    InitPlayer(0);
    engine::GetBoardImage(startBoard);
    engine::GetPositionState(startState);
    RefreshBoard();
    RefreshPlayerLabels();

    // Window placement and the run time belong to the ordinary settings file.
    if (!UsesScreenSaverSettings(appMode)) {
        const TWindowSettings stored = ReadWindowSettings(appMode == TAppMode::ViewGame);
        if (stored.Left != 0 || stored.Top != 0) {
            move(stored.Left, stored.Top);
        }
        // The window opens as it was left; the viewer's stored state reads
        // as normal. /M maximizes whatever was stored.
        if (stored.State == 2 || switches.Maximized) {
            setWindowState(windowState() | Qt::WindowMaximized);
        } else if (stored.State == 1) {
            setWindowState(windowState() | Qt::WindowMinimized);
        }
        EnterStoredDirectory(stored);
        SetFinishTime(switches.RunMinutes.value_or(0));
        if (stored.RunTime > 0) {
            SetFinishTime(stored.RunTime);
        }
    } else {
        SetFinishTime(switches.RunMinutes.value_or(0));
    }
    if (appMode == TAppMode::Normal) {
        gameFileExt = ReadWindowSettings(false).GameExt;
    }
    SetStrength();

    // The frame is settled before the preview is put into its host: a
    // change of window flags makes a new native window.
    SetFormBorder();
    RedrawForm();
    ResizeFormFromOptions();
    AttachPreviewHost();
    if (Debug) {
        WriteErrorLog(windowTitle() + QStringLiteral(" started."));
    }
    if (switches.RotateAtStart && !Options.BoardRotated) {
        RotateBoard();
    }
    if (appMode == TAppMode::SaverRun) {
        // A pointer moved without a button held must reach the filter too.
        setMouseTracking(true);
        for (QWidget* child : findChildren<QWidget*>()) {
            child->setMouseTracking(true);
        }
        qApp->installEventFilter(this);
    }
    SetFormCaption();
    UpdateTurnStatus();
    RefreshCommands();
}

void TChessForm::ApplySwitchesToOptions()
{
    if (switches.Debug) {
        Debug = true;
    }
    // A viewer shows a variation: no clock may end it, and it opens at the end.
    if (appMode == TAppMode::ViewGame) {
        Options.TimeLimitType = time_control::NoLimit;
        Options.DifferentTime = false;
        Options.OpenToEnd = true;
    }
}

void TChessForm::BuildWindow()
{
    // The client area is laid out by hand (ResizeForm): the board on the
    // left, the status panel beside it.
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("ClientArea"));

    // The board takes the keyboard first: Space and the arrows move pieces.
    board = new TBoardPanel(*this, central);
    board->setObjectName(QStringLiteral("BoardPanel"));
    board->setFocusPolicy(Qt::StrongFocus);
    LoadPieceSet();
    board->ResizeBoard();

    BuildStatusPanel(central);
    setCentralWidget(central);
    BuildMenus();
    BuildBoardMenu();
    BuildButtonBar();
}

void TChessForm::BuildMenus()
{
    struct Entry {
        TCommand command;
        const char* caption;
        QKeySequence key;
    };
    const Entry game[] = {
        {TCommand::PlayWhite, "Play &White", {}},
        {TCommand::PlayBlack, "Play &Black", {}},
        {TCommand::PlayAutoplay, "&Auto Play", {}},
        {TCommand::PlayTwoPlayer, "&Two Players", {}},
        {TCommand::MoveComputerMove, "&Computer Move", Qt::CTRL | Qt::Key_M},
        {TCommand::MoveQuickHint, "Quick &Hint", Qt::CTRL | Qt::Key_H},
        {TCommand::PlayAnalyse, "Ana&lyse", {}},
        {TCommand::MoveStopThinking, "&Stop Thinking", Qt::Key_Escape},
        {TCommand::MoveResign, "&Resign", {}},
        {TCommand::MoveOfferDraw, "Offer &Draw", {}},
        {TCommand::MoveComment, "Comm&ent", Qt::ALT | Qt::Key_E},
        {TCommand::PlayFreezeGame, "&Freeze Game", Qt::Key_Pause},
        {TCommand::PlayEnterPosition, "Enter &Position...", Qt::SHIFT | Qt::Key_Return},
        {TCommand::PlayCopyGame, "&Copy Game", Qt::CTRL | Qt::Key_C},
        {TCommand::PlayPasteGame, "&Paste Game", Qt::CTRL | Qt::Key_V},
        {TCommand::PlayEmailGame, "E&mail...", {}},
        {TCommand::PlayGameInfo, "Game &Info...", Qt::ALT | Qt::Key_G},
    };
    BuildFileMenu();
    QMenu* menu = menuBar()->addMenu(tr("&Game"));
    menu->setObjectName(QStringLiteral("GameMenu"));
    for (const Entry& entry : game) {
        AddCommandAction(entry.command, menu->addAction(tr(entry.caption)), entry.key);
    }
}

// The action runs its command, and every action shows the state the
// command's rule gives it; the checkable ones are those a rule can check.
void TChessForm::AddCommandAction(TCommand command, QAction* action, const QKeySequence& key)
{
    action->setObjectName(QLatin1String(CommandName(command)));
    action->setShortcut(key);
    action->setCheckable(CommandCheckable(command));
    connect(action, &QAction::triggered, this, [this, command] { ExecuteCommand(command); });
    commandActions[static_cast<int>(command)] = action;
}

void TChessForm::SetFormBorder()
{
    if (!UsesScreenSaverSettings(appMode)) {
        return;
    }
    // The saver roles show the board alone, without frame or menus.
    Options.MainMenu = false;
    Options.ShowButtons = 0;
    menuBar()->hide();
    setWindowFlag(Qt::FramelessWindowHint, true);
    if (appMode == TAppMode::SaverPreview) {
        Options.ScalePieces = true;
        Options.EdgeSize = 0;
        Options.ShowPlayers = false;
        // A preview is a few hundred pixels: the board alone fills it,
        // where the status panel and taken rows would squeeze it to nothing.
        Options.ShowStatus = false;
        Options.ShowTaken = false;
        Options.AudioType = 0;
        if (previewHost == nullptr) {
            const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
            setGeometry(QRect(QPoint(screen.right() - PreviewSize.width(), screen.top()), PreviewSize));
        }
    } else {
        // Without a window manager the full-screen state alone leaves the
        // window at its first size: it covers the screen by hand as well.
        setGeometry(QGuiApplication::primaryScreen()->geometry());
        setWindowState(windowState() | Qt::WindowFullScreen);
    }
}

// The preview role draws into a small window of the saver settings, given
// by its X11 window id; the window ends itself when the host goes away.
void TChessForm::AttachPreviewHost()
{
    if (appMode != TAppMode::SaverPreview || switches.PreviewHost == 0) {
        return;
    }
    // Qt cannot tell a foreign window's size or state; the X server can.
    QSize hostSize;
    const THostWindow host = WaitForHostWindow(switches.PreviewHost, hostSize, PreviewHostWaitMs);
    if (host == THostWindow::Gone || host == THostWindow::Hidden) {
        return; // the first idle pass ends the run
    }
    previewHost = QWindow::fromWinId(static_cast<WId>(switches.PreviewHost));
    if (previewHost == nullptr) {
        return;
    }
    winId();
    windowHandle()->setParent(previewHost);
    setGeometry(QRect(QPoint(0, 0), hostSize.isEmpty() ? PreviewSize : hostSize));
}

void TChessForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!activated) {
        FormShow();
        // Offscreen and under some window managers the window is never
        // activated; the first activation's work must still happen once.
        QTimer::singleShot(0, this, &TChessForm::FormActivate);
    }
}

void TChessForm::FormShow()
{
    if (appMode == TAppMode::SaverConfig) {
        // The screen saver has no settings of its own to offer yet: say so
        // rather than vanish, and end without writing any settings.
        quitWithoutAsking = true;
        QTimer::singleShot(0, this, [this] {
            InfoMessage(msg::NothingToConfigure);
            close();
        });
    }
    if (appMode == TAppMode::ViewGame) {
        QTimer::singleShot(0, this, &TChessForm::ShowViewerGame);
    }
}

void TChessForm::FormActivate()
{
    // The piece animation's short frame delays are calibrated busy work.
    // It takes a tenth of a second, so it runs once the window is up rather
    // than before it is shown.
    if (!activated && appMode != TAppMode::SaverConfig && delayCount() <= 1) {
        CalibrateDelay();
    }
    if (appMode == TAppMode::SaverPreview) {
        lower();
    }
    if (appMode == TAppMode::SaverRun && !activated) {
        // Every key press must end the saver, whichever window the desktop
        // (or no window manager at all) gave the keyboard to.
        activateWindow();
        grabKeyboard();
    }
    if (appMode == TAppMode::SaverRun || appMode == TAppMode::SaverPreview) {
        PlayAutoExecute();
    }
    if (appMode == TAppMode::Normal && !activated) {
        ReadRecentFiles();
        RebuildRecentFiles();
        // After this activation is over: a file may ask questions.
        QTimer::singleShot(0, this, &TChessForm::LoadStartFiles);
    }
    activated = true;
}

void TChessForm::FormDestroy()
{
    ++busyDepth;
    if (appMode == TAppMode::SaverRun) {
        qApp->removeEventFilter(this);
    }
    idleTimer.stop();
    finishTimer.stop();
    engine::StopThinking();
    engine::CloseEngine();
    record.ClearHistory();
    setRotateBoardHook({});
    if (Debug) {
        WriteErrorLog(windowTitle() + QStringLiteral(" finished."));
    }
}
