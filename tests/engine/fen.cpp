#include "tests/engine/fen.h"

#include "engine/board.h"

#include <gtest/gtest.h>

namespace engine::testing {

void SetBoardFromFen(const std::string& fen)
{
    FenPosition position;
    ASSERT_TRUE(ParseFen(fen, position)) << fen;
    SetupEngineBoard(&position.Image);
    Pos.CastlingRights[White] = position.State.WhiteCastling;
    Pos.CastlingRights[Black] = position.State.BlackCastling;
    Pos.EnPassantTarget = FromPair(position.State.EnPassant);
    Pos.Player = position.SideToMove;
    Pos.Opponent = Other(position.SideToMove);
    Pos.MovesSinceSetup = 0;
    ResetMoveStack();
    Pos.Stack(-1).Captured = 1;
}

MovePattern Pattern(const char* from, const char* to, std::uint8_t piece)
{
    const SquarePair origin = ToPair(ParseSquareName(from));
    const SquarePair destination = ToPair(ParseSquareName(to));
    return MovePattern {piece, origin.File, origin.Rank, destination.File, destination.Rank};
}

void ResetToFen(const std::string& fen)
{
    ASSERT_TRUE(ResetEngineToFen(fen)) << fen;
}

} // namespace engine::testing
