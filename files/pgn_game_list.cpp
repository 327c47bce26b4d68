#include "files/pgn_game_list.h"

#include "files/pgn_movetext.h"
#include "files/pgn_tags.h"

namespace {

bool IsDigitAt(const QString& text, qsizetype index)
{
    return index < text.size() && text[index].isDigit();
}

// The part a Date tag adds: as exact as the date is known.
QString DatePart(const QString& date)
{
    if (!IsDigitAt(date, 0)) {
        return {};
    }
    if (!IsDigitAt(date, 5)) {
        return QStringLiteral(" in ") + date.left(4);
    }
    if (IsDigitAt(date, 8)) {
        return QStringLiteral(" on ") + date;
    }
    return QStringLiteral(" in ") + date.left(7);
}

class TListBuilder {
public:
    explicit TListBuilder(const QStringList& lines)
        : lines(lines)
    { }

    void StartGame(qsizetype line)
    {
        Finish();
        open = true;
        start = line;
        moves = line;
        event.clear();
        details.clear();
        haveEvent = false;
        sawMoves = false;
    }

    void Finish()
    {
        if (!open) {
            return;
        }
        const QString name = event.isEmpty() ? QStringLiteral("?") : event;
        list.games.append(
            {QString::number(list.games.size() + 1) + QStringLiteral(". ") + name + details, start, moves});
        open = false;
    }

    void Event(qsizetype line, QStringView tag)
    {
        ResolveLeadingText(line);
        // An Event tag ends the game before it, unless that game is only
        // tags so far and has no Event yet ([White "x"] then [Event "y"]).
        if (!open || haveEvent || sawMoves) {
            StartGame(line);
        }
        haveEvent = true;
        moves = line + 1;
        event = TagValue(tag);
    }

    void OtherTag(qsizetype line, QStringView tag, QStringView name)
    {
        ResolveLeadingText(line);
        if (!open || sawMoves) {
            StartGame(line);
        }
        Describe(tag, name);
    }

    void Moves(qsizetype line)
    {
        if (open) {
            sawMoves = true;
        } else if (leadingText < 0) {
            leadingText = line;
        }
    }

    // Text before the first tag is a game when it holds a move, a move
    // number or a result; a remark on the file in a comment is not one.
    void ResolveLeadingText(qsizetype end)
    {
        if (leadingText < 0) {
            return;
        }
        TPgnMovetextScanner scanner(lines, leadingText, end);
        for (TPgnToken token = scanner.Next(); token.kind != TPgnTokenKind::End; token = scanner.Next()) {
            if (token.kind != TPgnTokenKind::Comment) {
                StartGame(leadingText);
                sawMoves = true;
                break;
            }
        }
        leadingText = -1;
    }

    TPgnGameList list;

private:
    void Describe(QStringView tag, QStringView name)
    {
        const auto is = [name](QStringView known) { return name.compare(known, Qt::CaseInsensitive) == 0; };
        if (is(u"Site")) {
            const QString value = TagValue(tag);
            if (!value.isEmpty() && value != u"?") {
                details += QStringLiteral(" at ") + value;
            }
        } else if (is(u"Date")) {
            details += DatePart(TagValue(tag));
        } else if (is(u"Round")) {
            const QString value = TagValue(tag);
            if (!value.isEmpty() && value != u"?" && value != u"-") {
                details += QStringLiteral(" round ") + value;
            }
        } else if (is(u"White")) {
            details += QStringLiteral("; ") + TagValue(tag);
        } else if (is(u"Black")) {
            details += QStringLiteral(" vs ") + TagValue(tag);
        } else if (is(u"Result")) {
            details += u' ' + TagValue(tag);
        }
    }

    const QStringList& lines;
    qsizetype leadingText = -1;
    bool open = false;
    qsizetype start = 0;
    qsizetype moves = 0;
    QString event;
    QString details;
    bool haveEvent = false;
    bool sawMoves = false;
};

// The first character that is not padding, or 0 for a blank line.
QChar FirstCharacter(const QString& line)
{
    for (const QChar c : line) {
        if (!IsPgnBlank(c)) {
            return c;
        }
    }
    return QChar(0);
}

void ReadLine(TListBuilder& builder, const QString& line, qsizetype index)
{
    // Most lines are moves or blank: one look at the first character
    // settles them before any real work.
    const QChar first = FirstCharacter(line);
    if (first.isNull() || IsEscapeLine(line)) {
        return;
    }
    if (first != u'[' || !IsTagLine(line)) {
        builder.Moves(index);
        return;
    }
    const QStringView name = TagName(line);
    if (name.compare(u"Event", Qt::CaseInsensitive) == 0) {
        builder.Event(index, line);
    } else if (!name.isEmpty() && name.front().isLetter()) {
        builder.OtherTag(index, line, name);
    } else {
        // A bracket of the movetext alone on a line, such as [%clk 0:05:00].
        builder.Moves(index);
    }
}

} // namespace

TPgnGameList ListPgnGames(const QStringList& lines, const TPgnListProgress& progress)
{
    TListBuilder builder(lines);
    const qsizetype total = lines.size();
    const qsizetype every = progress.every > 0 ? progress.every : 4096;
    for (qsizetype i = 0; i < total; ++i) {
        if (i % every == 0 && i > 0) {
            if (progress.report) {
                progress.report(i, total);
            }
            if (progress.cancel && progress.cancel->load(std::memory_order_relaxed)) {
                builder.ResolveLeadingText(i);
                builder.Finish();
                builder.list.cancelled = true;
                return builder.list;
            }
        }
        ReadLine(builder, lines[i], i);
    }
    builder.ResolveLeadingText(total);
    builder.Finish();
    if (progress.report) {
        progress.report(total, total);
    }
    return builder.list;
}
