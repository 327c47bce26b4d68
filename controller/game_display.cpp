#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "controller/main_form.h"
#include "controller/move_image.h"
#include "engine/engine_interface.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/move_delay.h"
#include "settings/options.h"
#include "view/board_panel.h"
#include "view/status_panel.h"

#include <chrono>

using namespace engine;

// The menus show what each command will do once the window is free: a
// wait inside a command or a move's acceptance only holds the commands back
// for its length, through their own guards.
void TChessForm::RefreshCommands()
{
    TCommandSituation situation = CommandSituation();
    situation.busy = false;
    for (int index = 0; index < CommandCount; ++index) {
        const auto command = static_cast<TCommand>(index);
        const TCommandState state = CommandState(command, situation);
        if (QAction* action = commandActions[static_cast<std::size_t>(index)]) {
            action->setEnabled(state.enabled);
            action->setChecked(action->isCheckable() && state.checked);
        }
    }
    // Read-only rather than disabled: a disabled line would hand its
    // keyboard focus away on every computer's turn, and the user typing
    // moves would have to come back to it each time.
    if (moveEntry != nullptr) {
        moveEntry->setReadOnly(!CommandState(TCommand::MoveEntryLine, situation).enabled);
    }
}

void TChessForm::UpdateGameOver()
{
    if (gameMode == TGameMode::QuickHint) {
        return;
    }
    UpdateTurnStatus();
    RefreshCommands();
}

void TChessForm::SetBoardCursorBusy(bool busy)
{
    board->setCursor(busy ? Qt::BusyCursor : Qt::ArrowCursor);
}

void TChessForm::SetStopThinkingEnabled(bool enabled)
{
    stopThinkingEnabled = enabled;
    RefreshCommands();
}

void TChessForm::ShowMessageLine()
{
    QString text = statusLine;
    if (!statusDetail.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral("  ")) + statusDetail;
    }
    statusPanel->MessageMemo()->setPlainText(text);
    SetFormCaption();
    UpdateTurnStatus();
}

// Waits while the window goes on handling its events.
void TChessForm::RefreshPause(int milliseconds)
{
    PauseHandlingEvents(std::chrono::milliseconds(milliseconds));
}

void TChessForm::Pause(int milliseconds)
{
    if (milliseconds <= 0) {
        return;
    }
    if (pauseWaiter) {
        pauseWaiter(milliseconds);
    } else {
        RefreshPause(milliseconds);
    }
}

QString TChessForm::CommentText() const
{
    return statusPanel->CommentMemo()->toPlainText();
}

// The comment box covers the working labels only while it has something
// to show.
void TChessForm::SetCommentText(const QString& text)
{
    QPlainTextEdit* memo = statusPanel->CommentMemo();
    memo->setPlainText(text);
    memo->setVisible(Options.ShowComment && !text.isEmpty());
}

// The working labels lie under the comment box: a search that shows its
// working uncovers them.
void TChessForm::HideCommentForWorking()
{
    statusPanel->CommentMemo()->hide();
}

void TChessForm::ShowCommentBox()
{
    statusPanel->CommentMemo()->setVisible(Options.ShowComment);
}
