#include "engine/engine_interface.h"
#include "engine_program/game_position.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <string>

namespace engine_program {
namespace {

int LegalMoveCount()
{
    engine::MoveRecord moves[257];
    engine::FindMoves(engine::MovePattern {}, moves, 256);
    int n = 0;
    while (moves[n].Piece != engine::Empty) {
        ++n;
    }
    return n;
}

void Play(GamePosition& position, std::initializer_list<const char*> moves)
{
    for (const char* move : moves) {
        ASSERT_EQ(position.PlayMove(move), engine::CodeDone) << move;
    }
}

TEST(GamePosition, RefusesImpossiblePositionsAndKeepsTheGame)
{
    GamePosition position;
    Play(position, {"e2e4", "e7e5"});
    const char* const refused[] = {
        "", "garbage",
        "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP w KQkq - 0 1", // seven ranks
        "rnbqkbnr/pppppppp/9/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1",
        "8/8/8/8/8/8/8/4K3 w - - 0 1", // no black king
        "4k3/8/8/8/8/8/8/3KK3 w - - 0 1", // two white kings
        "4k3/4R3/8/8/8/8/8/4K3 w - - 0 1", // the side not to move is in check
        "P3k3/8/8/8/8/8/8/4K3 w - - 0 1", // a pawn on the last rank
        "4k3/pppppppp/pppppppp/pppppppp/8/8/8/4K3 w - - 0 1", // 25 black men
    };
    for (const char* fen : refused) {
        SCOPED_TRACE(fen);
        EXPECT_FALSE(position.SetFen(fen));
        EXPECT_EQ(position.MovesPlayed(), 2);
        EXPECT_EQ(position.PlayMove("g1f3"), engine::CodeDone); // the game goes on from where it was
        ASSERT_TRUE(position.TakeBack(1));
    }
}

// A FEN may claim rights its board cannot have: they are dropped, so the
// engine never castles with a missing rook or captures a phantom pawn.
TEST(GamePosition, DropsCastlingAndEnPassantRightsTheBoardDenies)
{
    GamePosition position;
    ASSERT_TRUE(position.SetFen("4k3/8/8/3pP3/8/8/8/4K2R w KQkq d6 0 1"));
    EXPECT_EQ(position.PlayMove("e1c1"), engine::CodeNoSuchMove); // no rook on a1
    EXPECT_EQ(position.PlayMove("e5d6"), engine::CodeDone); // d7-d5 was just played
    // No pawn can have passed e6: the target is dropped and d6 is none.
    ASSERT_TRUE(position.SetFen("4k3/8/8/3pP3/8/8/8/4K2R w K e6 0 1"));
    EXPECT_EQ(position.PlayMove("e5d6"), engine::CodeNoSuchMove);
    EXPECT_EQ(position.PlayMove("e1g1"), engine::CodeDone);
}

TEST(GamePosition, TakesBackByReplayingAndCountsPlies)
{
    GamePosition position;
    ASSERT_TRUE(position.SetFen("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 12"));
    EXPECT_EQ(position.Ply(), 23);
    EXPECT_FALSE(position.FromInitialPosition());
    Play(position, {"e7e5", "g1f3", "b8c6"});
    EXPECT_EQ(position.Ply(), 26);
    EXPECT_FALSE(position.TakeBack(4));
    ASSERT_TRUE(position.TakeBack(2));
    EXPECT_EQ(engine::GetSideToMove(), engine::White);
    EXPECT_EQ(position.PlayMove("b8c6"), engine::CodeNoSuchMove);
    EXPECT_EQ(LegalMoveCount(), 29);
    position.SetStart();
    EXPECT_TRUE(position.FromInitialPosition());
    EXPECT_EQ(position.Ply(), 0);
}

TEST(GamePosition, NamesTheResultTheRulesGive)
{
    const struct {
        const char* Fen;
        std::initializer_list<const char*> Moves;
        const char* Result; // nullptr: the game goes on
    } cases[] = {
        {"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1", {"a1a8"}, "1-0 {White mates}"},
        {"4k3/8/8/8/8/8/5PPP/r5K1 w - - 0 1", {}, "0-1 {Black mates}"},
        {"7k/8/6Q1/8/8/8/8/6K1 w - - 0 1", {"g1f2"}, "1/2-1/2 {Stalemate}"},
        {"4k3/8/8/8/8/8/8/3BK3 w - - 99 80", {"d1e2"}, "1/2-1/2 {50 move rule}"},
        {"4k3/8/8/8/8/8/3r4/3BK3 w - - 0 1", {"e1d2"}, "1/2-1/2 {Insufficient material}"},
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", {"a1a2", "e8e7", "a2a1", "e7e8", "a1a2", "e8e7", "a2a1", "e7e8"},
            "1/2-1/2 {3-fold repetition}"},
        {"4k3/8/8/8/8/8/8/R3K3 w - - 0 1", {"a1a2", "e8e7", "a2a1", "e7e8"}, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Fen);
        GamePosition position;
        ASSERT_TRUE(position.SetFen(c.Fen));
        Play(position, c.Moves);
        const std::optional<std::string> result = GamePosition::ResultByRule();
        if (c.Result == nullptr) {
            EXPECT_FALSE(result) << *result;
        } else {
            EXPECT_EQ(result.value_or("none"), c.Result);
        }
    }
}

} // namespace
} // namespace engine_program
