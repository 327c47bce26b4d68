// A stand-in for the main window around the game record: the comment box,
// the game mode and play kind, message boxes answered at once and noted,
// and a language file whose message texts are "M" and the number.
#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include "engine/engine_interface.h"
#include "record/history.h"
#include "record/notation_reader.h"
#include "record/record_commands.h"
#include "settings/message_box.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

// Failures show texts as texts.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace record_testing {

inline constexpr const char* StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

class TTestHost : public TRecordHost {
public:
    TTestHost(TGameRecord& record, TRecordCommands& commands)
        : record(record)
        , commands(commands)
    { }

    QString CommentText() const override { return comment; }
    void SetCommentText(const QString& text) override { comment = text; }
    TGameMode GameMode() const override { return mode; }
    void SetGameMode(TGameMode newMode) override { mode = newMode; }
    TPlayKind PlayKind() const override { return playKind; }
    void SetPlayKind(TPlayKind kind) override { playKind = kind; }
    bool GameOver() const override { return StatusEndsGame(record.GameStatus()); }

    // As the window does: the engine's move is fetched and recorded.
    void AcceptLastMove() override
    {
        engine::MoveRecord move {};
        engine::GetLastMove(move);
        commands.BoardExecuteMove(move);
    }
    void RepaintMoveList() override { ++repaints; }
    void MoveListResized() override { ++resizes; }
    void SetUndoEnabled(bool enabled) override { undoEnabled = enabled; }
    void SetRedoEnabled(bool enabled) override { redoEnabled = enabled; }
    void ShowCommentBox() override { ++commentBoxShown; }
    bool CommentMessageBox(const QString& caption, const QString& text, bool withCancel) override
    {
        commentBoxes.append(caption + u'|' + text + (withCancel ? QStringLiteral("|cancel") : QString()));
        return !cancelCommentBox;
    }

    QString comment;
    TGameMode mode = TGameMode::Stopped;
    TPlayKind playKind = TPlayKind::Unset;
    int repaints = 0;
    int resizes = 0;
    bool undoEnabled = true;
    bool redoEnabled = true;
    int commentBoxShown = 0;
    QStringList commentBoxes;
    bool cancelCommentBox = false;

private:
    TGameRecord& record;
    TRecordCommands& commands;
};

class RecordTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // A new game from the FEN; fails the test when it is refused.
    void StartAt(const char* fen);
    // Enters each blank-separated move, expecting every one to be taken.
    void Play(const char* moves);
    // Reads move text against the current position; the move read as
    // coordinates with the promotion piece ("e7e8n"), or "" when rejected.
    std::string Read(const QString& text, bool standardLetters = false);

    TGameRecord record;
    TRecordCommands commands {record, host};
    TTestHost host {record, commands};
    QStringList messages;

private:
    QTemporaryDir folder;
    MessageBoxPresenter savedPresenter;
};

// "e2e4", with the promotion piece's letter after a promotion's target.
std::string Coordinates(const engine::MovePattern& pattern);

} // namespace record_testing
