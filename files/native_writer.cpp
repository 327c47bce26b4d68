#include "files/key_lines.h"
#include "files/native_file.h"
#include "files/native_layout.h"
#include "files/piece_lines.h"
#include "files/text_store.h"
#include "record/notation_writer.h"
#include "record/ply_text.h"
#include "support/text_fields.h"

#include <algorithm>

using namespace engine;
using namespace native_layout;

namespace {

void WriteCastling(TTextStore& store, const PositionState& state)
{
    QStringList rights;
    if (state.WhiteCastling & CastleShort) {
        rights << QStringLiteral("WK");
    }
    if (state.WhiteCastling & CastleLong) {
        rights << QStringLiteral("WQ");
    }
    if (state.BlackCastling & CastleShort) {
        rights << QStringLiteral("BK");
    }
    if (state.BlackCastling & CastleLong) {
        rights << QStringLiteral("BQ");
    }
    if (rights.size() == 4) {
        return;
    }
    // Without the line the reader would grant all four rights, so a position
    // without any gets the line with no words.
    store.StoreWriteLine(
        rights.isEmpty() ? QStringLiteral("Castling:") : QStringLiteral("Castling: ") + rights.join(u' '));
}

void WritePieces(TTextStore& store, const BoardImage& board)
{
    for (int rank = 1; rank <= 8; ++rank) {
        for (int file = 1; file <= 8; ++file) {
            const ImageCell& cell = board.At(file, rank);
            if (cell.Kind != Empty) {
                store.StoreWriteLine(PieceLineText(cell.Colour, cell.Kind, file, rank));
            }
        }
    }
}

void WriteBoardSection(TTextStore& store, const TNativeSave& game, int startPly)
{
    store.StoreWriteLine(QStringLiteral("[Board]"));
    if (startPly > 1) {
        WriteKeyNumber(store, QStringLiteral("FirstMove"), startPly / 2 + 1);
    }
    if (startPly % 2 != 0) {
        WriteKeyString(store, QStringLiteral("Player"), QStringLiteral("Black"));
    }
    const PositionState& state = game.startState;
    WriteCastling(store, state);
    if (OnBoard(state.EnPassant)) {
        QString square;
        square += QChar(u'a' + state.EnPassant.File - 1);
        square += QChar(u'0' + state.EnPassant.Rank);
        WriteKeyString(store, QStringLiteral("EnPassant"), square);
    }
    if (state.HalfMoves > 0) {
        WriteKeyNumber(store, QStringLiteral("FiftyMove"), state.HalfMoves);
    }
    WritePieces(store, game.startBoard);
}

// Line breaks typed into the comment box would end the comment's lines
// early and leave its rest to be read as moves.
void WriteComment(TTextStore& store, const QString& comment)
{
    QString text = comment.simplified();
    if (text.isEmpty()) {
        return;
    }
    store.StoreWriteLine(CommentWord + u' ' + CutLine(text, CommentWidth));
    while (!text.isEmpty()) {
        store.StoreWriteLine(QString(CommentIndent, u' ') + CutLine(text, CommentWidth));
    }
}

QString MoveNumberField(int ply)
{
    const QString number = QString::number(ply / 2 + 1);
    if (ply % 2 == 0) {
        return (number + u'.').leftJustified(WhiteNumberWidth, u' ', true);
    }
    return (number + QStringLiteral("...")).leftJustified(BlackNumberWidth, u' ', true);
}

// A resignation or agreed draw is written as its result, which the reader
// takes back in every language and style; the long style's words ("draw
// agreed") and the short style's "=" it would not.
QString MoveText(const TGameRecord& record, int style, int ply)
{
    const bool pseudo = IsPseudoEntry(record.MoveAt(ply));
    return PlyTextPadded(record, pseudo ? StandardAlgebraic : style, ply);
}

void WriteMoveLines(TTextStore& store, const TGameRecord& record, int style)
{
    const int end = std::min(record.EndPly, record.StartPly + record.EntryCount());
    QString line;
    for (int ply = record.StartPly; ply < end; ++ply) {
        if (line.isEmpty()) {
            line = MoveNumberField(ply);
        }
        line += MoveText(record, style, ply);
        const QString comment = record.CommentAt(ply);
        if (ply % 2 != 0 || !comment.trimmed().isEmpty()) {
            store.StoreWriteLine(trimEnd(line));
            line.clear();
            WriteComment(store, comment);
        }
    }
    if (!line.isEmpty()) {
        store.StoreWriteLine(trimEnd(line));
    }
}

void WriteMovesSection(TTextStore& store, const TGameRecord& record, int style)
{
    const bool hasMoves = record.EndPly > record.StartPly && record.EntryCount() > 0;
    if (!hasMoves && record.PreGameComment.trimmed().isEmpty()) {
        return;
    }
    store.StoreWriteLine(QStringLiteral("[Moves]"));
    WriteComment(store, record.PreGameComment);
    WriteMoveLines(store, record, style);
}

} // namespace

void WriteNativeGame(TTextStore& store, const TNativeSave& game)
{
    store.StoreWriteLine(QStringLiteral("[Zorbel Game]"));
    WriteInfoKeys(store, game.info);
    WriteKeyReal(store, QStringLiteral("WhiteTime"), game.whiteDays);
    WriteKeyReal(store, QStringLiteral("BlackTime"), game.blackDays);
    WriteKeyFlag(store, QStringLiteral("Rotated"), game.rotated);
    if (game.playKind >= 0) {
        WriteKeyNumber(store, QStringLiteral("GamePlay"), game.playKind);
    }
    if (!game.standardStart) {
        WriteBoardSection(store, game, game.record ? game.record->StartPly : 0);
    }
    for (const QString& line : game.settingsBlock) {
        store.StoreWriteLine(line);
    }
    if (game.record) {
        WriteMovesSection(store, *game.record, game.notationStyle);
    }
    store.StoreWriteLine(QStringLiteral("[EndGame]"));
}
