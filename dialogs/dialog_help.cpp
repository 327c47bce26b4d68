#include "dialogs/dialog_help.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QPushButton>

#include <utility>

namespace {

THelpHandler helpHandler;

} // namespace

THelpHandler SetDialogHelpHandler(THelpHandler handler)
{
    return std::exchange(helpHandler, std::move(handler));
}

void ShowDialogHelp(int context)
{
    if (helpHandler) {
        helpHandler(context);
    }
}

void AddOkCancelHelp(QDialog& dialog, QBoxLayout& layout, const std::function<void()>& help)
{
    auto* buttons = new QDialogButtonBox(&dialog);
    const auto add = [buttons](const char* name, const char* caption, QDialogButtonBox::ButtonRole role) {
        QPushButton* button = buttons->addButton(QCoreApplication::translate("Dialog", caption), role);
        button->setObjectName(QLatin1String(name));
        return button;
    };
    add("OKBtn", "OK", QDialogButtonBox::AcceptRole)->setDefault(true);
    add("CancelBtn", "Cancel", QDialogButtonBox::RejectRole);
    QPushButton* helpButton = add("HelpBtn", "&Help", QDialogButtonBox::HelpRole);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    QObject::connect(helpButton, &QPushButton::clicked, &dialog, help);
    layout.addWidget(buttons);
}
