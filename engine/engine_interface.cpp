#include "engine/engine_interface.h"

#include "engine/attacks.h"
#include "engine/draw_rules.h"
#include "engine/engine_state.h"
#include "engine/engine_task.h"
#include "engine/eval.h"
#include "engine/movegen.h"
#include "engine/search.h"

#include <algorithm>

namespace engine {

TEngine Engine;

namespace {

constexpr int MateAnnounceValue = 29824;
constexpr int MateCountBase = 31936;
constexpr int LostLowerBound = -25500;
constexpr int LostUpperBound = -2176;
constexpr int FiftyMoveLimit = 100;

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

bool AnyLegalMove()
{
    ++Pos.MoveStackTop;
    MovGen();
    const bool inCheck = PlayerInCheck();
    bool found = false;
    for (int i = 0; i < GenBuffer.Count && !found; ++i) {
        found = !IllegalMoveKnowingCheck(GenBuffer.Moves[i], inCheck);
    }
    --Pos.MoveStackTop;
    return found;
}

SquarePair CurrentEnPassantTarget()
{
    if (Pos.MovesSinceSetup == 0) {
        return ToPair(Pos.EnPassantTarget);
    }
    const EngineMove& last = Pos.Stack(Pos.MoveStackTop);
    if (last.Piece == Pawn && !last.Special && std::abs(last.New - last.Old) == 32) {
        return ToPair((last.New + last.Old) / 2);
    }
    return SquarePair {0, 0};
}

void FillStatus(MoveRecord& record)
{
    int halfMoves = 0;
    int mateCount = 0;
    record.Status = GetGameStatus(halfMoves, mateCount);
    record.HalfMoves = halfMoves;
    record.MateIn = mateCount;
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

MoveStatus GetGameStatus(int& halfMoves, int& mateCount)
{
    halfMoves = 0;
    mateCount = 0;
    if (!EngineStarted()) {
        return StatusNothing;
    }
    const bool hasMove = AnyLegalMove();
    const bool inCheck = SquareAttacked(Pos.Opponent, Pos.KingOf(Pos.Player).Square);
    const int reversible = ReversibleCount();
    halfMoves = reversible + (reversible >= Pos.MovesSinceSetup ? Pos.SetupHalfMoves : 0);
    if (!hasMove) {
        return inCheck ? StatusCheckmate : StatusStalemate;
    }
    if (Pos.MovesSinceSetup == 0) {
        halfMoves = Pos.SetupHalfMoves;
        return MoveStatus(Pos.SetupStatus);
    }
    if (inCheck) {
        return StatusCheck;
    }
    if (halfMoves >= FiftyMoveLimit) {
        return StatusFiftyMoveDraw;
    }
    if (RepetitionCount(false) >= 3) {
        return StatusRepetitionDraw;
    }
    if (Engine.HintValue >= MateAnnounceValue) {
        mateCount = (MateCountBase - Engine.HintValue) / 256;
        return StatusMateAnnounced;
    }
    if (!HasMatingMaterial()) {
        return StatusNoMatingMaterial;
    }
    if (Engine.HintValue > LostLowerBound && Engine.HintValue < LostUpperBound) {
        return StatusResigns;
    }
    return StatusNothing;
}

std::uint8_t GetLastMove(MoveRecord& record)
{
    record = MoveRecord {};
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    if (Pos.MoveStackTop >= MoveStackBottom) {
        record = ToMoveRecord(Pos.Stack(Pos.MoveStackTop));
    }
    FillStatus(record);
    record.Value = Engine.MainValue;
    return CodeDone;
}

std::uint8_t GetHintMove(MoveRecord& record)
{
    record = MoveRecord {};
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    record = ToMoveRecord(Engine.HintLine[0]);
    FillStatus(record);
    return CodeDone;
}

std::uint8_t GetMainLine(int& value, MoveRecord* list, int count)
{
    value = 0;
    if (!EngineStarted()) {
        list[0] = MoveRecord {};
        return CodeNotStarted;
    }
    value = Engine.MainValue;
    int n = 0;
    for (; n < std::min(count, MainLineLength) && Engine.MainLine[n].IsMove(); ++n) {
        list[n] = ToMoveRecord(Engine.MainLine[n]);
    }
    list[n] = MoveRecord {};
    return CodeDone;
}

std::uint64_t GetNodeCount()
{
    return EngineStarted() ? Engine.NodeCount : 0;
}

std::uint8_t GetBoardImage(BoardImage& image)
{
    image = BoardImage {};
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    image = CurrentBoardImage();
    return CodeDone;
}

std::uint8_t GetStartImage(BoardImage& image)
{
    image = BoardImage {};
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    image = Pos.StartImage;
    return CodeDone;
}

std::uint8_t GetPositionState(PositionState& state)
{
    state = PositionState {};
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    ++Pos.MoveStackTop;
    state.WhiteCastling = CastlingAvailable(White);
    state.BlackCastling = CastlingAvailable(Black);
    --Pos.MoveStackTop;
    state.EnPassant = CurrentEnPassantTarget();
    int halfMoves = 0;
    int mateCount = 0;
    state.Status = GetGameStatus(halfMoves, mateCount);
    state.HalfMoves = halfMoves;
    state.MateIn = mateCount;
    return CodeDone;
}

std::uint8_t GetSetupState(PositionState& state)
{
    state = PositionState {};
    if (!EngineStarted()) {
        return CodeNotStarted;
    }
    state.WhiteCastling = Pos.CastlingRights[White];
    state.BlackCastling = Pos.CastlingRights[Black];
    state.EnPassant = ToPair(Pos.EnPassantTarget);
    state.HalfMoves = Pos.SetupHalfMoves;
    return CodeDone;
}

bool ImagesEqual(const BoardImage& a, const BoardImage& b)
{
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const ImageCell& x = a.At(file, rank);
            const ImageCell& y = b.At(file, rank);
            if (x.Kind != y.Kind || x.Colour != y.Colour) {
                return false;
            }
        }
    }
    return true;
}

bool StatesEqual(const PositionState& a, const PositionState& b)
{
    return a.WhiteCastling == b.WhiteCastling && a.BlackCastling == b.BlackCastling
        && a.EnPassant == b.EnPassant && a.HalfMoves == b.HalfMoves;
}

Colour GetSideToMove()
{
    return EngineStarted() ? Pos.Player : White;
}

} // namespace engine
