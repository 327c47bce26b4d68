#include "view/board_geometry.h"

#include <gtest/gtest.h>

namespace {

engine::SquarePair Square(int file, int rank)
{
    return {static_cast<std::uint8_t>(file), static_cast<std::uint8_t>(rank)};
}

TEST(BoardGeometry, SquaresAndTheirPixelsBothWays)
{
    struct Case {
        TBoardGeometry geometry;
        int file, rank;
        QRect rect;
    };
    const Case cases[] = {
        {{44, 16, false, false}, 1, 8, {16, 16, 44, 44}},
        {{44, 16, false, false}, 1, 1, {16, 324, 44, 44}},
        {{44, 16, true, false}, 5, 2, {192, 296, 44, 44}}, // T = 32 with player names
        {{44, 16, false, true}, 1, 8, {324, 324, 44, 44}}, // rotated: a8 bottom right
        {{44, 16, false, true}, 8, 1, {16, 16, 44, 44}}, // rotated: h1 top left
        {{20, 0, false, false}, 8, 8, {140, 0, 20, 20}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.file << "," << c.rank << " rotated " << c.geometry.rotated);
        EXPECT_EQ(c.geometry.SquareRect(Square(c.file, c.rank)), c.rect);
        EXPECT_EQ(c.geometry.SquareAt(c.rect.center()), Square(c.file, c.rank));
        EXPECT_EQ(c.geometry.SquareAt(c.rect.topLeft()), Square(c.file, c.rank));
    }
}

TEST(BoardGeometry, PointsOffTheSquaresHaveNoSquare)
{
    const TBoardGeometry geometry {44, 16, true, false};
    EXPECT_EQ(geometry.Width(), 384);
    EXPECT_EQ(geometry.Height(), 416);
    for (const QPoint point :
        {QPoint(15, 100), QPoint(100, 31), QPoint(368, 100), QPoint(100, 384), QPoint(-3, -3)}) {
        EXPECT_EQ(geometry.SquareAt(point).File, 0) << point.x() << "," << point.y();
    }
}

TEST(BoardGeometry, PieceSizesAndPlaces)
{
    EXPECT_EQ(ScaledPieceSize({44, 44}, 40, true), QSize(32, 32));
    EXPECT_EQ(ScaledPieceSize({60, 60}, 44, true), QSize(35, 35));
    EXPECT_EQ(ScaledPieceSize({60, 40}, 50, true), QSize(48, 32));
    EXPECT_EQ(ScaledPieceSize({44, 44}, 40, false), QSize(44, 44));
    // A 32-pixel piece in a 40-pixel square keeps a 4-pixel margin.
    const TBoardGeometry geometry {40, 10, false, false};
    EXPECT_EQ(geometry.PiecePlace(Square(1, 8), {32, 32}), QPoint(14, 14));
    EXPECT_EQ(TakenRowsHeight({35, 35}, true), 82);
    EXPECT_EQ(TakenRowsHeight({35, 35}, false), 0);
    EXPECT_EQ(TakenSpacing({35, 35}), 37);
}

TEST(BoardGeometry, ArrowCoversBothSquaresWithRoomForTheHead)
{
    const TBoardGeometry geometry {44, 16, false, false};
    const TArrowPlace up = ArrowPlacement(geometry, Square(5, 2), Square(5, 4));
    EXPECT_EQ(up.bounds, QRect(204, 204, 20, 108));
    EXPECT_EQ(up.start, QPoint(10, 98));
    EXPECT_EQ(up.stop, QPoint(10, 10));
    EXPECT_EQ(up.head, 5);
    EXPECT_EQ(up.penWidth, 3);
    // Rotated, the same move points down from the mirrored squares.
    const TArrowPlace down = ArrowPlacement({44, 16, false, true}, Square(5, 2), Square(5, 4));
    EXPECT_EQ(down.bounds, QRect(160, 72, 20, 108));
    EXPECT_EQ(down.start, QPoint(10, 10));
    EXPECT_EQ(down.stop, QPoint(10, 98));
}

} // namespace
