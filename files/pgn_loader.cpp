#include "files/pgn_loader.h"

#include "files/pgn_movetext.h"
#include "files/pgn_tags.h"
#include "record/record_commands.h"
#include "record/record_host.h"

namespace {

void ReadTag(TPgnGameTags& tags, QStringView line)
{
    const QStringView name = TagName(line);
    if (const TInfoField* field = FindInfoField(name)) {
        tags.info.*field->member = TagValue(line);
    } else if (name.compare(u"TimeControl", Qt::CaseInsensitive) == 0) {
        tags.timeControl = TagValue(line);
    } else if (name.compare(u"FEN", Qt::CaseInsensitive) == 0) {
        tags.fen = TagValue(line);
        tags.setUp = true;
    } else if (name.compare(u"SetUp", Qt::CaseInsensitive) == 0 && TagValue(line) == u"1") {
        tags.setUp = true;
    }
}

// Tokens that are never entered: move numbers (a number that is not the
// one due, as in a puzzle whose FEN counts from 1 while its moves are
// numbered from the game, can only be a slip of numbering, never a move)
// and the "*" of an unfinished game.
bool PassedOver(const TPgnToken& token, const TRecordCommands& commands)
{
    switch (token.kind) {
    case TPgnTokenKind::MoveNumber:
        return true;
    case TPgnTokenKind::Result:
        return token.text == u"*";
    case TPgnTokenKind::Move:
        return commands.TurnIsPly(token.text);
    default:
        return false;
    }
}

// After mate or another end, and for a result the side to move cannot
// give ("1-0" with White to move: Black lost on its own move, on time or
// by forfeit), nothing more is recorded. The comment box is then left
// alone: what it holds belongs to the last move.
bool Enterable(const TPgnToken& token, const TRecordCommands& commands, const TRecordHost& host)
{
    if (host.GameOver()) {
        return false;
    }
    return token.kind != TPgnTokenKind::Result || commands.TakesResult(token.text);
}

} // namespace

TPgnGameTags ReadPgnGameTags(const QStringList& lines, const TPgnGameList& list, int index)
{
    TPgnGameTags tags;
    if (index < 0 || index >= list.games.size()) {
        return tags;
    }
    const TPgnGameEntry& game = list.games[index];
    const qsizetype end = index + 1 < list.games.size() ? list.games[index + 1].line : lines.size();
    tags.movesLine = game.moves;
    tags.endLine = qMin(end, lines.size());
    for (qsizetype i = game.line; i < tags.endLine; ++i) {
        const QString& line = lines[i];
        if (line.contains(u'[') && IsTagLine(line)) {
            ReadTag(tags, line);
        }
    }
    return tags;
}

TFeedResult FeedPgnMoves(
    const QStringList& lines, const TPgnGameTags& tags, TRecordCommands& commands, TRecordHost& host)
{
    TFeedResult result;
    TPgnMovetextScanner scanner(lines, tags.movesLine, tags.endLine);
    while (!host.Terminating()) {
        const TPgnToken token = scanner.Next();
        if (token.kind == TPgnTokenKind::End) {
            break;
        }
        if (token.kind == TPgnTokenKind::Comment) {
            commands.AddToComment(token.text);
            continue;
        }
        if (PassedOver(token, commands) || !Enterable(token, commands, host)) {
            continue;
        }
        commands.ShowComment();
        if (!commands.EnterMove(token.text, /*standardLetters*/ true)) {
            result.stoppedEarly = true;
            break;
        }
        ++result.plies;
        host.SetCommentText({});
        if (host.GameMode() == TGameMode::Demonstration) {
            host.MoveDelayPause();
        }
    }
    // The words after the last move (or of a game without moves) are its
    // comment; kept in the box as well, so the window shows them.
    if (!host.CommentText().isEmpty()) {
        commands.StoreComment(false);
    }
    return result;
}

TFeedResult LoadPgnGameInto(const QStringList& lines, const TPgnGameList& list, int index,
    TRecordCommands& commands, TRecordHost& host, TPgnGameTags& tags, TGameMode loadMode,
    const std::function<void(const TPgnGameTags&)>& started)
{
    if (index < 0 || index >= list.games.size()) {
        return {};
    }
    tags = ReadPgnGameTags(lines, list, index);
    commands.RestartGame(0);
    host.SetPlayKind(TPlayKind::Unset);
    if (!commands.EnterFENPosition(tags.setUp ? tags.fen : QString())) {
        // The refused position's message has been shown; moves written for
        // it would not fit any other, so the game stays empty.
        commands.EnterFENPosition({});
        return {0, true};
    }
    if (started) {
        started(tags);
    }
    host.SetGameMode(loadMode);
    return FeedPgnMoves(lines, tags, commands, host);
}
