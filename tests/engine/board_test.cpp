#include "engine/board.h"
#include "engine/movegen.h"
#include "tests/engine/fen.h"

#include <cstring>
#include <gtest/gtest.h>

namespace engine::testing {
namespace {

SquareIndex Sq(const char* name)
{
    return ParseSquareName(name);
}

TEST(EngineBoard, InitialPieceListsFollowTheScanOrder)
{
    SetupEngineBoard(nullptr);
    const char* white[]
        = {"e1", "d1", "a1", "h1", "c1", "f1", "b1", "g1", "a2", "h2", "b2", "g2", "c2", "f2", "d2", "e2"};
    const PieceKind kinds[] = {King, Queen, Rook, Rook, Bishop, Bishop, Knight, Knight};
    for (int i = 0; i < 16; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Pos.PieceList[White][i].Square, Sq(white[i]));
        EXPECT_EQ(Pos.PieceList[White][i].Kind, i < 8 ? kinds[i] : Pawn);
        EXPECT_EQ(Pos.Board[Sq(white[i])].Index, i);
    }
    EXPECT_EQ(Pos.OfficerLast[White], 7);
    EXPECT_EQ(Pos.PieceLast[Black], 15);
    // Black's lists mirror White's through the board's centre: h8 comes before a8.
    EXPECT_EQ(Pos.PieceList[Black][2].Square, Sq("h8"));
    EXPECT_EQ(Pos.PieceList[Black][8].Square, Sq("h7"));
}

TEST(EngineBoard, InitialPositionGeneratesTwentyMovesInOrder)
{
    SetBoardFromFen(StartFen);
    ++Pos.MoveStackTop;
    MovGen();
    --Pos.MoveStackTop;
    const char* expected[][2]
        = {{"e2", "e3"}, {"e2", "e4"}, {"d2", "d3"}, {"d2", "d4"}, {"f2", "f3"}, {"f2", "f4"}, {"c2", "c3"},
            {"c2", "c4"}, {"g2", "g3"}, {"g2", "g4"}, {"b2", "b3"}, {"b2", "b4"}, {"h2", "h3"}, {"h2", "h4"},
            {"a2", "a3"}, {"a2", "a4"}, {"g1", "h3"}, {"g1", "f3"}, {"b1", "c3"}, {"b1", "a3"}};
    ASSERT_EQ(GenBuffer.Count, 20);
    for (int i = 0; i < 20; ++i) {
        const EngineMove& move = NextMove();
        EXPECT_EQ(SquareName(move.Old) + SquareName(move.New), std::string(expected[i][0]) + expected[i][1])
            << i;
    }
    EXPECT_FALSE(NextMove().IsMove());
}

// Everything make/unmake must restore; OfficerLast may stay raised after a
// promotion is taken back, so it is compared separately.
struct Snapshot {
    Cell Board[SquareCount];
    ListEntry Lists[2][MaxPiecesPerColour];
    int PieceLast[2];

    static Snapshot Take()
    {
        Snapshot s;
        std::memcpy(s.Board, Pos.Board, sizeof s.Board);
        std::memcpy(s.Lists, Pos.PieceList, sizeof s.Lists);
        std::memcpy(s.PieceLast, Pos.PieceLast, sizeof s.PieceLast);
        return s;
    }
    bool operator==(const Snapshot& o) const { return std::memcmp(this, &o, sizeof *this) == 0; }
};

struct MakeCase {
    const char* Name;
    const char* Fen;
    EngineMove Move;
};

TEST(EngineBoard, MakeThenUnmakeRestoresBoardListsAndIndices)
{
    const MakeCase cases[] = {
        {"quiet", StartFen, {Sq("f3"), Sq("g1"), 0, Knight, Empty}},
        {"capture", "4k3/8/8/3p4/4N3/8/8/4K3 w - - 0 1", {Sq("d5"), Sq("e4"), 0, Knight, Pawn}},
        {"short castling", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", {Sq("g1"), Sq("e1"), 1, King, Empty}},
        {"long castling", "r3k2r/8/8/8/8/8/8/R3K2R b KQkq - 0 1", {Sq("c8"), Sq("e8"), 1, King, Empty}},
        {"en passant", "4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1", {Sq("d6"), Sq("e5"), 1, Pawn, Empty}},
        {"promotion to queen", "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1", {Sq("e8"), Sq("e7"), 1, Queen, Empty}},
        {"promotion to rook", "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1", {Sq("e8"), Sq("e7"), 1, Rook, Empty}},
        {"promotion to bishop", "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1", {Sq("e8"), Sq("e7"), 1, Bishop, Empty}},
        {"capturing promotion to knight", "3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1",
            {Sq("d8"), Sq("e7"), 1, Knight, Rook}},
    };
    for (const MakeCase& c : cases) {
        SCOPED_TRACE(c.Name);
        SetBoardFromFen(c.Fen);
        const Snapshot before = Snapshot::Take();
        const int officerLast = Pos.OfficerLast[Pos.Player];
        DoMove(c.Move);
        const Cell& landed = Pos.Board[c.Move.New];
        EXPECT_EQ(landed.Kind, c.Move.Piece);
        EXPECT_EQ(Pos.PieceList[landed.Colour][landed.Index].Square, c.Move.New);
        UndoMove(c.Move);
        EXPECT_TRUE(Snapshot::Take() == before);
        EXPECT_GE(Pos.OfficerLast[Pos.Player], officerLast);
    }
}

TEST(EngineBoard, CapturedPieceKeepsItsListEntry)
{
    SetBoardFromFen("4k3/8/8/3p4/4N3/8/8/4K3 w - - 0 1");
    const int victim = Pos.Board[Sq("d5")].Index;
    const EngineMove capture {Sq("d5"), Sq("e4"), 0, Knight, Pawn};
    DoMove(capture);
    EXPECT_EQ(Pos.PieceList[Black][victim].Kind, Empty);
    EXPECT_EQ(Pos.PieceList[Black][victim].Square, Sq("d5"));
    UndoMove(capture);
    EXPECT_EQ(Pos.PieceList[Black][victim].Kind, Pawn);
}

TEST(EngineBoard, SquareConversions)
{
    EXPECT_EQ(ToPair(0), (SquarePair {1, 1}));
    EXPECT_EQ(SquareName(0), "a1");
    EXPECT_EQ(ToPair(0x77), (SquarePair {8, 8}));
    EXPECT_EQ(SquareName(0x77), "h8");
    EXPECT_EQ(SquareDigits(Sq("e4")), "54");
    EXPECT_EQ(Sq("E4"), 0x34);
    for (int offBoard : {8, 0x78, 0x88}) {
        EXPECT_FALSE(OnBoard(offBoard));
        EXPECT_EQ(ToPair(offBoard), (SquarePair {0, 0}));
    }
    EXPECT_EQ(FromPair(SquarePair {0, 0}), 0x88);
}

TEST(EngineBoard, MoveRecordsRoundTripEverySpecialKind)
{
    const EngineMove castling {Sq("c1"), Sq("e1"), 1, King, Empty};
    const MoveRecord castlingRecord = ToMoveRecord(castling);
    EXPECT_EQ(castlingRecord.SpecialKind, SpecialCastling);
    EXPECT_EQ(castlingRecord.SpecialFrom, ToPair(Sq("a1")));
    EXPECT_EQ(castlingRecord.SpecialTo, ToPair(Sq("d1")));

    const EngineMove enPassant {Sq("d6"), Sq("e5"), 1, Pawn, Empty};
    const MoveRecord enPassantRecord = ToMoveRecord(enPassant);
    EXPECT_EQ(enPassantRecord.SpecialKind, SpecialEnPassant);
    EXPECT_EQ(enPassantRecord.Captures, 1);
    EXPECT_EQ(enPassantRecord.SpecialFrom, ToPair(Sq("d5")));

    const EngineMove promotion {Sq("d8"), Sq("e7"), 1, Knight, Rook};
    EXPECT_EQ(ToMoveRecord(promotion).SpecialKind, SpecialPromotion);
    for (const EngineMove& move : {castling, enPassant, promotion}) {
        EXPECT_EQ(FromMoveRecord(ToMoveRecord(move)), move);
    }
}

TEST(EngineBoard, MoveStackRebaseKeepsTheLastMoveAtMinusOne)
{
    SetBoardFromFen(StartFen);
    const EngineMove first {Sq("e4"), Sq("e2"), 0, Pawn, Empty};
    const EngineMove second {Sq("e5"), Sq("e7"), 0, Pawn, Empty};
    Pos.Stack(0) = first;
    Pos.Stack(1) = second;
    Pos.MoveStackTop = 1;
    RebaseMoveStack();
    EXPECT_EQ(Pos.MoveStackTop, -1);
    EXPECT_EQ(Pos.Stack(-1), second);
    EXPECT_EQ(Pos.Stack(-2), first);
    EXPECT_EQ(Pos.Stack(-3).Captured, 1); // the set-up entry moved down with them

    Pos.MoveStackTop = -3; // two moves taken back
    RebaseMoveStack();
    EXPECT_EQ(Pos.Stack(-1).Captured, 1);
    EXPECT_FALSE(Pos.Stack(-1).IsMove());
}

} // namespace
} // namespace engine::testing
