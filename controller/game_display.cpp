#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>

#include "controller/main_form.h"
#include "controller/move_image.h"
#include "controller/working_board.h"
#include "engine/engine_interface.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"

#include <chrono>
#include <thread>

using namespace engine;

namespace {

constexpr int WorkingLineLength = 8;

int ModeMessage(TGameMode mode)
{
    switch (mode) {
    case TGameMode::Loading:
        return msg::ModeLoading;
    case TGameMode::QuickReplay:
        return msg::ModeQuickReplay;
    case TGameMode::Demonstration:
        return msg::ModeDemonstration;
    case TGameMode::BoardSetup:
        return msg::ModeBoardSetup;
    case TGameMode::Analysing:
        return msg::ModeAnalysing;
    case TGameMode::Stopped:
        return msg::ModeStopped;
    default:
        return 0;
    }
}

int PlayKindMessage(TPlayKind kind)
{
    switch (kind) {
    case TPlayKind::AutoPlay:
        return msg::PlayAutoPlay;
    case TPlayKind::UserWhite:
        return msg::PlayUserWhite;
    case TPlayKind::UserBlack:
        return msg::PlayUserBlack;
    case TPlayKind::TwoPlayer:
        return msg::PlayTwoPlayer;
    default:
        return 0;
    }
}

// A value in 1/256 pawn as pawns with two decimals and a sign.
QString PawnsText(int value)
{
    return QStringLiteral("%1%2")
        .arg(value >= 0 ? QStringLiteral("+") : QString())
        .arg(value / 256.0, 0, 'f', 2);
}

} // namespace

void TChessForm::RefreshBoard()
{
    board->SetImage(shownImage ? *shownImage : record.Board);
}

void TChessForm::RefreshModeStatus()
{
    QStringList parts;
    if (gameOver) {
        parts << FormatMessage(msg::GameOverText);
    } else if (const int mode = ModeMessage(gameMode); mode != 0) {
        parts << FormatMessage(mode);
    } else {
        parts << FormatMessage(ComputersTurn() ? msg::ComputersTurn : msg::UsersTurn);
    }
    if (const int kind = PlayKindMessage(playKind); kind != 0) {
        parts << FormatMessage(kind);
    }
    parts << FormatMessage(msg::MoveNumberStatus, (record.CurrentPly + 1) / 2 + 1)
          << FormatMessage(msg::SideToMoveStatus, ColourText(record.SideToMove()));
    modeLabel->setText(parts.join(QStringLiteral("  ")));
}

void TChessForm::RefreshCommands()
{
    stopThinkingAction->setEnabled(stopThinkingEnabled);
    freezeAction->setEnabled(gameMode == TGameMode::Playing || frozen);
}

QString TChessForm::WorkingText() const
{
    const EngineState state = GetEngineState();
    QString text = FormatMessage(state == StateThinking ? msg::EngineSearching
            : state == StateThinkingAhead               ? msg::EngineThinkingAhead
                                                        : msg::EngineIdle);
    int value = 0;
    MoveRecord line[WorkingLineLength + 1] {};
    GetMainLine(value, line, WorkingLineLength);
    QStringList moves;
    for (const MoveRecord& move : line) {
        if (move.Piece == Empty) {
            break;
        }
        moves << CoordinateText(move);
    }
    text += u' ' + FormatMessage(msg::WorkingValue, PawnsText(value));
    text += u' ' + FormatMessage(msg::WorkingNodes, static_cast<int>(GetNodeCount() / 1000));
    if (!moves.isEmpty()) {
        text += u' ' + FormatMessage(msg::WorkingLine, moves.join(u' '));
    }
    return text;
}

void TChessForm::RefreshWorkingPanel()
{
    workingLabel->setVisible(Options.ShowWorking);
    if (Options.ShowWorking) {
        workingLabel->setText(WorkingText());
    }
}

void TChessForm::UpdateGameOver()
{
    if (gameMode == TGameMode::QuickHint) {
        return;
    }
    RefreshModeStatus();
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

// The application title, what the window shows, the status when the
// status panel is hidden, and a star for unsaved changes.
void TChessForm::SetFormCaption()
{
    QString caption = QApplication::applicationDisplayName();
    if (appMode == TAppMode::ViewGame) {
        caption += QStringLiteral(" - ") + FormatMessage(msg::ViewingTitle);
    }
    if (!Options.ShowStatus && !statusDetail.isEmpty()) {
        caption += QStringLiteral(" - ") + statusDetail;
    }
    if (record.Modified) {
        caption += QStringLiteral(" *");
    }
    setWindowTitle(caption);
}

void TChessForm::ShowMessageLine()
{
    QString text = statusLine;
    if (!statusDetail.isEmpty()) {
        text += (text.isEmpty() ? QString() : QStringLiteral("  ")) + statusDetail;
    }
    messageLine->setText(text);
    SetFormCaption();
    RefreshModeStatus();
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
    return commentBox->text();
}

void TChessForm::SetCommentText(const QString& text)
{
    commentBox->setText(text);
}
