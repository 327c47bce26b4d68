#include "engine/board.h"

#include <algorithm>
#include <cstring>

namespace engine {

TPosition Pos;

namespace {

constexpr PieceKind BackRank[8] = {Rook, Knight, Bishop, Queen, King, Bishop, Knight, Rook};

void ClearBoard()
{
    for (Cell& cell : Pos.Board) {
        cell = Cell {Empty, White, NoListIndex};
    }
}

void AddToList(SquareIndex square)
{
    Cell& cell = Pos.Board[square];
    int& last = Pos.PieceLast[cell.Colour];
    // A colour never holds more than 16 pieces (the set-up check refuses
    // more); the guard keeps a bad image from overrunning the list.
    if (last + 1 >= MaxPiecesPerColour) {
        cell = Cell {Empty, White, NoListIndex};
        Pos.SetupOverflow = true;
        return;
    }
    ++last;
    Pos.PieceList[cell.Colour][last] = ListEntry {square, cell.Kind};
    cell.Index = std::uint8_t(last);
}

// Visits a1, h8, a2, h7, ..., a8, h1, b1, g8, ..., d8, e1: each file from
// both ends at once, so the two colours' pieces fill their lists alike.
template <typename Visit> void ScanSquares(Visit visit)
{
    for (int file = 0; file < 4; ++file) {
        for (int rank = 0; rank < 8; ++rank) {
            visit(SquareIndex(MakeSquare(file, rank)));
            visit(SquareIndex(MakeSquare(7 - file, 7 - rank)));
        }
    }
}

} // namespace

void BuildPieceLists()
{
    for (auto& list : Pos.PieceList) {
        for (ListEntry& entry : list) {
            entry = ListEntry {0, Empty};
        }
    }
    Pos.PieceLast[White] = Pos.PieceLast[Black] = -1;
    Pos.OfficerLast[White] = Pos.OfficerLast[Black] = -1;
    for (int kind = King; kind <= Pawn; ++kind) {
        if (kind == Pawn) {
            Pos.OfficerLast[White] = Pos.PieceLast[White];
            Pos.OfficerLast[Black] = Pos.PieceLast[Black];
        }
        ScanSquares([kind](SquareIndex square) {
            if (Pos.Board[square].Kind == kind) {
                AddToList(square);
            }
        });
    }
}

void SetupEngineBoard(const BoardImage* image)
{
    ClearBoard();
    Pos.SetupOverflow = false;
    if (image == nullptr) {
        for (int file = 0; file < 8; ++file) {
            Pos.Board[MakeSquare(file, 0)] = Cell {BackRank[file], White, NoListIndex};
            Pos.Board[MakeSquare(file, 1)] = Cell {Pawn, White, NoListIndex};
            Pos.Board[MakeSquare(file, 6)] = Cell {Pawn, Black, NoListIndex};
            Pos.Board[MakeSquare(file, 7)] = Cell {BackRank[file], Black, NoListIndex};
        }
    } else {
        for (int file = 1; file <= 8; ++file) {
            for (int rank = 1; rank <= 8; ++rank) {
                const ImageCell& in = image->At(file, rank);
                if (in.Kind >= King && in.Kind <= Pawn && in.Colour <= Black) {
                    Pos.Board[MakeSquare(file - 1, rank - 1)] = Cell {in.Kind, in.Colour, NoListIndex};
                }
            }
        }
    }
    BuildPieceLists();
}

void MovePiece(SquareIndex to, SquareIndex from)
{
    std::swap(Pos.Board[to], Pos.Board[from]);
    const Cell& moved = Pos.Board[to];
    Pos.PieceList[moved.Colour][moved.Index].Square = to;
}

void RemovePiece(SquareIndex square)
{
    Cell& cell = Pos.Board[square];
    cell.Kind = Empty;
    Pos.PieceList[cell.Colour][cell.Index].Kind = Empty;
}

void PutPiece(PieceKind kind, Colour colour, SquareIndex square)
{
    Cell& cell = Pos.Board[square];
    cell.Kind = kind;
    cell.Colour = colour;
    Pos.PieceList[colour][cell.Index] = ListEntry {square, kind};
}

void ChangePiece(PieceKind kind, SquareIndex square)
{
    Cell& cell = Pos.Board[square];
    cell.Kind = kind;
    Pos.PieceList[cell.Colour][cell.Index].Kind = kind;
    if (cell.Index > Pos.OfficerLast[cell.Colour]) {
        Pos.OfficerLast[cell.Colour] = cell.Index;
    }
}

void MakeMove(const EngineMove& move)
{
    if (move.Captured != Empty) {
        RemovePiece(move.New);
    }
    MovePiece(move.New, move.Old);
    if (move.Special) {
        if (move.Piece == King) {
            MovePiece(CastlingRookTo(move.New), CastlingRookFrom(move.New));
        } else if (move.Piece == Pawn) {
            RemovePiece(EnPassantVictim(move));
        } else {
            ChangePiece(PieceKind(move.Piece), move.New);
        }
    }
}

void UnmakeMove(const EngineMove& move)
{
    MovePiece(move.Old, move.New);
    if (move.Captured != Empty) {
        PutPiece(PieceKind(move.Captured), Pos.Opponent, move.New);
    }
    if (move.Special) {
        if (move.Piece == King) {
            MovePiece(CastlingRookFrom(move.New), CastlingRookTo(move.New));
        } else if (move.Piece == Pawn) {
            PutPiece(Pawn, Pos.Opponent, EnPassantVictim(move));
        } else {
            ChangePiece(Pawn, move.Old);
        }
    }
}

void SwapSides()
{
    std::swap(Pos.Player, Pos.Opponent);
}

void DoMove(const EngineMove& move)
{
    ++Pos.MoveStackTop;
    ++Pos.MovesSinceSetup;
    MakeMove(move);
    SwapSides();
}

void UndoMove(const EngineMove& move)
{
    SwapSides();
    UnmakeMove(move);
    --Pos.MovesSinceSetup;
    Pos.MoveStackTop = std::max(Pos.MoveStackTop - 1, MoveStackBottom);
}

void ResetMoveStack()
{
    Pos.MoveStackTop = -1;
    Pos.Stack(-1) = NoMove;
}

void RebaseMoveStack()
{
    const int shift = Pos.MoveStackTop + 1; // entries move down by this many places
    if (shift == 0) {
        return;
    }
    EngineMove* data = Pos.MoveStackData;
    const int used = Pos.MoveStackTop - MoveStackBottom + 1; // entries -2000..top
    if (shift > 0) {
        const int kept = std::max(used - shift, 0);
        std::memmove(data, data + (used - kept), kept * sizeof(EngineMove));
        std::fill(data + kept, data + used, NoMove);
    } else {
        // Moving up loses nothing: the top entry lands exactly at -1.
        std::memmove(data - shift, data, used * sizeof(EngineMove));
        std::fill(data, data - shift, NoMove);
    }
    Pos.MoveStackTop = -1;
}

void DropRootMove()
{
    --Pos.MoveStackTop;
    EngineMove* data = Pos.MoveStackData;
    std::memmove(data, data + 1, (-MoveStackBottom) * sizeof(EngineMove));
    data[0] = NoMove;
}

BoardImage CurrentBoardImage()
{
    BoardImage image {};
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const Cell& cell = Pos.Board[MakeSquare(file - 1, rank - 1)];
            if (cell.Kind != Empty) {
                image.At(file, rank) = ImageCell {cell.Kind, cell.Colour, 0};
            }
        }
    }
    return image;
}

SquarePair ToPair(int square)
{
    if (square < 0 || !OnBoard(square)) {
        return SquarePair {0, 0};
    }
    return SquarePair {std::uint8_t(FileOf(square) + 1), std::uint8_t(RankOf(square) + 1)};
}

SquareIndex FromPair(SquarePair pair)
{
    if (pair.File < 1 || pair.File > 8 || pair.Rank < 1 || pair.Rank > 8) {
        return OffBoard;
    }
    return SquareIndex(MakeSquare(pair.File - 1, pair.Rank - 1));
}

MoveRecord ToMoveRecord(const EngineMove& move)
{
    MoveRecord record {};
    if (!move.IsMove()) {
        return record;
    }
    record.Piece = move.Piece;
    record.Origin = ToPair(move.Old);
    record.Destination = ToPair(move.New);
    record.Captures = move.Captured != Empty;
    record.CapturedKind = move.Captured;
    if (move.IsCastling()) {
        record.SpecialKind = SpecialCastling;
        record.SpecialFrom = ToPair(CastlingRookFrom(move.New));
        record.SpecialTo = ToPair(CastlingRookTo(move.New));
    } else if (move.IsEnPassant()) {
        record.SpecialKind = SpecialEnPassant;
        record.SpecialFrom = ToPair(EnPassantVictim(move));
        record.Captures = 1;
    } else if (move.IsPromotion()) {
        record.SpecialKind = SpecialPromotion;
    }
    return record;
}

EngineMove FromMoveRecord(const MoveRecord& record)
{
    if (record.Piece == Empty) {
        return NoMove;
    }
    return EngineMove {FromPair(record.Destination), FromPair(record.Origin),
        std::uint8_t(record.SpecialKind != SpecialNone ? 1 : 0), record.Piece, record.CapturedKind};
}

std::string SquareName(int square)
{
    const SquarePair pair = ToPair(square);
    if (pair.File == 0) {
        return {};
    }
    return {char('a' + pair.File - 1), char('1' + pair.Rank - 1)};
}

std::string SquareDigits(int square)
{
    const SquarePair pair = ToPair(square);
    if (pair.File == 0) {
        return {};
    }
    return {char('0' + pair.File), char('0' + pair.Rank)};
}

SquareIndex ParseSquareName(const std::string& text)
{
    if (text.size() != 2) {
        return OffBoard;
    }
    const char letter = char(text[0] & ~0x20); // upper case
    return FromPair(SquarePair {std::uint8_t(letter - 'A' + 1), std::uint8_t(text[1] - '0')});
}

} // namespace engine
