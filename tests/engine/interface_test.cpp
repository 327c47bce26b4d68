#include "engine/board.h"
#include "engine/engine_interface.h"
#include "engine/engine_state.h"
#include "engine/engine_task.h"
#include "engine/random.h"
#include "engine/search.h"
#include "tests/engine/fen.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace engine::testing {
namespace {

constexpr std::uint32_t Unlimited = 0x7FFFFFFF;
constexpr MovePattern AnyMove {0, 0, 0, 0, 0};

// The observable game position: board, lists, side and the game's last
// moves counted back from the newest (thinking ahead renumbers the stack).
struct GameSnapshot {
    BoardImage Image;
    ListEntry Lists[2][MaxPiecesPerColour];
    Colour Player;
    int MovesSinceSetup;
    std::vector<EngineMove> RecentMoves;

    static GameSnapshot Take()
    {
        GameSnapshot s {CurrentBoardImage(), {}, Pos.Player, Pos.MovesSinceSetup, {}};
        std::memcpy(s.Lists, Pos.PieceList, sizeof s.Lists);
        for (int i = Pos.MoveStackTop; i > Pos.MoveStackTop - 8; --i) {
            s.RecentMoves.push_back(Pos.Stack(i));
        }
        return s;
    }
    bool operator==(const GameSnapshot& o) const
    {
        return ImagesEqual(Image, o.Image) && std::memcmp(Lists, o.Lists, sizeof Lists) == 0
            && Player == o.Player && MovesSinceSetup == o.MovesSinceSetup && RecentMoves == o.RecentMoves;
    }
};

int CountMoves()
{
    MoveRecord list[257];
    FindMoves(AnyMove, list, 256);
    int n = 0;
    while (list[n].Piece != 0) {
        ++n;
    }
    return n;
}

TEST(EngineInterface, OperationsFailBeforeResetAndAfterClose)
{
    ResetEngine();
    CloseEngine();
    MoveRecord list[4];
    BoardImage image;
    PositionState state;
    int value = 0, halfMoves = 0, mateCount = 0;
    EXPECT_EQ(TestMove(AnyMove), CodeNotStarted);
    EXPECT_EQ(EnterMove(Pattern("e2", "e4")), CodeNotStarted);
    EXPECT_EQ(FindMoves(AnyMove, list, 3), CodeNotStarted);
    EXPECT_EQ(TakeBackMove(list[0]), CodeNotStarted);
    EXPECT_EQ(StartThinking(10), CodeNotStarted);
    EXPECT_EQ(ContinueThinking(1), StateIdle);
    EXPECT_EQ(StopThinking(), CodeNotStarted);
    EXPECT_EQ(MoveNow(), CodeNotStarted);
    EXPECT_EQ(StartThinkingAhead(), CodeNotStarted);
    EXPECT_EQ(SetMaxDepth(3), CodeNotStarted);
    EXPECT_EQ(SetSideToMove(Black), CodeNotStarted);
    EXPECT_EQ(GetLastMove(list[0]), CodeNotStarted);
    EXPECT_EQ(GetMainLine(value, list, 3), CodeNotStarted);
    EXPECT_EQ(GetBoardImage(image), CodeNotStarted);
    EXPECT_EQ(GetPositionState(state), CodeNotStarted);
    EXPECT_EQ(GetGameStatus(halfMoves, mateCount), StatusNothing);
    EXPECT_EQ(GetNodeCount(), 0u);
    EXPECT_EQ(GetEngineState(), StateIdle);
    EXPECT_FALSE(IsValidSetup());

    ResetEngine();
    EXPECT_EQ(TestMove(Pattern("e2", "e4")), CodeDone);
    ResetEngine(); // a second reset replaces the task cleanly
    EXPECT_EQ(CountMoves(), 20);
}

TEST(EngineInterface, LimitsAreClamped)
{
    ResetEngine();
    SetMaxDepth(0);
    EXPECT_EQ(Engine.MaxDepth, 1);
    SetMaxDepth(99);
    EXPECT_EQ(Engine.MaxDepth, 23);
    SetBookPlies(12);
    SetBookPlies(-1);
    EXPECT_EQ(Engine.BookPlies, 12);
}

TEST(EngineInterface, FindMovesListsAndTruncates)
{
    ResetEngine();
    MoveRecord list[33];
    EXPECT_EQ(FindMoves(AnyMove, list, 32), CodeDone);
    EXPECT_EQ(list[19].Piece, Knight);
    EXPECT_EQ(list[20].Piece, 0);
    EXPECT_EQ(FindMoves(AnyMove, list, 10), CodeListTruncated);
    EXPECT_NE(list[9].Piece, 0);
    EXPECT_EQ(list[10].Piece, 0);
    EXPECT_EQ(FindMoves(MovePattern {Knight, 0, 0, 0, 0}, list, 32), CodeDone);
    EXPECT_EQ(list[4].Piece, 0);
    EXPECT_EQ(FindOpponentMoves(MovePattern {0, 0, 0, 6, 6}, list, 32), CodeDone); // ...f6
    EXPECT_EQ(list[2].Piece, 0);
    EXPECT_EQ(GetSideToMove(), White);
}

TEST(EngineInterface, MoveEntryCodes)
{
    ResetEngine();
    EXPECT_EQ(TestMove(MovePattern {0, 0, 0, 5, 4}), CodeDone); // just "e4"
    EXPECT_EQ(TestMove(MovePattern {0, 5, 0, 5, 4}), CodeDone); // a file with rank 0 is any square
    EXPECT_EQ(TestMove(Pattern("e2", "e5")), CodeNoSuchMove);

    ResetToFen("4k3/4P3/8/8/8/8/8/4K3 w - - 0 1");
    MovePattern promotion = Pattern("e7", "e8");
    EXPECT_FALSE(CompleteMove(promotion)); // the own king... e8 is taken
    ResetToFen("7k/4P3/8/8/8/8/8/R3K3 w - - 0 1");
    promotion = Pattern("e7", "e8");
    EXPECT_TRUE(CompleteMove(promotion));
    EXPECT_EQ(promotion.Piece, Queen);
    MovePattern rookLift = Pattern("a1", "a8");
    EXPECT_TRUE(CompleteMove(rookLift));
    EXPECT_EQ(rookLift.Piece, 0);
    MovePattern noRank {0, 1, 0, 1, 5}; // "a?-a5"
    EXPECT_TRUE(CompleteMove(noRank));
    EXPECT_EQ(noRank.OriginRank, 1);
    EXPECT_TRUE(CompleteAndEnterMove(promotion));
    MoveRecord last;
    GetLastMove(last);
    EXPECT_EQ(last.Piece, Queen);
    EXPECT_EQ(last.SpecialKind, SpecialPromotion);
    EXPECT_EQ(last.Status, StatusCheck);
    EXPECT_EQ(GetSideToMove(), Black);
    EXPECT_EQ(TakeBackMove(last), CodeDone);
    EXPECT_EQ(Pos.Board[ParseSquareName("e7")].Kind, Pawn);
    EXPECT_EQ(TakeBackMove(last), CodeNoSuchMove); // no longer the last move
}

TEST(EngineInterface, GameStatus)
{
    struct Case {
        const char* Name;
        const char* Fen;
        MoveStatus Status;
        int HalfMoves;
    };
    const Case cases[] = {
        {"checkmate", "R5k1/5ppp/8/8/8/8/8/6K1 b - - 0 1", StatusCheckmate, 0},
        {"stalemate beats the fifty-move rule", "7k/5Q2/6K1/8/8/8/8/8 b - - 120 1", StatusStalemate, 120},
        {"set-up status and count", "4k3/8/8/8/8/8/8/3QK3 w - - 37 1", StatusNothing, 37},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ResetToFen(c.Fen);
        int halfMoves = -1, mateCount = -1;
        EXPECT_EQ(GetGameStatus(halfMoves, mateCount), c.Status);
        EXPECT_EQ(halfMoves, c.HalfMoves);
        EXPECT_EQ(mateCount, 0);
    }

    PositionState state {CastleShort, 0, {0, 0}, StatusCheck, 42, 0};
    ResetEngine(nullptr, &state);
    int halfMoves = 0, mateCount = 0;
    EXPECT_EQ(GetGameStatus(halfMoves, mateCount), StatusCheck);
    EXPECT_EQ(halfMoves, 42);
    PositionState setup;
    GetSetupState(setup);
    EXPECT_TRUE(StatesEqual(setup, state));

    // Reversible moves add to the set-up count; bare kings are a draw.
    ResetToFen("4k3/8/8/8/8/8/8/4K3 w - - 98 1");
    ASSERT_EQ(EnterMove(Pattern("e1", "d1")), CodeDone);
    EXPECT_EQ(GetGameStatus(halfMoves, mateCount), StatusNoMatingMaterial);
    EXPECT_EQ(halfMoves, 99);
    ASSERT_EQ(EnterMove(Pattern("e8", "d8")), CodeDone);
    EXPECT_EQ(GetGameStatus(halfMoves, mateCount), StatusFiftyMoveDraw);
}

TEST(EngineInterface, PositionStateFollowsTheGame)
{
    ResetEngine();
    ASSERT_EQ(EnterMove(Pattern("e2", "e4")), CodeDone);
    PositionState state;
    GetPositionState(state);
    EXPECT_EQ(state.EnPassant, (SquarePair {5, 3}));
    EXPECT_EQ(state.WhiteCastling, CastleShort | CastleLong);
    ASSERT_EQ(EnterMove(Pattern("e7", "e5")), CodeDone);
    ASSERT_EQ(EnterMove(Pattern("e1", "e2")), CodeDone);
    GetPositionState(state);
    EXPECT_EQ(state.WhiteCastling, 0);
    EXPECT_EQ(state.BlackCastling, CastleShort | CastleLong);
    EXPECT_EQ(state.EnPassant, (SquarePair {0, 0}));
    BoardImage start, now;
    GetStartImage(start);
    GetBoardImage(now);
    EXPECT_FALSE(ImagesEqual(start, now));
    EXPECT_EQ(start.At(5, 2).Kind, Pawn);
}

TEST(EngineInterface, SetupCheckRefusesImpossibleBoards)
{
    struct Case {
        const char* Name;
        const char* Fen;
        bool Valid;
    };
    const Case cases[] = {
        {"initial position", StartFen, true},
        {"side to move in check", "4k3/8/8/8/8/8/8/r3K3 w - - 0 1", true},
        {"opponent's king attacked", "4k3/8/8/8/8/8/8/4R1K1 w - - 0 1", false},
        {"two white kings", "4k3/8/8/8/8/8/8/K3K3 w - - 0 1", false},
        {"pawn on the first rank", "4k3/8/8/8/8/8/8/P3K3 w - - 0 1", false},
        {"seventeen white pieces", "QQQQkQQQ/QQQQQQQQ/8/8/8/8/8/K7 w - - 0 1", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        ResetToFen(c.Fen);
        EXPECT_EQ(IsValidSetup(), c.Valid);
        EXPECT_LE(Pos.PieceLast[White], MaxPiecesPerColour - 1);
    }
}

// Runs slices until the state leaves `state`, at most `slices` times.
EngineState RunWhile(EngineState state, std::uint32_t slice, int slices = 100000)
{
    EngineState now = state;
    while (now == state && slices-- > 0) {
        now = ContinueThinking(slice);
    }
    return now;
}

TEST(EngineInterface, ThinkingPlaysAMoveAndKeepsTheBoardBetweenSlices)
{
    ResetToFen("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4");
    SetMaxDepth(DeepestSearch);
    SeedEngineRandom(3);
    const GameSnapshot before = GameSnapshot::Take();
    StartThinking(Unlimited);
    EXPECT_EQ(GetEngineState(), StateThinking);
    EXPECT_EQ(ContinueThinking(1), StateThinking);
    EXPECT_TRUE(GameSnapshot::Take() == before); // the caller always sees the game position
    EXPECT_EQ(CountMoves(), 33);
    EXPECT_EQ(ContinueThinking(1), StateThinking);
    EXPECT_TRUE(GameSnapshot::Take() == before);
    MoveNow();
    EXPECT_EQ(RunWhile(StateThinking, 1), StateIdle);
    EXPECT_EQ(Pos.MovesSinceSetup, 1);
    EXPECT_EQ(GetSideToMove(), Black);
    MoveRecord last;
    GetLastMove(last);
    EXPECT_NE(last.Piece, 0);
    EXPECT_GT(GetNodeCount(), 0u);
    MoveRecord hint;
    GetHintMove(hint);
    EXPECT_NE(hint.Piece, 0);
}

TEST(EngineInterface, MoveNowEndsTheSearch)
{
    ResetEngine();
    SetMaxDepth(DeepestSearch);
    StartThinking(Unlimited);
    EXPECT_EQ(RunWhile(StateThinking, 1, 3), StateThinking);
    MoveNow();
    EXPECT_EQ(RunWhile(StateThinking, 1), StateIdle);
    EXPECT_EQ(GetSideToMove(), Black);
}

TEST(EngineInterface, MoveNowWaitsForTheFirstIteration)
{
    ResetToFen(Kiwipete);
    SetMaxDepth(DeepestSearch);
    StartThinking(Unlimited);
    MoveNow();
    EXPECT_EQ(RunWhile(StateThinking, 1), StateIdle);
    EXPECT_EQ(Search.MaxDepthIter, 1);
    MoveRecord last;
    GetLastMove(last);
    EXPECT_NE(last.Piece, 0);
}

TEST(EngineInterface, StopThinkingRestoresTheGameExactly)
{
    ResetEngine();
    ASSERT_EQ(EnterMove(Pattern("d2", "d4")), CodeDone);
    ASSERT_EQ(EnterMove(Pattern("g8", "f6")), CodeDone);
    SetMaxDepth(DeepestSearch);
    const GameSnapshot before = GameSnapshot::Take();
    StartThinking(Unlimited);
    EXPECT_EQ(RunWhile(StateThinking, 1, 3), StateThinking);
    StopThinking();
    EXPECT_EQ(GetEngineState(), StateIdle);
    EXPECT_TRUE(GameSnapshot::Take() == before);
    // Stopped before the first slice, too.
    StartThinking(Unlimited);
    StopThinking();
    EXPECT_TRUE(GameSnapshot::Take() == before);
    EXPECT_EQ(CountMoves(), 28);
}

// Plays the computer's move quickly so that a predicted reply exists.
EngineMove ComputerMovesAndPredicts()
{
    ResetToFen("r1bqkb1r/pppp1ppp/2n2n2/4p3/2B1P3/5N2/PPPP1PPP/RNBQK2R w KQkq - 4 4");
    SeedEngineRandom(5);
    SetMaxDepth(3);
    StartThinking(Unlimited);
    RunWhile(StateThinking, Unlimited);
    SetMaxDepth(DeepestSearch);
    return Engine.HintLine[0];
}

MovePattern PatternOf(const EngineMove& move)
{
    const SquarePair from = ToPair(move.Old);
    const SquarePair to = ToPair(move.New);
    return MovePattern {move.Piece, from.File, from.Rank, to.File, to.Rank};
}

TEST(EngineInterface, ThinkingAheadHitContinuesTheSearch)
{
    const EngineMove predicted = ComputerMovesAndPredicts();
    ASSERT_TRUE(predicted.IsMove());
    const GameSnapshot before = GameSnapshot::Take();
    StartThinkingAhead();
    EXPECT_EQ(ContinueThinking(1), StateThinkingAhead);
    EXPECT_EQ(ContinueThinking(1), StateThinkingAhead);
    EXPECT_TRUE(GameSnapshot::Take() == before);
    const std::uint64_t nodesBefore = GetNodeCount();
    ASSERT_EQ(EnterMove(PatternOf(predicted)), CodeDone);
    EXPECT_EQ(Pos.Stack(Pos.MoveStackTop), predicted);
    EXPECT_EQ(Pos.MovesSinceSetup, 2);
    StartThinking(Unlimited);
    EXPECT_EQ(GetEngineState(), StateThinking);
    EXPECT_EQ(ContinueThinking(1), StateThinking);
    EXPECT_GT(GetNodeCount(), nodesBefore); // the same search went on
    MoveNow();
    EXPECT_EQ(RunWhile(StateThinking, 1), StateIdle);
    EXPECT_EQ(Pos.MovesSinceSetup, 3);
    EXPECT_EQ(GetSideToMove(), Black);
}

TEST(EngineInterface, StoppingAfterAHitKeepsTheEnteredMove)
{
    const EngineMove predicted = ComputerMovesAndPredicts();
    StartThinkingAhead();
    EXPECT_EQ(ContinueThinking(1), StateThinkingAhead);
    ASSERT_EQ(EnterMove(PatternOf(predicted)), CodeDone);
    StopThinking();
    EXPECT_EQ(GetEngineState(), StateIdle);
    EXPECT_EQ(Pos.Stack(Pos.MoveStackTop), predicted);
    EXPECT_EQ(Pos.MovesSinceSetup, 2);
    EXPECT_EQ(GetSideToMove(), White);
    EXPECT_GT(CountMoves(), 0); // the computer is to move in a sound position
}

TEST(EngineInterface, ClosingWhileThinkingUnwindsTheTask)
{
    ResetEngine();
    SetMaxDepth(DeepestSearch);
    StartThinking(Unlimited);
    EXPECT_EQ(ContinueThinking(1), StateThinking);
    CloseEngine();
    EXPECT_EQ(GetEngineState(), StateIdle);
    ResetEngine();
    EXPECT_EQ(CountMoves(), 20);
}

TEST(EngineInterface, ThinkingAheadMissEntersTheMove)
{
    const EngineMove predicted = ComputerMovesAndPredicts();
    ASSERT_TRUE(predicted.IsMove());
    StartThinkingAhead();
    EXPECT_EQ(ContinueThinking(1), StateThinkingAhead);
    // Any legal reply other than the predicted one.
    MoveRecord list[257];
    FindMoves(AnyMove, list, 256);
    int other = 0;
    while (FromMoveRecord(list[other]) == predicted) {
        ++other;
    }
    const EngineMove reply = FromMoveRecord(list[other]);
    ASSERT_EQ(EnterMove(PatternOf(reply)), CodeDone);
    EXPECT_EQ(GetEngineState(), StateIdle);
    EXPECT_EQ(Pos.Stack(Pos.MoveStackTop), reply);
    EXPECT_EQ(Pos.MovesSinceSetup, 2);
    EXPECT_EQ(GetSideToMove(), White);
    StartThinking(2);
    EXPECT_EQ(RunWhile(StateThinking, 1), StateIdle);
    EXPECT_EQ(Pos.MovesSinceSetup, 3);
}

TEST(EngineInterface, StoppingThinkingAheadTakesThePredictionBack)
{
    ComputerMovesAndPredicts();
    const GameSnapshot before = GameSnapshot::Take();
    StartThinkingAhead();
    EXPECT_EQ(ContinueThinking(1), StateThinkingAhead);
    StopThinking();
    EXPECT_EQ(GetEngineState(), StateIdle);
    EXPECT_TRUE(GameSnapshot::Take() == before);
}

TEST(EngineInterface, StalePredictionIsNotPlayed)
{
    ComputerMovesAndPredicts();
    MoveRecord computerMove;
    GetLastMove(computerMove);
    ASSERT_EQ(TakeBackMove(computerMove), CodeDone);
    const GameSnapshot before = GameSnapshot::Take();
    StartThinkingAhead(); // the prediction belongs to the position after the move
    EXPECT_EQ(ContinueThinking(1), StateIdle);
    EXPECT_TRUE(GameSnapshot::Take() == before);
}

TEST(EngineInterface, TaskStackHasRoomToSpare)
{
    ResetToFen("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1");
    SetMaxDepth(DeepestSearch);
    StartThinking(4);
    RunWhile(StateThinking, 1);
    EXPECT_LT(EngineTaskStackHighWater(), std::size_t(128 * 1024));
}

} // namespace
} // namespace engine::testing
