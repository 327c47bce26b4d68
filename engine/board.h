// The engine board: cells, piece lists, side to move, the move stack and
// the set-up data, with the operations that make and take back moves.
#pragma once

#include "engine/types.h"

#include <string>

namespace engine {

struct Cell {
    std::uint8_t Kind;
    std::uint8_t Colour;
    std::uint8_t Index; // the piece's PieceList entry; kept when the piece is captured
};

struct ListEntry {
    SquareIndex Square;
    std::uint8_t Kind; // Empty once the piece is captured
};

constexpr int MoveStackBottom = -2000;
constexpr int MoveStackTopLimit = 23;
constexpr int MoveStackSize = MoveStackTopLimit - MoveStackBottom + 1;

struct TPosition {
    Cell Board[SquareCount];
    ListEntry PieceList[2][MaxPiecesPerColour];
    int PieceLast[2]; // -1 when the list is empty
    int OfficerLast[2]; // last non-pawn entry; may stay raised after a promotion is taken back
    Colour Player;
    Colour Opponent;
    std::uint8_t CastlingRights[2];
    SquareIndex EnPassantTarget;
    int SetupHalfMoves;
    std::uint8_t SetupStatus;
    int MovesSinceSetup;
    BoardImage StartImage;
    bool SetupOverflow; // the set-up image held more than 16 pieces of one colour
    EngineMove MoveStackData[MoveStackSize];
    int MoveStackTop;

    EngineMove& Stack(int index) { return MoveStackData[index - MoveStackBottom]; }
    const ListEntry& KingOf(Colour c) const { return PieceList[c][0]; }
};

// The one engine board.
extern TPosition Pos;

void SetupEngineBoard(const BoardImage* image);
void BuildPieceLists();
void MovePiece(SquareIndex to, SquareIndex from);
void RemovePiece(SquareIndex square);
void PutPiece(PieceKind kind, Colour colour, SquareIndex square);
void ChangePiece(PieceKind kind, SquareIndex square);
void MakeMove(const EngineMove& move);
void UnmakeMove(const EngineMove& move);
void DoMove(const EngineMove& move);
void UndoMove(const EngineMove& move);
void ResetMoveStack();
void RebaseMoveStack();
void DropRootMove();
void SwapSides();
BoardImage CurrentBoardImage();

// The rook's origin and destination of a castling move.
constexpr SquareIndex CastlingRookFrom(SquareIndex kingTo)
{
    return (kingTo & 7) >= 4 ? kingTo + 1 : kingTo - 2;
}
constexpr SquareIndex CastlingRookTo(SquareIndex kingTo)
{
    return (kingTo & 7) >= 4 ? kingTo - 1 : kingTo + 1;
}
// The square of the pawn taken en passant: New's file, Old's rank.
constexpr SquareIndex EnPassantVictim(const EngineMove& m)
{
    return (m.Old & 0x70) | (m.New & 7);
}

// Conversions between the engine's squares and moves and the exchange records.
SquarePair ToPair(int square);
SquareIndex FromPair(SquarePair pair);
MoveRecord ToMoveRecord(const EngineMove& move);
EngineMove FromMoveRecord(const MoveRecord& record);
std::string SquareName(int square);
std::string SquareDigits(int square);
SquareIndex ParseSquareName(const std::string& text);

} // namespace engine
