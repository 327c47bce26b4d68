#include "record/position_reader.h"

#include "record/text_words.h"
#include "settings/options.h"

#include <algorithm>

using namespace engine;

namespace {

int StandardKindOf(QChar c)
{
    const char16_t upper = c.toUpper().unicode();
    for (int kind = King; kind <= Pawn; ++kind) {
        if (upper == static_cast<char16_t>(standardPieceLetters[kind])) {
            return kind;
        }
    }
    return Empty;
}

// Squares run from a8 along the rank to h8, then down to h1.
void ReadBoardWord(const QString& word, BoardImage& board)
{
    int square = 0;
    for (const QChar c : word) {
        if (square >= 64) {
            break;
        }
        if (c == u'/') {
            square = (square + 7) / 8 * 8;
        } else if (c >= u'1' && c <= u'8') {
            square += c.unicode() - u'0';
        } else {
            if (const int kind = StandardKindOf(c)) {
                const bool white = c >= u'A' && c <= u'Z';
                board.At(square % 8 + 1, 8 - square / 8)
                    = {static_cast<std::uint8_t>(kind), static_cast<std::uint8_t>(white ? White : Black), 0};
            }
            ++square;
        }
    }
}

void ReadCastlingWord(const QString& word, PositionState& state)
{
    for (const QChar c : word) {
        if (c == u'K') {
            state.WhiteCastling |= CastleShort;
        } else if (c == u'Q') {
            state.WhiteCastling |= CastleLong;
        } else if (c == u'k') {
            state.BlackCastling |= CastleShort;
        } else if (c == u'q') {
            state.BlackCastling |= CastleLong;
        }
    }
}

SquarePair ReadSquareWord(const QString& word)
{
    if (word.size() != 2) {
        return {};
    }
    const char16_t file = word[0].toLower().unicode();
    const char16_t rank = word[1].unicode();
    if (file < u'a' || file > u'h' || rank < u'1' || rank > u'8') {
        return {};
    }
    return {static_cast<std::uint8_t>(file - u'a' + 1), static_cast<std::uint8_t>(rank - u'0')};
}

// A count that is not a number (or is negative) is 0.
int ReadCount(const QString& word)
{
    bool ok = false;
    const int value = word.toInt(&ok);
    return ok && value > 0 ? value : 0;
}

// Moves are numbered from 1; a number below that, or one that is not a
// number, is taken as 1 so the game can never start before its first ply.
void AddMoveNumber(const QString& word, TPositionText& position)
{
    bool ok = false;
    const int number = word.toInt(&ok);
    const int n = ok ? std::clamp(number, 1, MaxMoveNumber) : 1;
    position.StartPly += 2 * n - 2;
}

} // namespace

void ReadFEN4(QString& text, TPositionText& position)
{
    position = {};
    ReadBoardWord(TakeWord(text), position.Board);
    const QString side = TakeWord(text);
    position.StartPly = side == u"b" || side == u"B" ? 1 : 0;
    ReadCastlingWord(TakeWord(text), position.State);
    position.State.EnPassant = ReadSquareWord(TakeWord(text));
}

TPositionText ReadFEN(QString text)
{
    TPositionText position;
    ReadFEN4(text, position);
    position.State.HalfMoves = ReadCount(TakeWord(text));
    AddMoveNumber(TakeWord(text), position);
    return position;
}

TPositionText ReadEPD(QString text, TEpdExtras& extras)
{
    TPositionText position;
    ReadFEN4(text, position);
    extras = {};
    qsizetype end = text.indexOf(u';');
    while (end >= 0) {
        QString operation = text.left(end).trimmed();
        text = text.mid(end + 1).trimmed();
        const QString opcode = TakeWord(operation).toUpper();
        const QString operand = operation.trimmed();
        if (opcode == u"HMVC") {
            position.State.HalfMoves = ReadCount(operand);
        } else if (opcode == u"FMVN") {
            AddMoveNumber(operand, position);
        } else if (opcode == u"C0") {
            extras.Comment = operand;
        } else if (opcode == u"V0") {
            extras.Opening = operand;
        } else if (opcode == u"ECO") {
            extras.ECO = operand;
        }
        end = text.indexOf(u';');
    }
    extras.Event = text.trimmed();
    return position;
}
