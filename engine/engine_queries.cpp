// The engine interface's queries: game status, moves, lines, board
// images and position states.
#include "engine/attacks.h"
#include "engine/draw_rules.h"
#include "engine/engine_interface.h"
#include "engine/engine_state.h"
#include "engine/movegen.h"

#include <algorithm>
#include <cstdlib>

namespace engine {

namespace {

constexpr int MateAnnounceValue = 29824;
constexpr int MateCountBase = 31936;
constexpr int LostLowerBound = -25500;
constexpr int LostUpperBound = -2176;
constexpr int FiftyMoveLimit = 100;

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
