#include "record/ply_text.h"

#include "record/notation_writer.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"

using namespace engine;

namespace {

QString PlyTextWith(const TGameRecord& record, int style, int ply, bool clockRunOut, bool padded)
{
    if (ply < record.StartPly) {
        return {};
    }
    const long long k = static_cast<long long>(ply) - record.StartPly;
    const int n = record.EntryCount();
    if (k < n) {
        const MoveRecord& move = record.MoveHistory[static_cast<std::size_t>(k)].Move;
        return padded ? FormatMovePadded(style, move, ply % 2) : FormatMove(style, move, ply % 2);
    }
    if (k > n) {
        return {};
    }
    const int status = n == 0 ? record.GameStatus(clockRunOut) : record.MoveHistory.back().Move.Status;
    return ResultToken(status, ResultAfterList, record.Winner);
}

QString SpecialMoveWords(const MoveRecord& move)
{
    switch (move.SpecialKind) {
    case SpecialEnPassant:
        return MessageText(msg::EnPassantWord) + u' ';
    case SpecialCastling:
        return MessageText(move.SpecialFrom.File > 1 ? msg::CastlesKingSide : msg::CastlesQueenSide) + u' ';
    case SpecialPromotion:
        return FormatMessage(msg::PromotesTo, PieceText(move.Piece)) + u' ';
    default:
        return {};
    }
}

} // namespace

QString PlyText(const TGameRecord& record, int style, int ply, bool clockRunOut)
{
    return PlyTextWith(record, style, ply, clockRunOut, false);
}

QString PlyTextPadded(const TGameRecord& record, int style, int ply, bool clockRunOut)
{
    return PlyTextWith(record, style, ply, clockRunOut, true);
}

QString MoveCaption(const TGameRecord& record, int style)
{
    const int c = record.CurrentPly;
    if (c < record.StartPly || c - record.StartPly >= record.EntryCount()) {
        return {};
    }
    QString caption = c % 2 != 0 ? QString::number((c + 1) / 2) + QStringLiteral("... ")
                                 : QString::number((c + 2) / 2) + QStringLiteral(". ");
    caption += PlyText(record, style, c) + QStringLiteral("  ");
    caption += SpecialMoveWords(record.MoveAt(c));
    return caption;
}
