#include "board_fixture.h"
#include "view/taken_pieces.h"

#include <gtest/gtest.h>

namespace {

using namespace engine;

TEST(TakenPieces, RecountCountsAPromotedQueenAgainstThePawns)
{
    const BoardImage board = BoardFromRows({
        "....k...",
        "........",
        "........",
        "........",
        "...Q....",
        "........",
        "PPPPPPP.",
        "RNBQKBNR",
    });
    TTakenPieces taken;
    taken.Recount(board);
    EXPECT_EQ(taken.Counts[White][Queen], 0);
    EXPECT_EQ(taken.Counts[White][Pawn], 0);
    EXPECT_EQ(taken.Counts[Black][Queen], 1);
    EXPECT_EQ(taken.Counts[Black][Pawn], 8);
    // White's order keeps nothing; Black's is the full set less its king.
    EXPECT_EQ(taken.Order[White][0], 0);
    const std::array<std::uint8_t, 16> black {
        Queen, Rook, Rook, Knight, Knight, Bishop, Bishop, Pawn, Pawn, Pawn, Pawn, Pawn, Pawn, Pawn, Pawn, 0};
    EXPECT_EQ(taken.Order[Black], black);
}

TEST(TakenPieces, TakeAndUntakeKeepCaptureOrder)
{
    TTakenPieces taken;
    taken.Take(Black, Pawn);
    taken.Take(Black, Knight);
    taken.Take(Black, Pawn);
    taken.Take(Black, Queen);
    taken.Untake(Black, Pawn); // the last pawn goes, the queen moves up
    const std::array<std::uint8_t, 16> order {Pawn, Knight, Queen};
    EXPECT_EQ(taken.Order[Black], order);
    EXPECT_EQ(taken.Counts[Black][Pawn], 1);
    // A kind never taken comes back as a pawn: a promoted piece.
    taken.Untake(Black, Rook);
    const std::array<std::uint8_t, 16> after {Knight, Queen};
    EXPECT_EQ(taken.Order[Black], after);
    EXPECT_EQ(taken.Counts[Black][Pawn], 0);
    EXPECT_EQ(taken.Counts[Black][Rook], 0);
}

TEST(TakenPieces, ASeventeenthPieceFindsNoSlotButIsCounted)
{
    TTakenPieces taken;
    for (int i = 0; i < 17; ++i) {
        taken.Take(White, Pawn);
    }
    EXPECT_EQ(taken.Counts[White][Pawn], 17);
    EXPECT_EQ(taken.Order[White][15], Pawn);
}

} // namespace
