#pragma once

#include <QString>

#include <exception>
#include <functional>

// The last line of defence for errors that no caller handled: they are
// written to the error log and shown to the user, and the program goes on.

// Shows an error to the user: the window's title and the error's message.
using ErrorPresenter = std::function<void(const QString& title, const QString& message)>;

// Installs the presenter and returns the one it replaces. The widget layer
// installs a message box; without any presenter errors are only logged.
ErrorPresenter setErrorPresenter(ErrorPresenter presenter);

// Logs the message (whatever the Debug option says) and then presents it
// with the application's title.
void HandleException(const QString& message);

// The same for a caught exception: std::exception gives its what() text,
// anything else a general message.
void HandleException(std::exception_ptr error);

// The title of the application's windows: the display name when the
// application has one, otherwise its name.
QString ApplicationTitle();
