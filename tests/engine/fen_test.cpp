#include "engine/fen.h"

#include <gtest/gtest.h>

namespace engine {
namespace {

TEST(EngineFen, ReadsEveryField)
{
    FenPosition position;
    ASSERT_TRUE(ParseFen("r3k2r/8/8/3pP3/8/8/8/R3K2R b Kq d6 17 30", position));
    EXPECT_EQ(position.SideToMove, Black);
    EXPECT_EQ(position.State.WhiteCastling, CastleShort);
    EXPECT_EQ(position.State.BlackCastling, CastleLong);
    EXPECT_EQ(position.State.EnPassant, (SquarePair {4, 6}));
    EXPECT_EQ(position.State.HalfMoves, 17);
    EXPECT_EQ(position.Image.At(1, 8).Kind, Rook);
    EXPECT_EQ(position.Image.At(1, 8).Colour, Black);
    EXPECT_EQ(position.Image.At(5, 5).Kind, Pawn);
    EXPECT_EQ(position.Image.At(5, 5).Colour, White);
}

TEST(EngineFen, RefusesMalformedPlacements)
{
    const char* bad[] = {
        "",
        "8/8/8/8/8/8/8 w - - 0 1", // seven ranks
        "8/8/8/8/8/8/8/8/8 w - - 0 1", // nine ranks
        "rnbqkbnrr/8/8/8/8/8/8/8 w - - 0 1", // nine files
        "7/8/8/8/8/8/8/8 w - - 0 1", // seven files
        "x7/8/8/8/8/8/8/8 w - - 0 1", // no such piece
        "8/8/8/8/8/8/8/9 w - - 0 1", // nine empty squares
    };
    for (const char* fen : bad) {
        FenPosition position;
        EXPECT_FALSE(ParseFen(fen, position)) << fen;
    }
}

} // namespace
} // namespace engine
