#include "controller/move_log.h"

#include "engine/engine_interface.h"

using namespace engine;

void TMoveLog::Clear(int startPly)
{
    Moves.clear();
    StartPly = EndPly = startPly;
    CurrentPly = startPly - 1;
    Winner = 0;
}

MoveRecord TMoveLog::MoveAt(int ply) const
{
    const int index = ply - StartPly;
    if (index < 0 || index >= static_cast<int>(Moves.size())) {
        return {};
    }
    return Moves[static_cast<std::size_t>(index)];
}

void TMoveLog::Execute(const MoveRecord& move)
{
    if (move.Piece == 0 && move.Status == 0) {
        return;
    }
    ++CurrentPly;
    const auto index = static_cast<std::size_t>(CurrentPly - StartPly);
    const bool sameAsRecorded = index < Moves.size() && !MovesDiffer(Moves[index], move)
        && IsPseudoEntry(Moves[index]) == IsPseudoEntry(move);
    if (!sameAsRecorded) {
        Moves.resize(index);
        Moves.push_back(move);
        EndPly = CurrentPly + 1;
        Modified = true;
    }
}

void TMoveLog::Retract()
{
    if (CurrentPly >= StartPly) {
        --CurrentPly;
    }
}

std::uint8_t TMoveLog::CurrentStatus(int& mateIn, bool clockRunOut) const
{
    const bool atStart = CurrentPly < StartPly;
    const MoveRecord last = atStart ? MoveRecord {} : MoveAt(CurrentPly);
    const std::uint8_t status = atStart ? StartStatus : last.Status;
    mateIn = atStart ? 0 : last.MateIn;
    if (!StatusEndsGame(status) && clockRunOut) {
        return StatusTimeForfeit;
    }
    return status;
}

void TMoveLog::RefreshPosition()
{
    const MovePattern any {};
    FindMoves(any, LegalMoves.data(), MaxMoves);
    FindOpponentMoves(any, OpponentMoves.data(), MaxMoves);
    GetBoardImage(Board);
    GetPositionState(State);
}

bool StatusEndsGame(int status)
{
    return (status >= StatusCheckmate && status <= StatusResigns)
        || (status >= StatusFiftyMoveDraw && status <= TMoveLog::StatusTimeForfeit);
}

MoveRecord ResignationRecord()
{
    MoveRecord entry {};
    entry.Status = StatusResigns;
    return entry;
}

MoveRecord DrawAgreedRecord()
{
    MoveRecord entry {};
    entry.Status = TMoveLog::StatusDrawAgreed;
    return entry;
}

bool IsPseudoEntry(const MoveRecord& move)
{
    return move.Piece == Empty && move.Status != 0;
}

MovePattern PatternOf(const MoveRecord& move)
{
    return MovePattern {
        move.Piece, move.Origin.File, move.Origin.Rank, move.Destination.File, move.Destination.Rank};
}

BoardImage ImageAfterMove(BoardImage image, const MoveRecord& move)
{
    if (move.Piece == Empty || move.Origin.File == 0 || move.Destination.File == 0) {
        return image;
    }
    const ImageCell mover = image.At(move.Origin.File, move.Origin.Rank);
    image.At(move.Origin.File, move.Origin.Rank) = ImageCell {};
    if (move.SpecialKind == SpecialEnPassant && move.SpecialFrom.File != 0) {
        image.At(move.SpecialFrom.File, move.SpecialFrom.Rank) = ImageCell {};
    }
    if (move.SpecialKind == SpecialCastling && move.SpecialFrom.File != 0 && move.SpecialTo.File != 0) {
        const ImageCell rook = image.At(move.SpecialFrom.File, move.SpecialFrom.Rank);
        image.At(move.SpecialFrom.File, move.SpecialFrom.Rank) = ImageCell {};
        image.At(move.SpecialTo.File, move.SpecialTo.Rank) = rook;
    }
    // A promotion's record names the piece it becomes.
    image.At(move.Destination.File, move.Destination.Rank) = ImageCell {move.Piece, mover.Colour, 0};
    return image;
}

QString CoordinateText(const MoveRecord& move)
{
    if (move.Piece == Empty || move.Origin.File == 0 || move.Destination.File == 0) {
        return {};
    }
    const auto square
        = [](SquarePair pair) { return QString(QChar(u'a' + pair.File - 1)) + QChar(u'0' + pair.Rank); };
    QString text = square(move.Origin) + square(move.Destination);
    if (move.SpecialKind == SpecialPromotion) {
        text += QChar(u" kqrbnp"[move.Piece]);
    }
    return text;
}
