#include "engine/engine_state.h"
#include "engine/eval.h"
#include "tests/engine/fen.h"

#include <gtest/gtest.h>

namespace engine::testing {
namespace {

SquareIndex Sq(const char* name)
{
    return ParseSquareName(name);
}

// Fills the tables as a search of this position would.
void Evaluate(const char* fen)
{
    SetBoardFromFen(fen);
    Engine.MainValue = 0;
    Eval.RootSide = Pos.Player;
    Pos.MoveStackTop = 0;
    CalcPieceSquareTable();
}

TEST(EngineEvaluation, InitialPositionIsBalanced)
{
    for (const char* fen : {StartFen, "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR b KQkq - 0 1"}) {
        SCOPED_TRACE(fen);
        Evaluate(fen);
        EXPECT_EQ(Eval.Phase, 45);
        EXPECT_FALSE(Eval.Mating);
        EXPECT_EQ(Eval.MaterialBalance, 0);
        EXPECT_EQ(Eval.RootValue, 0);
    }
}

TEST(EngineEvaluation, PawnsAreWorthNothingOnTheirFirstAndLastRanks)
{
    Evaluate(StartFen);
    for (int file = 0; file < 8; ++file) {
        for (int rank : {0, 7}) {
            EXPECT_EQ(Eval.PieceSquareTable[White][Pawn][MakeSquare(file, rank)], 0);
            EXPECT_EQ(Eval.PieceSquareTable[Black][Pawn][MakeSquare(file, rank)], 0);
        }
    }
}

TEST(EngineEvaluation, KingAndRookDriveTheLoneKing)
{
    Evaluate("8/8/8/3k4/8/8/8/R3K3 w - - 0 1");
    ASSERT_TRUE(Eval.Mating);
    const auto king
        = [](Colour colour, const char* square) { return Eval.PieceSquareTable[colour][King][Sq(square)]; };
    // The stronger king loses 4 per step away from the lone king on d5.
    EXPECT_EQ(king(White, "d4") - king(White, "d3"), 4);
    EXPECT_EQ(king(White, "e4") - king(White, "f4"), 4);
    // The lone king is best in the centre and worst in a corner.
    EXPECT_GT(king(Black, "d5"), king(Black, "b5"));
    EXPECT_GT(king(Black, "b5"), king(Black, "a8"));
    EXPECT_EQ(king(Black, "a8"), king(Black, "h1"));
}

TEST(EngineEvaluation, PawnStructurePenalties)
{
    struct Case {
        std::uint8_t PawnFiles;
        std::uint8_t DoubledFiles;
        int Value;
    };
    const Case cases[] = {
        {0b00000111, 0, 0}, // a, b, c: connected
        {0b00001000, 0, -20}, // d alone
        {0b00001000, 0b00001000, -8 - 20 - 40}, // two pawns on the isolated d-file
        {0b00000011, 0b00000001, -8}, // doubled but not isolated
        {0b10100101, 0, -80}, // four isolated files
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PawnStructureValue(PawnSummary {c.PawnFiles, c.DoubledFiles}), c.Value);
    }
}

TEST(EngineEvaluation, ShortCastlingIsPreferred)
{
    Evaluate("rn2k2r/pppqbppp/8/8/8/8/PPPQBPPP/R3K2R w KQkq - 0 1");
    ASSERT_GT(Eval.Phase, 0);
    const int shortValue = MoveValue(EngineMove {Sq("g1"), Sq("e1"), 1, King, Empty});
    const int longValue = MoveValue(EngineMove {Sq("c1"), Sq("e1"), 1, King, Empty});
    const auto rook = [](const char* square) { return Eval.PieceSquareTable[White][Rook][Sq(square)]; };
    EXPECT_EQ(shortValue - longValue, 28 + (rook("f1") - rook("h1")) - (rook("d1") - rook("a1")));
}

TEST(EngineEvaluation, SideBehindIsDiscouragedFromTradingPieces)
{
    Evaluate("4k3/8/3n4/8/4N3/8/8/4K3 w - - 0 1");
    const EngineMove capture {Sq("d6"), Sq("e4"), 0, Knight, Knight};
    Engine.MainValue = 300; // the root side (White, moving) is ahead
    const int ahead = MoveValue(capture);
    Engine.MainValue = -300;
    EXPECT_EQ(MoveValue(capture), ahead - 32);
    Engine.MainValue = 100; // within a pawn nobody is behind
    EXPECT_EQ(MoveValue(capture), ahead);
}

TEST(EngineEvaluation, PawnCapturesUpdateBothStructures)
{
    // exd5 leaves Black's d-pawn gone and White's e-pawn on the d-file.
    Evaluate("4k3/8/8/3p4/4P3/8/8/4K3 w - - 0 1");
    const EngineMove capture {Sq("d5"), Sq("e4"), 0, Pawn, Pawn};
    MoveValue(capture);
    const PawnSummary* next = Eval.Pawns[1];
    EXPECT_EQ(next[White].PawnFiles, 0b00001000);
    EXPECT_EQ(next[Black].PawnFiles, 0);
    EXPECT_EQ(Eval.Pawns[0][Black].PawnFiles, 0b00001000); // the parent ply is untouched
}

} // namespace
} // namespace engine::testing
