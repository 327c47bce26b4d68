#include "dialogs/enter_text_dialog.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "dialogs/dialog_help.h"
#include "dialogs/form_translation.h"

#include <utility>

namespace {

TTextAsker textAsker;

// Wide enough for a whole position string.
constexpr int minimumEditWidth = 420;

} // namespace

TEnterMoveDlg::TEnterMoveDlg(QWidget* parent)
    : QDialog(parent)
    , heading(new QLabel(this))
    , edit(new QLineEdit(this))
{
    setObjectName(QStringLiteral("EnterMoveDlg"));
    auto* layout = new QVBoxLayout(this);
    heading->setObjectName(QStringLiteral("HeadingLabel"));
    heading->setWordWrap(true);
    heading->setBuddy(edit);
    layout->addWidget(heading);
    edit->setObjectName(QStringLiteral("MoveEdit"));
    edit->setMinimumWidth(minimumEditWidth);
    edit->installEventFilter(this);
    layout->addWidget(edit);

    AddOkCancelHelp(*this, *layout, [this] { emit helpRequested(helpContext); });
    // Only the buttons are translated here: the caption and the heading are
    // the caller's, who takes them from the language file's messages.
    TranslateForm(this);
}

void TEnterMoveDlg::Prepare(
    const QString& caption, const QString& headingText, const QString& preset, int context)
{
    setWindowTitle(caption);
    heading->setText(headingText);
    helpContext = context;
    edit->setText(preset);
    edit->deselect();
    edit->setCursorPosition(static_cast<int>(preset.size()));
    edit->setFocus(Qt::OtherFocusReason);
    keepCaret = true;
}

bool TEnterMoveDlg::eventFilter(QObject* watched, QEvent* event)
{
    // A dialog being shown hands its focus to the box as if tabbed into,
    // which selects the text, so the first key would replace the preset
    // character. That first focus arrives as a plain one instead.
    if (watched == edit && event->type() == QEvent::FocusIn && keepCaret) {
        keepCaret = false;
        QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
        QCoreApplication::sendEvent(edit, &plain);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

QString TEnterMoveDlg::Text() const
{
    return edit->text();
}

std::optional<QString> EnterText(
    QWidget* parent, const QString& caption, const QString& heading, const QString& preset, int helpContext)
{
    if (textAsker) {
        return textAsker(caption, heading, preset);
    }
    TEnterMoveDlg dialog(parent);
    QObject::connect(&dialog, &TEnterMoveDlg::helpRequested, &ShowDialogHelp);
    dialog.Prepare(caption, heading, preset, helpContext);
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Text();
}

void SetTextAsker(TTextAsker asker)
{
    textAsker = std::move(asker);
}
