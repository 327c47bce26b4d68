#include "settings/message_box.h"

#include <QtGlobal>

#include <utility>

namespace {

MessageBoxPresenter presenter;

} // namespace

QString MessageBoxTitle(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Warning:
        return QStringLiteral("Warning");
    case TMsgKind::Error:
        return QStringLiteral("Error");
    case TMsgKind::Information:
        return QStringLiteral("Information");
    case TMsgKind::Confirmation:
        return QStringLiteral("Confirm");
    }
    return {};
}

QString ButtonCaption(TMsgButton button)
{
    switch (button) {
    case TMsgButton::Yes:
        return QStringLiteral("&Yes");
    case TMsgButton::No:
        return QStringLiteral("&No");
    case TMsgButton::Ok:
        return QStringLiteral("OK");
    case TMsgButton::Cancel:
        return QStringLiteral("Cancel");
    case TMsgButton::Abort:
        return QStringLiteral("&Abort");
    case TMsgButton::Retry:
        return QStringLiteral("&Retry");
    }
    return {};
}

QString ButtonName(TMsgButton button)
{
    QString name = ButtonCaption(button);
    name.remove(u'&');
    return name;
}

MessageBoxPresenter setMessageBoxPresenter(MessageBoxPresenter replacement)
{
    return std::exchange(presenter, std::move(replacement));
}

TMsgButton EscapeButton(const QList<TMsgButton>& buttons)
{
    for (TMsgButton preferred : {TMsgButton::Cancel, TMsgButton::No, TMsgButton::Ok}) {
        if (buttons.contains(preferred)) {
            return preferred;
        }
    }
    return buttons.isEmpty() ? TMsgButton::Ok : buttons.back();
}

TMsgButton ShowMessageBox(const QString& text, TMsgKind kind, const QList<TMsgButton>& buttons)
{
    const QList<TMsgButton> shown = buttons.isEmpty() ? QList<TMsgButton> {TMsgButton::Ok} : buttons;
    if (!presenter) {
        qWarning("%s: %s", qUtf8Printable(MessageBoxTitle(kind)), qUtf8Printable(text));
        return EscapeButton(shown);
    }
    const TMsgButton pressed = presenter({kind, MessageBoxTitle(kind), text, shown});
    // A presenter can only answer with one of the buttons it was given.
    return shown.contains(pressed) ? pressed : EscapeButton(shown);
}

void ErrorBox(const QString& text)
{
    ShowMessageBox(text, TMsgKind::Error, {TMsgButton::Ok});
}

void InfoBox(const QString& text)
{
    ShowMessageBox(text, TMsgKind::Information, {TMsgButton::Ok});
}
