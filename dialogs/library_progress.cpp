#include "dialogs/library_progress.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

#include "dialogs/form_translation.h"

#include <atomic>
#include <limits>
#include <memory>
#include <utility>

namespace {

TLibraryProgressHook progressHook;

constexpr int progressSteps = 1000;
constexpr int progressPollMs = 100;

QString Translated(const char* text)
{
    return QCoreApplication::translate("LibraryProgress", text);
}

// The dialog shows itself only when told to: it keeps its own timer from
// doing so by waiting longer than any list takes.
void PrepareDialog(QProgressDialog& dialog)
{
    dialog.setObjectName(QStringLiteral("LibraryProgressDlg"));
    dialog.setWindowTitle(Translated("Select Game"));
    dialog.setLabelText(Translated("Reading the list of games..."));
    dialog.setCancelButtonText(Translated("Cancel"));
    dialog.setRange(0, progressSteps);
    dialog.setAutoClose(false);
    dialog.setAutoReset(false);
    dialog.setMinimumDuration(std::numeric_limits<int>::max());
    dialog.setWindowModality(Qt::ApplicationModal);
    TranslateForm(&dialog);
}

int Steps(qsizetype done, qsizetype total)
{
    return total <= 0 ? progressSteps : static_cast<int>(done * progressSteps / total);
}

} // namespace

TPgnGameList ListGamesShowingProgress(QWidget* parent, const QStringList& lines)
{
    QProgressDialog dialog(parent);
    PrepareDialog(dialog);

    std::atomic_bool cancel = false;
    std::atomic<qsizetype> done = 0;
    QObject::connect(&dialog, &QProgressDialog::canceled, [&cancel] { cancel = true; });
    if (progressHook) {
        progressHook(dialog);
    }
    if (dialog.wasCanceled()) {
        cancel = true;
    }

    TPgnGameList result;
    TPgnListProgress progress;
    progress.cancel = &cancel;
    progress.report = [&done](qsizetype linesDone, qsizetype) { done = linesDone; };
    const qsizetype total = lines.size();
    std::unique_ptr<QThread> worker(QThread::create(
        [&result, &progress, ownLines = lines] { result = ListPgnGames(ownLines, progress); }));

    QEventLoop loop;
    bool finished = false;
    QObject::connect(worker.get(), &QThread::finished, &loop, [&finished, &loop] {
        finished = true;
        loop.quit();
    });
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &dialog, [&] {
        if (dialog.wasCanceled()) {
            cancel = true;
        }
        dialog.setValue(Steps(done, total));
    });
    worker->start();

    // Until the dialog shows, the window paints but takes no input.
    QTimer::singleShot(LibraryProgressDelayMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (!finished) {
        dialog.setValue(Steps(done, total));
        dialog.show();
        poll.start(progressPollMs);
        loop.exec();
    }
    poll.stop();
    worker->wait();
    return result;
}

TLibraryProgressHook SetLibraryProgressHook(TLibraryProgressHook hook)
{
    return std::exchange(progressHook, std::move(hook));
}
