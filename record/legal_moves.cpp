#include "record/legal_moves.h"

#include "engine/engine_interface.h"

namespace {

void CountListed(TMoveList& list)
{
    int n = 0;
    while (n < MaxListedMoves && list.Moves[n].Piece != engine::Empty) {
        ++n;
    }
    list.Count = n;
}

// The square of the piece a capture removes: the target, or for en passant
// the square of the pawn passed by.
const engine::SquarePair& VictimSquare(const engine::MoveRecord& move)
{
    return move.SpecialKind == engine::SpecialEnPassant ? move.SpecialFrom : move.Destination;
}

void MarkCaptures(engine::BoardImage& board, const TMoveList& list, std::uint8_t mark)
{
    for (const engine::MoveRecord& move : list.View()) {
        const engine::SquarePair& square = VictimSquare(move);
        if (move.Captures && engine::OnBoard(square)) {
            board.At(square.File, square.Rank).Mark = mark;
        }
    }
}

} // namespace

void FetchMoveLists(TMoveList& own, TMoveList& opponent)
{
    const engine::MovePattern any {};
    own.Moves[0] = {};
    opponent.Moves[0] = {};
    engine::FindMoves(any, own.Moves.data(), MaxListedMoves);
    engine::FindOpponentMoves(any, opponent.Moves.data(), MaxListedMoves);
    CountListed(own);
    CountListed(opponent);
}

void MarkAttacks(engine::BoardImage& board, const TMoveList& own, const TMoveList& opponent)
{
    for (auto& file : board.Cells) {
        for (engine::ImageCell& cell : file) {
            cell.Mark = MarkNone;
        }
    }
    MarkCaptures(board, own, MarkTakeable);
    MarkCaptures(board, opponent, MarkThreatened);
}
