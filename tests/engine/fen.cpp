#include "tests/engine/fen.h"

#include "engine/board.h"

#include <sstream>

namespace engine::testing {

namespace {

PieceKind KindOf(char letter)
{
    switch (letter | 0x20) {
    case 'k':
        return King;
    case 'q':
        return Queen;
    case 'r':
        return Rook;
    case 'b':
        return Bishop;
    case 'n':
        return Knight;
    case 'p':
        return Pawn;
    default:
        return Empty;
    }
}

} // namespace

FenPosition ParseFen(const std::string& fen)
{
    FenPosition result;
    std::istringstream in(fen);
    std::string placement, side, castling, enPassant;
    int halfMoves = 0;
    in >> placement >> side >> castling >> enPassant >> halfMoves;
    int file = 1, rank = 8;
    for (char c : placement) {
        if (c == '/') {
            --rank;
            file = 1;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
        } else {
            result.Image.At(file, rank) = ImageCell {KindOf(c), std::uint8_t(c >= 'a' ? Black : White), 0};
            ++file;
        }
    }
    result.SideToMove = side == "b" ? Black : White;
    for (char c : castling) {
        std::uint8_t& bits = c >= 'a' ? result.State.BlackCastling : result.State.WhiteCastling;
        bits |= (c | 0x20) == 'k' ? CastleShort : (c | 0x20) == 'q' ? CastleLong : 0;
    }
    if (enPassant.size() == 2) {
        result.State.EnPassant
            = SquarePair {std::uint8_t(enPassant[0] - 'a' + 1), std::uint8_t(enPassant[1] - '0')};
    }
    result.State.HalfMoves = halfMoves;
    return result;
}

void SetBoardFromFen(const std::string& fen)
{
    const FenPosition position = ParseFen(fen);
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

} // namespace engine::testing
