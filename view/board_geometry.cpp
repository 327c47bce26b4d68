#include "view/board_geometry.h"

#include <algorithm>
#include <cstdlib>

using engine::SquarePair;

QRect TBoardGeometry::SquareRect(SquarePair at) const
{
    const int column = rotated ? 8 - at.File : at.File - 1;
    const int row = rotated ? at.Rank - 1 : 8 - at.Rank;
    return {edge + column * square, Top() + row * square, square, square};
}

QPoint TBoardGeometry::RelativeCentre(SquarePair at) const
{
    const QRect rect = SquareRect(at);
    return {rect.left() - edge + square / 2, rect.top() - Top() + square / 2};
}

SquarePair TBoardGeometry::SquareAt(QPoint point) const
{
    const int x = point.x() - edge;
    const int y = point.y() - Top();
    // Division truncates toward zero, so test the sign before dividing.
    if (x < 0 || y < 0 || x >= 8 * square || y >= 8 * square) {
        return {0, 0};
    }
    const int column = x / square;
    const int row = y / square;
    const int file = rotated ? 8 - column : column + 1;
    const int rank = rotated ? row + 1 : 8 - row;
    return {static_cast<std::uint8_t>(file), static_cast<std::uint8_t>(rank)};
}

SquarePair TBoardGeometry::SquareOfRect(const QRect& rect) const
{
    return SquareAt({rect.left() + rect.width() / 2, rect.top() + rect.height() / 2});
}

QPoint TBoardGeometry::PiecePlace(SquarePair at, QSize piece) const
{
    const QRect rect = SquareRect(at);
    return {rect.left() + (square - piece.width()) / 2, rect.top() + (square - piece.height()) / 2};
}

QSize ScaledPieceSize(QSize frame, int square, bool scale)
{
    const int w = frame.width();
    const int h = frame.height();
    if (!scale || w + h <= 0) {
        return frame;
    }
    return {square * 8 * w / ((w + h) * 5), square * 8 * h / ((w + h) * 5)};
}

int TakenRowsHeight(QSize piece, bool shown)
{
    return shown ? 2 * piece.height() + 12 : 0;
}

int TakenSpacing(QSize piece)
{
    return (piece.height() + piece.width()) * 33 / 64 + 1;
}

TArrowPlace ArrowPlacement(const TBoardGeometry& geometry, SquarePair from, SquarePair to)
{
    const int a = geometry.square / 16 + 3;
    const int e = 2 * a;
    const QPoint c1 = geometry.RelativeCentre(from);
    const QPoint c2 = geometry.RelativeCentre(to);
    const int left = std::min(c1.x(), c2.x());
    const int top = std::min(c1.y(), c2.y());
    TArrowPlace place;
    place.bounds = QRect(left - e + geometry.edge, top - e + geometry.Top(),
        std::abs(c1.x() - c2.x()) + 4 * a, std::abs(c1.y() - c2.y()) + 4 * a);
    place.start = QPoint(c1.x() - left + e, c1.y() - top + e);
    place.stop = QPoint(c2.x() - left + e, c2.y() - top + e);
    place.head = a;
    place.penWidth = geometry.square / 16 + 1;
    return place;
}
