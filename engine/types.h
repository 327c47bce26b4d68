// Core types of the engine: squares, pieces, moves and the fixed-layout
// records through which the rest of the program exchanges positions and
// moves with the engine.
#pragma once

#include <cstddef>
#include <cstdint>

namespace engine {

// rank * 16 + file; off the board when (value & 0x88) != 0.
using SquareIndex = std::uint8_t;

enum PieceKind : std::uint8_t { Empty = 0, King = 1, Queen = 2, Rook = 3, Bishop = 4, Knight = 5, Pawn = 6 };
enum Colour : std::uint8_t { White = 0, Black = 1 };

enum MoveStatus : std::uint8_t {
    StatusNothing = 0,
    StatusCheck = 1,
    StatusCheckmate = 2,
    StatusStalemate = 3,
    StatusResigns = 4,
    StatusMateAnnounced = 5,
    StatusFiftyMoveDraw = 6,
    StatusRepetitionDraw = 7,
    StatusNoMatingMaterial = 8,
};

// Result codes of the engine operations.
enum : std::uint8_t {
    CodeDone = 0,
    CodeNotStarted = 1,
    CodeListTruncated = 3,
    CodeNoSuchMove = 5,
    CodeLeavesKingInCheck = 6,
    CodeAmbiguous = 8,
};

constexpr int SquareCount = 120;
constexpr SquareIndex NoSquare = 8; // "no square" in a move, "any square" in a pattern
constexpr SquareIndex OffBoard = 0x88;
constexpr int MaxPiecesPerColour = 16;
constexpr std::uint8_t NoListIndex = 16;

constexpr bool OnBoard(int square)
{
    return (square & 0x88) == 0;
}
constexpr int FileOf(int square)
{
    return square & 7;
}
constexpr int RankOf(int square)
{
    return square >> 4;
}
constexpr int MakeSquare(int file, int rank)
{
    return rank * 16 + file;
}
constexpr Colour Other(Colour c)
{
    return Colour(c ^ 1);
}
// Rank counted from the colour's own back rank.
constexpr int RelativeRank(Colour c, int rank)
{
    return c == White ? rank : 7 - rank;
}

constexpr std::uint8_t PieceBits[7] = {0, 1, 2, 4, 8, 16, 32};
constexpr const char* PieceNames[7] = {"", "King", "Queen", "Rook", "Bishop", "Knight", "Pawn"};
constexpr const char* ColourNames[2] = {"White", "Black"};

// Rook steps at 0..3, bishop steps at 4..7, knight steps at 8..15.
constexpr int Directions[16] = {1, -1, 16, -16, 17, -17, 15, -15, 14, -14, 18, -18, 31, -31, 33, -33};
constexpr int PawnStep[2] = {16, -16};

// Byte layout (5 bytes): 0 New, 1 Old, 2 Special, 3 Piece, 4 Captured.
// Special is 1 for castling (Piece King), en passant (Piece Pawn) and
// promotion (Piece = the kind promoted to). Piece 0 means no move.
struct EngineMove {
    SquareIndex New;
    SquareIndex Old;
    std::uint8_t Special;
    std::uint8_t Piece;
    std::uint8_t Captured;

    constexpr bool IsMove() const { return Piece != Empty; }
    constexpr bool IsCastling() const { return Special && Piece == King; }
    constexpr bool IsEnPassant() const { return Special && Piece == Pawn; }
    constexpr bool IsPromotion() const { return Special && Piece != King && Piece != Pawn; }
    friend constexpr bool operator==(const EngineMove&, const EngineMove&) = default;
};
static_assert(sizeof(EngineMove) == 5);

constexpr EngineMove NoMove {NoSquare, NoSquare, 0, Empty, Empty};

// A square as (file 1..8, rank 1..8); (0, 0) means none.
// Byte layout (2 bytes): 0 File, 1 Rank.
struct SquarePair {
    std::uint8_t File;
    std::uint8_t Rank;
    friend constexpr bool operator==(const SquarePair&, const SquarePair&) = default;
};

// Whether a square pair names one of the 64 squares (not "none" or garbage).
constexpr bool OnBoard(const SquarePair& square)
{
    return square.File >= 1 && square.File <= 8 && square.Rank >= 1 && square.Rank <= 8;
}

// Byte layout (5 bytes): 0 Piece (0 any; the promoted-to kind for a
// promotion), 1 OriginFile, 2 OriginRank, 3 DestFile, 4 DestRank.
// A file of 0 (or a rank of 0) means any square.
struct MovePattern {
    std::uint8_t Piece;
    std::uint8_t OriginFile;
    std::uint8_t OriginRank;
    std::uint8_t DestFile;
    std::uint8_t DestRank;
};
static_assert(sizeof(MovePattern) == 5);

enum SpecialKind : std::uint8_t {
    SpecialNone = 0,
    SpecialEnPassant = 1,
    SpecialCastling = 2,
    SpecialPromotion = 3
};

// Byte layout (28 bytes, little-endian integers):
//   0 Piece, 1-2 Origin, 3-4 Destination, 5 Captures, 6 CapturedKind,
//   7 Status, 8-11 HalfMoves, 12-15 MateIn, 16-19 Value, 20 Disambiguation,
//   21 SpecialKind, 22-23 SpecialFrom, 24-25 SpecialTo, 26-27 padding.
struct MoveRecord {
    std::uint8_t Piece;
    SquarePair Origin;
    SquarePair Destination;
    std::uint8_t Captures;
    std::uint8_t CapturedKind;
    std::uint8_t Status;
    std::int32_t HalfMoves;
    std::int32_t MateIn;
    std::int32_t Value;
    std::uint8_t Disambiguation;
    std::uint8_t SpecialKind;
    SquarePair SpecialFrom; // en passant: the captured pawn; castling: the rook's origin
    SquarePair SpecialTo; // castling: the rook's destination
};
static_assert(sizeof(MoveRecord) == 28);
static_assert(offsetof(MoveRecord, HalfMoves) == 8 && offsetof(MoveRecord, Value) == 16);
static_assert(offsetof(MoveRecord, SpecialTo) == 24);

// Byte layout (3 bytes): 0 Kind, 1 Colour, 2 Mark.
struct ImageCell {
    std::uint8_t Kind;
    std::uint8_t Colour;
    std::uint8_t Mark;
};

// Byte layout (192 bytes): 64 cells, file-major: Cells[file - 1][rank - 1].
struct BoardImage {
    ImageCell Cells[8][8];
    ImageCell& At(int file, int rank) { return Cells[file - 1][rank - 1]; }
    const ImageCell& At(int file, int rank) const { return Cells[file - 1][rank - 1]; }
};
static_assert(sizeof(BoardImage) == 192);

// Castling bits of a colour.
enum : std::uint8_t { CastleLong = 1, CastleShort = 2 };

// Byte layout (16 bytes): 0 WhiteCastling, 1 BlackCastling,
// 2-3 EnPassant, 4 Status, 5-7 padding, 8-11 HalfMoves, 12-15 MateIn.
struct PositionState {
    std::uint8_t WhiteCastling;
    std::uint8_t BlackCastling;
    SquarePair EnPassant;
    std::uint8_t Status;
    std::int32_t HalfMoves;
    std::int32_t MateIn;
};
static_assert(sizeof(PositionState) == 16 && offsetof(PositionState, HalfMoves) == 8);

} // namespace engine
