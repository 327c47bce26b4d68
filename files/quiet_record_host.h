#pragma once

#include <QString>

#include "record/history.h"
#include "record/record_commands.h"
#include "record/record_host.h"

// A game record with its commands and a host that shows nothing: games are
// read into it without a window, to check a library or to measure the
// readers. Moves the engine makes are recorded as the window records them;
// comment boxes are counted and answered at once. Message boxes go through
// the presenter installed for the program as ever.
class TQuietRecordHost : public TRecordHost {
public:
    TQuietRecordHost();
    TQuietRecordHost(const TQuietRecordHost&) = delete;
    TQuietRecordHost& operator=(const TQuietRecordHost&) = delete;

    QString CommentText() const override { return comment; }
    void SetCommentText(const QString& text) override { comment = text; }
    TGameMode GameMode() const override { return mode; }
    void SetGameMode(TGameMode newMode) override { mode = newMode; }
    TPlayKind PlayKind() const override { return playKind; }
    void SetPlayKind(TPlayKind kind) override { playKind = kind; }
    bool GameOver() const override;
    void AcceptLastMove() override;
    bool CommentMessageBox(const QString& caption, const QString& text, bool withCancel) override;

    TGameRecord record;
    TRecordCommands commands {record, *this};
    int commentBoxes = 0;

private:
    QString comment;
    TGameMode mode = TGameMode::Stopped;
    TPlayKind playKind = TPlayKind::Unset;
};
