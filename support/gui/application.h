#pragma once

#include <QApplication>

// The application object. Any exception that escapes an event handler is
// caught here, logged and shown by HandleException, and the event loop goes
// on with the next event instead of ending the program.
class TApplication : public QApplication {
    Q_OBJECT

public:
    // Installs the error box as the error presenter.
    TApplication(int& argc, char** argv);
    ~TApplication() override;

    bool notify(QObject* receiver, QEvent* event) override;
};

// The standard error box: modal, the given title, the error icon, the
// message and an OK button.
void ShowErrorBox(const QString& title, const QString& message);
