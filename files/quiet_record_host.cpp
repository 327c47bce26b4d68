#include "files/quiet_record_host.h"

#include "engine/engine_interface.h"

TQuietRecordHost::TQuietRecordHost() = default;

bool TQuietRecordHost::GameOver() const
{
    return StatusEndsGame(record.GameStatus());
}

void TQuietRecordHost::AcceptLastMove()
{
    engine::MoveRecord move {};
    engine::GetLastMove(move);
    commands.BoardExecuteMove(move);
}

bool TQuietRecordHost::CommentMessageBox(const QString& caption, const QString& text, bool withCancel)
{
    (void)caption;
    (void)text;
    (void)withCancel;
    ++commentBoxes;
    return true;
}
