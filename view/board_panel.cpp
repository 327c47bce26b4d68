#include "view/board_panel.h"

// First cut: every operation exists so the window links; the behaviour
// follows.

using engine::SquarePair;

TPieceSprite::TPieceSprite(int code, QWidget* parent)
    : TTransparentImage(parent)
    , code(code)
{ }

void TPieceSprite::SetCode(int value)
{
    code = value;
}

void TPieceSprite::SetMovable(bool value)
{
    movable = value;
}

TBoardPanel::TBoardPanel(TBoardHost& host, QWidget* parent)
    : QWidget(parent)
    , host(host)
{ }

TBoardPanel::~TBoardPanel() = default;

bool TBoardPanel::LoadPieceSet(QString*)
{
    return false;
}
int TBoardPanel::SquareSize() const
{
    return 44;
}
int TBoardPanel::EdgeSize() const
{
    return 16;
}
int TBoardPanel::TopEdge() const
{
    return 16;
}
int TBoardPanel::BoardWidth() const
{
    return 2 * EdgeSize() + 8 * SquareSize();
}
int TBoardPanel::BoardHeight() const
{
    return 2 * TopEdge() + 8 * SquareSize();
}
int TBoardPanel::TakenHeight() const
{
    return 0;
}
QSize TBoardPanel::PieceSize() const
{
    return {SquareSize(), SquareSize()};
}
QRect TBoardPanel::SquareRect(SquarePair) const
{
    return {};
}
SquarePair TBoardPanel::SquareAt(QPoint) const
{
    return {0, 0};
}
void TBoardPanel::ResizeBoard() { }
void TBoardPanel::RedrawBoard() { }
void TBoardPanel::RedrawTaken(bool) { }
void TBoardPanel::RedrawSquares() { }
void TBoardPanel::UpdatePieces() { }
void TBoardPanel::RedrawBackground() { }
void TBoardPanel::ClearBoard() { }
void TBoardPanel::ClearTakenPanel() { }
void TBoardPanel::RotateBoard() { }
void TBoardPanel::SetPlayerNames(const QString&, const QString&) { }
TPieceSprite* TBoardPanel::CreatePiece(SquarePair, int, int)
{
    return nullptr;
}
void TBoardPanel::InsertPieceAt(SquarePair, int, int) { }
TPieceSprite* TBoardPanel::LocatePieceAt(SquarePair) const
{
    return nullptr;
}
QWidget* TBoardPanel::LocateSquareAt(SquarePair) const
{
    return nullptr;
}
SquarePair TBoardPanel::SquareOf(const QWidget*) const
{
    return {0, 0};
}
void TBoardPanel::ChangePieceAt(SquarePair, int) { }
void TBoardPanel::TakePieceAt(SquarePair) { }
void TBoardPanel::TakePiece(TPieceSprite*) { }
void TBoardPanel::ReplacePieceAt(SquarePair, int, int) { }
bool TBoardPanel::MovePieceAt(SquarePair, SquarePair)
{
    return false;
}
void TBoardPanel::PlacePiece(TPieceSprite*, SquarePair) { }
void TBoardPanel::BoardExecuteMove(const engine::MoveRecord&) { }
void TBoardPanel::BoardRetractMove(const engine::MoveRecord&) { }
void TBoardPanel::UpdateMarkerLine(SquarePair, SquarePair) { }
void TBoardPanel::HideMarkerLine() { }
bool TBoardPanel::MarkerVisible() const
{
    return false;
}
void TBoardPanel::HighlightSquare(SquarePair) { }
void TBoardPanel::ResetSquare(SquarePair) { }
void TBoardPanel::ResetSquares() { }
bool TBoardPanel::Highlighted(SquarePair) const
{
    return false;
}
void TBoardPanel::ShowMoveCursor() { }
void TBoardPanel::HideMoveCursor() { }
bool TBoardPanel::MoveCursorVisible() const
{
    return false;
}
SquarePair TBoardPanel::MoveCursorSquare() const
{
    return {1, 1};
}
void TBoardPanel::StepMoveCursor(int, int) { }
void TBoardPanel::StartFlash(SquarePair) { }
void TBoardPanel::StopFlash() { }
void TBoardPanel::StartDrag(TPieceSprite*, bool) { }
bool TBoardPanel::Dragging() const
{
    return false;
}
void TBoardPanel::CancelDrag() { }
void TBoardPanel::SetFrozenCover(bool) { }
engine::BoardImage TBoardPanel::ImageFromSprites() const
{
    return {};
}
bool TBoardPanel::DebugBoard()
{
    return false;
}
