#pragma once

#include <QIODevice>
#include <QList>

#include "engine/types.h"
#include "files/feed_result.h"

class TRecordCommands;
class TRecordHost;

// The two binary game files of earlier versions, which hold nothing but the
// moves: a fixed header, then one record per ply whose first five bytes are a
// move pattern.
enum class TBinaryForm { A, B }; // "Borland Pascal Chess saved game" / "Zor-Bel!"

// The move records after the header (42 or 145 bytes; records of 12 or 13 bytes, first
// five bytes a MovePattern). A short last record ends the list. Reads at most a sane
// number of records (a game cannot have more than a few thousand plies), so a 2 GB file
// costs nothing. The header is skipped from the start of a device that can seek, from
// where it stands otherwise; a read error ends the list.
QList<engine::MovePattern> ReadBinaryGameMoves(QIODevice& file, TBinaryForm form);

// Enters them with CompleteAndEnterMove; each accepted one is recorded through
// host.AcceptLastMove(); the first refused one gives message 1007 and ends the feed
// (stoppedEarly). Stops when the game is over or host.Terminating(); demonstration pause
// as above.
TFeedResult FeedBinaryMoves(
    const QList<engine::MovePattern>& moves, TRecordCommands& commands, TRecordHost& host);
