#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>

#include "controller/main_form.h"
#include "dialogs/library_progress.h"
#include "dialogs/select_game_dialog.h"
#include "engine/engine_interface.h"
#include "files/binary_game.h"
#include "files/chs_file.h"
#include "files/file_kinds.h"
#include "files/game_info.h"
#include "files/native_file.h"
#include "files/pgn_loader.h"
#include "files/text_store.h"
#include "record/position_reader.h"
#include "record/time_control.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/options.h"
#include "settings/recent_files.h"
#include "settings/settings_file.h"
#include "support/error_log.h"
#include "view/controls/clock_face.h"

using namespace engine;

void TChessForm::LoadGame(const QString& fileName)
{
    if (busyDepth > 0) {
        return;
    }
    // A library kept in memory is opened again without reading the disk.
    if (!fileName.isEmpty() && fileName == TextStore.Target() && keptGames) {
        if (OkToCloseForm()) {
            TBusy busy(*this);
            LoadPGN(fileName);
        }
        RefreshCommands();
        return;
    }
    const bool clipboard = fileName.isEmpty();
    QByteArray head;
    QString clipboardText;
    if (clipboard) {
        clipboardText = QApplication::clipboard()->text();
        head = ClipboardHead(clipboardText);
    } else {
        const QFileInfo info(fileName);
        if (!info.exists()) {
            ErrorMessage(msg::GameFileMissing, fileName);
            return;
        }
        const std::optional<QByteArray> read = info.isDir() ? std::nullopt : ReadFileHead(fileName);
        if (!read) {
            ErrorMessage(msg::FileUnreadable, fileName);
            return;
        }
        head = *read;
    }
    const TLoadKind kind = RecogniseGame(head, clipboard ? TFileType::Other : FileTypeOf(fileName), clipboard);
    if (kind == TLoadKind::Unknown || (clipboard && kind == TLoadKind::Settings)) {
        ErrorMessage(msg::UnknownGameFile);
        return;
    }
    if (kind == TLoadKind::Settings) {
        LoadSettingsFile(fileName);
        return;
    }
    if (kind == TLoadKind::MoveList) {
        StartupAndEnterMoves(clipboardText);
        return;
    }
    if (!OkToCloseForm()) {
        return;
    }
    // The game the file leaves behind decides what the user may do next:
    // a native file may ask to play on with its players.
    TPlayKind playOn = TPlayKind::Unset;
    {
        TBusy busy(*this);
        switch (kind) {
        case TLoadKind::BinaryA:
        case TLoadKind::BinaryB:
            LoadZorbel(fileName, kind == TLoadKind::BinaryB);
            break;
        case TLoadKind::Native:
            LoadZorbel3(fileName);
            playOn = playKind;
            break;
        case TLoadKind::Chs:
            LoadVortaChess(fileName);
            break;
        case TLoadKind::Pgn:
            LoadPGN(fileName);
            break;
        case TLoadKind::Fen:
        case TLoadKind::Epd:
            LoadPositionLines(fileName, kind == TLoadKind::Epd);
            break;
        default:
            break;
        }
    }
    if (playOn != TPlayKind::Unset) {
        SetGamePlay(playOn);
    }
    RefreshCommands();
}

// The named file becomes the settings file: the current options are kept
// in the old one first, and the new ones take effect at once.
void TChessForm::LoadSettingsFile(const QString& fileName)
{
    SwitchSettingsFile(fileName);
    EffectOptions();
}

void TChessForm::PrepareLoad()
{
    AbandonSearch();
    CancelClickMove(true);
    board->HideMarkerLine();
    RestartGame(0);
    playKind = TPlayKind::Unset;
}

TGameMode TChessForm::LoadGameMode() const
{
    if (appMode == TAppMode::ViewGame || !Options.OpenToEnd) {
        return TGameMode::Loading;
    }
    return Options.FastOpen ? TGameMode::QuickReplay : TGameMode::Demonstration;
}

void TChessForm::SetLoadGameMode()
{
    SetGameMode(LoadGameMode());
}

bool TChessForm::LoadPGN(const QString& source)
{
    // A kept library is neither read nor listed again.
    const bool kept = !source.isEmpty() && source == TextStore.Target() && keptGames.has_value();
    if (!TextStore.StoreOpen(source)) {
        return false;
    }
    const QStringList lines = TextStore.Lines();
    if (!kept) {
        keptGames = ListGamesShowingProgress(this, lines);
    }
    const TPgnGameList list = *keptGames;
    const auto endStore = [this] {
        if (!keepLibrary) {
            TextStore.StoreEnd();
            keptGames.reset();
        }
    };
    if (list.cancelled || list.games.isEmpty()) {
        TextStore.StoreEnd();
        keptGames.reset();
        return true;
    }
    int index = 0;
    if (list.games.size() > 1) {
        QStringList entries;
        entries.reserve(list.games.size());
        for (const TPgnGameEntry& game : list.games) {
            entries.append(game.text);
        }
        index = ChooseGame(this, entries, keepLibrary);
        if (index < 0) {
            endStore();
            return true;
        }
    }
    PrepareLoad();
    TPgnGameTags tags;
    LoadPgnGameInto(lines, list, index, commands, *this, tags, LoadGameMode(), [this, &source](const TPgnGameTags& read) {
        GameInfo = read.info;
        if (!read.timeControl.isEmpty()) {
            time_control::SetGameTimeControl(Options, read.timeControl);
        }
        RefreshPlayerLabels();
        SetGameName(source);
        SetStopThinkingEnabled(true);
    });
    endStore();
    FinaliseLoad();
    return true;
}

bool TChessForm::LoadZorbel3(const QString& source)
{
    if (!TextStore.StoreOpen(source)) {
        return false;
    }
    const QStringList lines = TextStore.Lines();
    PrepareLoad();
    const TNativeGame game = ReadNativeGame(lines);
    if (game.settingsGiven) {
        ApplyVersionRule(Options);
    }
    RestartGame(game.boardGiven ? game.startPly : 0);
    const bool started = game.boardGiven ? InitGame(&game.board, &game.state) : InitGame();
    GameInfo = game.info;
    if (game.whiteTimeGiven) {
        whiteClockFace->SetFullTime(static_cast<clock_time::Instant>(game.whiteDays * clock_time::MillisecondsPerDay));
    }
    if (game.blackTimeGiven) {
        blackClockFace->SetFullTime(static_cast<clock_time::Instant>(game.blackDays * clock_time::MillisecondsPerDay));
    }
    if (game.rotatedGiven && game.rotated != Options.BoardRotated) {
        RotateBoard();
    }
    RefreshPlayerLabels();
    SetGameName(source);
    if (game.settingsGiven) {
        EffectOptions();
        QCoreApplication::processEvents();
    }
    if (started) {
        SetStopThinkingEnabled(true);
        SetLoadGameMode();
        FeedNativeMoves(lines, commands, *this);
    }
    TextStore.StoreEnd();
    FinaliseLoad();
    const bool playsOn = game.playKind >= 1 && game.playKind <= 4 && Options.OpenToEnd;
    playKind = playsOn ? static_cast<TPlayKind>(game.playKind) : TPlayKind::Unset;
    return started && game.badLines == 0;
}

bool TChessForm::LoadZorbel(const QString& fileName, bool formB)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        return false;
    }
    PrepareLoad();
    InitGame();
    RefreshBoard();
    SetGameName(fileName);
    SetStopThinkingEnabled(true);
    SetLoadGameMode();
    const TFeedResult fed
        = FeedBinaryMoves(ReadBinaryGameMoves(file, formB ? TBinaryForm::B : TBinaryForm::A), commands, *this);
    FinaliseLoad();
    return !fed.stoppedEarly;
}

bool TChessForm::LoadVortaChess(const QString& fileName)
{
    if (!TextStore.StoreOpen(fileName)) {
        return false;
    }
    PrepareLoad();
    const TChsPosition position = ReadChsPosition(TextStore.Lines());
    TextStore.StoreEnd();
    RestartGame(position.blackToMove ? 1 : 0);
    PositionState state = startState;
    state.Status = 0;
    const bool started = InitGame(&position.board, &state);
    record.Modified = false;
    RefreshBoard();
    SetGameName(fileName);
    SetGameMode(TGameMode::Stopped);
    UpdateTurnStatus();
    return started && position.badLines == 0;
}

// A FEN or EPD file holds one position a line; a file of many is a list
// to choose from, like a game library.
bool TChessForm::LoadPositionLines(const QString& source, bool epd)
{
    if (!TextStore.StoreOpen(source)) {
        return false;
    }
    const QStringList lines = TextStore.Lines();
    const auto endStore = [this] {
        if (!keepLibrary) {
            TextStore.StoreEnd();
        }
    };
    if (lines.isEmpty()) {
        endStore();
        return true;
    }
    int index = 0;
    if (lines.size() > 1) {
        QStringList entries;
        entries.reserve(lines.size());
        for (qsizetype number = 0; number < lines.size(); ++number) {
            entries.append(QString::number(number + 1) + QStringLiteral(". ") + lines[number]);
        }
        index = ChooseGame(this, entries, keepLibrary);
        if (index < 0) {
            endStore();
            return true;
        }
    }
    PrepareLoad();
    TEpdExtras extras;
    const bool started
        = epd ? commands.EnterEPDPosition(lines[index], extras) : commands.EnterFENPosition(lines[index]);
    if (!started) {
        InitGame();
        RefreshBoard();
    } else if (epd) {
        if (!extras.Event.isEmpty()) {
            GameInfo.Event = extras.Event;
        }
        GameInfo.Opening = extras.Opening.value_or(GameInfo.Opening);
        GameInfo.ECO = extras.ECO.value_or(GameInfo.ECO);
        commands.AddToComment(extras.Comment);
    }
    SetGameName(source);
    endStore();
    FinaliseLoad();
    return started;
}

void TChessForm::FinaliseLoad()
{
    record.Modified = false;
    if (gameMode == TGameMode::Loading) {
        // The game is shown from its start, its moves ready to replay.
        commands.StoreComment(false);
        commands.GotoMove(record.StartPly);
        SetCommentText(commands.CurrentComment());
        RefreshMoveLists();
    }
    if (!CommentText().isEmpty()) {
        ShowCommentBox();
        if (gameOver || gameMode == TGameMode::Demonstration) {
            commands.CommentMessageBox(false);
        }
    }
    SetGameMode(TGameMode::Stopped);
    RefreshBoard();
    UpdateTurnStatus();
    SetStopThinkingEnabled(false);
    RefreshGameState();
    SetFormCaption();
    if (Debug) {
        WriteErrorLog(QStringLiteral("Completed load of file ") + gameName);
    }
}

void TChessForm::SetGameName(const QString& name)
{
    if (name == TTextStore::MailTarget) {
        return;
    }
    gameName = name;
    record.Modified = false;
    SetFormCaption();
    if (!name.isEmpty()) {
        AddRecentFile(name);
        RebuildRecentFiles();
    }
    const QString suffix = QFileInfo(name).suffix();
    if (!suffix.isEmpty()) {
        gameFileExt = u'.' + suffix.toUpper();
    }
    RefreshCommands();
}
