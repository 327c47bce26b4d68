#include "engine/movegen.h"

#include "engine/attacks.h"

#include <cstdlib>

namespace engine {

TGenBuffer GenBuffer;
EngineMove CurrentMove;
EngineMove KeepMove;

namespace {

constexpr PieceKind PromotionKinds[4] = {Queen, Rook, Bishop, Knight};

bool IsLastRank(int square)
{
    const int rank = RankOf(square);
    return rank == 0 || rank == 7;
}

void AddPawnMove(SquareIndex to, SquareIndex from, std::uint8_t captured, MoveSink& sink)
{
    if (IsLastRank(to)) {
        for (PieceKind kind : PromotionKinds) {
            sink.Add(EngineMove {to, from, 1, kind, captured});
        }
    } else {
        sink.Add(EngineMove {to, from, 0, Pawn, captured});
    }
}

bool IsPlayerPawn(int square)
{
    return OnBoard(square) && Pos.Board[square].Kind == Pawn && Pos.Board[square].Colour == Pos.Player;
}

void AddSlides(SquareIndex from, std::uint8_t kind, int firstDir, int lastDir, MoveSink& sink)
{
    for (int index = firstDir; index >= lastDir; --index) {
        const int step = Directions[index];
        for (int to = from + step; OnBoard(to) && Pos.Board[to].Kind == Empty; to += step) {
            sink.Add(EngineMove {SquareIndex(to), from, 0, kind, Empty});
        }
    }
}

void AddSteps(SquareIndex from, std::uint8_t kind, int firstDir, int lastDir, MoveSink& sink)
{
    for (int index = firstDir; index >= lastDir; --index) {
        const int to = from + Directions[index];
        if (OnBoard(to) && Pos.Board[to].Kind == Empty) {
            sink.Add(EngineMove {SquareIndex(to), from, 0, kind, Empty});
        }
    }
}

void AddPawnAdvances(SquareIndex from, MoveSink& sink)
{
    const int step = PawnStep[Pos.Player];
    const int to = from + step;
    if (!OnBoard(to) || Pos.Board[to].Kind != Empty) {
        return;
    }
    AddPawnMove(SquareIndex(to), from, Empty, sink);
    const int homeRank = Pos.Player == White ? 1 : 6;
    const int twoAhead = to + step;
    if (RankOf(from) == homeRank && Pos.Board[twoAhead].Kind == Empty) {
        sink.Add(EngineMove {SquareIndex(twoAhead), from, 0, Pawn, Empty});
    }
}

bool NoMoveSinceSetup()
{
    return Pos.MovesSinceSetup == 0 && !LastMoveMade().IsMove();
}

bool IsDoubleStep(const EngineMove& move)
{
    return move.Piece == Pawn && !move.Special && std::abs(move.New - move.Old) >= 32;
}

// A piece still stands where it started when the cell holds it and no move
// since the last stack terminator landed on that square.
bool NotMovedFrom(SquareIndex square, std::uint8_t kind, Colour colour)
{
    const Cell& cell = Pos.Board[square];
    if (cell.Kind != kind || cell.Colour != colour) {
        return false;
    }
    for (int index = Pos.MoveStackTop - 1; index >= MoveStackBottom; --index) {
        const EngineMove& move = Pos.Stack(index);
        if (!move.IsMove()) {
            break;
        }
        if (move.New == square) {
            return false;
        }
    }
    return true;
}

bool CastlingIsLegal(const EngineMove& move)
{
    const bool isShort = move.Old < move.New;
    const int passed = (move.New + move.Old) / 2;
    // The cheap board tests come first: CastlingAvailable scans the game.
    if (Pos.Board[move.New].Kind != Empty || Pos.Board[passed].Kind != Empty) {
        return false;
    }
    if (!isShort && Pos.Board[move.New - 1].Kind != Empty) {
        return false;
    }
    if ((CastlingAvailable(Pos.Player) & (isShort ? CastleShort : CastleLong)) == 0) {
        return false;
    }
    return !SquareAttacked(Pos.Opponent, move.Old) && !SquareAttacked(Pos.Opponent, passed)
        && !SquareAttacked(Pos.Opponent, move.New);
}

// The opponent's pawn that can be taken en passant by moving to `target`,
// or OffBoard. Besides the rule itself this insists on an enemy pawn behind
// an empty target, so a wrong set-up target can never make a move that
// removes a piece that is not there.
int EnPassantPawnSquare(int target)
{
    const int passedRank = Pos.Player == White ? 5 : 2;
    if (!OnBoard(target) || RankOf(target) != passedRank || Pos.Board[target].Kind != Empty) {
        return OffBoard;
    }
    const int pawnSquare = target - 16 + 32 * Pos.Player;
    const Cell& victim = Pos.Board[pawnSquare];
    if (victim.Kind != Pawn || victim.Colour != Pos.Opponent) {
        return OffBoard;
    }
    return pawnSquare;
}

// The target square of an en passant capture in this position, or OffBoard:
// right after set-up the target given there, later the square the last
// move's double step passed over.
int EnPassantTarget()
{
    if (NoMoveSinceSetup()) {
        return Pos.EnPassantTarget;
    }
    const EngineMove& last = LastMoveMade();
    if (!IsDoubleStep(last)) {
        return OffBoard;
    }
    return (last.New + last.Old) / 2;
}

bool EnPassantIsLegal(const EngineMove& move)
{
    if (!IsPlayerPawn(move.Old) || move.New != EnPassantTarget()) {
        return false;
    }
    const int pawnSquare = EnPassantPawnSquare(move.New);
    return pawnSquare != OffBoard && std::abs(pawnSquare - move.Old) == 1;
}

} // namespace

void AddCapturesOf(SquareIndex victim, MoveSink& sink)
{
    const std::uint8_t captured = Pos.Board[victim].Kind;
    const int behind = victim - PawnStep[Pos.Player];
    for (int from : {behind - 1, behind + 1}) {
        if (IsPlayerPawn(from)) {
            AddPawnMove(victim, SquareIndex(from), captured, sink);
        }
    }
    const ListEntry* list = Pos.PieceList[Pos.Player];
    for (int index = Pos.OfficerLast[Pos.Player]; index >= 0; --index) {
        const ListEntry& entry = list[index];
        if (entry.Kind != Empty && entry.Kind != Pawn
            && PieceAttacks(entry.Kind, Pos.Player, entry.Square, victim)) {
            sink.Add(EngineMove {victim, entry.Square, 0, entry.Kind, captured});
        }
    }
}

void AddCastling(MoveSink& sink)
{
    const SquareIndex kingHome = Pos.Player == White ? 4 : 0x74;
    for (int to : {kingHome + 2, kingHome - 2}) {
        const EngineMove move {SquareIndex(to), kingHome, 1, King, Empty};
        if (IsLegal(move)) {
            sink.Add(move);
        }
    }
}

void AddQuietMoves(int listIndex, MoveSink& sink)
{
    const ListEntry& entry = Pos.PieceList[Pos.Player][listIndex];
    switch (entry.Kind) {
    case King:
        AddSteps(entry.Square, King, 7, 0, sink);
        break;
    case Knight:
        AddSteps(entry.Square, Knight, 15, 8, sink);
        break;
    case Queen:
        AddSlides(entry.Square, Queen, 7, 0, sink);
        break;
    case Rook:
        AddSlides(entry.Square, Rook, 3, 0, sink);
        break;
    case Bishop:
        AddSlides(entry.Square, Bishop, 7, 4, sink);
        break;
    case Pawn:
        AddPawnAdvances(entry.Square, sink);
        break;
    default:
        break;
    }
}

void AddEnPassant(MoveSink& sink)
{
    const int target = EnPassantTarget();
    const int pawnSquare = EnPassantPawnSquare(target);
    if (pawnSquare == OffBoard) {
        return;
    }
    for (int from : {pawnSquare - 1, pawnSquare + 1}) {
        const EngineMove move {SquareIndex(target), SquareIndex(from), 1, Pawn, Empty};
        if (OnBoard(from) && IsLegal(move)) {
            sink.Add(move);
        }
    }
}

void GenerateMoves(MoveSink& sink)
{
    const Colour opponent = Pos.Opponent;
    for (int index = 1; index <= Pos.PieceLast[opponent]; ++index) {
        const ListEntry& victim = Pos.PieceList[opponent][index];
        if (victim.Kind != Empty) {
            AddCapturesOf(victim.Square, sink);
        }
    }
    AddCastling(sink);
    for (int index = Pos.PieceLast[Pos.Player]; index >= 0; --index) {
        AddQuietMoves(index, sink);
    }
    AddEnPassant(sink);
}

void MovGen()
{
    MoveSink sink {GenBuffer.Moves, GenBufferSize};
    GenerateMoves(sink);
    GenBuffer.Count = sink.Count;
    GenBuffer.ReadPos = 0;
}

const EngineMove& NextMove()
{
    CurrentMove = GenBuffer.ReadPos < GenBuffer.Count ? GenBuffer.Moves[GenBuffer.ReadPos++] : NoMove;
    return CurrentMove;
}

bool IllegalMove(const EngineMove& move)
{
    MakeMove(move);
    const bool attacked = SquareAttacked(Pos.Opponent, Pos.KingOf(Pos.Player).Square);
    UnmakeMove(move);
    return attacked;
}

bool IllegalMoveKnowingCheck(const EngineMove& move, bool inCheck)
{
    if (inCheck || move.Piece == King || move.IsEnPassant()) {
        return IllegalMove(move);
    }
    // A piece that leaves no line through its own king cannot uncover an
    // attack on it, and a king not in check stays out of check.
    const AttackEntry& line = AttackFor(Pos.KingOf(Pos.Player).Square, move.Old);
    return (line.Mask & PieceBits[Queen]) != 0 && IllegalMove(move);
}

bool PlayerInCheck()
{
    return SquareAttacked(Pos.Opponent, Pos.KingOf(Pos.Player).Square);
}

bool IsLegal(const EngineMove& move)
{
    if (!OnBoard(move.New) || !OnBoard(move.Old)) {
        return false;
    }
    if (move.IsCastling()) {
        return CastlingIsLegal(move);
    }
    if (move.IsEnPassant()) {
        return EnPassantIsLegal(move);
    }
    const Cell& from = Pos.Board[move.Old];
    const std::uint8_t kind = move.Special ? std::uint8_t(Pawn) : move.Piece;
    if (from.Kind != kind || from.Colour != Pos.Player) {
        return false;
    }
    const Cell& to = Pos.Board[move.New];
    if (to.Kind != move.Captured || (to.Kind != Empty && to.Colour != Pos.Opponent)) {
        return false;
    }
    if (kind == Pawn) {
        const int diff = move.New - move.Old;
        if (move.Captured != Empty) {
            return PieceAttacks(Pawn, Pos.Player, move.Old, move.New);
        }
        if (diff == PawnStep[Pos.Player]) {
            return true;
        }
        return diff == 2 * PawnStep[Pos.Player] && Pos.Board[move.Old + diff / 2].Kind == Empty;
    }
    return PieceAttacks(kind, Pos.Player, move.Old, move.New);
}

std::uint8_t CastlingAvailable(Colour colour)
{
    const SquareIndex base = colour == White ? 0 : 0x70;
    if (!NotMovedFrom(base + 4, King, colour)) {
        return 0;
    }
    std::uint8_t bits = 0;
    if ((Pos.CastlingRights[colour] & CastleLong) && NotMovedFrom(base, Rook, colour)) {
        bits |= CastleLong;
    }
    if ((Pos.CastlingRights[colour] & CastleShort) && NotMovedFrom(base + 7, Rook, colour)) {
        bits |= CastleShort;
    }
    return bits;
}

std::uint8_t CheckMove(const EngineMove& pattern)
{
    ++Pos.MoveStackTop;
    KeepMove = NoMove;
    MovGen();
    for (int index = 0; index < GenBuffer.Count; ++index) {
        const EngineMove& move = GenBuffer.Moves[index];
        const bool matches = (pattern.Piece == Empty || pattern.Piece == move.Piece)
            && (!OnBoard(pattern.New) || pattern.New == move.New)
            && (!OnBoard(pattern.Old) || pattern.Old == move.Old);
        if (!matches) {
            continue;
        }
        // With only a destination given, a pawn move wins over a piece move:
        // "e4" names the pawn even when a knight could also go there.
        const bool newIsPawn = move.Piece == Pawn;
        const bool keptIsPawn = KeepMove.Piece == Pawn;
        if (!KeepMove.IsMove() || (newIsPawn && !keptIsPawn)) {
            KeepMove = move;
        } else if (keptIsPawn && !newIsPawn) {
            continue;
        } else {
            --Pos.MoveStackTop;
            return CodeAmbiguous;
        }
    }
    --Pos.MoveStackTop;
    if (!KeepMove.IsMove()) {
        return CodeNoSuchMove;
    }
    return IllegalMove(KeepMove) ? CodeLeavesKingInCheck : CodeDone;
}

} // namespace engine
