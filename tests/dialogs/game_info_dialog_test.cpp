#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "dialogs/game_info_dialog.h"

#include <gtest/gtest.h>

namespace {

// Every field different and within its box.
TInfoRec FullInfo()
{
    TInfoRec info;
    for (const TInfoField& field : InfoFields()) {
        info.*field.member = field.name.left(2);
    }
    info.Event = QStringLiteral("Club Championship");
    info.Round = QStringLiteral("3.1");
    info.Date = QStringLiteral("2003.05.17");
    info.Time = QStringLiteral("14:05:00");
    info.ECO = QStringLiteral("B90");
    info.White = QStringLiteral("Smith, John");
    info.WhiteELO = QStringLiteral("2100");
    info.WhiteCountry = QStringLiteral("ENG");
    info.BlackEmail = QStringLiteral("jones@example.org");
    info.EventDate = QStringLiteral("2003.??.??");
    return info;
}

QLineEdit* Edit(const QWidget& dialog, const char* name)
{
    auto* edit = dialog.findChild<QLineEdit*>(QLatin1String(name));
    EXPECT_NE(edit, nullptr) << name;
    return edit;
}

// Runs the real dialog through EditGameInfo, acting on it once it is shown.
bool EditWith(TInfoRec& info, const std::function<void(TInfoDlg&)>& act)
{
    QTimer::singleShot(0, [act] {
        auto* dialog = qobject_cast<TInfoDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        act(*dialog);
    });
    return EditGameInfo(nullptr, info);
}

TEST(GameInfoDialog, OkKeepsEveryFieldAndTakesTheEdits)
{
    const TInfoRec full = FullInfo();
    TInfoRec info = full;
    EXPECT_TRUE(EditWith(info, [](TInfoDlg& dialog) {
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Game and Player Information"));
        EXPECT_EQ(dialog.focusWidget(), Edit(dialog, "EventEdit"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    }));
    EXPECT_EQ(info, full);

    // Each box writes its own field.
    for (const TInfoField& field : InfoFields()) {
        SCOPED_TRACE(field.name.toStdString());
        TInfoDlg dialog;
        dialog.SetInfo(TInfoRec {});
        TInfoRec expected;
        expected.*field.member = QStringLiteral("1");
        TInfoRec shown;
        shown.*field.member = QStringLiteral("1");
        dialog.SetInfo(shown);
        EXPECT_EQ(dialog.Info(), expected);
    }
}

TEST(GameInfoDialog, CancelChangesNothing)
{
    const TInfoRec full = FullInfo();
    TInfoRec info = full;
    EXPECT_FALSE(EditWith(info, [](TInfoDlg& dialog) {
        QTest::keyClicks(Edit(dialog, "EventEdit"), QStringLiteral("typed"));
        Edit(dialog, "WhiteEdit")->clear();
        dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    }));
    EXPECT_EQ(info, full);
}

TEST(GameInfoDialog, LimitsCutWhatIsShownAndTyped)
{
    TInfoDlg dialog;
    TInfoRec info;
    info.Round = QString(100, u'9');
    info.ECO = QStringLiteral("B90abcdef");
    info.WhiteTitle = QStringLiteral("GMX");
    info.BlackELO = QStringLiteral("23456");
    info.BlackCountry = QStringLiteral("NEDX");
    info.Opening = QString(200, u'o'); // no limit
    dialog.SetInfo(info);
    QTest::keyClicks(Edit(dialog, "WhiteEloEdit"), QStringLiteral("210099"));
    const TInfoRec read = dialog.Info();
    EXPECT_EQ(read.Round, QString(80, u'9'));
    EXPECT_EQ(read.ECO, QStringLiteral("B90abc"));
    EXPECT_EQ(read.WhiteTitle, QStringLiteral("GM"));
    EXPECT_EQ(read.WhiteELO, QStringLiteral("2100"));
    EXPECT_EQ(read.BlackELO, QStringLiteral("2345"));
    EXPECT_EQ(read.BlackCountry, QStringLiteral("NED"));
    EXPECT_EQ(read.Opening, info.Opening);
}

TEST(GameInfoDialog, DateAndTimePlaces)
{
    const struct {
        const char* what;
        const char* stored;
        const char* typed; // after clearing the box; null: left alone
        const char* read;
    } cases[] = {
        {"empty stays empty", "", nullptr, ""},
        {"a fitting date round trips", "2003.05.17", nullptr, "2003.05.17"},
        {"question marks are characters", "????.??.??", nullptr, "????.??.??"},
        {"a date that does not fit is kept", "17/05/2003", nullptr, "17/05/2003"},
        {"a short date is kept", "2003", nullptr, "2003"},
        {"typing fills the places", "", "20030517", "2003.05.17"},
        {"places left empty are unknown", "", "2003", "2003.??.??"},
        {"the dots are typed over", "", "2003.05.17", "2003.05.17"},
        {"a dot moves to the next part", "", "20.5", "20??.5?.??"},
        {"a cleared box is empty", "2003.05.17", "", ""},
    };
    for (const auto& row : cases) {
        SCOPED_TRACE(row.what);
        TInfoDlg dialog;
        TInfoRec info;
        info.Date = QString::fromUtf8(row.stored);
        dialog.SetInfo(info);
        if (row.typed != nullptr) {
            QLineEdit* date = Edit(dialog, "DateEdit");
            date->selectAll();
            QTest::keyClick(date, Qt::Key_Delete);
            date->setCursorPosition(0);
            QTest::keyClicks(date, QString::fromUtf8(row.typed));
        }
        EXPECT_EQ(dialog.Info().Date, QString::fromUtf8(row.read));
    }

    TInfoDlg dialog;
    dialog.SetInfo({});
    QLineEdit* time = Edit(dialog, "TimeEdit");
    time->setCursorPosition(0);
    QTest::keyClicks(time, QStringLiteral("0930"));
    EXPECT_EQ(dialog.Info().Time, QStringLiteral("09:30:??"));
}

TEST(GameInfoDialog, EditorStandsInForTheDialog)
{
    SetInfoEditor([](TInfoRec& info) {
        info.Site = QStringLiteral("London");
        return true;
    });
    TInfoRec info;
    EXPECT_TRUE(EditGameInfo(nullptr, info));
    EXPECT_EQ(info.Site, QStringLiteral("London"));
    SetInfoEditor({});
}

} // namespace
