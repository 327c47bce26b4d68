#include "files/pgn_writer.h"

#include "files/game_info.h"
#include "files/key_lines.h"
#include "files/text_store.h"
#include "record/notation_writer.h"

namespace {

// A comment consisting only of blanks would come out as "{}"; it is treated
// as no comment at all.
QString CommentText(const TGameRecord& record, int ply)
{
    return record.CommentAt(ply).trimmed();
}

// A PGN comment cannot hold its own closing brace, and a line break inside
// it would let a line of the comment pass for a tag or an escape line when
// the file is read. Braces become parentheses and the lines of the comment
// are joined with blanks.
QString BraceSafe(const QString& comment)
{
    QStringList lines = SplitTextLines(comment);
    for (QString& line : lines) {
        line = line.trimmed();
    }
    lines.removeAll(QString());
    QString text = lines.join(u' ');
    text.replace(u'{', u'(');
    text.replace(u'}', u')');
    return text;
}

// "{text}" as one word when it fits the room left on the line; otherwise cut
// at blanks into words that fill the lines, "{" on the first and "}" on the
// last. The first piece is cut two short of the room so that its closing
// brace still fits when it turns out to be the only piece.
void WriteBracedComment(TTextStore& store, QString text)
{
    text = BraceSafe(text);
    const int room = store.StoreRoom();
    if (text.size() <= room - 2) {
        store.StoreWriteWord(u'{' + text + u'}');
        return;
    }
    QString word = u'{' + CutLine(text, room - 2);
    while (!text.isEmpty()) {
        store.StoreWriteWord(word);
        word = CutLine(text, store.StoreRoom() - 1);
    }
    store.StoreWriteWord(word + u'}');
}

void WriteTags(TTextStore& store, const TGameRecord& record, const TInfoRec& info, const QString& timeControl,
    const QString& startFen)
{
    WriteTag(store, QStringLiteral("Event"), info.Event, QStringLiteral("?"));
    WriteTag(store, QStringLiteral("Site"), info.Site, QStringLiteral("?"));
    WriteTag(store, QStringLiteral("Date"), info.Date, QStringLiteral("????.??.??"));
    WriteTag(store, QStringLiteral("Round"), info.Round, QStringLiteral("-"));
    WriteTag(store, QStringLiteral("White"), info.White, QStringLiteral("?"));
    WriteTag(store, QStringLiteral("Black"), info.Black, QStringLiteral("?"));
    WriteTag(store, QStringLiteral("Result"), ResultToken(record.GameStatus(), ResultTag, record.Winner),
        QStringLiteral("*"));
    WriteTag(store, QStringLiteral("Time"), info.Time);
    WriteTag(store, QStringLiteral("Opening"), info.Opening);
    WriteTag(store, QStringLiteral("ECO"), info.ECO);
    WriteTag(store, QStringLiteral("WhiteTitle"), info.WhiteTitle);
    WriteTag(store, QStringLiteral("WhiteELO"), info.WhiteELO);
    WriteTag(store, QStringLiteral("WhiteCountry"), info.WhiteCountry);
    // A player's network address: the e-mail, or the internet address of a
    // game played over the network.
    WriteTag(store, QStringLiteral("WhiteNA"), info.WhiteEmail.isEmpty() ? info.WhiteTcpip : info.WhiteEmail);
    WriteTag(store, QStringLiteral("BlackTitle"), info.BlackTitle);
    WriteTag(store, QStringLiteral("BlackELO"), info.BlackELO);
    WriteTag(store, QStringLiteral("BlackCountry"), info.BlackCountry);
    WriteTag(store, QStringLiteral("BlackNA"), info.BlackEmail.isEmpty() ? info.BlackTcpip : info.BlackEmail);
    WriteTag(store, QStringLiteral("Annotator"), info.Annotator);
    WriteTag(store, QStringLiteral("EventDate"), info.EventDate);
    WriteTag(store, QStringLiteral("TimeControl"), timeControl);
    if (!startFen.isEmpty()) {
        WriteTag(store, QStringLiteral("SetUp"), QStringLiteral("1"));
        WriteTag(store, QStringLiteral("FEN"), startFen);
    }
}

void WriteMoves(TTextStore& store, const TGameRecord& record)
{
    for (int k = 0; k < record.EntryCount(); ++k) {
        const int ply = record.StartPly + k;
        if (NeedsMoveNumber(record, ply)) {
            store.StoreWriteWord(
                QString::number(ply / 2 + 1) + (ply % 2 == 0 ? QStringLiteral(".") : QStringLiteral("...")));
        }
        // A resignation or agreed draw reads as its result here.
        store.StoreWriteWord(FormatMove(
            StandardAlgebraic, record.MoveHistory[static_cast<std::size_t>(k)].Move, ply % 2, true));
        const QString comment = CommentText(record, ply);
        if (!comment.isEmpty()) {
            WriteBracedComment(store, comment);
        }
    }
}

} // namespace

bool NeedsMoveNumber(const TGameRecord& record, int ply)
{
    const int k = ply - record.StartPly;
    if (k < 0 || k >= record.EntryCount()) {
        return false;
    }
    if (k == record.EntryCount() - 1 && IsPseudoEntry(record.MoveHistory[static_cast<std::size_t>(k)].Move)) {
        return false;
    }
    return k == 0 || ply % 2 == 0 || !CommentText(record, ply - 1).isEmpty();
}

void WritePgnGame(TTextStore& store, const TGameRecord& record, const TInfoRec& info,
    const QString& timeControl, const QString& startFen)
{
    WriteTags(store, record, info, timeControl, startFen);
    store.StoreWriteLine({});
    const QString preGame = record.PreGameComment.trimmed();
    if (!preGame.isEmpty()) {
        WriteBracedComment(store, preGame);
        store.StoreFlushLine();
    }
    WriteMoves(store, record);
    const int mode = record.EntryCount() > 0 ? ResultAfterMovetext : ResultTag;
    const QString result = ResultToken(record.GameStatus(), mode, record.Winner);
    if (!result.isEmpty()) {
        store.StoreWriteWord(result);
    }
    store.StoreWriteLine({});
}
