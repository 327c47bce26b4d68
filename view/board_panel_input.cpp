// Input on the board: presses and releases handed to the host, the drag
// picture, the keyboard cursor, the flashing square and highlighting.
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QTimer>

#include "settings/options.h"
#include "view/board_controls.h"
#include "view/board_panel.h"
using engine::SquarePair;

void TBoardPanel::HighlightSquare(SquarePair square)
{
    if (TBoardSquare* shape = ShapeAt(square)) {
        shape->SetHighlighted(true);
    }
}

void TBoardPanel::ResetSquare(SquarePair square)
{
    if (TBoardSquare* shape = ShapeAt(square)) {
        shape->SetHighlighted(false);
        shape->update();
    }
}

void TBoardPanel::ResetSquares()
{
    for (TBoardSquare* shape : squares) {
        shape->SetHighlighted(false);
        shape->update();
    }
}

bool TBoardPanel::Highlighted(SquarePair square) const
{
    const TBoardSquare* shape = ShapeAt(square);
    return shape != nullptr && shape->Highlighted();
}

void TBoardPanel::PlaceMoveCursor()
{
    moveCursor->setGeometry(SquareRect(cursorSquare));
}

void TBoardPanel::ShowMoveCursor()
{
    PlaceMoveCursor();
    moveCursor->show();
    RaiseOverlays();
}

void TBoardPanel::HideMoveCursor()
{
    moveCursor->hide();
}

bool TBoardPanel::MoveCursorVisible() const
{
    return moveCursor->isVisibleTo(this);
}

SquarePair TBoardPanel::MoveCursorSquare() const
{
    return cursorSquare;
}

void TBoardPanel::StepMoveCursor(int dx, int dy)
{
    // Screen directions: right and down mean higher files and lower ranks,
    // the other way round when Black is at the bottom.
    const int sign = Options.BoardRotated ? -1 : 1;
    const int file = (cursorSquare.File - 1 + sign * dx + 8 * 8) % 8 + 1;
    const int rank = (cursorSquare.Rank - 1 - sign * dy + 8 * 8) % 8 + 1;
    cursorSquare = {static_cast<std::uint8_t>(file), static_cast<std::uint8_t>(rank)};
    PlaceMoveCursor();
}

void TBoardPanel::StartFlash(SquarePair square)
{
    StopFlash();
    flashSquare = square;
    HighlightSquare(square);
    flashTimer->start();
}

void TBoardPanel::StopFlash()
{
    flashTimer->stop();
    if (flashSquare.File != 0) {
        ResetSquare(flashSquare);
    }
    flashSquare = {0, 0};
}

void TBoardPanel::FlashTimerTimer()
{
    if (flashSquare.File == 0) {
        flashTimer->stop();
        return;
    }
    if (Highlighted(flashSquare)) {
        ResetSquare(flashSquare);
    } else {
        HighlightSquare(flashSquare);
    }
}

void TBoardPanel::StartDrag(TPieceSprite* sprite, bool picture)
{
    if (sprite == nullptr) {
        return;
    }
    // One drag at a time: an unfinished one ends where it is.
    CancelDrag();
    dragSprite = sprite;
    if (picture) {
        dragPiece->SetCode(sprite->Code() | board_tag::DragFlag);
        dragPiece->SetFrames(6);
        dragPiece->SetFilmstrips(2);
        dragPiece->SetShowFrame(6 - sprite->Kind());
        dragPiece->SetShowFilmstrip(sprite->Colour());
        dragPiece->SetTransparentColor(sprite->TransparentColor());
        dragPiece->SetTransparent(true);
        dragPiece->SetStretch(true);
        dragPiece->SetBitmain(pieceBitmap);
        dragPiece->resize(sprite->size());
        dragPiece->SetDisplayPicture(sprite->DisplayPicture());
        const QPoint centre = rect().contains(pressPoint) ? pressPoint : mapFromGlobal(QCursor::pos());
        dragPiece->move(rect().contains(centre) ? centre - dragPiece->rect().center() : sprite->pos());
        dragPiece->show();
        dragPiece->raise();
        freezePanel->raise();
        sprite->hide();
    }
    setCursor(Qt::ClosedHandCursor);
    grabMouse();
}

bool TBoardPanel::Dragging() const
{
    return !dragSprite.isNull();
}

void TBoardPanel::DragMoveTo(QPoint point)
{
    TPieceSprite* sprite = dragSprite.data();
    if (sprite == nullptr) {
        return;
    }
    if (dragPiece->isVisibleTo(this)) {
        dragPiece->move(point - dragPiece->rect().center());
    }
    const bool accepted = host.PieceDragOver(sprite, SquareAt(point));
    setCursor(accepted ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
}

// The drag is over before the host hears of the drop, so the move it makes
// finds no drag picture or dragging sprite; the sprite stays hidden until
// the move puts it on its new square (without a slide) or the end of the
// drag shows it where it was.
void TBoardPanel::DragDropAt(QPoint point)
{
    TPieceSprite* sprite = dragSprite.data();
    if (sprite == nullptr) {
        return;
    }
    const SquarePair target = SquareAt(point);
    const bool accepted = host.PieceDragOver(sprite, target);
    StopDragging();
    if (accepted) {
        host.PieceDragDrop(sprite, target);
    }
    FinishDrag(sprite);
}

void TBoardPanel::StopDragging()
{
    dragSprite = nullptr;
    releaseMouse();
    unsetCursor();
    dragPiece->hide();
    dragPiece->SetDisplayPicture(QImage());
}

void TBoardPanel::FinishDrag(TPieceSprite* sprite)
{
    // A sprite freed by the drop (a redraw) is no longer on the board.
    if (std::find(sprites.begin(), sprites.end(), sprite) != sprites.end()) {
        if (!sprite->Taken() || Options.ShowTaken) {
            sprite->show();
        }
    }
    host.PieceEndDrag(sprite);
}

void TBoardPanel::EndDrag()
{
    TPieceSprite* sprite = dragSprite.data();
    StopDragging();
    if (sprite != nullptr) {
        FinishDrag(sprite);
    }
}

void TBoardPanel::CancelDrag()
{
    if (Dragging()) {
        EndDrag();
    }
}

// Presses on a sprite's see-through part or on a square are square presses;
// presses on labels and the margin are the panel's.
bool TBoardPanel::HandlePress(QWidget* control, QMouseEvent* event)
{
    if (freezePanel->isVisibleTo(this)) {
        return true;
    }
    const QPoint point
        = control == this ? event->position().toPoint() : control->mapTo(this, event->position().toPoint());
    pressPoint = point;
    auto* sprite = qobject_cast<TPieceSprite*>(control);
    if (sprite != nullptr && sprite->HitTest(event->position().toPoint())) {
        host.PieceMouseDown(sprite, event->button());
        return true;
    }
    if (sprite != nullptr && sprite->Taken()) {
        host.BoardPanelMouseDown(event->button());
        return true;
    }
    const SquarePair square = SquareAt(point);
    if (square.File == 0) {
        host.BoardPanelMouseDown(event->button());
        return true;
    }
    // A piece under a see-through corner of a neighbour still gets it.
    TPieceSprite* under = LocatePieceAt(square);
    if (under != nullptr && under != sprite && under->HitTest(under->mapFrom(this, point))) {
        host.PieceMouseDown(under, event->button());
    } else {
        host.SquareMouseDown(square, event->button());
    }
    return true;
}

bool TBoardPanel::eventFilter(QObject* watched, QEvent* event)
{
    auto* control = qobject_cast<QWidget*>(watched);
    if (control == nullptr || control->parentWidget() != this) {
        return QWidget::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return HandlePress(control, static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        if (Dragging()) {
            DragMoveTo(control->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (Dragging()) {
            DragDropAt(control->mapTo(this, static_cast<QMouseEvent*>(event)->position().toPoint()));
        } else if (!freezePanel->isVisibleTo(this)) {
            host.BoardMouseUp();
        }
        return true;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void TBoardPanel::mousePressEvent(QMouseEvent* event)
{
    HandlePress(this, event);
}

void TBoardPanel::mouseMoveEvent(QMouseEvent* event)
{
    if (Dragging()) {
        DragMoveTo(event->position().toPoint());
    }
}

void TBoardPanel::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    if (Dragging()) {
        DragDropAt(point);
    } else if (!freezePanel->isVisibleTo(this) && SquareAt(point).File != 0) {
        host.BoardMouseUp();
    }
}
