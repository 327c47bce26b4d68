#include "dialogs/board_settings.h"

#include <algorithm>

using namespace engine;

namespace {

constexpr std::uint8_t StatusDrawn = 9;

std::uint8_t Castling(bool kingSide, bool queenSide)
{
    return static_cast<std::uint8_t>((kingSide ? CastleShort : 0) | (queenSide ? CastleLong : 0));
}

} // namespace

TBoardSettings BoardSettingsOf(int startPly, const PositionState& state)
{
    TBoardSettings settings;
    settings.WhiteKingSide = (state.WhiteCastling & CastleShort) != 0;
    settings.WhiteQueenSide = (state.WhiteCastling & CastleLong) != 0;
    settings.BlackKingSide = (state.BlackCastling & CastleShort) != 0;
    settings.BlackQueenSide = (state.BlackCastling & CastleLong) != 0;
    settings.FirstPlayer = startPly % 2 == 0 ? White : Black;
    settings.MoveNumber = QString::number(startPly / 2 + 1);
    settings.EnPassant = SquareName(state.EnPassant);
    settings.HalfMoves = QString::number(state.HalfMoves);
    settings.Status = state.Status == StatusDrawn ? TSetupStatus::Drawn
        : state.Status == StatusResigns           ? TSetupStatus::Resigned
                                                  : TSetupStatus::Normal;
    return settings;
}

TBoardSetup ApplyBoardSettings(const TBoardSettings& settings, PositionState state)
{
    bool ok = false;
    int moveNumber = settings.MoveNumber.trimmed().toInt(&ok);
    if (!ok) {
        moveNumber = 1;
    }
    moveNumber = std::min(moveNumber, MaxFirstMoveNumber);
    TBoardSetup setup;
    setup.StartPly = std::max(0, (moveNumber - 1) * 2) + (settings.FirstPlayer == Black ? 1 : 0);

    state.WhiteCastling = Castling(settings.WhiteKingSide, settings.WhiteQueenSide);
    state.BlackCastling = Castling(settings.BlackKingSide, settings.BlackQueenSide);
    state.EnPassant = ReadSquareName(settings.EnPassant);
    const int halfMoves = settings.HalfMoves.trimmed().toInt(&ok);
    state.HalfMoves = ok ? std::max(halfMoves, 0) : 0;
    switch (settings.Status) {
    case TSetupStatus::Drawn:
        state.Status = StatusDrawn;
        break;
    case TSetupStatus::Resigned:
        state.Status = StatusResigns;
        break;
    default:
        state.Status = StatusNothing;
        break;
    }
    setup.State = state;
    return setup;
}

QString SquareName(SquarePair square)
{
    if (square.File < 1 || square.File > 8 || square.Rank < 1 || square.Rank > 8) {
        return {};
    }
    return QString(QChar(u'a' + square.File - 1)) + QChar(u'0' + square.Rank);
}

SquarePair ReadSquareName(const QString& text)
{
    const QString word = text.trimmed().toLower();
    if (word.size() != 2 || word[0] < u'a' || word[0] > u'h' || word[1] < u'1' || word[1] > u'8') {
        return {};
    }
    return {static_cast<std::uint8_t>(word[0].unicode() - u'a' + 1),
        static_cast<std::uint8_t>(word[1].unicode() - u'0')};
}
