#pragma once

#include <QString>
#include <QStringList>

#include "engine/types.h"
#include "files/feed_result.h"
#include "files/game_info.h"
#include "record/history.h"

class TRecordCommands;
class TRecordHost;
class TTextStore;

// The program's own game file: "[Zorbel Game]", the game information, the
// clocks, the board's rotation, who plays whom, a set-up start position, the
// user's settings carried with the game, and the moves with their comments in
// columns. It is read in two passes: the first gathers everything that must
// be known before the game can start, the second enters the moves.

// What the first pass over a native game file finds.
struct TNativeGame {
    TInfoRec info;
    bool whiteTimeGiven = false, blackTimeGiven = false;
    double whiteDays = 0, blackDays = 0; // elapsed clock time in days
    bool rotatedGiven = false, rotated = false;
    int playKind = 0; // GamePlay line, 0 when absent
    bool boardGiven = false;
    engine::BoardImage board {}; // when boardGiven
    engine::PositionState state {}; // standard start values unless lines say otherwise
    int startPly = 0;
    bool settingsGiven = false; // at least one line in [Settings]
    int badLines = 0; // lines that got message 1006 (already shown)
};

// First pass. Shows message 1006 for each bad board line (and counts it). Hands each
// [Settings] line to ReadGameSetting (first word with colon, rest).
TNativeGame ReadNativeGame(const QStringList& lines);

// Second pass: "[DEMO]" sets host.SetGameMode(Demonstration); reads the [Moves] section,
// collecting comments in the comment box (commands.AddToComment) and entering moves with
// commands.EnterMove (which shows 1013/1014 on failure; then stop, stoppedEarly = true).
// In demonstration mode calls host.MoveDelayPause() after each move; stops when
// host.Terminating(). The comment after the last move is left in the comment box.
TFeedResult FeedNativeMoves(const QStringList& lines, TRecordCommands& commands, TRecordHost& host);

struct TNativeSave {
    const TGameRecord* record = nullptr;
    TInfoRec info;
    double whiteDays = 0, blackDays = 0;
    bool rotated = false;
    int playKind = -1; // -1: no GamePlay line (game not Playing/QuickHint)
    bool standardStart = true; // false: write [Board] from startBoard/startState
    engine::BoardImage startBoard {};
    engine::PositionState startState {};
    QStringList settingsBlock; // WriteGameSettings() output, may be empty
    int notationStyle = 0; // the user's move notation style for PlyTextPadded
};

// Writes the whole file into the store through StoreWriteLine; the store
// joins the lines with CR LF when it delivers them. Does not commit.
void WriteNativeGame(TTextStore& store, const TNativeSave& game);
