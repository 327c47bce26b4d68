#include <QAbstractSpinBox>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include "controller/main_form.h"
#include "controller/setup_rules.h"
#include "dialogs/promotion_dialog.h"
#include "engine/engine_interface.h"
#include "settings/letters.h"
#include "settings/options.h"
#include "view/move_list.h"
#include "view/status_panel.h"

using namespace engine;

namespace {

constexpr SquarePair OffTheBoard {0, 0};

MovePattern PatternFor(SquarePair from, SquarePair to, int kind)
{
    return {static_cast<std::uint8_t>(kind), from.File, from.Rank, to.File, to.Rank};
}

} // namespace

// A press on a piece picks it up, unless it may not move or touch-move
// holds the piece already chosen: then it is a press on its square, which
// completes a two-click move onto it. The drag starts whatever the options
// say, so a piece can always be dragged and dropped.
void TChessForm::PieceMouseDown(TPieceSprite* sprite, Qt::MouseButton button)
{
    if (frozen || busyDepth > 0 || sprite == nullptr) {
        return;
    }
    const SquarePair square = sprite->Taken() ? OffTheBoard : board->SquareOf(sprite);
    if (button == Qt::RightButton) {
        if (engine::OnBoard(square)) {
            ShowSquareHints(square);
        }
        return;
    }
    if (button != Qt::LeftButton) {
        return;
    }
    const bool setup = gameMode == TGameMode::BoardSetup;
    if (!sprite->Movable() || (Options.TouchMove && selectedPiece && !setup)) {
        SquareMouseDown(square, Qt::LeftButton);
    } else {
        selectedPiece = sprite;
        if (Options.TwoClickMove) {
            StartClickMove(sprite);
        }
        board->StartDrag(sprite, Options.DragPieces);
    }
    // Also for a piece that cannot move now, such as one of the side not
    // to move: the user sees what it threatens.
    ShowHintSquares(sprite);
}

void TChessForm::SquareMouseDown(SquarePair square, Qt::MouseButton button)
{
    if (frozen || busyDepth > 0) {
        return;
    }
    if (!engine::OnBoard(square)) {
        BoardPanelMouseDown(button);
        return;
    }
    if (button == Qt::RightButton) {
        ShowSquareHints(square);
    } else if (button == Qt::LeftButton && selectedPiece && ClickMovesPieces()) {
        PieceDropIfOk(square, selectedPiece);
    }
}

// The margin takes a chosen piece only where a drop off the board means
// something: in set-up, where it removes the piece.
void TChessForm::BoardPanelMouseDown(Qt::MouseButton button)
{
    if (frozen || busyDepth > 0 || button != Qt::LeftButton || !selectedPiece || !ClickMovesPieces()) {
        return;
    }
    if (PieceDragOver(selectedPiece, OffTheBoard)) {
        PieceDragDrop(selectedPiece, OffTheBoard);
    }
}

void TChessForm::BoardMouseUp()
{
    if (Options.PieceHints || Options.SquareHints) {
        board->ResetSquares();
    }
}

bool TChessForm::PieceDragOver(TPieceSprite* sprite, SquarePair target)
{
    if (sprite == nullptr) {
        return false;
    }
    if (gameMode == TGameMode::BoardSetup) {
        if (!engine::OnBoard(target)) {
            return SetupOffBoardAccepts(sprite->Kind(), Options.ValidateBoard);
        }
        return SetupSquareAccepts(
            sprite->Kind(), sprite->Colour(), target.Rank, board->LocatePieceAt(target) != nullptr);
    }
    if (!engine::OnBoard(target) || sprite->Taken() || !UserMayEnterMove()) {
        return false;
    }
    // A promotion is legal for every piece when it is for a queen.
    const int kind = PromotesOn(sprite->Kind(), target.Rank) ? Queen : Empty;
    return TestMove(PatternFor(board->SquareOf(sprite), target, kind)) == CodeDone;
}

void TChessForm::PieceDragDrop(TPieceSprite* sprite, SquarePair target)
{
    if (sprite == nullptr) {
        return;
    }
    if (gameMode == TGameMode::BoardSetup) {
        SetupDrop(sprite, target);
        return;
    }
    MovePattern pattern = PatternFor(board->SquareOf(sprite), target, Empty);
    // Asked only now that the drop is known to be a legal promotion.
    if (PromotesOn(sprite->Kind(), target.Rank)) {
        pattern.Piece = static_cast<std::uint8_t>(ChoosePromotion());
    }
    BoardMove(pattern);
}

void TChessForm::PieceEndDrag(TPieceSprite* sprite)
{
    if (Options.PieceHints || Options.SquareHints) {
        board->ResetSquares();
    }
    if (sprite != nullptr) {
        sprite->setVisible(true);
    }
    // Without click moves a piece is chosen only for as long as it is held.
    if (!ClickMovesPieces()) {
        selectedPiece = nullptr;
    }
}

// A click on a square completes a move with two-click moves, and under
// touch-move, where the piece once touched waits for its target.
bool TChessForm::ClickMovesPieces() const
{
    return Options.TwoClickMove || Options.TouchMove;
}

void TChessForm::PieceDropIfOk(SquarePair target, TPieceSprite* sprite)
{
    if (sprite == nullptr) {
        return;
    }
    if (PieceDragOver(sprite, target)) {
        PieceDragDrop(sprite, target);
    } else if (!Options.TouchMove) {
        CancelClickMove(false);
    }
}

void TChessForm::StartClickMove(TPieceSprite* sprite)
{
    board->StopFlash();
    board->setCursor(Qt::DragMoveCursor);
    if (!sprite->Taken()) {
        board->StartFlash(board->SquareOf(sprite));
    }
}

void TChessForm::CancelClickMove(bool hideCursor)
{
    board->StopFlash();
    selectedPiece = nullptr;
    if (hideCursor) {
        board->HideMoveCursor();
    }
    board->setCursor(Qt::ArrowCursor);
}

// Where the piece can go, for either side: the hint works for the side not
// to move too, though that piece cannot move now.
void TChessForm::ShowHintSquares(TPieceSprite* sprite)
{
    if (!Options.PieceHints || sprite == nullptr || sprite->Taken()) {
        return;
    }
    const SquarePair from = board->SquareOf(sprite);
    for (const TMoveList* list : {&record.LegalMoves, &record.OpponentMoves}) {
        for (const MoveRecord& move : list->View()) {
            if (move.Origin == from) {
                board->HighlightSquare(move.Destination);
            }
        }
    }
}

// Which pieces can reach the square: the side to move's moves onto it, and
// the other side's moves onto it or en passant captures of a pawn on it.
void TChessForm::ShowSquareHints(SquarePair square)
{
    if (!Options.SquareHints) {
        return;
    }
    if (!Options.TouchMove) {
        CancelClickMove(false);
    }
    for (const MoveRecord& move : record.LegalMoves.View()) {
        const bool reaches = move.SpecialKind == SpecialNone || move.SpecialKind == SpecialEnPassant;
        if (reaches && move.Destination == square) {
            board->HighlightSquare(move.Origin);
        }
    }
    for (const MoveRecord& move : record.OpponentMoves.View()) {
        const bool reaches = (move.SpecialKind == SpecialNone && move.Destination == square)
            || (move.SpecialKind == SpecialEnPassant && move.SpecialFrom == square);
        if (reaches) {
            board->HighlightSquare(move.Origin);
        }
    }
}

int TChessForm::ChoosePromotion()
{
    if (Options.AutoPromote) {
        return Queen;
    }
    const int kind = promotionChooser ? promotionChooser() : TPromoteDlg::Choose(this);
    return kind >= Queen && kind <= Knight ? kind : Queen;
}

bool TChessForm::TextBoxHasFocus() const
{
    const QWidget* focus = QApplication::focusWidget();
    return qobject_cast<const QLineEdit*>(focus) != nullptr
        || qobject_cast<const QTextEdit*>(focus) != nullptr
        || qobject_cast<const QPlainTextEdit*>(focus) != nullptr
        || qobject_cast<const QAbstractSpinBox*>(focus) != nullptr;
}

// Space shows the keyboard cursor, then picks the piece under it, then
// drops it where the cursor has been moved.
void TChessForm::SpaceKeyPress()
{
    if (!Options.MoveCursor || gameOver || busyDepth > 0 || frozen || TextBoxHasFocus()) {
        return;
    }
    if (!board->MoveCursorVisible()) {
        board->ShowMoveCursor();
        SpeakMoveCursor();
        return;
    }
    const SquarePair square = board->MoveCursorSquare();
    if (selectedPiece) {
        PieceDropIfOk(square, selectedPiece);
        board->ResetSquares();
        return;
    }
    TPieceSprite* sprite = board->LocatePieceAt(square);
    bool movable = sprite != nullptr && gameMode == TGameMode::BoardSetup;
    if (sprite != nullptr && !movable && UserMayMove() && sprite->Colour() == record.SideToMove()) {
        for (const MoveRecord& move : record.LegalMoves.View()) {
            movable = movable || move.Origin == square;
        }
    }
    if (movable) {
        selectedPiece = sprite;
        StartClickMove(sprite);
        ShowHintSquares(sprite);
        SpeakMoveCursor();
    } else if (!Options.TouchMove) {
        CancelClickMove(false);
        board->ResetSquares();
    }
}

void TChessForm::EscapeKeyPress()
{
    if (!Options.TouchMove) {
        const bool pieceWasSelected = selectedPiece != nullptr;
        CancelClickMove(!pieceWasSelected);
    }
    StopThinkingExecute();
    // The move list takes the keys next, so the arrows move in the game.
    TMoveGrid* moves = statusPanel != nullptr ? statusPanel->MoveList() : nullptr;
    if (moves != nullptr && moves->isVisible()) {
        moves->setFocus();
    } else {
        board->setFocus();
    }
}

bool TChessForm::BoardKeyPress(int key)
{
    switch (key) {
    case Qt::Key_Space:
        SpaceKeyPress();
        return Options.MoveCursor;
    case Qt::Key_Escape:
        EscapeKeyPress();
        return true;
    case Qt::Key_F5:
    case Qt::Key_F12:
        RefreshMoveLists();
        if (key == Qt::Key_F12) {
            board->DebugBoard();
        }
        return true;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Right:
        // Without a visible cursor the arrows belong to the move list.
        if (TextBoxHasFocus() || !board->MoveCursorVisible()) {
            return false;
        }
        board->StepMoveCursor(key == Qt::Key_Right ? 1
                : key == Qt::Key_Left              ? -1
                                                   : 0,
            key == Qt::Key_Down     ? 1
                : key == Qt::Key_Up ? -1
                                    : 0);
        SpeakMoveCursor();
        return true;
    default:
        return false;
    }
}

void TChessForm::keyPressEvent(QKeyEvent* event)
{
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && BoardKeyPress(event->key())) {
        event->accept();
        return;
    }
    const bool typed = (event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier)) == Qt::NoModifier;
    if (typed && event->text().size() == 1 && TypeOntoBoard(event->text().front())) {
        event->accept();
        return;
    }
    QMainWindow::keyPressEvent(event);
}

// A square, a piece letter or the castling O typed on the board starts a
// move (or, in set-up, a position) with that character: in the typed-move
// line when it is shown, in the one-line dialog otherwise.
bool TChessForm::TypeOntoBoard(QChar typed)
{
    const QChar upper = typed.toUpper();
    const bool startsMove = (typed >= u'1' && typed <= u'8') || (upper >= u'A' && upper <= u'H') || upper == u'K'
        || upper == u'O' || PieceKindFromLetter(typed) != 0;
    if (!startsMove || TextBoxHasFocus() || busyDepth > 0) {
        return false;
    }
    if (gameMode == TGameMode::BoardSetup) {
        EnterPositionDialog(typed);
        return true;
    }
    if (!CommandAllowed(TCommand::MoveEnterMove)) {
        return false;
    }
    if (moveEntry->isVisibleTo(this)) {
        moveEntry->setText(typed);
        moveEntry->setFocus(Qt::ShortcutFocusReason);
    } else {
        EnterMoveDialog(typed);
    }
    return true;
}

// Esc is Stop Thinking's shortcut, but it must also release a chosen piece
// when there is nothing to stop (and the command is disabled): the window
// takes the key itself and stops thinking from its key handler.
bool TChessForm::event(QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier) {
            event->accept();
            return true;
        }
    }
    return QMainWindow::event(event);
}
