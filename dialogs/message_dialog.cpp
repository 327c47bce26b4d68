#include "dialogs/message_dialog.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPushButton>

#include "dialogs/form_translation.h"

namespace {

QMessageBox::StandardButton standardButton(TMsgButton button)
{
    switch (button) {
    case TMsgButton::Yes:
        return QMessageBox::Yes;
    case TMsgButton::No:
        return QMessageBox::No;
    case TMsgButton::Ok:
        return QMessageBox::Ok;
    case TMsgButton::Cancel:
        return QMessageBox::Cancel;
    case TMsgButton::Abort:
        return QMessageBox::Abort;
    case TMsgButton::Retry:
        return QMessageBox::Retry;
    }
    return QMessageBox::Ok;
}

QMessageBox::Icon kindIcon(TMsgKind kind)
{
    switch (kind) {
    case TMsgKind::Warning:
        return QMessageBox::Warning;
    case TMsgKind::Error:
        return QMessageBox::Critical;
    case TMsgKind::Information:
        return QMessageBox::Information;
    case TMsgKind::Confirmation:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

} // namespace

std::unique_ptr<QMessageBox> BuildMessageDialog(const TMessageBoxRequest& request, QWidget* parent)
{
    auto box = std::make_unique<QMessageBox>(
        kindIcon(request.kind), request.title, request.text, QMessageBox::NoButton, parent);
    box->setObjectName(QStringLiteral("MessageForm"));
    for (TMsgButton button : request.buttons) {
        QPushButton* shown = box->addButton(standardButton(button));
        shown->setText(ButtonCaption(button));
        shown->setObjectName(ButtonName(button));
    }
    if (!request.buttons.isEmpty()) {
        box->setDefaultButton(standardButton(request.buttons.front()));
        box->setEscapeButton(box->button(standardButton(EscapeButton(request.buttons))));
    }
    TranslateForm(box.get());
    return box;
}

TMsgButton RunMessageDialog(const TMessageBoxRequest& request)
{
    const std::unique_ptr<QMessageBox> box = BuildMessageDialog(request, QApplication::activeWindow());
    box->exec();
    const QAbstractButton* clicked = box->clickedButton();
    for (TMsgButton button : request.buttons) {
        if (clicked != nullptr && clicked == box->button(standardButton(button))) {
            return button;
        }
    }
    return EscapeButton(request.buttons);
}

void InstallMessageDialogPresenter()
{
    setMessageBoxPresenter(&RunMessageDialog);
}
