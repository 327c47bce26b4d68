#pragma once

#include <QMainWindow>
#include <QTimer>

#include "controller/app_mode.h"
#include "controller/command_rules.h"
#include "controller/switches.h"
#include "engine/types.h"
#include "files/pgn_game_list.h"
#include "record/game_modes.h"
#include "record/history.h"
#include "record/record_commands.h"
#include "record/record_host.h"
#include "record/time_control.h"
#include "view/board_panel.h"
#include "view/controls/clock_time.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>

class QAction;
class QMenu;
class QKeyEvent;
class QLabel;
class QLineEdit;
class QToolBar;
class QWindow;
class TBoardPanel;
class TClockFace;
class TStatusPanel;

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
class TChessForm : public QMainWindow, public TRecordHost, public TBoardHost {
    Q_OBJECT

public:
    explicit TChessForm(const TStartSwitches& switches = {}, QWidget* parent = nullptr);
    ~TChessForm() override;

    // Commands. Each does nothing while its rule (command_rules.h) says it
    // is disabled, and so nothing while BusyDepth is above zero.
    void ExecuteCommand(TCommand command);
    // The state the menus, the tool bar and the guards go by.
    TCommandSituation CommandSituation() const;
    bool CommandAllowed(TCommand command) const;
    QAction* CommandAction(TCommand command) const { return commandActions[static_cast<int>(command)]; }
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
    void EnterMoveExecute();
    void ExitExecute();

    // Game files (game_loading.cpp, game_saving.cpp, file_commands.cpp).
    void FileOpenExecute();
    void FileReopenExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    void EnterPositionExecute();
    void CopyGameExecute();
    void PasteGameExecute();
    void EmailGameExecute();
    void GameInfoExecute();
    // Shows the comment box and gives it the keyboard.
    void CommentExecute();
    // Recognises a game file, or the clipboard's text when the name is
    // empty, and loads it when the current game may be given up.
    void LoadGame(const QString& fileName);
    // Saves by the file name's extension.
    void SaveGame(const QString& fileName);
    // A target is a file, "" for the clipboard or "@" for e-mail.
    void SavePGN(const QString& target);
    void SaveZorbel3(const QString& fileName);
    void SavePositionLine(const QString& target, bool epd);
    // The file the game was last loaded from or saved to, and its
    // extension upper-cased with its dot.
    QString GameName() const { return gameName; }
    QString GameFileExt() const { return gameFileExt; }
    void SetGameName(const QString& name);
    // Starts the game when it is idle and enters the moves of the text.
    void StartupAndEnterMoves(const QString& text);
    // The comment box; message 1008 when the panel holding it is hidden.
    void ShowCommentMemo();
    void HideCommentMemo();
    // The file dialogs; tests put a chooser in their place. Empty for Cancel.
    using TFileChooser = std::function<QString(bool save, const QStringList& filters, int filterIndex,
        const QString& proposedName)>;
    void SetFileChooser(TFileChooser chooser) { fileChooser = std::move(chooser); }

    // The user's moves: a drop on the board, and typed text ("e2e4", "e7e8q",
    // "Resign", "Draw", "1-0", "1/2-1/2"). False when the move was not made.
    bool BoardMove(engine::MovePattern pattern);
    bool EnterMove(const QString& text);
    // A click on a clock face or the status panel.
    void ClockClick();

    // The board (board_host.cpp, board_input.cpp, board_setup.cpp): what
    // presses, drags and keys on it mean, and the set-up mode.
    TBoardPanel* Board() const { return board; }
    const TGameRecord& BoardRecord() const override { return record; }
    bool UserMayMove() const override;
    void PieceMouseDown(TPieceSprite* sprite, Qt::MouseButton button) override;
    void SquareMouseDown(engine::SquarePair square, Qt::MouseButton button) override;
    void BoardPanelMouseDown(Qt::MouseButton button) override;
    void BoardMouseUp() override;
    bool PieceDragOver(TPieceSprite* sprite, engine::SquarePair target) override;
    void PieceDragDrop(TPieceSprite* sprite, engine::SquarePair target) override;
    void PieceEndDrag(TPieceSprite* sprite) override;
    void BoardRebuiltFromPictures(const engine::BoardImage& image) override;
    void PieceDropIfOk(engine::SquarePair target, TPieceSprite* sprite);
    void StartClickMove(TPieceSprite* sprite);
    void CancelClickMove(bool hideCursor);
    TPieceSprite* SelectedPiece() const { return selectedPiece; }
    void ShowHintSquares(TPieceSprite* sprite);
    void ShowSquareHints(engine::SquarePair square);
    // Space, the arrows and Esc on the board, F5 and F12; false for keys
    // that are not the board's.
    bool BoardKeyPress(int key);
    // The kind a pawn becomes: a queen with AutoPromote, else the user's
    // choice (the dialog, or the chooser a test puts in its place).
    int ChoosePromotion();
    void SetPromotionChooser(std::function<int()> chooser) { promotionChooser = std::move(chooser); }
    void RotateBoard();
    void BoardSetupExecute();
    void ClearBoardExecute();
    void BoardSettingsExecute();
    void RotateBoardExecute();
    void BoardSetupMode(bool clear);
    // Leaves set-up for a stopped game when the position can be played;
    // true also when not in set-up.
    bool LeaveSetup();
    void SetupCurrentBoard();
    bool SetupBoard();
    void SlidePieceInSetup(const engine::MovePattern& pattern) override;

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

    // Waits in the game (the move delay, a hint on show) go through here;
    // tests put a fake wait in its place.
    using TPauseWaiter = std::function<void(int milliseconds)>;
    void SetPauseWaiter(TPauseWaiter waiter) { pauseWaiter = std::move(waiter); }

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
    void AbandonSearch();
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
    TStatusPanel* StatusPanel() const { return statusPanel; }
    QToolBar* ButtonBar() const { return buttonBar; }
    // The text box that has the keyboard focus, or none.
    QWidget* FocusedMemo() const { return focusedMemo; }

    // Layout and status display (form_layout.cpp).
    // The tool bar's thickness on the left or at the top, or 0.
    int LeftBarWidth() const;
    int TopBarHeight() const;
    int StatusWidth() const;
    // The window less its menu: tool bar, board area and status panel.
    QSize ClientSize() const;
    void ResizeFormFromOptions();
    void FormResize();
    void ResizeForm();
    void ResetButtonBar();
    int ClocksTop() const;
    int ClocksHeight() const;
    void ResetWorkingPanel();
    void RedrawClocks();
    void RedrawText();
    void RedrawForm();
    void EffectOptions();
    void UpdateTurnStatus();
    void UpdateModeStatus();
    void UpdateTimeStatus();
    void UpdateWorking(int force);
    void ClearMovesList();
    void ActiveControlChange(QWidget* old, QWidget* now);
    void SetFocusMemo(QWidget* memo);
    // The colour names, with the players' names once the game has them.
    void RefreshPlayerLabels();
    // Sizes the turn and mode boxes for the longest texts they may show in
    // the current language and fonts.
    void FitStatusTexts();

    // The game record's notices (TRecordHost).
    QString CommentText() const override;
    void SetCommentText(const QString& text) override;
    void SetPlayKind(TPlayKind kind) override { playKind = kind; }
    void StopActiveClock() override { StopActiveTimer(); }
    void MoveExecuted(const engine::MoveRecord& move) override;
    void MoveRetracted(const engine::MoveRecord& move) override;
    void MoveListResized() override;
    void RepaintMoveList() override;
    void ShowCommentBox() override;
    void GameRestarted() override;
    void PositionEntered() override;
    void MoveDelayPause() override;
    bool Terminating() const override { return closing; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    friend class TBusy;

    // Start-up (main_form.cpp).
    void FormCreate();
    void FormShow();
    void BuildWindow();
    void BuildMenus();
    void AddCommandAction(TCommand command, QAction* action, const QKeySequence& key = {});
    void SetFormBorder();
    void AttachPreviewHost();
    void ApplySwitchesToOptions();
    void FormDestroy();

    // Display of the game state (game_display.cpp).
    void RefreshBoard();
    void RefreshCommands();
    void UpdateGameOver();
    void HideCommentForWorking();
    void SetBoardCursorBusy(bool busy);
    void SetStopThinkingEnabled(bool enabled);
    void ShowMessageLine();

    // Board helpers (board_host.cpp, board_input.cpp, board_setup.cpp).
    void BuildBoardMenu();
    void LoadPieceSet();
    void RefreshMoveLists();
    void SetupDrop(TPieceSprite* sprite, engine::SquarePair target);
    void SpaceKeyPress();
    bool ClickMovesPieces() const;
    void EscapeKeyPress();
    bool TextBoxHasFocus() const;
    // Speaks the keyboard cursor's square once narration exists.
    void SpeakMoveCursor() { }

    // Layout helpers (form_layout.cpp).
    void BuildStatusPanel(QWidget* parent);
    void BuildButtonBar();
    // The narration box's text; the position box is written with it.
    void BuildNarration();
    void SetFormCaption();
    void RefreshPause(int milliseconds);

    // Game flow helpers (game_flow.cpp, game_report.cpp).
    std::uint8_t FilterStatus(std::uint8_t status, bool pseudoEntry = false) const;
    bool UserMayEnterMove() const;
    // When the side to move's time has run out: the game ends on time now
    // and no move may be made.
    bool FlagHasFallen();
    bool MoveTextReadable(const QString& text) const;
    void AcceptQuickHint(const engine::MoveRecord& move);
    bool EndsHere(std::uint8_t status) const;
    QString StatusDetailFor(std::uint8_t status, int mateIn, int& winner) const;
    int MaterialOf(int colour) const;
    void RestartScreenSaverGame();
    void Pause(int milliseconds);

    // Game files (game_loading.cpp, game_saving.cpp, file_commands.cpp).
    bool LoadPGN(const QString& source);
    bool LoadZorbel3(const QString& source);
    bool LoadZorbel(const QString& fileName, bool formB);
    bool LoadVortaChess(const QString& fileName);
    bool LoadPositionLines(const QString& source, bool epd);
    void LoadSettingsFile(const QString& fileName);
    // Ends whatever the game was doing and starts an empty record.
    void PrepareLoad();
    // Loading shows the game from its start, a replay or demonstration at its end.
    TGameMode LoadGameMode() const;
    void SetLoadGameMode();
    void FinaliseLoad();
    bool FileReplaceOrNew(const QString& name);
    bool FileAppendReplaceOrNew(const QString& name);
    QString ChooseFile(bool save);
    void BuildFileMenu();
    void RebuildRecentFiles();
    void OpenRecentFile(int slot);
    void LoadStartFiles();
    void ShowViewerGame();
    // Opens the one-line move or position dialog preset with the text.
    void EnterMoveDialog(const QString& preset);
    bool TypeOntoBoard(QChar typed);
    bool TypeIntoComment(const QKeyEvent& key);
    void EnterPositionDialog(const QString& preset);

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

    TBoardPanel* board = nullptr;
    QPointer<TPieceSprite> selectedPiece;
    std::function<int()> promotionChooser;
    std::array<QAction*, CommandCount> commandActions {};
    TPauseWaiter pauseWaiter;
    // When the saver starts its next game, or 0.
    clock_time::Instant saverRestartAt = 0;
    TClockFace* whiteClockFace = nullptr;
    TClockFace* blackClockFace = nullptr;
    TClockFace* gameClockFace = nullptr;
    TStatusPanel* statusPanel = nullptr;
    QToolBar* buttonBar = nullptr;
    QLineEdit* moveEntry = nullptr;
    QWidget* focusedMemo = nullptr;
    std::uint8_t lastEngineStatus = 0xFF;
    // Off while the window is sized from the options.
    bool resizeHandlerOn = false;
    QString gameName;
    QString gameFileExt;
    // The game list keeps the library in memory for the next choice.
    bool keepLibrary = false;
    std::optional<TPgnGameList> keptGames;
    QMenu* fileMenu = nullptr;
    TFileChooser fileChooser;
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
