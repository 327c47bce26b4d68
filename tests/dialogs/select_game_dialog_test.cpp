#include <QApplication>
#include <QCheckBox>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/select_game_dialog.h"

#include <gtest/gtest.h>

namespace {

QStringList Entries(int count)
{
    QStringList entries;
    for (int i = 1; i <= count; ++i) {
        entries.append(QStringLiteral("%1. Casual Game; Smith vs Jones 1-0").arg(i));
    }
    return entries;
}

// Runs the real dialog through ChooseGame, acting on it once it is shown.
int ChooseWith(const QStringList& entries, bool& keep, const std::function<void(TSelectDlg&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TSelectDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    return ChooseGame(nullptr, entries, keep);
}

TEST(SelectGameDialog, FirstEntrySelectedAndOkGivesTheSelection)
{
    bool keep = false;
    EXPECT_EQ(ChooseWith(Entries(3), keep,
                  [](TSelectDlg& dialog) {
                      EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Game"));
                      EXPECT_EQ(dialog.SelectedIndex(), 0);
                      dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
                  }),
        0);

    EXPECT_EQ(ChooseWith(Entries(3), keep,
                  [](TSelectDlg& dialog) {
                      auto* list = dialog.findChild<QListView*>(QStringLiteral("GameList"));
                      QTest::keyClick(list, Qt::Key_Down);
                      QTest::keyClick(list, Qt::Key_Down);
                      QTest::keyClick(list, Qt::Key_Return);
                  }),
        2);
    EXPECT_FALSE(keep);
}

TEST(SelectGameDialog, CancelAndEscapeGiveMinusOneAndKeepBoxComesBack)
{
    bool keep = true;
    EXPECT_EQ(ChooseWith(Entries(2), keep,
                  [](TSelectDlg& dialog) {
                      auto* box = dialog.findChild<QCheckBox*>(QStringLiteral("KeepLibraryBox"));
                      EXPECT_TRUE(box->isChecked());
                      box->setChecked(false);
                      dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
                  }),
        -1);
    EXPECT_FALSE(keep);

    EXPECT_EQ(ChooseWith(Entries(2), keep,
                  [](TSelectDlg& dialog) {
                      dialog.findChild<QCheckBox*>(QStringLiteral("KeepLibraryBox"))->setChecked(true);
                      QTest::keyClick(&dialog, Qt::Key_Escape);
                  }),
        -1);
    EXPECT_TRUE(keep);
}

TEST(SelectGameDialog, DoubleClickOpensTheEntry)
{
    bool keep = false;
    EXPECT_EQ(ChooseWith(Entries(5), keep,
                  [](TSelectDlg& dialog) {
                      auto* list = dialog.findChild<QListView*>(QStringLiteral("GameList"));
                      const QModelIndex third = list->model()->index(3, 0);
                      list->setCurrentIndex(third);
                      emit list->doubleClicked(third);
                  }),
        3);
}

TEST(SelectGameDialog, LargeLibraryAndEmptyList)
{
    TSelectDlg dialog;
    dialog.SetEntries(Entries(100000));
    auto* list = dialog.findChild<QListView*>(QStringLiteral("GameList"));
    EXPECT_TRUE(list->uniformItemSizes());
    EXPECT_EQ(list->model()->rowCount(), 100000);
    EXPECT_EQ(dialog.SelectedIndex(), 0);

    dialog.SetEntries({});
    EXPECT_EQ(dialog.SelectedIndex(), -1);
}

TEST(SelectGameDialog, ChooserStandsInForTheDialog)
{
    QStringList seen;
    SetGameChooser([&seen](const QStringList& entries, bool& keep) {
        seen = entries;
        keep = true;
        return 1;
    });
    bool keep = false;
    EXPECT_EQ(ChooseGame(nullptr, Entries(2), keep), 1);
    EXPECT_TRUE(keep);
    EXPECT_EQ(seen, Entries(2));
    SetGameChooser({});
}

TEST(SelectGameDialog, HelpButtonAsksForItsContext)
{
    TSelectDlg dialog;
    int context = 0;
    QObject::connect(&dialog, &TSelectDlg::helpRequested, [&context](int value) { context = value; });
    dialog.findChild<QPushButton*>(QStringLiteral("HelpBtn"))->click();
    EXPECT_EQ(context, 5000);
    EXPECT_FALSE(dialog.isVisible());
}

} // namespace
