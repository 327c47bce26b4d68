#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QLabel>

#include "controller/main_form.h"
#include "controller/move_image.h"
#include "engine/engine_interface.h"
#include "files/game_info.h"
#include "record/ply_text.h"
#include "record/position_check.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "view/controls/clock_face.h"

using namespace engine;

namespace {

constexpr int HintShowMs = 350;

bool StatesMatch(const PositionState& a, const PositionState& b)
{
    return a.WhiteCastling == b.WhiteCastling && a.BlackCastling == b.BlackCastling
        && a.EnPassant == b.EnPassant && a.HalfMoves == b.HalfMoves;
}

} // namespace

bool TChessForm::InitGame(const BoardImage* board, const PositionState* state)
{
    ResetEngine(board, state);
    record.StartsFromInitial = record.StartPly == 0 && (board == nullptr || ImagesEqual(*board, startBoard))
        && (state == nullptr || StatesMatch(*state, startState));
    InitPlayer(record.StartPly);
    record.Modified = !record.StartsFromInitial;
    SetFormCaption();
    SetStrength();
    PositionState setup {};
    GetPositionState(setup);
    record.StartStatus = setup.Status;
    if (Options.ValidateBoard && !IsValidSetup()) {
        ErrorMessage(msg::SetupRejected);
        return false;
    }
    if (!EnPassantSquareFits(record.Board, setup, record.StartPly)) {
        ErrorMessage(msg::SetupBadEnPassant);
        return false;
    }
    if (setup.HalfMoves > record.StartPly) {
        ErrorMessage(msg::SetupBadFiftyMoveCount);
        return false;
    }
    return true;
}

void TChessForm::InitPlayer(int startPly)
{
    if (gameMode != TGameMode::Stopped && gameMode != TGameMode::BoardSetup
        && gameMode != TGameMode::Analysing) {
        return;
    }
    SetSideToMove(startPly % 2 == 1 ? Black : White);
    record.ClearHistory();
    record.StartPly = record.EndPly = startPly;
    record.CurrentPly = startPly - 1;
    record.Winner = 0;
    clockPress = TClockPress::AwaitingPress;
    record.RefreshPosition();
    RefreshBoard();
    UpdateTurnStatus();
    RefreshCommands();
}

// A new game from ply startPly: the record starts again, and through
// GameRestarted the clocks and the game-over flag; a self-playing game does
// not carry over.
void TChessForm::RestartGame(int startPly)
{
    commands.RestartGame(startPly);
    record.Winner = 0;
}

void TChessForm::GameRestarted()
{
    // A new game lets go of a chosen piece, touch-move or not.
    CancelClickMove(true);
    StopActiveTimer();
    for (TClockFace* clock : {whiteClockFace, blackClockFace, gameClockFace}) {
        clock->Reset();
    }
    activeClock = nullptr;
    statusLine.clear();
    statusDetail.clear();
    lastReportedStatus = lastReportedSide = -1;
    gameOver = false;
    ShowMessageLine();
    ClearGameInfo(GameInfo);
    RefreshPlayerLabels();
    // A game that brought its own settings gives way to a new one: the
    // user may go back to their own.
    OfferRestoreSettings(true, [this] { EffectOptions(); });
}

// A game started from a typed or loaded position: the board, the turn and
// the clocks start again from it.
void TChessForm::PositionEntered()
{
    record.Winner = 0;
    clockPress = TClockPress::AwaitingPress;
    SetStrength();
    SetFormCaption();
    RefreshBoard();
    UpdateTurnStatus();
    RefreshCommands();
}

void TChessForm::StartupGame()
{
    if (gameMode == TGameMode::Stopped) {
        if (playKind != TPlayKind::TwoPlayer) {
            playKind = record.StartPly % 2 == 0 ? TPlayKind::UserWhite : TPlayKind::UserBlack;
        }
    } else {
        AbandonSearch();
    }
    ActivateGame();
}

// A search given up leaves Stop Thinking nothing to end; in a stopped game
// or a demonstration the command still ends a replay under way.
void TChessForm::AbandonSearch()
{
    StopThinking();
    if (gameMode != TGameMode::Stopped && gameMode != TGameMode::Demonstration && stopThinkingEnabled) {
        SetStopThinkingEnabled(false);
    }
}

void TChessForm::ActivateGame()
{
    CancelClickMove(false);
    if (gameMode == TGameMode::Playing || gameMode == TGameMode::QuickHint) {
        ResetFreeze();
        SetActiveTimer();
        return;
    }
    SetGameMode(TGameMode::Playing);
    SetStrength();
    InitGameInfo(GameInfo, playKind, QApplication::applicationDisplayName(), QDateTime::currentDateTime());
    RefreshPlayerLabels();
}

void TChessForm::SetGameMode(TGameMode mode)
{
    gameMode = mode;
    if ((mode == TGameMode::Playing || mode == TGameMode::QuickHint) && playKind == TPlayKind::Unset) {
        playKind = TPlayKind::TwoPlayer;
    }
    ResetFreeze();
    UpdateTurnStatus();
    RefreshCommands();
}

void TChessForm::SetGamePlay(TPlayKind kind)
{
    // Play starts from set-up only on a position that can be played.
    if (gameOver || !LeaveSetup()) {
        return;
    }
    if (kind == playKind && (gameMode == TGameMode::Playing || gameMode == TGameMode::QuickHint)) {
        return;
    }
    InitGamePlay(kind);
    // The user's own side goes to the bottom of the board.
    if ((kind == TPlayKind::UserWhite && Options.BoardRotated)
        || (kind == TPlayKind::UserBlack && !Options.BoardRotated)) {
        RotateBoard();
    }
}

void TChessForm::InitGamePlay(TPlayKind kind)
{
    playKind = kind;
    if (busyDepth > 0) {
        return;
    }
    ActivateGame();
    ClockChange();
    StartNextMove();
}

bool TChessForm::ComputersTurn() const
{
    return IsComputersTurn(gameMode, playKind, record.SideToMove());
}

void TChessForm::StartNextMove()
{
    SetBoardCursorBusy(false);
    const bool turnsRun = gameMode == TGameMode::Stopped || gameMode == TGameMode::BoardSetup
        || gameMode == TGameMode::Playing || gameMode == TGameMode::Analysing;
    if (!turnsRun || gameOver) {
        return;
    }
    if (!Options.AutoPress && clockPress != TClockPress::Pressed) {
        // The mover's clock runs on until the clock is pressed.
        StartActiveTimer();
        return;
    }
    if (gameMode != TGameMode::Playing) {
        SetGameMode(TGameMode::Playing);
    }
    SetActiveTimer();
    clockPress = TClockPress::Running;
    AbandonSearch();
    if (ComputersTurn()) {
        StartComputerMove();
    } else if (Options.AllowThinkAhead) {
        StartThinkingAhead();
        WakeIdle();
    }
    UpdateTurnStatus();
    RefreshCommands();
}

void TChessForm::ClockChange()
{
    clockPress = TClockPress::Pressed;
    // The clock-press sound belongs to the sound worker, which does not
    // exist yet; without AutoPress the press would be heard here.
}

void TChessForm::ClockClick()
{
    if (busyDepth > 0 || gameMode != TGameMode::Playing || Options.AutoPress
        || clockPress != TClockPress::AwaitingPress) {
        return;
    }
    ClockChange();
    StartNextMove();
    UpdateTurnStatus();
}

void TChessForm::AcceptLastMove()
{
    TBusy busy(*this);
    // A move made once the flag has fallen does not count.
    const bool flagFallen = gameMode == TGameMode::Playing && TimeRemaining(0);
    if (stopThinkingEnabled) {
        MoveDelayPause();
        if (gameMode != TGameMode::Stopped && gameMode != TGameMode::Demonstration) {
            SetStopThinkingEnabled(false);
        }
    }
    StopThinking();
    MoveRecord move = FetchComputerMove();
    if (flagFallen && gameMode == TGameMode::Playing) {
        // The game ends on time with the board as it was before the move.
        TakeBackMove(move);
        ReportGameState(1);
        return;
    }
    if (gameMode == TGameMode::QuickHint) {
        AcceptQuickHint(move);
        return;
    }
    if (gameMode == TGameMode::Analysing) {
        TakeBackMove(move);
        StopAnalyseMode();
        return;
    }
    if (move.Status == StatusResigns && move.Piece != Empty) {
        // The computer resigns instead of making the move it found: the
        // engine takes it back and the record gets the resignation, so the
        // board and the engine keep the same position.
        TakeBackMove(move);
        move = MakeResignationEntry();
    }
    BoardExecuteMove(move);
    if (clockPress != TClockPress::Pressed) {
        clockPress = TClockPress::AwaitingPress;
    } else {
        ClockChange();
    }
    StartNextMove();
}

// The hint slides in, stays a moment and goes back; the record keeps it
// after the current ply, so Redo can replay it.
void TChessForm::AcceptQuickHint(const MoveRecord& move)
{
    if (TakeBackMove(move) != CodeDone) {
        ErrorMessage(msg::CannotUndoMove, PlyText(record, Options.Notation, record.CurrentPly));
    } else {
        shownImage = std::make_unique<BoardImage>(ImageAfterMove(record.Board, move));
        BoardExecuteMove(move);
        StartActiveTimer();
        RefreshBoard();
        Pause(HintShowMs);
        gameMode = TGameMode::QuickReplay;
        BoardRetractMove(move);
        shownImage.reset();
        RefreshBoard();
    }
    SetGameMode(TGameMode::Playing);
    SetActiveTimer();
    clockPress = TClockPress::Running;
}

void TChessForm::BoardExecuteMove(const MoveRecord& move)
{
    commands.BoardExecuteMove(move);
}

void TChessForm::BoardRetractMove(const MoveRecord& move)
{
    commands.BoardRetractMove(move);
}

// Every move the record takes, typed, played or redone, is shown and
// reported. A hint is only shown: a mate it would give must not end the game.
void TChessForm::MoveExecuted(const MoveRecord& move)
{
    if (gameMode != TGameMode::Loading) {
        board->BoardExecuteMove(move);
        if (!shownImage) {
            board->DebugBoard();
        }
    }
    if (gameMode != TGameMode::QuickHint) {
        ReportGameState(3);
    }
    RefreshCommands();
}

void TChessForm::MoveRetracted(const MoveRecord& move)
{
    if (gameMode != TGameMode::Loading) {
        board->BoardRetractMove(move);
        if (!shownImage) {
            board->DebugBoard();
        }
    }
    RefreshCommands();
}

void TChessForm::MoveDelayPause()
{
    constexpr int HalfSecondMs = 500;
    Pause(Options.MoveDelay * HalfSecondMs);
}

bool TChessForm::DeclinesDraw() const
{
    if (playKind == TPlayKind::TwoPlayer) {
        return false;
    }
    const int toMove = record.SideToMove();
    if (MaterialOf(1 - toMove) > MaterialOf(toMove)) {
        return true;
    }
    if (record.CurrentPly < record.StartPly) {
        return true;
    }
    if (record.CurrentPly <= 58 && record.StartsFromInitial) {
        return true;
    }
    return record.MoveAt(record.CurrentPly).Value > 10;
}

int TChessForm::MaterialOf(int colour) const
{
    static constexpr int worth[7] = {0, 0, 9, 5, 3, 3, 1};
    int total = 0;
    for (const auto& file : record.Board.Cells) {
        for (const ImageCell& cell : file) {
            if (cell.Kind != Empty && cell.Kind <= Pawn && cell.Colour == colour) {
                total += worth[cell.Kind];
            }
        }
    }
    return total;
}

void TChessForm::SetFreeze()
{
    frozen = true;
    StopActiveTimer();
    RefreshCommands();
    board->SetFrozenCover(Options.FreezeCoversBoard);
}

void TChessForm::ResetFreeze()
{
    const bool wasFrozen = frozen;
    board->SetFrozenCover(false);
    frozen = false;
    autoFrozen = false;
    if (wasFrozen && gameMode == TGameMode::Playing) {
        StartActiveTimer();
        WakeIdle();
    }
    RefreshCommands();
}

// A freeze the user made stays: only an unfrozen game in progress is frozen
// automatically, so restoring the window cannot undo the user's own freeze.
void TChessForm::DoAutoFreeze()
{
    if (gameMode == TGameMode::Playing && !autoFrozen && !frozen) {
        autoFrozen = true;
        SetFreeze();
    }
}

void TChessForm::UndoAutoFreeze()
{
    if (autoFrozen) {
        ResetFreeze();
    }
}
