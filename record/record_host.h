#pragma once

#include <QString>

#include "engine/types.h"
#include "record/game_modes.h"

// What the game-record commands need from the main window: the comment box,
// the game mode and play kind, and notices for the board, the move list and
// the clocks. The window implements it; tests implement it with a fixture.
// The notices do nothing unless the window needs them.
class TRecordHost {
public:
    virtual ~TRecordHost() = default;

    // The comment box of the status panel.
    virtual QString CommentText() const = 0;
    virtual void SetCommentText(const QString& text) = 0;

    virtual TGameMode GameMode() const = 0;
    virtual void SetGameMode(TGameMode mode) = 0;
    virtual TPlayKind PlayKind() const = 0;
    virtual void SetPlayKind(TPlayKind kind) = 0;
    virtual bool GameOver() const = 0;

    // The engine has made a move entered from text: show and record it
    // (the window fetches it with GetLastMove and calls BoardExecuteMove).
    virtual void AcceptLastMove() = 0;
    // In board set-up a typed move only moves the piece on the board.
    virtual void SlidePieceInSetup(const engine::MovePattern& pattern) { (void)pattern; }

    virtual void StopActiveClock() { }
    // Before a move is recorded, while the position before it is current
    // (narration prepares its words here).
    virtual void MoveAboutToBeRecorded(const engine::MoveRecord& move) { (void)move; }
    // After the record has taken a move, or taken one back: the board and
    // display follow.
    virtual void MoveExecuted(const engine::MoveRecord& move) { (void)move; }
    virtual void MoveRetracted(const engine::MoveRecord& move) { (void)move; }
    // The list of moves got longer or shorter; or only a mark changed.
    virtual void MoveListResized() { }
    virtual void RepaintMoveList() { }
    // A game from the initial position has a new line: name its opening.
    virtual void LookUpOpening() { }
    virtual void SetUndoEnabled(bool enabled) { (void)enabled; }
    virtual void SetRedoEnabled(bool enabled) { (void)enabled; }
    // A new game: clear the message line and the game information, reset
    // the clocks and the game-over flag.
    virtual void GameRestarted() { }
    // A new game has been set up from a position: redraw the board.
    virtual void PositionEntered() { }

    // Showing a comment: the comment box itself, and a message box with the
    // comment under the caption given, which returns false when its Cancel
    // button (offered only when withCancel is set) was pressed.
    virtual void ShowCommentBox() { }
    virtual bool CommentMessageBox(const QString& caption, const QString& text, bool withCancel)
    {
        (void)caption;
        (void)text;
        (void)withCancel;
        return true;
    }
    virtual void RepaintBoard() { }

    // Replaying a list of moves.
    virtual void MoveDelayPause() { }
    virtual bool Terminating() const { return false; }
    // After a list: refresh the pieces and the turn display and let the
    // next move start.
    virtual void MoveStringEntered() { }
};
