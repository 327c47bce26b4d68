#include "files/line_words.h"
#include "files/native_file.h"
#include "files/native_layout.h"
#include "record/record_commands.h"
#include "record/record_host.h"

using namespace native_layout;

namespace {

bool IsSection(const QString& line, const char16_t* name)
{
    return line.compare(QStringView(name), Qt::CaseInsensitive) == 0;
}

class TMovesReader {
public:
    TMovesReader(TRecordCommands& commands, TRecordHost& host)
        : commands(commands)
        , host(host)
    { }

    // One line of the moves section; false when a move was not taken. An
    // indented line that continues a comment is text whatever its first word
    // is: the number of the move due, or the word COMMENT.
    bool ReadLine(const QString& text, bool continuation)
    {
        const TLineWords words = SplitFirstWord(text.trimmed());
        if (!continuation && !host.GameOver() && commands.TurnIsPly(words.word)) {
            return ReadMoveLine(words.rest);
        }
        if (!continuation && words.word.compare(CommentWord, Qt::CaseInsensitive) == 0) {
            if (!words.rest.isEmpty()) {
                commands.AddToComment(words.rest);
            }
        } else if (!host.CommentText().isEmpty() && !words.word.isEmpty()) {
            commands.AddToComment(words.rest.isEmpty() ? words.word : words.word + u' ' + words.rest);
        }
        return true;
    }

    TFeedResult result;

private:
    // The comment gathered so far belongs before the first move of the line;
    // entering that move stores it there.
    bool ReadMoveLine(QString rest)
    {
        commands.ShowComment();
        QString first = TakeWord(rest);
        rest = rest.trimmed();
        JoinEnPassantMark(first, rest);
        if (!Enter(first)) {
            return false;
        }
        if (host.GameOver() || host.Terminating()) {
            return true;
        }
        return Enter(rest);
    }

    // The short style writes an en-passant capture as "exd6 e.p.": the mark
    // belongs to the move before it, not to the one after.
    static void JoinEnPassantMark(QString& move, QString& rest)
    {
        QString after = rest;
        const QString mark = TakeWord(after);
        if (mark.compare(u"e.p.", Qt::CaseInsensitive) == 0) {
            move += u' ' + mark;
            rest = after.trimmed();
        }
    }

    bool Enter(const QString& move)
    {
        if (move.isEmpty()) {
            return true;
        }
        if (!commands.EnterMove(move)) {
            result.stoppedEarly = true;
            return false;
        }
        ++result.plies;
        host.SetCommentText({});
        if (host.GameMode() == TGameMode::Demonstration) {
            host.MoveDelayPause();
        }
        return true;
    }

    TRecordCommands& commands;
    TRecordHost& host;
};

} // namespace

TFeedResult FeedNativeMoves(const QStringList& lines, TRecordCommands& commands, TRecordHost& host)
{
    TMovesReader reader(commands, host);
    bool inMoves = false;
    // The header line is never read: old files name it differently.
    for (qsizetype i = 1; i < lines.size() && !host.Terminating(); ++i) {
        const QString& text = lines[i];
        // Comment text that wraps onto a line beginning with "[" stays
        // comment text rather than ending the section.
        const bool continuation = inMoves && IsIndented(text) && !host.CommentText().isEmpty();
        const QString line = text.trimmed();
        if (!continuation && line.startsWith(u'[')) {
            if (IsSection(line, u"[DEMO]")) {
                host.SetGameMode(TGameMode::Demonstration);
            } else {
                inMoves = IsSection(line, u"[MOVES]");
            }
            continue;
        }
        if (inMoves && !reader.ReadLine(text, continuation)) {
            break;
        }
    }
    return reader.result;
}
