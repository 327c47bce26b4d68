#include "record/history.h"

#include "engine/engine_interface.h"

#include <cassert>

using namespace engine;

bool StatusEndsGame(int status)
{
    switch (status) {
    case StatusCheckmate:
    case StatusStalemate:
    case StatusResigns:
    case StatusFiftyMoveDraw:
    case StatusRepetitionDraw:
    case StatusNoMatingMaterial:
    case StatusDrawByAgreement:
    case StatusFlagFallen:
        return true;
    default:
        return false;
    }
}

MoveRecord MakeResignationEntry()
{
    MoveRecord entry {};
    entry.Status = StatusResigns;
    return entry;
}

MoveRecord MakeDrawAgreedEntry()
{
    MoveRecord entry {};
    entry.Status = StatusDrawByAgreement;
    return entry;
}

bool IsPseudoEntry(const MoveRecord& move)
{
    return move.Piece == Empty && (move.Status == StatusResigns || move.Status == StatusDrawByAgreement);
}

const THistory* TGameRecord::EntryAt(int ply) const
{
    const long long k = static_cast<long long>(ply) - StartPly;
    if (k < 0 || k >= static_cast<long long>(MoveHistory.size())) {
        return nullptr;
    }
    return &MoveHistory[static_cast<std::size_t>(k)];
}

MoveRecord TGameRecord::MoveAt(int ply) const
{
    const THistory* entry = EntryAt(ply);
    return entry ? entry->Move : MoveRecord {};
}

BoardImage TGameRecord::BoardAt(int ply) const
{
    if (ply == CurrentPly) {
        return Board;
    }
    if (const THistory* entry = EntryAt(ply)) {
        return entry->Board;
    }
    // One past the last entry shows the position the game ended in.
    if (!MoveHistory.empty() && ply == StartPly + EntryCount()) {
        return MoveHistory.back().Board;
    }
    return BoardImage {};
}

bool TGameRecord::IsBookmarked(int ply) const
{
    const THistory* entry = EntryAt(ply);
    return entry && entry->Bookmarked != 0;
}

QString TGameRecord::CommentAt(int ply) const
{
    const THistory* entry = EntryAt(ply);
    return entry ? entry->Comment : QString();
}

namespace {

std::uint8_t WithClock(std::uint8_t status, bool clockRunOut)
{
    return clockRunOut && !StatusEndsGame(status) ? std::uint8_t {StatusFlagFallen} : status;
}

} // namespace

std::uint8_t TGameRecord::GameStatus(bool clockRunOut) const
{
    const std::uint8_t status = MoveHistory.empty() ? StartStatus : MoveHistory.back().Move.Status;
    return WithClock(status, clockRunOut);
}

std::uint8_t TGameRecord::CurrentStatus(int& mateIn, bool clockRunOut) const
{
    mateIn = 0;
    std::uint8_t status = StartStatus;
    if (const THistory* entry = EntryAt(CurrentPly)) {
        status = entry->Move.Status;
        mateIn = entry->Move.MateIn;
    }
    return WithClock(status, clockRunOut);
}

int TGameRecord::OutputEntryCount() const
{
    if (MoveHistory.empty()) {
        return 0;
    }
    const MoveRecord& last = MoveHistory.back().Move;
    return EntryCount() + (last.Piece != Empty && StatusEndsGame(last.Status) ? 1 : 0);
}

void TGameRecord::ClearHistory()
{
    PreGameComment.clear();
    MoveHistory.clear();
}

void TGameRecord::TruncateHistory(int count)
{
    if (count >= 0 && count < EntryCount()) {
        MoveHistory.resize(static_cast<std::size_t>(count));
    }
}

THistory& TGameRecord::EntryFor(int ply)
{
    assert(ply >= StartPly);
    const std::size_t k = static_cast<std::size_t>(ply - StartPly);
    if (MoveHistory.size() <= k) {
        MoveHistory.resize(k + 1);
    }
    return MoveHistory[k];
}

void TGameRecord::RefreshPosition()
{
    FetchMoveLists(LegalMoves, OpponentMoves);
    GetBoardImage(Board);
    GetPositionState(State);
    MarkAttacks(Board, LegalMoves, OpponentMoves);
}

void TGameRecord::StartFromPosition(const BoardImage* board, const PositionState* state)
{
    ResetEngine(board, state);
    SetSideToMove(StartPly % 2 != 0 ? Black : White);
    const BoardImage& initialBoard = InitialBoard();
    const PositionState initialState = InitialState();
    StartsFromInitial = StartPly == 0 && (!board || ImagesEqual(*board, initialBoard))
        && (!state || StatesEqual(*state, initialState));
    Modified = !StartsFromInitial;
    ClearHistory();
    EndPly = StartPly;
    CurrentPly = StartPly - 1;
    RefreshPosition();
    StartStatus = State.Status;
}

const BoardImage& InitialBoard()
{
    static const BoardImage board = [] {
        static constexpr PieceKind backRank[8] = {Rook, Knight, Bishop, Queen, King, Bishop, Knight, Rook};
        BoardImage image {};
        for (int file = 1; file <= 8; ++file) {
            image.At(file, 1) = {backRank[file - 1], White, 0};
            image.At(file, 2) = {Pawn, White, 0};
            image.At(file, 7) = {Pawn, Black, 0};
            image.At(file, 8) = {backRank[file - 1], Black, 0};
        }
        return image;
    }();
    return board;
}

PositionState InitialState()
{
    PositionState state {};
    state.WhiteCastling = CastleLong | CastleShort;
    state.BlackCastling = CastleLong | CastleShort;
    return state;
}
