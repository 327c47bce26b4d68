#include "engine/fen.h"

#include "engine/engine_interface.h"

#include <cctype>
#include <string>

namespace engine {

namespace {

PieceKind KindOf(char letter)
{
    switch (std::tolower(static_cast<unsigned char>(letter))) {
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

std::string_view NextField(std::string_view& text)
{
    while (!text.empty() && text.front() == ' ') {
        text.remove_prefix(1);
    }
    const std::size_t end = std::min(text.find(' '), text.size());
    const std::string_view field = text.substr(0, end);
    text.remove_prefix(end);
    return field;
}

bool ParsePlacement(std::string_view placement, BoardImage& image)
{
    int file = 1;
    int rank = 8;
    for (char c : placement) {
        if (c == '/') {
            if (file != 9 || rank == 1) {
                return false;
            }
            --rank;
            file = 1;
        } else if (c >= '1' && c <= '8') {
            file += c - '0';
        } else {
            const PieceKind kind = KindOf(c);
            if (kind == Empty || file > 8) {
                return false;
            }
            image.At(file, rank) = ImageCell {
                kind, std::uint8_t(std::islower(static_cast<unsigned char>(c)) ? Black : White), 0};
            ++file;
        }
        if (file > 9) {
            return false;
        }
    }
    return rank == 1 && file == 9;
}

} // namespace

bool ParseFen(std::string_view fen, FenPosition& position)
{
    position = FenPosition {};
    if (!ParsePlacement(NextField(fen), position.Image)) {
        return false;
    }
    position.SideToMove = NextField(fen) == "b" ? Black : White;
    for (char c : NextField(fen)) {
        std::uint8_t& bits = std::islower(static_cast<unsigned char>(c)) ? position.State.BlackCastling
                                                                         : position.State.WhiteCastling;
        const char lower = char(std::tolower(static_cast<unsigned char>(c)));
        bits |= lower == 'k' ? CastleShort : lower == 'q' ? CastleLong : 0;
    }
    const std::string_view enPassant = NextField(fen);
    if (enPassant.size() == 2 && enPassant[0] >= 'a' && enPassant[0] <= 'h' && enPassant[1] >= '1'
        && enPassant[1] <= '8') {
        position.State.EnPassant
            = SquarePair {std::uint8_t(enPassant[0] - 'a' + 1), std::uint8_t(enPassant[1] - '0')};
    }
    const std::string_view halfMoves = NextField(fen);
    for (char c : halfMoves) {
        if (c < '0' || c > '9' || position.State.HalfMoves > 100000) {
            break;
        }
        position.State.HalfMoves = position.State.HalfMoves * 10 + (c - '0');
    }
    return true;
}

bool ResetEngineToFen(std::string_view fen)
{
    FenPosition position;
    if (!ParseFen(fen, position)) {
        return false;
    }
    ResetEngine(&position.Image, &position.State);
    SetSideToMove(position.SideToMove);
    return true;
}

} // namespace engine
