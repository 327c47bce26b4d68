#include "record/position_check.h"

#include "settings/message_catalog.h"

#include <cstdlib>

using namespace engine;

namespace {

struct TCount {
    int kings[2] = {0, 0};
    int pieces[2] = {0, 0};
    bool pawnOnEdge = false;
};

TCount CountPieces(const BoardImage& board)
{
    TCount count;
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const ImageCell& cell = board.At(file, rank);
            if (cell.Kind == Empty) {
                continue;
            }
            const int colour = cell.Colour == White ? White : Black;
            ++count.pieces[colour];
            count.kings[colour] += cell.Kind == King;
            count.pawnOnEdge |= cell.Kind == Pawn && (rank == 1 || rank == 8);
        }
    }
    return count;
}

bool Inside(int file, int rank)
{
    return file >= 1 && file <= 8 && rank >= 1 && rank <= 8;
}

bool HasPiece(const BoardImage& board, int file, int rank, int colour, int kind)
{
    return Inside(file, rank) && board.At(file, rank).Kind == kind && board.At(file, rank).Colour == colour;
}

// The first piece met going from the square in the direction, or none.
const ImageCell* FirstOnRay(const BoardImage& board, int file, int rank, int df, int dr)
{
    for (file += df, rank += dr; Inside(file, rank); file += df, rank += dr) {
        if (board.At(file, rank).Kind != Empty) {
            return &board.At(file, rank);
        }
    }
    return nullptr;
}

bool SquareAttackedBy(const BoardImage& board, int file, int rank, int attacker)
{
    static constexpr int knight[8][2]
        = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
    for (const auto& step : knight) {
        if (HasPiece(board, file + step[0], rank + step[1], attacker, Knight)) {
            return true;
        }
    }
    // A pawn attacks diagonally forwards, so it stands one rank behind.
    const int pawnRank = attacker == White ? rank - 1 : rank + 1;
    if (HasPiece(board, file - 1, pawnRank, attacker, Pawn)
        || HasPiece(board, file + 1, pawnRank, attacker, Pawn)) {
        return true;
    }
    for (int df = -1; df <= 1; ++df) {
        for (int dr = -1; dr <= 1; ++dr) {
            if (df == 0 && dr == 0) {
                continue;
            }
            if (HasPiece(board, file + df, rank + dr, attacker, King)) {
                return true;
            }
            const ImageCell* first = FirstOnRay(board, file, rank, df, dr);
            const bool diagonal = df != 0 && dr != 0;
            if (first && first->Colour == attacker
                && (first->Kind == Queen || first->Kind == (diagonal ? Bishop : Rook))) {
                return true;
            }
        }
    }
    return false;
}

// En passant is possible only just after the pawn's double step past the
// square: White's pawn on the fourth rank with Black to move, or Black's on
// the fifth with White to move.
bool EnPassantFits(const BoardImage& board, const SquarePair& square, int startPly)
{
    const bool blackToMove = startPly % 2 != 0;
    if (square.Rank == 3) {
        return blackToMove && HasPiece(board, square.File, 4, White, Pawn);
    }
    if (square.Rank == 6) {
        return !blackToMove && HasPiece(board, square.File, 5, Black, Pawn);
    }
    return false;
}

} // namespace

bool EnPassantSquareFits(const BoardImage& board, const PositionState& state, int startPly)
{
    const SquarePair square = state.EnPassant;
    if (square.File == 0) {
        return true;
    }
    return square.File <= 8 && EnPassantFits(board, square, startPly);
}

bool KingAttacked(const BoardImage& board, int colour)
{
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            if (HasPiece(board, file, rank, colour, King)) {
                return SquareAttackedBy(board, file, rank, colour == White ? Black : White);
            }
        }
    }
    return false;
}

int PositionProblem(const BoardImage& board, const PositionState& state, int startPly, bool validateBoard)
{
    const TCount count = CountPieces(board);
    const bool holdable = count.kings[White] == 1 && count.kings[Black] == 1
        && count.pieces[White] <= MaxPiecesPerColour && count.pieces[Black] <= MaxPiecesPerColour;
    const int notToMove = startPly % 2 != 0 ? White : Black;
    if (!holdable || (validateBoard && (count.pawnOnEdge || KingAttacked(board, notToMove)))) {
        return msg::SetupRejected;
    }
    if (state.EnPassant.File != 0 && !EnPassantFits(board, state.EnPassant, startPly)) {
        return msg::SetupBadEnPassant;
    }
    if (state.HalfMoves > startPly) {
        return msg::SetupBadFiftyMoveCount;
    }
    return 0;
}
