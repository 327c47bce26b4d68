#include "engine/engine_interface.h"
#include "engine_program/game_position.h"
#include "engine_program/move_text.h"

#include <gtest/gtest.h>

namespace engine_program {
namespace {

TEST(CoordinateMove, ReadsSquaresAndPromotionLetters)
{
    const struct {
        const char* Text;
        bool Valid;
        std::uint8_t Piece;
    } cases[] = {
        {"e2e4", true, engine::Empty},
        {"e7e8q", true, engine::Queen},
        {"a2a1N", true, engine::Knight},
        {"b7b8=r", true, engine::Rook},
        {"e7e8k", false, 0},
        {"e2e", false, 0},
        {"e2e4e", false, 0},
        {"i2i4", false, 0},
        {"e0e4", false, 0},
        {"e2e4qq", false, 0},
        {"O-O", false, 0},
        {"", false, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const auto pattern = ParseCoordinateMove(c.Text);
        ASSERT_EQ(pattern.has_value(), c.Valid);
        if (c.Valid) {
            EXPECT_EQ(pattern->Piece, c.Piece);
        }
    }
    const auto move = ParseCoordinateMove("g1f3");
    ASSERT_TRUE(move);
    EXPECT_EQ(move->OriginFile, 7);
    EXPECT_EQ(move->OriginRank, 1);
    EXPECT_EQ(move->DestFile, 6);
    EXPECT_EQ(move->DestRank, 3);
}

// Every legal move of a position full of special moves is written so that
// reading it back names exactly that move.
TEST(CoordinateMove, EveryLegalMoveSurvivesWritingAndReading)
{
    GamePosition position;
    // Promotions with and without capture, en passant and both castlings.
    ASSERT_TRUE(position.SetFen("r3k3/1P6/8/3pP3/8/8/8/R3K2R w KQq d6 0 1"));
    engine::MoveRecord moves[257];
    engine::FindMoves(engine::MovePattern {}, moves, 256);
    int promotions = 0;
    for (int i = 0; moves[i].Piece != engine::Empty; ++i) {
        const std::string text = FormatCoordinateMove(moves[i]);
        SCOPED_TRACE(text);
        const CheckedMove checked = CheckCoordinateMove(text);
        ASSERT_EQ(checked.Code, engine::CodeDone);
        engine::MoveRecord found[2];
        engine::FindMoves(checked.Pattern, found, 1);
        EXPECT_EQ(engine::MovesDiffer(found[0], moves[i]), 0);
        promotions += moves[i].SpecialKind == engine::SpecialPromotion;
    }
    EXPECT_EQ(promotions, 8); // b7-b8 and b7xa8, four pieces each
    EXPECT_EQ(FormatCoordinateMove(engine::MoveRecord {}), "0000");
}

TEST(CoordinateMove, CheckedAgainstTheEnginePosition)
{
    GamePosition position;
    ASSERT_TRUE(position.SetFen("4k3/P7/8/8/8/8/8/R3K2R w KQ - 0 1"));
    const struct {
        const char* Text;
        std::uint8_t Code;
        std::uint8_t Piece; // of the completed pattern when legal
    } cases[] = {
        {"a7a8", engine::CodeDone, engine::Queen}, // a bare promotion becomes a queen
        {"a7a8n", engine::CodeDone, engine::Knight},
        {"e1g1", engine::CodeDone, engine::Empty}, // castling as the king's move
        {"a1a5q", engine::CodeNoSuchMove, 0}, // a promotion letter on a rook move
        {"e1e3", engine::CodeNoSuchMove, 0},
        {"e8e7", engine::CodeNoSuchMove, 0}, // the other side's piece
        {"e2e4", engine::CodeNoSuchMove, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Text);
        const CheckedMove checked = CheckCoordinateMove(c.Text);
        EXPECT_EQ(checked.Code == engine::CodeDone, c.Code == engine::CodeDone);
        if (c.Code == engine::CodeDone) {
            EXPECT_EQ(checked.Pattern.Piece, c.Piece);
        }
    }
}

} // namespace
} // namespace engine_program
