// Long random games through the engine interface: after every move the
// board, the piece lists and the generators must still agree.
#include "engine/board.h"
#include "engine/engine_interface.h"
#include "engine/perft.h"
#include "tests/engine/fen.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>

namespace engine::testing {
namespace {

void ExpectListsMatchBoard()
{
    int onBoard = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const Cell& cell = Pos.Board[square];
        if (!OnBoard(square) || cell.Kind == Empty) {
            continue;
        }
        ++onBoard;
        ASSERT_LT(cell.Index, MaxPiecesPerColour);
        const ListEntry& entry = Pos.PieceList[cell.Colour][cell.Index];
        ASSERT_EQ(entry.Square, square);
        ASSERT_EQ(entry.Kind, cell.Kind);
    }
    int listed = 0;
    for (int colour = White; colour <= Black; ++colour) {
        ASSERT_EQ(Pos.PieceList[colour][0].Kind, King);
        for (int index = 0; index <= Pos.PieceLast[colour]; ++index) {
            listed += Pos.PieceList[colour][index].Kind != Empty;
        }
    }
    ASSERT_EQ(listed, onBoard);
}

MovePattern PatternOf(const MoveRecord& move)
{
    return MovePattern {
        move.Piece, move.Origin.File, move.Origin.Rank, move.Destination.File, move.Destination.Rank};
}

// Plays random legal moves, now and then taking one back and playing
// another, across more moves than the move stack keeps.
TEST(EnginePlayout, RandomGamesKeepBoardAndGeneratorsInStep)
{
    std::mt19937 random(11);
    constexpr int Plies = 2600;
    ResetEngine();
    int longestGame = 0;
    for (int ply = 0; ply < Plies; ++ply) {
        longestGame = std::max(longestGame, Pos.MovesSinceSetup);
        MoveRecord list[257];
        ASSERT_EQ(FindMoves(MovePattern {0, 0, 0, 0, 0}, list, 256), CodeDone);
        int count = 0;
        while (list[count].Piece != 0) {
            ++count;
        }
        ASSERT_EQ(std::uint64_t(count), Perft(1)) << "ply " << ply;
        if (count == 0) {
            ResetEngine(); // mate or stalemate: a new game
            continue;
        }
        const MoveRecord& chosen = list[random() % count];
        ASSERT_EQ(EnterMove(PatternOf(chosen)), CodeDone);
        ASSERT_NO_FATAL_FAILURE(ExpectListsMatchBoard());
        if (random() % 5 == 0) {
            MoveRecord last;
            GetLastMove(last);
            ASSERT_EQ(MovesDiffer(last, chosen), last.Status != chosen.Status ? 1 : 0);
            ASSERT_EQ(TakeBackMove(last), CodeDone);
            ASSERT_NO_FATAL_FAILURE(ExpectListsMatchBoard());
        }
    }
    EXPECT_GT(longestGame, -MoveStackBottom); // older moves fell off the stack
}

} // namespace
} // namespace engine::testing
