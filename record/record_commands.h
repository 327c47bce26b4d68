#pragma once

#include <QString>

#include "record/history.h"
#include "record/position_reader.h"
#include "record/record_host.h"

// The main window's commands on the game record: comments and bookmarks,
// recording and retracting moves, undo, redo and going to a move, restarting,
// entering moves and positions from text. The window's methods of the same
// names call these; the board, sound and display side is left to the host.
class TRecordCommands {
public:
    TRecordCommands(TGameRecord& record, TRecordHost& host)
        : record(record)
        , host(host)
    { }

    // Comment box.
    QString GetCommentText() const { return host.CommentText(); }
    // The box becomes the text when empty; otherwise the text is added
    // after a blank.
    void AddToComment(const QString& text);
    // Stores the box as the comment of the position shown, optionally
    // emptying the box.
    void StoreComment(bool clear);
    // The comment of the position shown.
    QString CurrentComment() const;
    void StoreBoard();
    void FlipBookmark();
    // When the box holds a comment: at the end of a game and during a
    // demonstration the box is shown and the comment is put in a message
    // box too (also while a game is opened without moves in quick replay).
    // Cancelling the message box of a demonstration ends it in quick replay.
    void ShowComment();
    void CommentMessageBox(bool withCancel);

    // Records a move the engine has made (a pseudo-entry is recorded as it
    // is); a move that differs from the one recorded at its ply cuts the
    // rest of the list off. A zero record changes nothing.
    void BoardExecuteMove(engine::MoveRecord move);
    void BoardRetractMove(const engine::MoveRecord& move);

    // Each returns false when it could not move (nothing to undo or redo, or
    // the engine refused; then a message was shown and the command disabled).
    bool UndoMove();
    bool RedoMove();
    // Leaves the board at the position after ply - 1; stops where undo or
    // redo stops.
    void GotoMove(int ply);

    // Begins a new empty record whose first ply is startPly.
    void RestartGame(int startPly);

    // Enters move text: a move, or a resignation or draw. True when taken
    // (or empty); false after message 1014 (unreadable) or 1013 (refused).
    // With standardLetters (PGN) the English piece letters are read
    // whatever the options say.
    bool EnterMove(const QString& text, bool standardLetters = false);
    // Enters a blank-separated list of moves; the numbers of the moves due
    // ("1." or "1.e4") are passed over, and the list stops at the first
    // move that is not taken.
    void EnterMoveString(const QString& text);
    // Whether the word is the number of the move due next ("12", "12." for
    // White, "12", "12..." for Black).
    bool TurnIsPly(const QString& word) const;
    // Whether EnterMove would record the result word now: "1-0" or "0-1"
    // as the resignation of the side to move, or "1/2-1/2" as a draw.
    bool TakesResult(const QString& word) const;

    // Starts a new game from a FEN (the standard position when the text is
    // empty), or from an EPD line whose extras go to the caller. A position
    // that cannot start a game gives its message (1001, 1002 or 1003) and
    // leaves the game as it was.
    bool EnterFENPosition(const QString& text);
    bool EnterEPDPosition(const QString& text, TEpdExtras& extras);

private:
    // The word without the number of the move due in front of it; empty
    // when the word is that number alone.
    QString WithoutMoveNumber(const QString& word) const;
    bool StartFromPosition(const TPositionText& position);
    void ShowCurrentComment();

    TGameRecord& record;
    TRecordHost& host;
};
