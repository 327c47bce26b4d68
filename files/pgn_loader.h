#pragma once

#include <QString>
#include <QStringList>

#include "files/feed_result.h"
#include "files/game_info.h"
#include "files/pgn_game_list.h"
#include "record/game_modes.h"

#include <functional>

class TRecordCommands;
class TRecordHost;

// What the tag pass finds for one game of the list.
struct TPgnGameTags {
    TInfoRec info; // the tags of the GameInfo table (names compared ignoring case)
    QString timeControl; // TimeControl tag value, empty when none
    QString fen; // FEN tag value
    bool setUp = false; // SetUp "1" or a FEN tag
    qsizetype movesLine = 0; // first line of its movetext
    qsizetype endLine = 0; // where the next game starts (or the number of lines)
};

// The tags of game `index` of the list, read from its first line up to the
// next game; the last of a repeated tag wins and unknown tags are passed
// over. An index outside the list gives empty tags and an empty movetext.
TPgnGameTags ReadPgnGameTags(const QStringList& lines, const TPgnGameList& list, int index);

// Enters the game's movetext through the ordinary move input, as if the
// moves were played: comments build up in the comment box and go with the
// move after them, move numbers and "*" are passed over, and a move that
// cannot be entered shows its message and ends the reading (stoppedEarly).
// "1-0", "0-1" and "1/2-1/2" record a resignation or an agreed draw when
// the game is still going and the side to move is the one giving up; a
// result that no longer applies is passed over. A comment after the last
// move is stored with it, and stays in the box for the window to show.
// Stops at tags.endLine, at the end of the text, or when the host is
// terminating.
TFeedResult FeedPgnMoves(
    const QStringList& lines, const TPgnGameTags& tags, TRecordCommands& commands, TRecordHost& host);

// One game of the list loaded into the record the way the window opens it:
// a new game from the FEN tag (or the standard position), play kind unset,
// the given load mode, then the movetext. A FEN that cannot start a game
// shows its message and leaves an empty game from the standard position
// (stoppedEarly). An index outside the list changes nothing. The tags read
// are handed back, and to `started` once the game has begun and before its
// moves are read, so a window shows the players while the moves come.
TFeedResult LoadPgnGameInto(const QStringList& lines, const TPgnGameList& list, int index,
    TRecordCommands& commands, TRecordHost& host, TPgnGameTags& tags,
    TGameMode loadMode = TGameMode::Loading, const std::function<void(const TPgnGameTags&)>& started = {});
