#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include "engine/types.h"

// Pixel geometry of the board area, from the square size S, the edge E and
// whether player names take a row above and below (T = E + 16 then).
// Integer arithmetic throughout, divisions truncating toward zero.
struct TBoardGeometry {
    int square = 44;
    int edge = 16;
    bool players = false;
    bool rotated = false;

    int Top() const { return players ? edge + 16 : edge; }
    int Width() const { return 2 * edge + 8 * square; }
    int Height() const { return 2 * Top() + 8 * square; }
    QRect SquareRect(engine::SquarePair square) const;
    // Centre of a square relative to the corner of the first square.
    QPoint RelativeCentre(engine::SquarePair square) const;
    // File 0 when the point lies outside the 64 squares.
    engine::SquarePair SquareAt(QPoint point) const;
    // The square of a control: the square of its centre.
    engine::SquarePair SquareOfRect(const QRect& rect) const;
    // Where a piece of the size stands in the square: centred.
    QPoint PiecePlace(engine::SquarePair square, QSize piece) const;
};

// The piece size for a frame of the set: the frame itself, or scaled so a
// square frame fills four fifths of the square.
QSize ScaledPieceSize(QSize frame, int square, bool scale);

// The taken rows under the board: two rows of pieces with a margin.
int TakenRowsHeight(QSize piece, bool shown);
// Taken pieces overlap by about half.
int TakenSpacing(QSize piece);

// The move arrow's control rectangle and its line in the control's own
// coordinates.
struct TArrowPlace {
    QRect bounds;
    QPoint start;
    QPoint stop;
    int head = 0;
    int penWidth = 0;
};
TArrowPlace ArrowPlacement(const TBoardGeometry& geometry, engine::SquarePair from, engine::SquarePair to);
