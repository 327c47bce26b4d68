#include "support/error_handler.h"

#include <QCoreApplication>
#include <QVariant>

#include "support/error_log.h"

#include <utility>

namespace {

ErrorPresenter presenter;

QString messageOf(std::exception_ptr error)
{
    try {
        std::rethrow_exception(std::move(error));
    } catch (const std::exception& caught) {
        return QString::fromUtf8(caught.what());
    } catch (...) {
        return QStringLiteral("An unexpected error occurred.");
    }
}

} // namespace

ErrorPresenter setErrorPresenter(ErrorPresenter replacement)
{
    return std::exchange(presenter, std::move(replacement));
}

QString ApplicationTitle()
{
    // The display name is a property of the GUI application class, which
    // this library cannot see; reading it by name keeps it QtCore only.
    if (const QCoreApplication* app = QCoreApplication::instance()) {
        const QString display = app->property("applicationDisplayName").toString();
        if (!display.isEmpty()) {
            return display;
        }
    }
    return QCoreApplication::applicationName();
}

void HandleException(const QString& message)
{
    WriteErrorLog(message);
    if (!presenter) {
        return;
    }
    try {
        presenter(ApplicationTitle(), message);
    } catch (...) {
        // A presenter that fails has nowhere to report to; the entry is
        // already in the log, and the handler must not throw from here.
    }
}

void HandleException(std::exception_ptr error)
{
    if (error) {
        HandleException(messageOf(std::move(error)));
    }
}
