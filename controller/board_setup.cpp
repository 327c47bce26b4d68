#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "controller/main_form.h"
#include "controller/setup_rules.h"
#include "dialogs/board_settings_dialog.h"
#include "engine/engine_interface.h"
#include "record/position_check.h"
#include "settings/options.h"

#include <vector>

using namespace engine;

void TChessForm::BuildBoardMenu()
{
    QMenu* menu = menuBar()->addMenu(tr("&Board"));
    menu->setObjectName(QStringLiteral("BoardMenu"));
    AddCommandAction(TCommand::PlayBoardSetup, menu->addAction(tr("Board &Setup")), Qt::CTRL | Qt::Key_B);
    // Clearing throws the position away: no one-key shortcut for it.
    AddCommandAction(TCommand::PlayClearBoard, menu->addAction(tr("&Clear Board")));
    AddCommandAction(TCommand::PlayBoardSettings, menu->addAction(tr("Board Se&ttings...")),
        Qt::CTRL | Qt::SHIFT | Qt::Key_B);
    menu->addSeparator();
    AddCommandAction(TCommand::PlayRotateBoard, menu->addAction(tr("&Rotate Board")), Qt::CTRL | Qt::Key_R);
}

// Entering set-up keeps the position and the side to move; leaving it is
// allowed only once the position can be played.
void TChessForm::BoardSetupExecute()
{
    if (!CommandAllowed(TCommand::PlayBoardSetup)) {
        return;
    }
    if (gameMode != TGameMode::BoardSetup) {
        BoardSetupMode(false);
    } else {
        LeaveSetup();
    }
    RefreshCommands();
}

bool TChessForm::LeaveSetup()
{
    if (gameMode != TGameMode::BoardSetup) {
        return true;
    }
    if (!SetupBoard()) {
        return false;
    }
    SetGameMode(TGameMode::Stopped);
    board->UpdatePieces();
    return true;
}

void TChessForm::ClearBoardExecute()
{
    if (CommandAllowed(TCommand::PlayClearBoard)) {
        BoardSetupMode(true);
    }
    RefreshCommands();
}

void TChessForm::BoardSetupMode(bool clear)
{
    if (!OkToCloseForm()) {
        return;
    }
    StopThinking();
    CancelClickMove(true);
    const BoardImage image = record.Board;
    PositionState state = record.State;
    const int startPly = record.CurrentPly + 1;
    // A cleared board has no pawn to take en passant nor rooks to castle
    // with; after a resignation the side to move has changed under the en
    // passant square of the last move. Neither may keep the user in set-up.
    if (clear) {
        state.WhiteCastling = 0;
        state.BlackCastling = 0;
    }
    if (clear || !EnPassantSquareFits(image, state, startPly)) {
        state.EnPassant = {};
    }
    board->HideMarkerLine();
    // The new record starts after the ply last played, so the side to move stays.
    RestartGame(startPly);
    record.State = state;
    ResetEngine(&image, &state);
    SetGameMode(TGameMode::BoardSetup);
    if (clear) {
        std::vector<SquarePair> squares;
        for (const TPieceSprite* sprite : board->Sprites()) {
            if (!sprite->Taken() && sprite->Kind() != King) {
                squares.push_back(board->SquareOf(sprite));
            }
        }
        for (SquarePair square : squares) {
            board->TakePieceAt(square);
        }
    }
    SetupBoard();
    board->UpdatePieces();
}

void TChessForm::SetupCurrentBoard()
{
    record.Board = board->ImageFromSprites();
}

bool TChessForm::SetupBoard()
{
    SetupCurrentBoard();
    const BoardImage image = record.Board;
    const PositionState state = record.State;
    return InitGame(&image, &state);
}

// A drop in set-up: off the board a piece is removed, on a square a taken
// piece comes back or a piece moves; a pawn on the far rank is promoted.
void TChessForm::SetupDrop(TPieceSprite* sprite, SquarePair target)
{
    const int kind = sprite->Kind();
    if (!engine::OnBoard(target)) {
        if (!sprite->Taken()) {
            board->TakePieceAt(board->SquareOf(sprite));
        }
    } else {
        if (sprite->Taken()) {
            board->ReplacePieceAt(target, kind, sprite->Colour());
        } else {
            board->PlacePiece(sprite, target);
        }
        if (PromotesOn(kind, target.Rank)) {
            board->ChangePieceAt(target, ChoosePromotion());
        }
    }
    CancelClickMove(true);
    SetupBoard();
    board->RedrawSquares();
}

// A typed move in set-up moves the piece without any rule of play.
void TChessForm::SlidePieceInSetup(const MovePattern& pattern)
{
    const SquarePair from {pattern.OriginFile, pattern.OriginRank};
    const SquarePair to {pattern.DestFile, pattern.DestRank};
    if (!engine::OnBoard(from) || !engine::OnBoard(to) || from == to) {
        return;
    }
    if (!board->MovePieceAt(from, to)) {
        board->DebugBoard();
        return;
    }
    SetupBoard();
}

void TChessForm::BoardSettingsExecute()
{
    if (!CommandAllowed(TCommand::PlayBoardSettings)) {
        return;
    }
    if (gameMode == TGameMode::BoardSetup) {
        SetupCurrentBoard();
    }
    TBoardSetDlg dialog(this);
    dialog.SetSettings(BoardSettingsOf(record.StartPly, record.State));
    bool accepted = false;
    {
        // The engine waits while the dialog is open.
        TBusy busy(*this);
        DoAutoFreeze();
        accepted = dialog.exec() == QDialog::Accepted;
        UndoAutoFreeze();
    }
    if (!accepted) {
        return;
    }
    const TBoardSetup setup = ApplyBoardSettings(dialog.Settings(), record.State);
    const bool analysing = gameMode == TGameMode::Analysing;
    StopThinking();
    record.StartPly = setup.StartPly;
    const BoardImage image = record.Board;
    const bool playable = InitGame(&image, &setup.State);
    if (StatusEndsGame(setup.State.Status)) {
        // A result chosen while setting up ends the game at once too: set-up
        // is left first, as the game-state report ignores set-up.
        if (gameMode == TGameMode::BoardSetup && playable) {
            SetGameMode(TGameMode::Stopped);
            board->UpdatePieces();
        }
        gameOver = false;
        ReportGameState(2);
    } else if (analysing) {
        StartComputerMove();
    }
    RefreshCommands();
}
