#include "support/gui/application.h"

#include <QMessageBox>

#include "support/error_handler.h"

TApplication::TApplication(int& argc, char** argv)
    : QApplication(argc, argv)
{
    setErrorPresenter(&ShowErrorBox);
}

TApplication::~TApplication()
{
    // The box needs this application; errors after it is gone are only logged.
    setErrorPresenter({});
}

bool TApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        HandleException(std::current_exception());
    }
    return false;
}

void ShowErrorBox(const QString& title, const QString& message)
{
    QMessageBox box(QMessageBox::Critical, title, message, QMessageBox::Ok);
    box.exec();
}
