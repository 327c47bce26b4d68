#pragma once

#include <QList>
#include <QString>

#include "settings/messages.h"

#include <functional>

// The standard message boxes through which errors, information and
// questions reach the user. The box itself is drawn by a presenter: the
// dialogs library installs the real one at start-up, and tests install one
// that answers without showing anything.

enum class TMsgKind { Warning, Error, Information, Confirmation };
enum class TMsgButton { Yes, No, Ok, Cancel, Abort, Retry };

// "Warning", "Error", "Information", "Confirm".
QString MessageBoxTitle(TMsgKind kind);

// The built-in captions: "&Yes", "&No", "OK", "Cancel", "&Abort", "&Retry".
QString ButtonCaption(TMsgButton button);

// The name by which a language file's "Objects" section re-captions a
// button: "Yes", "No", "OK", "Cancel", "Abort", "Retry".
QString ButtonName(TMsgButton button);

struct TMessageBoxRequest {
    TMsgKind kind = TMsgKind::Information;
    QString title;
    QString text;
    QList<TMsgButton> buttons; // in the order shown
};

// Shows the box modally and returns the button pressed.
using MessageBoxPresenter = std::function<TMsgButton(const TMessageBoxRequest& request)>;

// Installs the presenter and returns the one it replaces.
MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter presenter);

// The button that stands for closing the box without a choice: Cancel, else
// No, else OK, else the last button.
TMsgButton EscapeButton(const QList<TMsgButton>& buttons);

// Shows the text in a box of the kind with the buttons; returns the button
// pressed. Without a presenter the text is only logged as a warning and the
// escape button is returned, so no question is ever answered "yes" unseen.
TMsgButton ShowMessageBox(const QString& text, TMsgKind kind, const QList<TMsgButton>& buttons);

void ErrorBox(const QString& text);
void InfoBox(const QString& text);

template <typename... Args> void ErrorMessage(int number, const Args&... args)
{
    ErrorBox(FormatMessage(number, args...));
}

template <typename... Args> void InfoMessage(int number, const Args&... args)
{
    InfoBox(FormatMessage(number, args...));
}

// True when OK was pressed.
template <typename... Args> bool ConfirmOkCancel(int number, const Args&... args)
{
    return ShowMessageBox(
               FormatMessage(number, args...), TMsgKind::Confirmation, {TMsgButton::Ok, TMsgButton::Cancel})
        == TMsgButton::Ok;
}

// True when Yes was pressed.
template <typename... Args> bool AskYesNo(int number, const Args&... args)
{
    return ShowMessageBox(
               FormatMessage(number, args...), TMsgKind::Confirmation, {TMsgButton::Yes, TMsgButton::No})
        == TMsgButton::Yes;
}

// Cancel, Abort or Retry: whichever was pressed. The language file gives
// Abort and Retry the captions of the two answers the question offers.
template <typename... Args> TMsgButton AskCancelAbortRetry(int number, const Args&... args)
{
    return ShowMessageBox(FormatMessage(number, args...), TMsgKind::Confirmation,
        {TMsgButton::Cancel, TMsgButton::Abort, TMsgButton::Retry});
}
