// A record host for fuzzers: the comment box and the modes are plain fields,
// accepted moves are recorded as the window records them, and message boxes
// are answered at once and counted instead of being shown or logged.
#pragma once

#include <QString>

#include "engine/engine_interface.h"
#include "record/history.h"
#include "record/record_commands.h"
#include "record/record_host.h"
#include "settings/message_box.h"

#include <cstdlib>

namespace fuzzing {

inline void Check(bool ok)
{
    if (!ok) {
        std::abort();
    }
}

// Message boxes shown since the last Reset.
inline int& ShownMessages()
{
    static int count = 0;
    return count;
}

inline void AnswerMessagesAtOnce()
{
    static const bool installed = [] {
        setMessageBoxPresenter([](const TMessageBoxRequest& request) {
            ++ShownMessages();
            return EscapeButton(request.buttons);
        });
        return true;
    }();
    (void)installed;
    ShownMessages() = 0;
}

class TFuzzHost : public TRecordHost {
public:
    explicit TFuzzHost(TGameRecord& record)
        : record(record)
        , commands(record, *this)
    { }

    QString CommentText() const override { return comment; }
    void SetCommentText(const QString& text) override { comment = text; }
    TGameMode GameMode() const override { return mode; }
    void SetGameMode(TGameMode newMode) override { mode = newMode; }
    TPlayKind PlayKind() const override { return playKind; }
    void SetPlayKind(TPlayKind kind) override { playKind = kind; }
    bool GameOver() const override { return StatusEndsGame(record.GameStatus()); }
    void AcceptLastMove() override
    {
        engine::MoveRecord move {};
        engine::GetLastMove(move);
        commands.BoardExecuteMove(move);
    }

    TGameRecord& record;
    TRecordCommands commands;
    QString comment;
    TGameMode mode = TGameMode::Stopped;
    TPlayKind playKind = TPlayKind::TwoPlayer;
};

} // namespace fuzzing
