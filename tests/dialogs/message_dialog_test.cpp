#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

#include "dialogs/message_dialog.h"

#include <gtest/gtest.h>

namespace {

TEST(MessageDialog, ShowsTheKindTitleIconAndNamedButtons)
{
    const auto box = BuildMessageDialog(
        {TMsgKind::Confirmation, QStringLiteral("Confirm"), QStringLiteral("Add to games.pgn or replace it?"),
            {TMsgButton::Cancel, TMsgButton::Abort, TMsgButton::Retry}});

    EXPECT_EQ(box->windowTitle(), u"Confirm");
    EXPECT_EQ(box->text(), u"Add to games.pgn or replace it?");
    EXPECT_EQ(box->icon(), QMessageBox::Question);
    ASSERT_EQ(box->buttons().size(), 3);
    const struct {
        const char* name;
        const char* caption;
    } buttons[] = {{"Cancel", "Cancel"}, {"Abort", "&Abort"}, {"Retry", "&Retry"}};
    for (const auto& b : buttons) {
        const auto* button = box->findChild<QAbstractButton*>(QString::fromUtf8(b.name));
        ASSERT_NE(button, nullptr) << b.name;
        EXPECT_EQ(button->text(), QString::fromUtf8(b.caption));
    }
    EXPECT_EQ(box->escapeButton(), box->findChild<QAbstractButton*>(QStringLiteral("Cancel")));
}

TEST(MessageDialog, ReturnsTheButtonPressed)
{
    const QList<TMsgButton> choices {TMsgButton::Cancel, TMsgButton::Abort, TMsgButton::Retry};
    for (TMsgButton pressed : choices) {
        const QString name = ButtonName(pressed);
        QTimer::singleShot(0, [name]() {
            QWidget* box = QApplication::activeModalWidget();
            ASSERT_NE(box, nullptr);
            box->findChild<QAbstractButton*>(name)->click();
        });
        EXPECT_EQ(RunMessageDialog(
                      {TMsgKind::Confirmation, QStringLiteral("Confirm"), QStringLiteral("?"), choices}),
            pressed);
    }
}

TEST(MessageDialog, ClosingWithoutAChoiceIsTheEscapeButton)
{
    QTimer::singleShot(0, []() { QApplication::activeModalWidget()->close(); });
    EXPECT_EQ(RunMessageDialog({TMsgKind::Confirmation, QStringLiteral("Confirm"), QStringLiteral("?"),
                  {TMsgButton::Yes, TMsgButton::No}}),
        TMsgButton::No);
}

} // namespace
