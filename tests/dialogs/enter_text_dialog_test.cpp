#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/enter_text_dialog.h"

#include <gtest/gtest.h>

namespace {

std::optional<QString> EnterWith(const QString& preset, const std::function<void(TEnterMoveDlg&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TEnterMoveDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    return EnterText(nullptr, QStringLiteral("Enter Move"), QStringLiteral("Type your move:"), preset, 5700);
}

QLineEdit* Box(const TEnterMoveDlg& dialog)
{
    return dialog.findChild<QLineEdit*>(QStringLiteral("MoveEdit"));
}

TEST(EnterTextDialog, TypingGoesOnAfterThePreset)
{
    const std::optional<QString> text = EnterWith(QStringLiteral("e"), [](TEnterMoveDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Enter Move"));
        EXPECT_EQ(dialog.findChild<QLabel*>(QStringLiteral("HeadingLabel"))->text(),
            QStringLiteral("Type your move:"));
        EXPECT_EQ(dialog.HelpContext(), 5700);
        QLineEdit* box = Box(dialog);
        EXPECT_EQ(dialog.focusWidget(), box);
        EXPECT_EQ(box->cursorPosition(), 1);
        EXPECT_FALSE(box->hasSelectedText());
        QTest::keyClicks(box, QStringLiteral("4 e5"));
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(text, QStringLiteral("e4 e5"));
}

TEST(EnterTextDialog, CancelGivesNothingAndEmptyOkGivesEmpty)
{
    EXPECT_EQ(EnterWith(QStringLiteral("rnbqkbnr/8/8/8/8/8/8/RNBQKBNR w - - 0 1"),
                  [](TEnterMoveDlg& dialog) { QTest::keyClick(&dialog, Qt::Key_Escape); }),
        std::nullopt);
    EXPECT_EQ(
        EnterWith(QString(),
            [](TEnterMoveDlg& dialog) { dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click(); }),
        QString());
}

TEST(EnterTextDialog, HelpAndAsker)
{
    TEnterMoveDlg dialog;
    dialog.Prepare(QStringLiteral("E-mail Game"), QStringLiteral("Address:"), QString(), 5710);
    int context = 0;
    QObject::connect(&dialog, &TEnterMoveDlg::helpRequested, [&context](int value) { context = value; });
    dialog.findChild<QPushButton*>(QStringLiteral("HelpBtn"))->click();
    EXPECT_EQ(context, 5710);

    QString asked;
    SetTextAsker([&asked](const QString& caption, const QString&, const QString& preset) {
        asked = caption + u'|' + preset;
        return std::optional<QString>(QStringLiteral("a@b.c"));
    });
    EXPECT_EQ(EnterText(nullptr, QStringLiteral("E-mail Game"), QString(), QStringLiteral("x"), 5710),
        QStringLiteral("a@b.c"));
    EXPECT_EQ(asked, QStringLiteral("E-mail Game|x"));
    SetTextAsker({});
}

} // namespace
