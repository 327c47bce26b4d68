#include "engine/engine_interface.h"

#include "engine/attacks.h"
#include "engine/engine_state.h"
#include "engine/engine_task.h"
#include "engine/movegen.h"
#include "engine/search.h"

#include <algorithm>

namespace engine {

TEngine Engine;

namespace {

SquareIndex PatternSquare(std::uint8_t file, std::uint8_t rank)
{
    return file == 0 || rank == 0 ? OffBoard : FromPair(SquarePair {file, rank});
}

EngineMove PatternMove(const MovePattern& pattern)
{
    return EngineMove {PatternSquare(pattern.DestFile, pattern.DestRank),
        PatternSquare(pattern.OriginFile, pattern.OriginRank), 0, pattern.Piece, Empty};
}

bool Matches(const EngineMove& move, const EngineMove& pattern)
{
    return (pattern.Piece == Empty || pattern.Piece == move.Piece)
        && (!OnBoard(pattern.New) || pattern.New == move.New)
        && (!OnBoard(pattern.Old) || pattern.Old == move.Old);
}

} // namespace

void ResetEngine(const BoardImage* image, const PositionState* state)
{
    ReleaseEngineTask();
    Pos = TPosition {};
    Engine = TEngine {};
    Search = TSearch {};
    Engine.Tag = StartedTag;
    Engine.MaxDepth = DeepestSearch;
    SetupEngineBoard(image);
    Pos.StartImage = CurrentBoardImage();
    if (state != nullptr) {
        Pos.CastlingRights[White] = state->WhiteCastling & (CastleLong | CastleShort);
        Pos.CastlingRights[Black] = state->BlackCastling & (CastleLong | CastleShort);
        Pos.EnPassantTarget = FromPair(state->EnPassant);
        Pos.SetupStatus = state->Status;
        Pos.SetupHalfMoves = state->HalfMoves;
    } else {
        Pos.CastlingRights[White] = Pos.CastlingRights[Black] = CastleLong | CastleShort;
        Pos.EnPassantTarget = OffBoard;
    }
    Pos.Player = White;
    Pos.Opponent = Black;
    ResetMoveStack();
    Pos.Stack(-1).Captured = 1; // marks the set-up point for the opening library
    Engine.BookPlies = DefaultBookPlies;
    Engine.MoveTimer.SetLimit(DefaultMoveTicks);
    CreateEngineTask();
}

void CloseEngine()
{
    if (!EngineStarted()) {
        return;
    }
    ReleaseEngineTask();
    Engine.Tag = 0;
}

std::uint8_t SetSideToMove(Colour colour)
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    Pos.Player = Colour(colour & 1);
    Pos.Opponent = Other(Pos.Player);
    return CodeDone;
}

std::uint8_t SetMaxDepth(int depth)
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    Engine.MaxDepth = std::clamp(depth, 1, DeepestSearch);
    return CodeDone;
}

std::uint8_t SetBookPlies(int plies)
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    if (plies >= 0) {
        Engine.BookPlies = plies;
    }
    return CodeDone;
}

bool IsValidSetup()
{
    if (!EngineStarted() || Pos.SetupOverflow) {
        return false;
    }
    int kings[2] = {0, 0};
    int pieces = 0;
    for (int square = 0; square < SquareCount; ++square) {
        const Cell& cell = Pos.Board[square];
        if (!OnBoard(square) || cell.Kind == Empty) {
            continue;
        }
        ++pieces;
        kings[cell.Colour] += cell.Kind == King;
        if (cell.Kind == Pawn && (RankOf(square) == 0 || RankOf(square) == 7)) {
            return false;
        }
    }
    if (kings[White] != 1 || kings[Black] != 1 || pieces > 2 * MaxPiecesPerColour) {
        return false;
    }
    return !SquareAttacked(Pos.Player, Pos.KingOf(Pos.Opponent).Square);
}

std::uint8_t TestMove(const MovePattern& pattern)
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    return CheckMove(PatternMove(pattern));
}

std::uint8_t EnterMove(const MovePattern& pattern)
{
    const std::uint8_t code = TestMove(pattern);
    if (code == CodeDone) {
        SendToTask(MsgMoveEntered);
    }
    return code;
}

bool CompleteMove(MovePattern& pattern)
{
    if (!EngineStarted()) {
        return false;
    }
    const bool toLastRank = pattern.DestRank == 1 || pattern.DestRank == 8;
    // Only a pawn promotes: a piece-less pattern whose origin holds another
    // piece (a rook going to the eighth rank) stays as it is.
    const SquareIndex origin = PatternSquare(pattern.OriginFile, pattern.OriginRank);
    const bool pawnOrUnknown = !OnBoard(origin) || Pos.Board[origin].Kind == Pawn;
    if (toLastRank && (pattern.Piece == Pawn || (pattern.Piece == Empty && pawnOrUnknown))) {
        pattern.Piece = Queen;
    }
    if (pattern.OriginRank == 0) {
        for (std::uint8_t rank = 1; rank <= 8; ++rank) {
            pattern.OriginRank = rank;
            if (TestMove(pattern) == CodeDone) {
                return true;
            }
        }
        pattern.OriginRank = 0;
        return false;
    }
    return TestMove(pattern) == CodeDone;
}

bool CompleteAndEnterMove(MovePattern& pattern)
{
    return CompleteMove(pattern) && EnterMove(pattern) == CodeDone;
}

std::uint8_t TakeBackMove(const MoveRecord& record)
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    if (record.Piece == Empty) {
        return CodeDone;
    }
    const EngineMove move = FromMoveRecord(record);
    // Taking back anything but the last move would corrupt the board.
    if (Pos.MoveStackTop <= MoveStackBottom || !(Pos.Stack(Pos.MoveStackTop) == move)) {
        return CodeNoSuchMove;
    }
    UndoMove(move);
    return CodeDone;
}

std::uint8_t FindMoves(const MovePattern& pattern, MoveRecord* list, int max)
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    const EngineMove wanted = PatternMove(pattern);
    ++Pos.MoveStackTop;
    MovGen();
    const bool inCheck = PlayerInCheck();
    int found = 0;
    for (int i = 0; i < GenBuffer.Count; ++i) {
        const EngineMove& move = GenBuffer.Moves[i];
        if (!Matches(move, wanted) || IllegalMoveKnowingCheck(move, inCheck)) {
            continue;
        }
        if (found < max) {
            list[found] = ToMoveRecord(move);
        }
        ++found;
    }
    --Pos.MoveStackTop;
    list[std::clamp(found, 0, std::max(max, 0))] = MoveRecord {};
    return found <= max ? CodeDone : CodeListTruncated;
}

std::uint8_t FindOpponentMoves(const MovePattern& pattern, MoveRecord* list, int max)
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    SwapSides();
    const std::uint8_t code = FindMoves(pattern, list, max);
    SwapSides();
    return code;
}

std::uint8_t MovesDiffer(const MoveRecord& a, const MoveRecord& b)
{
    const bool same = a.Piece == b.Piece && a.Origin == b.Origin && a.Destination == b.Destination
        && a.Captures == b.Captures && a.Status == b.Status;
    return same ? 0 : 1;
}

std::uint8_t StartThinking(std::uint32_t ticks)
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    Engine.MoveTimer.SetLimit(ticks);
    Engine.MoveTimer.Init();
    SendToTask(MsgThink);
    return CodeDone;
}

EngineState ContinueThinking(std::uint32_t sliceTicks)
{
    if (!EngineStarted()) {
        return StateIdle;
    }
    Engine.SliceTimer.SetLimit(sliceTicks);
    Engine.SliceTimer.Init();
    Engine.SliceTimer.Start();
    SendToTask(MsgGoOn);
    return GetEngineState();
}

std::uint8_t MoveNow()
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    Engine.MoveTimer.SetLimit(0);
    return CodeDone;
}

std::uint8_t StartThinkingAhead()
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    SendToTask(MsgThinkAhead);
    return CodeDone;
}

std::uint8_t StopThinking()
{
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    SendToTask(MsgStop);
    return CodeDone;
}

EngineState GetEngineState()
{
    if (!EngineStarted()) {
        return StateIdle;
    }
    if (Engine.NoMoveFound) {
        return StateNoMove;
    }
    if (Engine.ThinkingFlag) {
        return StateThinking;
    }
    return Engine.AheadFlag ? StateThinkingAhead : StateIdle;
}

} // namespace engine
