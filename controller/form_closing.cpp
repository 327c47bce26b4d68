#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QTimer>

#include "controller/main_form.h"
#include "engine/engine_interface.h"
#include "settings/message_box.h"
#include "settings/message_catalog.h"
#include "settings/settings_file.h"
#include "settings/window_settings.h"

// Asked before the window closes and before a command discards the game.
// Only a modified game in progress, in a role where a person plays, is
// worth the question.
bool TChessForm::OkToCloseForm()
{
    if (quitWithoutAsking) {
        return true;
    }
    const bool worthKeeping = gameMode != TGameMode::Stopped && IsInteractive(appMode) && !gameOver
        && (record.EndPly != record.StartPly || gameMode == TGameMode::BoardSetup) && record.Modified;
    return !worthKeeping || ConfirmOkCancel(msg::DiscardGameOnClose);
}

void TChessForm::closeEvent(QCloseEvent* event)
{
    if (closing) {
        event->accept();
        return;
    }
    if (!OkToCloseForm()) {
        event->ignore();
        return;
    }
    // From here no command runs again: the count is never lowered.
    closing = true;
    ++busyDepth;
    engine::StopThinking();
    idleTimer.stop();
    OfferRestoreSettings(false);
    // Ordinary use keeps the window's place; main writes the file. The
    // saver configuration's full-screen window has no place worth keeping.
    if (appMode == TAppMode::Normal) {
        TWindowSettings placement = ReadWindowSettings(false);
        placement.Left = x();
        placement.Top = y();
        placement.State = isMaximized() ? 2 : (isMinimized() ? 1 : 0);
        placement.Directory = QDir::currentPath();
        placement.GameExt = gameFileExt;
        WriteWindowSettings(placement);
    }
    event->accept();
    // A window inside a host is no top-level window whose closing ends the
    // application by itself.
    if (previewHost != nullptr) {
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

void TChessForm::ExitExecute()
{
    if (busyDepth == 0) {
        close();
    }
}
