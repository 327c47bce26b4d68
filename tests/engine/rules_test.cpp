#include "engine/draw_rules.h"
#include "engine/movegen.h"
#include "tests/engine/fen.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace engine::testing {
namespace {

SquareIndex Sq(const char* name)
{
    return ParseSquareName(name);
}

std::vector<EngineMove> Generate()
{
    ++Pos.MoveStackTop;
    MovGen();
    --Pos.MoveStackTop;
    return {GenBuffer.Moves, GenBuffer.Moves + GenBuffer.Count};
}

// Plays a reversible or ordinary move as a game move.
void Play(const char* from, const char* to)
{
    const Cell& cell = Pos.Board[Sq(from)];
    const EngineMove move {Sq(to), Sq(from), 0, cell.Kind, Pos.Board[Sq(to)].Kind};
    Pos.Stack(Pos.MoveStackTop + 1) = move;
    DoMove(move);
}

std::uint8_t CastlingGenerated()
{
    std::uint8_t bits = 0;
    for (const EngineMove& move : Generate()) {
        if (move.IsCastling()) {
            bits |= move.New > move.Old ? CastleShort : CastleLong;
        }
    }
    return bits;
}

TEST(EngineMoveGeneration, CastlingOnlyWhenEveryConditionHolds)
{
    struct Case {
        const char* Name;
        const char* Fen;
        std::uint8_t Expected;
    };
    const Case cases[] = {
        {"both open", "r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1", CastleShort | CastleLong},
        {"king in check", "r3k2r/8/8/8/4r3/8/8/R3K2R w KQ - 0 1", 0},
        {"passes an attacked square", "r3k2r/8/8/8/5r2/8/8/R3K2R w KQ - 0 1", CastleLong},
        {"lands on an attacked square", "r3k2r/8/8/8/6r1/8/8/R3K2R w KQ - 0 1", CastleLong},
        {"b-file square occupied", "r3k2r/8/8/8/8/8/8/RN2K2R w KQ - 0 1", CastleShort},
        {"b-file square attacked but empty", "1r2k2r/8/8/8/8/8/8/R3K2R w KQ - 0 1", CastleShort | CastleLong},
        {"right not given", "r3k2r/8/8/8/8/8/8/R3K2R w K - 0 1", CastleShort},
        {"black side", "r3k2r/8/8/8/8/8/8/R3K2R b kq - 0 1", CastleShort | CastleLong},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetBoardFromFen(c.Fen);
        EXPECT_EQ(CastlingGenerated(), c.Expected);
    }
}

TEST(EngineMoveGeneration, NoCastlingAfterKingOrRookReturnsHome)
{
    SetBoardFromFen("r3k2r/8/8/8/8/8/8/R3K2R w KQkq - 0 1");
    Play("e1", "f1");
    Play("h8", "g8");
    Play("f1", "e1");
    Play("g8", "h8");
    EXPECT_EQ(CastlingGenerated(), 0);
    SwapSides();
    EXPECT_EQ(CastlingGenerated(), CastleLong);
}

TEST(EngineMoveGeneration, PawnCaptureOntoLastRankGivesFourPromotions)
{
    SetBoardFromFen("3r3k/4P3/8/8/8/8/8/4K3 w - - 0 1");
    std::vector<PieceKind> capturePromotions;
    for (const EngineMove& move : Generate()) {
        if (move.New == Sq("d8")) {
            EXPECT_EQ(move.Captured, Rook);
            capturePromotions.push_back(PieceKind(move.Piece));
        }
    }
    EXPECT_EQ(capturePromotions, (std::vector<PieceKind> {Queen, Rook, Bishop, Knight}));
}

TEST(EngineMoveGeneration, EnPassantFromSetupTargetOnlyBeforeTheFirstMove)
{
    const auto hasEnPassant = [] {
        for (const EngineMove& move : Generate()) {
            if (move.IsEnPassant()) {
                return true;
            }
        }
        return false;
    };
    SetBoardFromFen("4k3/8/8/3pP3/8/8/8/4K3 w - d6 0 1");
    EXPECT_TRUE(hasEnPassant());
    Play("e1", "d1");
    Play("e8", "d8");
    EXPECT_FALSE(hasEnPassant());

    SetBoardFromFen("4k3/3p4/8/4P3/8/8/8/4K3 b - - 0 1");
    Play("d7", "d5");
    EXPECT_TRUE(hasEnPassant());

    // A set-up target with no pawn behind it is ignored rather than
    // producing a capture of nothing.
    SetBoardFromFen("4k3/8/8/4P3/8/8/8/4K3 w - d6 0 1");
    EXPECT_FALSE(hasEnPassant());
}

TEST(EngineMoveGeneration, CheckMoveFindsTheOneMatchingMove)
{
    struct Case {
        const char* Name;
        const char* Fen;
        EngineMove Pattern;
        std::uint8_t Code;
        std::uint8_t KeptPiece;
    };
    const Case cases[] = {
        {"destination only prefers the pawn", StartFen, {Sq("f3"), OffBoard, 0, Empty, 0}, CodeDone, Pawn},
        {"two knights reach the square", "4k3/8/8/8/8/8/8/1N2KN2 w - - 0 1",
            {Sq("d2"), OffBoard, 0, Knight, 0}, CodeAmbiguous, Knight},
        {"pinned bishop", "4k3/4r3/8/8/8/8/4B3/4K3 w - - 0 1", {Sq("d3"), Sq("e2"), 0, Bishop, 0},
            CodeLeavesKingInCheck, Bishop},
        {"nothing matches", StartFen, {Sq("e5"), OffBoard, 0, Empty, 0}, CodeNoSuchMove, Empty},
        {"promotion asked by the new piece", "7k/4P3/8/8/8/8/8/4K3 w - - 0 1",
            {Sq("e8"), Sq("e7"), 0, Rook, 0}, CodeDone, Rook},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        SetBoardFromFen(c.Fen);
        const BoardImage before = CurrentBoardImage();
        EXPECT_EQ(CheckMove(c.Pattern), c.Code);
        if (c.Code != CodeAmbiguous) {
            EXPECT_EQ(KeepMove.Piece, c.KeptPiece);
        }
        const BoardImage after = CurrentBoardImage();
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
        EXPECT_EQ(Pos.MoveStackTop, -1);
    }
}

TEST(EngineDrawRules, ReversibleCountStopsAtPawnMovesAndSetup)
{
    SetBoardFromFen(StartFen);
    Play("g1", "f3");
    Play("g8", "f6");
    EXPECT_EQ(ReversibleCount(), 2);
    Play("e2", "e4");
    Play("b8", "c6");
    EXPECT_EQ(ReversibleCount(), 1);
}

TEST(EngineDrawRules, RepetitionFollowsEachPiece)
{
    SetBoardFromFen(StartFen);
    for (int round = 1; round <= 2; ++round) {
        Play("g1", "f3");
        Play("g8", "f6");
        Play("f3", "g1");
        Play("f6", "g8");
        EXPECT_EQ(RepetitionCount(false), round + 1);
        EXPECT_EQ(RepetitionCount(true), 2);
    }
    Play("e2", "e4");
    EXPECT_EQ(RepetitionCount(true), 1);
    EXPECT_EQ(RepetitionCount(false), 1);

    // The two rooks end on each other's squares: same picture, other pieces.
    SetBoardFromFen("7k/8/8/8/8/8/8/RR4K1 w - - 0 1");
    const char* tour[][2] = {{"a1", "a2"}, {"h8", "g8"}, {"b1", "a1"}, {"g8", "h8"}, {"a2", "b2"},
        {"h8", "g8"}, {"b2", "b1"}, {"g8", "h8"}};
    for (const auto& step : tour) {
        Play(step[0], step[1]);
    }
    EXPECT_EQ(RepetitionCount(false), 1);
}

TEST(EngineDrawRules, MatingMaterial)
{
    struct Case {
        const char* Fen;
        bool Expected;
    };
    const Case cases[] = {
        {"4k3/8/8/8/8/8/8/4K3 w - - 0 1", false},
        {"4k3/8/8/8/8/8/8/3NKN2 w - - 0 1", false},
        {"4k3/8/8/8/8/8/8/3NKB2 w - - 0 1", true},
        {"4k3/8/8/8/8/8/8/2B1KB2 w - - 0 1", true},
        {"4k3/8/8/8/8/8/8/3BKB2 w - - 0 1", true},
        {"4kb2/8/8/8/8/8/8/4K3 w - - 0 1", false},
        {"4kb2/8/8/8/8/8/8/3NKN2 w - - 0 1", true},
        {"4k3/8/8/8/8/8/8/2NNKN2 w - - 0 1", true},
        {"4k3/7p/8/8/8/8/8/4K3 w - - 0 1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Fen);
        SetBoardFromFen(c.Fen);
        EXPECT_EQ(HasMatingMaterial(), c.Expected);
    }
}

} // namespace
} // namespace engine::testing
