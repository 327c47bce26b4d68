// Pseudo-legal move generation in the engine's fixed order, the legality
// tests and the single-move lookup used for move entry.
#pragma once

#include "engine/board.h"

namespace engine {

// A caller-owned move array. Appends beyond the capacity are dropped, so a
// strange set-up can never overrun it.
struct MoveSink {
    EngineMove* Moves;
    int Capacity;
    int Count = 0;

    void Add(const EngineMove& move)
    {
        if (Count < Capacity) {
            Moves[Count++] = move;
        }
    }
};

// Room for every pseudo-legal move of any position the set-up check accepts
// (sixteen pieces of one colour can reach more than 350 moves with many queens).
constexpr int GenBufferSize = 512;

struct TGenBuffer {
    EngineMove Moves[GenBufferSize];
    int Count;
    int ReadPos;
};

extern TGenBuffer GenBuffer;
extern EngineMove CurrentMove;
extern EngineMove KeepMove;

// The generator's building blocks, in the order MovGen uses them; the
// search calls them stage by stage. All expect MoveStackTop already raised.
void AddCapturesOf(SquareIndex victim, MoveSink& sink);
void AddCastling(MoveSink& sink);
void AddQuietMoves(int listIndex, MoveSink& sink);
void AddEnPassant(MoveSink& sink);
void GenerateMoves(MoveSink& sink);

void MovGen();
const EngineMove& NextMove();
bool IllegalMove(const EngineMove& move);
// The same answer as IllegalMove, cheaper when it is known whether Player
// is in check: then only king moves, en passant and moves off a line
// through the king need the full test.
bool IllegalMoveKnowingCheck(const EngineMove& move, bool inCheck);
bool PlayerInCheck();
bool IsLegal(const EngineMove& move);
std::uint8_t CastlingAvailable(Colour colour);
std::uint8_t CheckMove(const EngineMove& pattern);

// The last move made while the generator's convention (MoveStackTop
// raised by one) is in force.
inline const EngineMove& LastMoveMade()
{
    return Pos.Stack(Pos.MoveStackTop - 1);
}

} // namespace engine
