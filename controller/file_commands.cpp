#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>

#include "controller/main_form.h"
#include "dialogs/enter_text_dialog.h"
#include "dialogs/game_history_menu.h"
#include "dialogs/game_info_dialog.h"
#include "files/file_kinds.h"
#include "files/game_info.h"
#include "files/mail_sender.h"
#include "files/text_store.h"
#include "record/position_writer.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "settings/recent_files.h"
#include "view/move_list.h"
#include "view/status_panel.h"

namespace {

constexpr int OpenHelpContext = 4000;
constexpr int SaveHelpContext = 4100;
constexpr int EnterMoveHelpContext = 5700;
constexpr int EnterPositionHelpContext = 5705;
constexpr int EmailHelpContext = 5710;
const QString MailSubject = QStringLiteral("Chess Quarvel Email Game");

} // namespace

void TChessForm::BuildFileMenu()
{
    struct Entry {
        TCommand command;
        const char* caption;
        QKeySequence key;
    };
    const Entry entries[] = {
        {TCommand::FileNew, "&New", QKeySequence::New},
        {TCommand::FileOpen, "&Open...", QKeySequence::Open},
        {TCommand::FileReopen, "&Reopen", Qt::CTRL | Qt::Key_R},
        {TCommand::FileSave, "&Save", QKeySequence::Save},
        {TCommand::FileSaveAs, "Save &As...", Qt::CTRL | Qt::Key_A},
    };
    fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("FileMenu"));
    for (const Entry& entry : entries) {
        AddCommandAction(entry.command, fileMenu->addAction(tr(entry.caption)), entry.key);
    }
    fileMenu->addSeparator();
    AddCommandAction(TCommand::FileExit, fileMenu->addAction(tr("E&xit")), QKeySequence::Quit);
    RebuildRecentFiles();
}

void TChessForm::RebuildRecentFiles()
{
    if (fileMenu != nullptr) {
        BuildGameHistoryMenu(fileMenu, [this](int slot) { OpenRecentFile(slot); });
    }
}

void TChessForm::OpenRecentFile(int slot)
{
    if (busyDepth == 0 && slot >= 1 && slot <= recentFileCount && !RecentFiles[slot - 1].isEmpty()) {
        LoadGame(RecentFiles[slot - 1]);
    }
}

// The dialogs start in the game's folder with its name, on the filter of
// its kind of file; a filter chosen in the dialog gives the name its
// extension.
QString TChessForm::ChooseFile(bool save)
{
    const QStringList filters = save ? SaveDialogFilters() : OpenDialogFilters();
    const int filterIndex = FilterIndexFor(filters, gameFileExt);
    if (fileChooser) {
        return fileChooser(save, filters, filterIndex, gameName);
    }
    QFileDialog dialog(this);
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setProperty("helpContext", save ? SaveHelpContext : OpenHelpContext);
    dialog.setNameFilters(filters);
    if (filterIndex >= 0 && filterIndex < filters.size()) {
        dialog.selectNameFilter(filters[filterIndex]);
        dialog.setDefaultSuffix(FilterSuffix(filters[filterIndex]));
    }
    if (!gameName.isEmpty()) {
        dialog.selectFile(gameName);
    }
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        const QString suffix = FilterSuffix(filter);
        if (!suffix.isEmpty()) {
            dialog.setDefaultSuffix(suffix);
        }
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return {};
    }
    return dialog.selectedFiles().constFirst();
}

void TChessForm::FileOpenExecute()
{
    if (!CommandAllowed(TCommand::FileOpen)) {
        return;
    }
    const QString name = ChooseFile(false);
    if (!name.isEmpty()) {
        LoadGame(name);
    }
}

void TChessForm::FileReopenExecute()
{
    if (CommandAllowed(TCommand::FileReopen)) {
        LoadGame(gameName);
    }
}

void TChessForm::FileSaveExecute()
{
    if (!CommandAllowed(TCommand::FileSave)) {
        return;
    }
    if (gameName.isEmpty()) {
        FileSaveAsExecute();
        return;
    }
    TBusy busy(*this);
    SaveGame(gameName);
}

void TChessForm::FileSaveAsExecute()
{
    if (!CommandAllowed(TCommand::FileSaveAs)) {
        return;
    }
    const QString name = ChooseFile(true);
    if (!name.isEmpty()) {
        TBusy busy(*this);
        SaveGame(name);
    }
}

void TChessForm::CopyGameExecute()
{
    if (CommandAllowed(TCommand::PlayCopyGame)) {
        TBusy busy(*this);
        SavePGN({});
    }
}

void TChessForm::PasteGameExecute()
{
    if (!CommandAllowed(TCommand::PlayPasteGame)) {
        return;
    }
    if (QApplication::clipboard()->text().trimmed().isEmpty()) {
        InfoMessage(msg::ClipboardHoldsNoText);
        return;
    }
    LoadGame({});
}

// The game goes to the player whose turn it is: a correspondence game
// travels by e-mail.
void TChessForm::EmailGameExecute()
{
    if (!CommandAllowed(TCommand::PlayEmailGame)) {
        return;
    }
    const bool whiteToMove = record.SideToMove() == engine::White;
    QString& address = whiteToMove ? GameInfo.WhiteEmail : GameInfo.BlackEmail;
    const QString name = whiteToMove ? GameInfo.White : GameInfo.Black;
    if (address.isEmpty()) {
        const std::optional<QString> typed = EnterText(
            this, FormatMessage(msg::EmailCaption), FormatMessage(msg::EmailHeading), {}, EmailHelpContext);
        if (!typed) {
            return;
        }
        address = typed->trimmed();
    }
    TMailMessage message;
    message.address = address;
    message.name = name == u"?" ? QString() : name;
    message.subject = MailSubject;
    TBusy busy(*this);
    const TextSink previous = TextStore.setMailSink([&message](const QString& text) { message.body = text; });
    SavePGN(TTextStore::MailTarget);
    TextStore.setMailSink(previous);
    QString error;
    if (!message.body.isEmpty() && !SendMail(message, &error)) {
        ErrorMessage(msg::MailFailed, error);
    }
}

void TChessForm::GameInfoExecute()
{
    if (!CommandAllowed(TCommand::PlayGameInfo)) {
        return;
    }
    DoAutoFreeze();
    if (EditGameInfo(this, GameInfo)) {
        record.Modified = true;
        SetFormCaption();
    }
    UndoAutoFreeze();
    RefreshPlayerLabels();
}

void TChessForm::EnterPositionExecute()
{
    if (CommandAllowed(TCommand::PlayEnterPosition)) {
        EnterPositionDialog(BoardCurrentFEN(record));
    }
}

void TChessForm::EnterPositionDialog(const QString& preset)
{
    const std::optional<QString> text = EnterText(this, FormatMessage(msg::EnterPositionCaption),
        FormatMessage(msg::EnterPositionHeading), preset, EnterPositionHelpContext);
    if (!text || busyDepth > 0 || !OkToCloseForm()) {
        return;
    }
    AbandonSearch();
    CancelClickMove(true);
    const TGameMode before = gameMode;
    // From set-up the typed position replaces the one on the board.
    if (before == TGameMode::BoardSetup) {
        SetGameMode(TGameMode::Stopped);
    }
    if (!commands.EnterFENPosition(*text) && before == TGameMode::BoardSetup) {
        SetGameMode(TGameMode::BoardSetup);
    }
    RefreshBoard();
}

void TChessForm::EnterMoveDialog(const QString& preset)
{
    const std::optional<QString> text = EnterText(this, FormatMessage(msg::EnterMoveCaption),
        FormatMessage(msg::EnterMoveHeading), preset, EnterMoveHelpContext);
    if (text && CommandAllowed(TCommand::MoveEnterMove)) {
        StartupAndEnterMoves(*text);
    }
}

void TChessForm::StartupAndEnterMoves(const QString& text)
{
    if (text.trimmed().isEmpty() || !UserMayEnterMove() || FlagHasFallen()) {
        return;
    }
    StartupGame();
    commands.EnterMoveString(text);
}

void TChessForm::CommentExecute()
{
    if (!CommandAllowed(TCommand::MoveComment)) {
        return;
    }
    if (!Options.ShowComment) {
        Options.ShowComment = true;
        ResetWorkingPanel();
    }
    ShowCommentMemo();
}

// Braces end a comment in the game files, so typed ones become brackets.
bool TChessForm::TypeIntoComment(const QKeyEvent& key)
{
    const QString text = key.text();
    if (text != u"{" && text != u"}") {
        return false;
    }
    statusPanel->CommentMemo()->insertPlainText(text == u"{" ? QStringLiteral("[") : QStringLiteral("]"));
    return true;
}

void TChessForm::ShowCommentMemo()
{
    if (!Options.ShowStatus || !Options.ShowComment) {
        ErrorMessage(msg::CommentBoxHidden);
        return;
    }
    QPlainTextEdit* memo = statusPanel->CommentMemo();
    memo->show();
    memo->setFocus(Qt::OtherFocusReason);
}

void TChessForm::HideCommentMemo()
{
    statusPanel->CommentMemo()->hide();
    if (Options.ShowStatus && statusPanel->MoveList()->isVisible()) {
        statusPanel->MoveList()->setFocus(Qt::OtherFocusReason);
    }
}

void TChessForm::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls() && !closing) {
        event->acceptProposedAction();
    }
}

// Each dropped file is opened in turn, as if chosen with Open.
void TChessForm::dropEvent(QDropEvent* event)
{
    const QList<QUrl> urls = event->mimeData()->urls();
    event->acceptProposedAction();
    activateWindow();
    raise();
    for (const QUrl& url : urls) {
        if (url.isLocalFile() && !closing) {
            LoadGame(url.toLocalFile());
        }
    }
}

// The files named on the command line, once the window is up.
void TChessForm::LoadStartFiles()
{
    for (const QString& name : switches.Files) {
        if (closing) {
            return;
        }
        LoadGame(name);
    }
}

// The viewer shows the game another copy put on the clipboard, at the
// position before the ply it was given.
void TChessForm::ShowViewerGame()
{
    {
        TBusy busy(*this);
        LoadPGN({});
    }
    const TGameMode before = gameMode;
    gameMode = TGameMode::QuickReplay;
    commands.GotoMove(switches.GotoPlyAtStart);
    gameMode = before;
    RefreshMoveLists();
    RefreshCommands();
}
