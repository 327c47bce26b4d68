#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QPlainTextEdit>

#include "controller/main_form.h"
#include "controller/move_image.h"
#include "engine/engine_interface.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "view/board_panel.h"
#include "view/status_panel.h"

#include <chrono>
#include <thread>

using namespace engine;

void TChessForm::RefreshCommands()
{
    stopThinkingAction->setEnabled(stopThinkingEnabled);
    freezeAction->setEnabled(gameMode == TGameMode::Playing || frozen);
    RefreshBoardCommands();
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
    stopThinkingAction->setEnabled(enabled);
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
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::milliseconds(milliseconds);
    while (Clock::now() < deadline) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
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

void TChessForm::ShowCommentBox()
{
    statusPanel->CommentMemo()->setVisible(Options.ShowComment);
}
