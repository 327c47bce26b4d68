#include "record/position_writer.h"

#include <QRegularExpression>

#include "engine/engine_interface.h"
#include "settings/options.h"
#include "support/text_fields.h"

using namespace engine;

namespace {

QString CastlingField(const PositionState& state)
{
    QString field;
    if (state.WhiteCastling & CastleShort) {
        field += u'K';
    }
    if (state.WhiteCastling & CastleLong) {
        field += u'Q';
    }
    if (state.BlackCastling & CastleShort) {
        field += u'k';
    }
    if (state.BlackCastling & CastleLong) {
        field += u'q';
    }
    return field.isEmpty() ? QStringLiteral("-") : field;
}

QString EnPassantField(const SquarePair& square)
{
    if (!engine::OnBoard(square)) {
        return QStringLiteral("-");
    }
    const QChar letters[2] = {QChar(u'a' + square.File - 1), QChar(u'0' + square.Rank)};
    return QString(letters, 2);
}

QString FullFEN(const BoardImage& board, const PositionState& state, int sideToMove, int moveNumber)
{
    return BoardFEN4(board, state, sideToMove) + u' ' + QString::number(state.HalfMoves) + u' '
        + QString::number(moveNumber);
}

// One line with no operand-ending ";".
QString EpdOperand(const QString& text)
{
    static const QRegularExpression lineBreaks(QStringLiteral("\\s*[\\r\\n]+\\s*"));
    QString operand = text;
    operand.replace(lineBreaks, QStringLiteral(" "));
    operand.replace(u';', u',');
    return operand.trimmed();
}

QString EpdComment(const QString& text)
{
    QString comment = EpdOperand(text);
    if (comment.size() > EpdCommentLength) {
        qsizetype cut = EpdCommentLength;
        // Never split a character made of two UTF-16 units.
        if (comment[cut - 1].isHighSurrogate()) {
            --cut;
        }
        comment.truncate(cut);
        comment = comment.trimmed();
    }
    return comment;
}

void AddOperation(QString& line, const char* opcode, const QString& operand)
{
    if (!operand.isEmpty()) {
        line += u' ' + QLatin1String(opcode) + u' ' + operand + u';';
    }
}

} // namespace

QString BoardForsyth(const BoardImage& board)
{
    QString field;
    field.reserve(71);
    for (int rank = 8; rank >= 1; --rank) {
        int empty = 0;
        for (int file = 1; file <= 8; ++file) {
            const ImageCell& cell = board.At(file, rank);
            if (cell.Kind == Empty || cell.Kind > Pawn) {
                ++empty;
                continue;
            }
            if (empty > 0) {
                field += QChar(u'0' + empty);
                empty = 0;
            }
            const char letter = standardPieceLetters[cell.Kind];
            field += QChar::fromLatin1(cell.Colour == White ? letter : LowerLetter(letter));
        }
        if (empty > 0) {
            field += QChar(u'0' + empty);
        }
        if (rank > 1) {
            field += u'/';
        }
    }
    return field;
}

QString BoardFEN4(const BoardImage& board, const PositionState& state, int sideToMove)
{
    return BoardForsyth(board) + (sideToMove == Black ? QStringLiteral(" b ") : QStringLiteral(" w "))
        + CastlingField(state) + u' ' + EnPassantField(state.EnPassant);
}

QString BoardStartFEN(const TGameRecord& record)
{
    BoardImage board {};
    PositionState state {};
    GetStartImage(board);
    GetSetupState(state);
    return FullFEN(board, state, record.StartPly % 2 != 0 ? Black : White, record.StartPly / 2 + 1);
}

QString BoardCurrentFEN(const TGameRecord& record)
{
    return FullFEN(record.Board, record.State, record.SideToMove(), (record.CurrentPly + 3) / 2);
}

QString BoardEPD(const TGameRecord& record, const TEpdFields& fields)
{
    QString line = BoardFEN4(record.Board, record.State, record.SideToMove());
    AddOperation(line, "c0", EpdComment(fields.Comment));
    AddOperation(line, "eco", EpdOperand(fields.ECO));
    if (record.CurrentPly > 0) {
        AddOperation(line, "fmvn", QString::number((record.CurrentPly + 3) / 2));
    }
    if (record.State.HalfMoves > 0) {
        AddOperation(line, "hmvc", QString::number(record.State.HalfMoves));
    }
    if (fields.Resigned) {
        line += QStringLiteral(" resign;");
    }
    AddOperation(line, "v0", EpdOperand(fields.Opening));
    const QString event = EpdOperand(fields.Event);
    if (!event.isEmpty()) {
        line += u' ' + event;
    }
    return line;
}
