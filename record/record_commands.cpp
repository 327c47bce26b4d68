#include "record/record_commands.h"

#include "engine/engine_interface.h"
#include "record/notation_reader.h"
#include "record/notation_writer.h"
#include "record/ply_text.h"
#include "record/position_check.h"
#include "record/text_words.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"

#include <algorithm>

using namespace engine;

namespace {

bool IsZeroRecord(const MoveRecord& move)
{
    return move.Piece == Empty && move.Status == 0;
}

bool IsResignation(const QString& text, int currentPly)
{
    // "1-0" gives up for Black only when Black is to move, "0-1" for White
    // only when White is.
    const bool blackToMove = currentPly % 2 == 0;
    return text.left(6).compare(u"RESIGN", Qt::CaseInsensitive) == 0 || (text == u"1-0" && blackToMove)
        || (text == u"0-1" && !blackToMove);
}

bool IsDrawAgreement(const QString& text)
{
    return text.left(4).compare(u"DRAW", Qt::CaseInsensitive) == 0 || text == u"1/2-1/2" || text == u"1/2"
        || text == u".5-.5" || text == u".5";
}

} // namespace

void TRecordCommands::AddToComment(const QString& text)
{
    const QString box = host.CommentText();
    host.SetCommentText(box.isEmpty() ? text : box + u' ' + text);
}

void TRecordCommands::StoreComment(bool clear)
{
    if (record.CurrentPly < record.StartPly) {
        record.PreGameComment = host.CommentText();
    } else {
        record.EntryFor(record.CurrentPly).Comment = host.CommentText();
    }
    if (clear) {
        host.SetCommentText({});
    }
}

QString TRecordCommands::CurrentComment() const
{
    return record.CurrentPly < record.StartPly ? record.PreGameComment : record.CommentAt(record.CurrentPly);
}

void TRecordCommands::ShowCurrentComment()
{
    if (host.GameMode() != TGameMode::Loading) {
        host.SetCommentText(CurrentComment());
    }
}

void TRecordCommands::StoreBoard()
{
    if (record.CurrentPly >= record.StartPly) {
        record.EntryFor(record.CurrentPly).Board = record.Board;
    }
}

void TRecordCommands::FlipBookmark()
{
    if (record.CurrentPly >= record.StartPly) {
        std::uint8_t& mark = record.EntryFor(record.CurrentPly).Bookmarked;
        mark = mark ? 0 : 1;
    }
    host.RepaintMoveList();
}

void TRecordCommands::ShowComment()
{
    if (host.CommentText().isEmpty()) {
        return;
    }
    const TGameMode mode = host.GameMode();
    const bool shown = host.GameOver() || mode == TGameMode::Demonstration;
    if (shown) {
        host.ShowCommentBox();
    }
    if (shown || (mode == TGameMode::QuickReplay && record.EndPly == 0)) {
        CommentMessageBox(mode == TGameMode::Demonstration);
        host.RepaintBoard();
    }
}

void TRecordCommands::CommentMessageBox(bool withCancel)
{
    if (!host.CommentMessageBox(MessageText(msg::CommentBoxCaption), host.CommentText(), withCancel)
        && withCancel) {
        host.SetGameMode(TGameMode::QuickReplay);
    }
}

void TRecordCommands::BoardExecuteMove(MoveRecord move)
{
    host.StopActiveClock();
    if (host.GameMode() != TGameMode::Loading) {
        StoreComment(true);
    }
    if (IsZeroRecord(move)) {
        return;
    }
    // The legal moves still belong to the position before the move.
    if (move.Piece != Empty) {
        SetDisambiguation(move, record.LegalMoves);
    }
    host.MoveAboutToBeRecorded(move);
    ++record.CurrentPly;
    if (host.GameMode() != TGameMode::QuickHint) {
        record.RefreshPosition();
    }
    StoreBoard();
    THistory& entry = record.EntryFor(record.CurrentPly);
    if (MovesDiffer(entry.Move, move)) {
        record.Modified = true;
        record.EndPly = record.CurrentPly + 1;
        // The comment and bookmark of a move that is replaced do not belong
        // to the new one.
        if (!IsZeroRecord(entry.Move)) {
            entry.Comment.clear();
            entry.Bookmarked = 0;
        }
        entry.Move = move;
        record.TruncateHistory(record.EndPly - record.StartPly);
        host.MoveListResized();
        if (record.StartsFromInitial) {
            host.LookUpOpening();
        }
    }
    host.MoveExecuted(entry.Move);
    ShowCurrentComment();
}

void TRecordCommands::BoardRetractMove(const MoveRecord& move)
{
    host.StopActiveClock();
    if (host.GameMode() != TGameMode::Loading) {
        StoreComment(true);
    }
    if (IsZeroRecord(move)) {
        return;
    }
    --record.CurrentPly;
    record.RefreshPosition();
    host.MoveRetracted(move);
    ShowCurrentComment();
}

bool TRecordCommands::UndoMove()
{
    if (record.CurrentPly < record.StartPly) {
        return false;
    }
    const MoveRecord move = record.MoveAt(record.CurrentPly);
    if (IsZeroRecord(move)) {
        return false;
    }
    if (!IsPseudoEntry(move) && TakeBackMove(move) != CodeDone) {
        ErrorMessage(msg::CannotUndoMove, PlyText(record, Options.Notation, record.CurrentPly));
        host.SetUndoEnabled(false);
        return false;
    }
    BoardRetractMove(move);
    return true;
}

bool TRecordCommands::RedoMove()
{
    if (record.CurrentPly + 1 >= record.EndPly) {
        return false;
    }
    const int ply = record.CurrentPly + 1;
    const MoveRecord move = record.MoveAt(ply);
    if (IsZeroRecord(move)) {
        return false;
    }
    if (!IsPseudoEntry(move)) {
        MovePattern pattern {
            move.Piece, move.Origin.File, move.Origin.Rank, move.Destination.File, move.Destination.Rank};
        if (!CompleteAndEnterMove(pattern)) {
            ErrorMessage(msg::CannotRedoMove, PlyText(record, Options.Notation, ply));
            host.SetRedoEnabled(false);
            return false;
        }
    }
    BoardExecuteMove(move);
    return true;
}

void TRecordCommands::GotoMove(int ply)
{
    while (record.CurrentPly >= ply) {
        if (!UndoMove()) {
            return;
        }
    }
    while (record.CurrentPly < ply - 1) {
        if (!RedoMove()) {
            return;
        }
    }
}

void TRecordCommands::RestartGame(int startPly)
{
    startPly = std::max(startPly, 0);
    record.Modified = false;
    host.GameRestarted();
    record.ClearHistory();
    host.SetCommentText({});
    record.StartPly = startPly;
    record.EndPly = startPly;
    record.CurrentPly = startPly - 1;
    if (host.PlayKind() == TPlayKind::AutoPlay) {
        host.SetPlayKind(TPlayKind::TwoPlayer);
    }
    host.SetGameMode(TGameMode::Stopped);
    record.DescriptiveInput = false;
}

bool TRecordCommands::EnterMove(const QString& text, bool standardLetters)
{
    const QString move = text.trimmed();
    if (move.isEmpty()) {
        return true;
    }
    if (host.GameMode() == TGameMode::Loading) {
        StoreComment(true);
    }
    if (IsResignation(move, record.CurrentPly)) {
        BoardExecuteMove(MakeResignationEntry());
        return true;
    }
    if (IsDrawAgreement(move)) {
        BoardExecuteMove(MakeDrawAgreedEntry());
        return true;
    }
    MovePattern pattern {};
    const TMoveInput input {record.LegalMoves, record.SideToMove(), record.DescriptiveInput, standardLetters};
    if (!ParseMoveText(move, input, pattern)) {
        ErrorMessage(msg::MoveUnreadable, move);
        return false;
    }
    if (host.GameMode() == TGameMode::BoardSetup) {
        host.SlidePieceInSetup(pattern);
        return true;
    }
    if (!CompleteAndEnterMove(pattern)) {
        ErrorMessage(msg::MoveRefused, move);
        return false;
    }
    host.AcceptLastMove();
    return true;
}

void TRecordCommands::EnterMoveString(const QString& text)
{
    const TPlayKind playKind = host.PlayKind();
    host.SetPlayKind(TPlayKind::TwoPlayer);
    host.SetGameMode(Options.FastRedo ? TGameMode::QuickReplay : TGameMode::Demonstration);
    QString rest = text;
    while (!host.GameOver() && !host.Terminating()) {
        const QString word = WithoutMoveNumber(TakeWord(rest));
        if (word.isEmpty()) {
            if (rest.trimmed().isEmpty()) {
                break;
            }
            continue;
        }
        if (!EnterMove(word)) {
            break;
        }
        host.SetCommentText({});
        if (host.GameMode() == TGameMode::Demonstration) {
            host.MoveDelayPause();
        }
    }
    host.SetPlayKind(playKind);
    host.SetGameMode(TGameMode::Playing);
    host.MoveStringEntered();
}

QString TRecordCommands::WithoutMoveNumber(const QString& word) const
{
    if (TurnIsPly(word)) {
        return {};
    }
    // "12.Nf3" and "12...Nf6": the number due next, written with its dots
    // against the move.
    qsizetype end = 0;
    while (end < word.size() && word[end].isDigit()) {
        ++end;
    }
    const qsizetype digits = end;
    while (end < word.size() && word[end] == u'.') {
        ++end;
    }
    if (digits == 0 || end == digits || !TurnIsPly(word.left(end))) {
        return word;
    }
    return word.mid(end);
}

// The move due is the one after the position shown, which is the end of
// the record only until a move is taken back.
bool TRecordCommands::TurnIsPly(const QString& word) const
{
    const int ply = record.CurrentPly + 1;
    const QString number = QString::number(ply / 2 + 1);
    if (word == number) {
        return true;
    }
    return word == number + (ply % 2 == 0 ? QStringLiteral(".") : QStringLiteral("..."));
}

bool TRecordCommands::TakesResult(const QString& word) const
{
    return IsResignation(word, record.CurrentPly) || IsDrawAgreement(word);
}

bool TRecordCommands::StartFromPosition(const TPositionText& position)
{
    if (const int problem
        = PositionProblem(position.Board, position.State, position.StartPly, Options.ValidateBoard)) {
        ErrorMessage(problem);
        return false;
    }
    RestartGame(position.StartPly);
    record.StartFromPosition(&position.Board, &position.State);
    host.PositionEntered();
    return true;
}

bool TRecordCommands::EnterFENPosition(const QString& text)
{
    if (text.trimmed().isEmpty()) {
        RestartGame(0);
        record.StartFromPosition(nullptr, nullptr);
        host.PositionEntered();
        return true;
    }
    return StartFromPosition(ReadFEN(text));
}

bool TRecordCommands::EnterEPDPosition(const QString& text, TEpdExtras& extras)
{
    TEpdExtras read;
    const TPositionText position = ReadEPD(text, read);
    if (!StartFromPosition(position)) {
        return false;
    }
    extras = read;
    return true;
}
