#include "sound/position_narration.h"

#include "settings/messages.h"

#include <cstdlib>
#include <set>

using namespace engine;

namespace {

constexpr int FirstNumberWord = 2100;
constexpr int LastNumberWord = 2140;
constexpr int StartingPosition = 2201;
constexpr int GameIsOver = 2202;
constexpr int MaterialLevel = 2203;
constexpr int MaterialAhead = 2204;
constexpr int MovesEven = 2205;
constexpr int MovesMore = 2206;
constexpr int ControlEven = 2207;
constexpr int ControlMore = 2208;
constexpr int CentreEven = 2209;
constexpr int CentreStronger = 2210;
constexpr int CastleBoth = 2211;
constexpr int CastleKingSide = 2212;
constexpr int CastleQueenSide = 2213;
constexpr int EnPassantOn = 2214;

int CentreWeight(SquarePair square)
{
    const bool centre = square.File >= 3 && square.File <= 6 && square.Rank >= 3 && square.Rank <= 6;
    const bool middle = square.File >= 4 && square.File <= 5 && square.Rank >= 4 && square.Rank <= 5;
    return (centre ? 1 : 0) + (middle ? 1 : 0);
}

int MaterialOf(int kind)
{
    switch (kind) {
    case Queen:
        return 9;
    case Rook:
        return 5;
    case Bishop:
    case Knight:
        return 3;
    case Pawn:
        return 1;
    default:
        return 0;
    }
}

void CountMoves(const TMoveList& list, int colour, TNarrationCounts& counts)
{
    std::set<int> reached;
    for (const MoveRecord& move : list.View()) {
        ++counts.moves[colour];
        counts.centre[colour] += CentreWeight(move.Destination);
        if (move.SpecialKind == SpecialNone || move.SpecialKind == SpecialEnPassant) {
            reached.insert(move.Destination.File * 10 + move.Destination.Rank);
        }
    }
    counts.control[colour] = static_cast<int>(reached.size());
}

QString ColourName(int colour)
{
    return FormatMessage(2001 + colour);
}

// The side with the larger count first.
int Leader(const std::array<int, 2>& counts)
{
    return counts[Black] > counts[White] ? Black : White;
}

QString Compare(const std::array<int, 2>& counts, int margin, int even, int more)
{
    if (std::abs(counts[White] - counts[Black]) <= margin) {
        return FormatMessage(even, ColourName(White), counts[White], ColourName(Black), counts[Black]);
    }
    const int leader = Leader(counts);
    const int other = 1 - leader;
    return FormatMessage(more, ColourName(leader), counts[leader], ColourName(other), counts[other]);
}

QString Castling(int colour, std::uint8_t rights)
{
    const bool kingSide = (rights & CastleShort) != 0;
    const bool queenSide = (rights & CastleLong) != 0;
    if (kingSide && queenSide) {
        return FormatMessage(CastleBoth, ColourName(colour));
    }
    return kingSide ? FormatMessage(CastleKingSide, ColourName(colour))
                    : FormatMessage(CastleQueenSide, ColourName(colour));
}

} // namespace

TNarrationCounts CountNarration(const TGameRecord& record)
{
    TNarrationCounts counts;
    const int mover = record.SideToMove();
    CountMoves(record.LegalMoves, mover, counts);
    CountMoves(record.OpponentMoves, 1 - mover, counts);
    for (int file = 1; file <= 8; ++file) {
        for (int rank = 1; rank <= 8; ++rank) {
            const ImageCell& cell = record.Board.At(file, rank);
            if (cell.Kind == Empty || cell.Colour > Black) {
                continue;
            }
            counts.material[cell.Colour] += MaterialOf(cell.Kind);
            counts.centre[cell.Colour] += CentreWeight({static_cast<std::uint8_t>(file), static_cast<std::uint8_t>(rank)});
        }
    }
    return counts;
}

QString NumberWord(int number)
{
    return FormatMessage(number >= 0 && number < LastNumberWord - FirstNumberWord ? FirstNumberWord + number
                                                                                  : LastNumberWord);
}

QStringList PositionNarration(const TGameRecord& record, const QString& opening, bool gameOver)
{
    if (record.StartsFromInitial && record.CurrentPly < record.StartPly) {
        return {FormatMessage(StartingPosition)};
    }
    QStringList lines;
    if (!opening.isEmpty()) {
        lines << opening + u'.' << QString();
    }
    if (gameOver) {
        lines << FormatMessage(GameIsOver);
        return lines;
    }
    const TNarrationCounts counts = CountNarration(record);
    if (counts.material[White] == counts.material[Black]) {
        lines << FormatMessage(MaterialLevel, counts.material[White]);
    } else {
        const int leader = Leader(counts.material);
        const int difference = std::abs(counts.material[White] - counts.material[Black]);
        lines << FormatMessage(
            MaterialAhead, ColourName(leader), difference, ColourName(1 - leader), NumberWord(difference));
    }
    lines << QString() << Compare(counts.moves, 2, MovesEven, MovesMore);
    lines << QString() << Compare(counts.control, 1, ControlEven, ControlMore);
    lines << QString();
    if (std::abs(counts.centre[White] - counts.centre[Black]) <= 2) {
        lines << FormatMessage(CentreEven);
    } else {
        lines << FormatMessage(CentreStronger, ColourName(Leader(counts.centre)));
    }
    const std::uint8_t rights[2] = {record.State.WhiteCastling, record.State.BlackCastling};
    if (((rights[White] | rights[Black]) & (CastleShort | CastleLong)) != 0) {
        lines << QString();
        for (const int colour : {White, Black}) {
            if ((rights[colour] & (CastleShort | CastleLong)) != 0) {
                lines << Castling(colour, rights[colour]);
            }
        }
    }
    for (const MoveRecord& move : record.LegalMoves.View()) {
        if (move.SpecialKind == SpecialEnPassant) {
            const QString square = QString(QChar(u'a' + move.Destination.File - 1)) + QString::number(move.Destination.Rank);
            lines << QString() << FormatMessage(EnPassantOn, ColourName(record.SideToMove()), square);
            break;
        }
    }
    return lines;
}
