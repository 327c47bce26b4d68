#include <QTimer>

#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"

using namespace engine;

// The pointer over a piece tells whether it may be picked up: never on the
// computer's turn, in a finished game or in a demonstration.
bool TChessForm::UserMayMove() const
{
    return !ComputersTurn() && !gameOver && gameMode != TGameMode::Demonstration;
}

// Without its pieces the board cannot be shown at all: the user is told
// which picture is missing and the program ends.
void TChessForm::LoadPieceSet()
{
    QString fileName;
    if (board->LoadPieceSet(&fileName)) {
        return;
    }
    ErrorMessage(msg::PieceSetMissing, fileName);
    quitWithoutAsking = true;
    QTimer::singleShot(0, this, &QWidget::close);
}

// The self-check took the pictures as the truth: the engine plays on from
// them with the same side to move and the same castling and en passant.
void TChessForm::BoardRebuiltFromPictures(const BoardImage& image)
{
    const PositionState state = record.State;
    const int side = record.SideToMove();
    ResetEngine(&image, &state);
    SetSideToMove(Colour(side));
    SetStrength();
    record.RefreshPosition();
}

void TChessForm::RefreshBoard()
{
    if (shownImage) {
        // A hint slid onto the board is shown as the pieces stand.
        board->update();
        return;
    }
    if (gameMode == TGameMode::BoardSetup) {
        // While setting up, the pieces on the board are the position.
        board->UpdatePieces();
        return;
    }
    board->RedrawBoard();
    board->RedrawTaken(true);
}

// F5 and F12: the move lists, the pictures and the taken rows anew.
void TChessForm::RefreshMoveLists()
{
    record.RefreshPosition();
    board->RedrawBoard();
    board->RedrawTaken(true);
}

void TChessForm::RotateBoard()
{
    board->RotateBoard();
    RefreshCommands();
}

void TChessForm::RotateBoardExecute()
{
    if (CommandAllowed(TCommand::PlayRotateBoard)) {
        RotateBoard();
    }
    RefreshCommands();
}
