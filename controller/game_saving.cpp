#include <QDesktopServices>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>
#include <QUrl>

#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "files/file_kinds.h"
#include "files/game_info.h"
#include "files/native_file.h"
#include "files/pgn_writer.h"
#include "files/text_store.h"
#include "record/position_writer.h"
#include "record/time_control.h"
#include "settings/game_settings.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"
#include "view/controls/clock_face.h"

using namespace engine;

namespace {

bool IsFileTarget(const QString& target)
{
    return !target.isEmpty() && target != TTextStore::MailTarget;
}

double ElapsedDays(const TClockFace* clock)
{
    return static_cast<double>(clock->FullTime()) / static_cast<double>(clock_time::MillisecondsPerDay);
}

} // namespace

void TChessForm::SaveGame(const QString& fileName)
{
    commands.StoreComment(false);
    const TFileType type = FileTypeOf(fileName);
    switch (type) {
    case TFileType::Epd:
    case TFileType::Fen:
        SavePositionLine(fileName, type == TFileType::Epd);
        return;
    case TFileType::Pgn:
        SavePGN(fileName);
        return;
    case TFileType::Html:
        InfoMessage(msg::PageExportMissing);
        return;
    default:
        break;
    }
    if (!IsPictureFile(type)) {
        SaveZorbel3(fileName);
        return;
    }
    // A picture of the board as it stands, shown afterwards in the
    // desktop's viewer (also when the user kept the old picture).
    if (FileReplaceOrNew(fileName)) {
        QSaveFile file(fileName);
        QImageWriter writer(&file, QFileInfo(fileName).suffix().toLatin1());
        const bool written = file.open(QIODevice::WriteOnly) && writer.write(board->grab().toImage()) && file.commit();
        if (!written) {
            ErrorMessage(msg::FileUnwritable, fileName);
            return;
        }
    }
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()));
}

// Delivers the store's text to its target; a file that could not be
// written keeps its old contents, and the user is told.
static bool CommitStore(const QString& target)
{
    if (TextStore.StoreCommit()) {
        return true;
    }
    if (IsFileTarget(target)) {
        ErrorMessage(msg::FileUnwritable, target);
    }
    return false;
}

void TChessForm::SavePGN(const QString& target)
{
    if (!FileAppendReplaceOrNew(target)) {
        return;
    }
    commands.StoreComment(false);
    // A game added to a library stands apart from the one before it.
    const QStringList& lines = TextStore.Lines();
    if (!lines.isEmpty() && !lines.last().trimmed().isEmpty()) {
        TextStore.StoreWriteLine({});
    }
    const QString startFen = record.StartsFromInitial ? QString() : BoardStartFEN(record);
    WritePgnGame(TextStore, record, GameInfo, time_control::GetGameTimeControl(Options), startFen);
    if (CommitStore(target) && IsFileTarget(target)) {
        SetGameName(target);
    }
}

void TChessForm::SaveZorbel3(const QString& fileName)
{
    if (!FileReplaceOrNew(fileName)) {
        return;
    }
    commands.StoreComment(false);
    TNativeSave game;
    game.record = &record;
    game.info = GameInfo;
    game.whiteDays = ElapsedDays(whiteClockFace);
    game.blackDays = ElapsedDays(blackClockFace);
    game.rotated = Options.BoardRotated;
    if (gameMode == TGameMode::Playing || gameMode == TGameMode::QuickHint) {
        game.playKind = static_cast<int>(playKind);
    }
    game.standardStart = record.StartsFromInitial;
    if (!game.standardStart) {
        GetStartImage(game.startBoard);
        GetSetupState(game.startState);
    }
    game.settingsBlock = WriteGameSettings();
    game.notationStyle = Options.Notation;
    WriteNativeGame(TextStore, game);
    if (CommitStore(fileName)) {
        SetGameName(fileName);
    }
}

void TChessForm::SavePositionLine(const QString& target, bool epd)
{
    if (!FileAppendReplaceOrNew(target)) {
        return;
    }
    commands.StoreComment(false);
    if (epd) {
        TEpdFields fields;
        fields.Comment = CommentText();
        fields.ECO = GameInfo.ECO;
        fields.Opening = GameInfo.Opening;
        fields.Event = GameInfo.Event;
        fields.Resigned = record.GameStatus() == StatusResigns;
        TextStore.StoreWriteLine(BoardEPD(record, fields));
    } else {
        TextStore.StoreWriteLine(BoardCurrentFEN(record));
    }
    if (CommitStore(target) && IsFileTarget(target)) {
        SetGameName(target);
    }
}

bool TChessForm::FileReplaceOrNew(const QString& name)
{
    if (!name.isEmpty() && QFileInfo::exists(name) && name != gameName
        && !ConfirmOkCancel(msg::ReplaceFile, name)) {
        return false;
    }
    if (!IsPictureFile(FileTypeOf(name))) {
        TextStore.StoreBegin(name);
    }
    return true;
}

bool TChessForm::FileAppendReplaceOrNew(const QString& name)
{
    if (IsFileTarget(name) && QFileInfo::exists(name)) {
        const TMsgButton answer = AskCancelAbortRetry(msg::AddOrReplaceGameFile, name);
        if (answer == TMsgButton::Abort) {
            // The file is read afresh, never from a library kept in memory,
            // so what others added to it meanwhile is kept too.
            TextStore.StoreEnd();
            keptGames.reset();
            return TextStore.StoreOpen(name);
        }
        if (answer != TMsgButton::Retry) {
            return false;
        }
    }
    TextStore.StoreBegin(name);
    keptGames.reset();
    return true;
}
