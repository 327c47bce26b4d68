// Moves shown on the board: the slide, made and taken-back moves, and the
// arrow of the last move.
#include <QLabel>

#include "record/history.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"
#include "support/busy_delay.h"
#include "view/board_controls.h"
#include "view/board_panel.h"
#include "view/controls/line.h"

#include <chrono>

using engine::SquarePair;

namespace {

QString SquareName(SquarePair square)
{
    return QString(QChar(u'a' + square.File - 1)) + QChar(u'0' + square.Rank);
}

bool QuickMode(TGameMode mode)
{
    return mode == TGameMode::BoardSetup || mode == TGameMode::Loading || mode == TGameMode::QuickReplay;
}

} // namespace

bool TBoardPanel::MovePieceAt(SquarePair from, SquarePair to)
{
    TPieceSprite* sprite = LocatePieceAt(from);
    if (sprite == nullptr) {
        ErrorMessage(msg::NoPieceToSlide, SquareName(from));
        DebugBoard();
        return false;
    }
    sprite->raise();
    TPieceSprite* captured = nullptr;
    for (TPieceSprite* other : sprites) {
        if (other != sprite && !other->Taken() && SquareOf(other) == to) {
            captured = other;
        }
    }
    const TBoardGeometry geometry = Geometry();
    const QPoint start = geometry.PiecePlace(from, sprite->size());
    const QPoint stop = geometry.PiecePlace(to, sprite->size());
    const TGameMode mode = host.GameMode();
    if (!QuickMode(mode) && sprite->isVisible() && Options.MoveSpeed > 1) {
        AnimateSlide(sprite, start, stop);
    }
    if (captured != nullptr) {
        taken.Take(captured->Colour(), captured->Kind());
        TakePiece(captured);
    }
    sprite->SpriteMove(stop.x(), stop.y());
    sprite->show();
    RaiseOverlays();
    repaint();
    if (mode != TGameMode::Loading && mode != TGameMode::QuickReplay) {
        host.PlayPlaceSound();
    }
    return true;
}

// Slow at both ends and fastest in the middle: the waits are (c - d)^2 + d^2
// milliseconds of busy work, so nothing else runs while a piece is in the
// air. Each frame is due at its time on the clock, counted from the start of
// the slide, so a slow repaint does not push the later frames back and a
// calibration taken on a busy machine neither hurries nor drags the slide.
void TBoardPanel::AnimateSlide(TPieceSprite* sprite, QPoint from, QPoint to)
{
    const int steps = Options.MoveSpeed;
    auto frameTime = std::chrono::steady_clock::now();
    for (int d = 1; d < steps; ++d) {
        sprite->SpriteMove(
            from.x() + d * (to.x() - from.x()) / steps, from.y() + d * (to.y() - from.y()) / steps);
        repaint();
        std::int64_t wait = (steps - d) * (steps - d) + d * d;
        if (Options.DoubleBuffered) {
            wait /= 2;
        }
        frameTime += std::chrono::milliseconds(wait);
        BusyDelayUntil(frameTime);
    }
}

void TBoardPanel::BoardExecuteMove(const engine::MoveRecord& move)
{
    const TGameMode mode = host.GameMode();
    if (mode == TGameMode::Loading) {
        return;
    }
    if (IsPseudoEntry(move) || move.Origin.File == 0) {
        UpdatePieces();
        return;
    }
    UpdateMarkerLine(move.Origin, move.Destination);
    MovePieceAt(move.Origin, move.Destination);
    switch (move.SpecialKind) {
    case engine::SpecialEnPassant:
        TakePieceAt(move.SpecialFrom);
        break;
    case engine::SpecialCastling:
        MovePieceAt(move.SpecialFrom, move.SpecialTo);
        break;
    case engine::SpecialPromotion:
        ChangePieceAt(move.Destination, move.Piece);
        break;
    default:
        break;
    }
    if (mode != TGameMode::QuickReplay && mode != TGameMode::QuickHint) {
        UpdatePieces();
    }
}

void TBoardPanel::BoardRetractMove(const engine::MoveRecord& move)
{
    const TGameMode mode = host.GameMode();
    if (mode == TGameMode::Loading) {
        return;
    }
    if (!IsPseudoEntry(move) && move.Origin.File != 0) {
        const TPieceSprite* mover = LocatePieceAt(move.Destination);
        const int other = mover != nullptr ? 1 - mover->Colour() : 1 - host.BoardRecord().SideToMove();
        if (move.SpecialKind == engine::SpecialPromotion) {
            ChangePieceAt(move.Destination, engine::Pawn);
        }
        MovePieceAt(move.Destination, move.Origin);
        if (move.SpecialKind == engine::SpecialEnPassant) {
            ReplacePieceAt(move.SpecialFrom, engine::Pawn, other);
        } else if (move.SpecialKind == engine::SpecialCastling) {
            MovePieceAt(move.SpecialTo, move.SpecialFrom);
        } else if (move.Captures && move.CapturedKind != engine::Empty) {
            ReplacePieceAt(move.Destination, move.CapturedKind, other);
        }
    }
    HideMarkerLine();
    if (mode != TGameMode::QuickReplay) {
        UpdatePieces();
    }
}

void TBoardPanel::UpdateMarkerLine(SquarePair from, SquarePair to)
{
    markerFrom = from;
    markerTo = to;
    PlaceMarker();
}

void TBoardPanel::HideMarkerLine()
{
    markerFrom = {0, 0};
    markerTo = {0, 0};
    markerLine->hide();
}

bool TBoardPanel::MarkerVisible() const
{
    return markerLine->isVisibleTo(this);
}

void TBoardPanel::PlaceMarker()
{
    const TGameMode mode = host.GameMode();
    const bool modeShowsArrow = mode == TGameMode::Stopped || mode == TGameMode::Demonstration
        || mode == TGameMode::Playing || mode == TGameMode::QuickHint;
    if (markerFrom.File == 0 || !Options.MoveMarker || host.BoardRecord().CurrentPly < 0 || !modeShowsArrow) {
        markerLine->hide();
        return;
    }
    const TArrowPlace place = ArrowPlacement(Geometry(), markerFrom, markerTo);
    markerLine->setGeometry(place.bounds);
    markerLine->SetArrowHead(place.head);
    QPen pen = markerLine->Pen();
    pen.setWidth(place.penWidth);
    pen.setCapStyle(Qt::RoundCap);
    markerLine->SetPen(pen);
    markerLine->SetStartX(place.start.x());
    markerLine->SetStartY(place.start.y());
    markerLine->SetStopX(place.stop.x());
    markerLine->SetStopY(place.stop.y());
    markerLine->show();
    RaiseOverlays();
}

void TBoardPanel::RaiseOverlays()
{
    markerLine->raise();
    moveCursor->raise();
    dragPiece->raise();
    freezePanel->raise();
}

void TBoardPanel::RotateBoard()
{
    Options.BoardRotated = !Options.BoardRotated;
    RedrawBoard();
    RedrawTaken(false);
    // Labels read the other way round; the squares stay where they are.
    PlaceLabels();
    PlacePlayerLabels();
    PlaceMoveCursor();
    PlaceMarker();
    ResetSquares();
}
