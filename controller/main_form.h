#pragma once

#include <QMainWindow>
#include <QTimer>

#include "controller/app_mode.h"
#include "controller/switches.h"
#include "engine/types.h"
#include "record/game_modes.h"
#include "record/history.h"
#include "record/record_commands.h"
#include "record/record_host.h"
#include "record/time_control.h"
#include "view/controls/clock_time.h"

#include <cstdint>
#include <memory>
#include <random>

class QAction;
class QLabel;
class QLineEdit;
class QWindow;
class TClockFace;
class TWorkingBoard;

// Whether the clock has been pressed since the last move.
enum class TClockPress : std::uint8_t {
    // The next turn may start.
    Pressed = 0,
    // The turn of the side to move has started.
    Running = 1,
    // A human has moved and not pressed the clock yet (only with AutoPress off).
    AwaitingPress = 2,
};

// The main window: game controller and board view. It is alive for the whole
// run and owns the game, the clocks and the board pictures. Its methods are
// spread over files by concern: start-up, the idle loop and closing, game
// flow, the computer player, time controls and the commands.
class TChessForm : public QMainWindow, public TRecordHost {
    Q_OBJECT

public:
    explicit TChessForm(const TStartSwitches& switches = {}, QWidget* parent = nullptr);
    ~TChessForm() override;

    // Commands. Each does nothing while BusyDepth is above zero.
    void FileNewExecute();
    void PlayAutoExecute();
    void PlayWhiteExecute();
    void PlayBlackExecute();
    void PlayBothExecute();
    void ComputerMoveExecute();
    void QuickHintExecute();
    void AnalyseExecute();
    // Also the Esc key; in Stopped and Demonstration it works while busy.
    void StopThinkingExecute();
    void ResignExecute();
    void OfferDrawExecute();
    void FreezeGameExecute();
    void ExitExecute();

    // The user's moves: a drop on the board, and typed text ("e2e4", "e7e8q",
    // "Resign", "Draw", "1-0", "1/2-1/2"). False when the move was not made.
    bool BoardMove(engine::MovePattern pattern);
    bool EnterMove(const QString& text);
    // A click on a clock face or the status panel.
    void ClockClick();
    // A press on a board square: the first picks a piece of the side to
    // move, the second moves it there.
    void BoardSquareClicked(int file, int rank);

    // Start-up and the loop.
    void FormActivate();
    // One pass of the idle handler; the idle timer calls it.
    void AppIdle();
    // The computer player's share of it: true when the loop may sleep.
    bool IdleStep();
    void SetFinishTime(int minutes);
    void FinishTimerTimer();
    // False when the user keeps a modified game on being asked (message 1020).
    bool OkToCloseForm();

    // Game flow.
    bool InitGame(const engine::BoardImage* board = nullptr, const engine::PositionState* state = nullptr);
    void InitPlayer(int startPly);
    void RestartGame(int startPly);
    void StartupGame();
    void ActivateGame();
    void SetGameMode(TGameMode mode) override;
    void SetGamePlay(TPlayKind kind);
    void InitGamePlay(TPlayKind kind);
    bool ComputersTurn() const;
    void StartNextMove();
    void ClockChange();
    void AcceptLastMove() override;
    void BoardExecuteMove(const engine::MoveRecord& move);
    void BoardRetractMove(const engine::MoveRecord& move);
    void ReportGameState(int level);
    void RefreshGameState();
    bool DeclinesDraw() const;
    void SetFreeze();
    void ResetFreeze();
    void DoAutoFreeze();
    void UndoAutoFreeze();

    // Computer player.
    void SetStrength();
    void StartComputerMove();
    void DoComputerMove();
    engine::MoveRecord FetchComputerMove();
    void StopAnalyseMode();

    // Time controls and clocks.
    time_control::TimeSituation TimeNow() const;
    bool TimeRemaining(std::uint32_t margin) const;
    void SetActiveTimer();
    void StartActiveTimer();
    void StopActiveTimer();
    void RefreshClocks();

    // State, as the display, the console and tests read it.
    TAppMode AppMode() const { return appMode; }
    TGameMode GameMode() const override { return gameMode; }
    TPlayKind PlayKind() const override { return playKind; }
    bool GameOver() const override { return gameOver; }
    int BusyDepth() const { return busyDepth; }
    bool Frozen() const { return frozen; }
    bool AutoFrozen() const { return autoFrozen; }
    TClockPress ClockPress() const { return clockPress; }
    const TGameRecord& Record() const { return record; }
    QString StatusLine() const { return statusLine; }
    QString StatusDetail() const { return statusDetail; }
    bool StopThinkingEnabled() const { return stopThinkingEnabled; }
    bool QuitWithoutAsking() const { return quitWithoutAsking; }
    TClockFace* WhiteClockFace() const { return whiteClockFace; }
    TClockFace* BlackClockFace() const { return blackClockFace; }
    TClockFace* GameClockFace() const { return gameClockFace; }
    TClockFace* ActiveClock() const { return activeClock; }
    const QTimer& IdleTimer() const { return idleTimer; }
    const QTimer& FinishTimer() const { return finishTimer; }
    // The working panel: engine state, value, nodes and expected line.
    QString WorkingText() const;

    // The game record's notices (TRecordHost).
    QString CommentText() const override;
    void SetCommentText(const QString& text) override;
    void SetPlayKind(TPlayKind kind) override { playKind = kind; }
    void StopActiveClock() override { StopActiveTimer(); }
    void MoveExecuted(const engine::MoveRecord& move) override;
    void MoveRetracted(const engine::MoveRecord& move) override;
    void GameRestarted() override;
    void MoveDelayPause() override;
    bool Terminating() const override { return closing; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    friend class TBusy;

    // Start-up (main_form.cpp).
    void FormCreate();
    void FormShow();
    void BuildWindow();
    void BuildMenus();
    void SetFormBorder();
    void AttachPreviewHost();
    void ApplySwitchesToOptions();
    void FormDestroy();

    // Display of the game state (game_display.cpp).
    void RefreshBoard();
    void RefreshModeStatus();
    void RefreshCommands();
    void RefreshWorkingPanel();
    void UpdateGameOver();
    void SetBoardCursorBusy(bool busy);
    void SetStopThinkingEnabled(bool enabled);
    void ShowMessageLine();
    void SetFormCaption();
    void RefreshPause(int milliseconds);

    // Game flow helpers (game_flow.cpp, game_report.cpp).
    std::uint8_t FilterStatus(std::uint8_t status, bool pseudoEntry = false) const;
    bool UserMayMove() const;
    bool MoveTextReadable(const QString& text) const;
    void AcceptQuickHint(const engine::MoveRecord& move);
    bool EndsHere(std::uint8_t status) const;
    QString StatusDetailFor(std::uint8_t status, int mateIn, int& winner) const;
    int MaterialOf(int colour) const;
    void RestartScreenSaverGame();

    // The idle loop (idle_loop.cpp).
    void WakeIdle();
    bool EngineDriven() const;

    const TStartSwitches switches;
    const TAppMode appMode;

    TGameMode gameMode = TGameMode::Stopped;
    TPlayKind playKind = TPlayKind::Unset;
    bool gameOver = false;
    TClockPress clockPress = TClockPress::AwaitingPress;
    TClockFace* activeClock = nullptr;
    int busyDepth = 0;
    bool frozen = false;
    bool autoFrozen = false;
    bool quitWithoutAsking = false;
    bool stopThinkingEnabled = false;
    bool activated = false;
    bool closing = false;
    clock_time::Instant lastReportTime = 0;
    int lastReportedStatus = -1;
    int lastReportedSide = -1;
    QString statusLine;
    QString statusDetail;
    clock_time::Instant finishTime = 0;
    bool finishWarned = false;
    engine::BoardImage startBoard {};
    engine::PositionState startState {};
    TGameRecord record;
    TRecordCommands commands {record, *this};
    std::mt19937 random;
    // A hint shown on the board while the engine keeps the position before it.
    std::unique_ptr<engine::BoardImage> shownImage;

    QTimer idleTimer;
    QTimer finishTimer;
    QWindow* previewHost = nullptr;
    bool saverPointerSeen = false;
    QPoint saverPointer;

    TWorkingBoard* board = nullptr;
    TClockFace* whiteClockFace = nullptr;
    TClockFace* blackClockFace = nullptr;
    TClockFace* gameClockFace = nullptr;
    QLabel* modeLabel = nullptr;
    QLabel* messageLine = nullptr;
    QLabel* workingLabel = nullptr;
    QLineEdit* commentBox = nullptr;
    QLineEdit* moveEntry = nullptr;
    QLabel* frozenPanel = nullptr;
    QAction* stopThinkingAction = nullptr;
    QAction* freezeAction = nullptr;
};

// Raises BusyDepth for its lifetime, so commands do not nest inside the
// waits of a command or of accepting a move.
class TBusy {
public:
    explicit TBusy(TChessForm& form)
        : form(form)
    {
        ++form.busyDepth;
    }
    ~TBusy() { --form.busyDepth; }
    TBusy(const TBusy&) = delete;
    TBusy& operator=(const TBusy&) = delete;

private:
    TChessForm& form;
};
