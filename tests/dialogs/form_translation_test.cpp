#include <QAction>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QToolButton>

#include "dialogs/form_translation.h"
#include "dialogs/game_history_menu.h"
#include "dialogs/message_dialog.h"
#include "settings/language_file.h"
#include "settings/recent_files.h"

#include <gtest/gtest.h>

namespace {

// A small options dialog with one component of each kind the language
// file can re-caption, built as the program's forms are.
struct SmallForm {
    SmallForm()
    {
        form.setObjectName(QStringLiteral("OptionsDlg"));
        form.setWindowTitle(QStringLiteral("Options"));
        make<QLabel>(QStringLiteral("IntervalLabel"))->setText(QStringLiteral("Minutes"));
        make<QCheckBox>(QStringLiteral("StoreSettingsBox_Time"))->setText(QStringLiteral("Store"));
        make<QCheckBox>(QStringLiteral("StoreSettingsBox_Print"))->setText(QStringLiteral("Store"));
        auto* group = make<QGroupBox>(QStringLiteral("LimitTypeGroup"));
        group->setTitle(QStringLiteral("Limit"));
        for (const char* item : {"None", "Game", "Turn", "Hour"}) {
            (new QRadioButton(QString::fromUtf8(item), group))->setObjectName(QStringLiteral("Limit_item"));
        }
        auto* pages = make<QTabWidget>(QStringLiteral("Pages"));
        for (const char* page : {"TimePage", "StrengthPage", "DisplayPage"}) {
            auto* sheet = new QWidget;
            sheet->setObjectName(QString::fromUtf8(page));
            pages->addTab(sheet, QString::fromUtf8(page).left(1));
        }
        auto* grid = make<QTableWidget>(QStringLiteral("MovesGrid"));
        grid->setColumnCount(3);
        make<QToolButton>(QStringLiteral("HelpButton"))->setText(QStringLiteral("Help"));
        QPixmap glyph(16, 16);
        glyph.fill(Qt::red);
        make<QToolButton>(QStringLiteral("SpeedRotate"))->setIcon(QIcon(glyph));
        auto* bound = make<QToolButton>(QStringLiteral("BoundButton"));
        newGame = new QAction(QStringLiteral("&New"), &form);
        newGame->setObjectName(QStringLiteral("FileNew"));
        newGame->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
        bound->setDefaultAction(newGame);
        make<QMenu>(QStringLiteral("FileMenu"))->setTitle(QStringLiteral("&File"));
        make<QLineEdit>(QStringLiteral("NameEdit"))->setText(QStringLiteral("Smith"));
    }

    template <typename Widget> Widget* make(const QString& name)
    {
        auto* widget = new Widget(&form);
        widget->setObjectName(name);
        return widget;
    }
    template <typename Widget> Widget* find(const QString& name) const
    {
        return form.findChild<Widget*>(name);
    }

    QDialog form;
    QAction* newGame = nullptr;
};

class FormTranslation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        InstallFormTranslation();
    }
    void TearDown() override
    {
        CloseLanguageFile();
        setLanguageChangedHook({});
    }
    QString languageFile(const char* name, const QByteArray& text)
    {
        const QString path = folder.filePath(QString::fromUtf8(name));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    QTemporaryDir folder;
};

const QByteArray firstLanguage = "[Objects]\n"
                                 "OptionsDlg = Settings | Change how the program behaves\n"
                                 "OptionsDlg.StoreSettingsBox=Keep with games|Saved in game files\n"
                                 "StoreSettingsBox=Plain store\n"
                                 "LimitTypeGroup=Time control|No limit|Game time\n"
                                 "Pages=Time|Strength|Display|Extra\n"
                                 "MovesGrid=No.|White|Black|Extra|More\n"
                                 "HelpButton=&Help me\n"
                                 "SpeedRotate=Turn the board | round\n"
                                 "FileNew=&Fresh game\n"
                                 "FileMenu=&Game|Alt+G\n"
                                 "NameEdit=Name|Your name\n"
                                 "StrengthPage=Playing strength | How well the computer plays\n"
                                 "IntervalLabel=Minutes per game|How long each player has\n"
                                 "BoundButton=Never shown\n";

TEST_F(FormTranslation, EachKindOfComponentTakesItsFields)
{
    SmallForm small;
    OpenLanguageFile(languageFile("First.lng", firstLanguage));
    TranslateForm(&small.form);

    EXPECT_EQ(small.form.windowTitle(), u"Settings");
    EXPECT_EQ(small.form.toolTip(), u"Change how the program behaves");
    const auto* label = small.find<QLabel>(QStringLiteral("IntervalLabel"));
    EXPECT_EQ(label->text(), u"Minutes per game");
    EXPECT_EQ(label->toolTip(), u"How long each player has");
    for (const char* box : {"StoreSettingsBox_Time", "StoreSettingsBox_Print"}) {
        EXPECT_EQ(small.find<QCheckBox>(QString::fromUtf8(box))->text(), u"Keep with games") << box;
    }

    const auto* group = small.find<QGroupBox>(QStringLiteral("LimitTypeGroup"));
    EXPECT_EQ(group->title(), u"Time control");
    QStringList items;
    for (const QRadioButton* item : group->findChildren<QRadioButton*>()) {
        items.append(item->text());
    }
    EXPECT_EQ(items, QStringList({"No limit", "Game time", "Turn", "Hour"}));

    const auto* pages = small.find<QTabWidget>(QStringLiteral("Pages"));
    EXPECT_EQ(pages->tabText(0), u"Time");
    EXPECT_EQ(pages->tabText(1), u"Playing strength");
    EXPECT_EQ(pages->tabToolTip(1), u"How well the computer plays");
    EXPECT_EQ(pages->tabText(2), u"Display");
    auto* grid = small.find<QTableWidget>(QStringLiteral("MovesGrid"));
    EXPECT_EQ(grid->columnCount(), 3);
    EXPECT_EQ(grid->horizontalHeaderItem(2)->text(), u"Black");

    const auto* help = small.find<QToolButton>(QStringLiteral("HelpButton"));
    EXPECT_EQ(help->text(), u"&Help me");
    EXPECT_EQ(help->toolTip(), u"Help me");
    const auto* speed = small.find<QToolButton>(QStringLiteral("SpeedRotate"));
    EXPECT_EQ(speed->toolTip(), u"Turn the board | round");
    EXPECT_TRUE(speed->text().isEmpty());

    // A caption alone removes the designed shortcut; the hint loses the "&".
    EXPECT_EQ(small.newGame->text(), u"&Fresh game");
    EXPECT_EQ(small.newGame->statusTip(), u"Fresh game");
    EXPECT_TRUE(small.newGame->shortcut().isEmpty());
    EXPECT_NE(small.find<QToolButton>(QStringLiteral("BoundButton"))->text(), u"Never shown");
    const auto* menu = small.find<QMenu>(QStringLiteral("FileMenu"));
    EXPECT_EQ(menu->title(), u"&Game");
    EXPECT_EQ(menu->menuAction()->shortcut(), QKeySequence(Qt::ALT | Qt::Key_G));

    const auto* edit = small.find<QLineEdit>(QStringLiteral("NameEdit"));
    EXPECT_EQ(edit->text(), u"Smith");
    EXPECT_EQ(edit->toolTip(), u"Your name");
}

// The hint of a captioned control is only what follows the first "|": an
// entry without one clears the designed hint rather than repeating the caption.
TEST_F(FormTranslation, CaptionsAndHintsSplitAtTheFirstBar)
{
    const struct {
        const char* name;
        const char* value;
        const char* caption;
        const char* hint;
    } cases[] = {
        {"IntervalLabel", "Minutes", "Minutes", ""},
        {"IntervalLabel", "Minutes | per player | each", "Minutes", "per player | each"},
        {"StoreSettingsBox_Time", "Keep|", "Keep", ""},
        {"OptionsDlg", "Settings", "Settings", ""},
        {"NameEdit", "Name", "Smith", ""},
        {"NameEdit", "Name | Who plays White", "Smith", "Who plays White"},
        {"TimePage", "Clock", "Clock", ""},
        {"TimePage", "Clock|Time controls", "Clock", "Time controls"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.name) + " = " + c.value);
        SmallForm small;
        QWidget* widget = small.form.objectName() == QString::fromUtf8(c.name)
            ? &small.form
            : small.find<QWidget>(QString::fromUtf8(c.name));
        ASSERT_NE(widget, nullptr);
        widget->setToolTip(QStringLiteral("designed hint"));
        ApplyObjectText(widget, QString::fromUtf8(c.value));

        const auto* pages = small.find<QTabWidget>(QStringLiteral("Pages"));
        QString caption;
        if (widget->isWindow()) {
            caption = widget->windowTitle();
        } else if (const auto* label = qobject_cast<QLabel*>(widget)) {
            caption = label->text();
        } else if (const auto* box = qobject_cast<QCheckBox*>(widget)) {
            caption = box->text();
        } else if (const auto* edit = qobject_cast<QLineEdit*>(widget)) {
            caption = edit->text();
        } else {
            caption = pages->tabText(pages->indexOf(widget));
            EXPECT_EQ(pages->tabToolTip(pages->indexOf(widget)), QString::fromUtf8(c.hint));
        }
        EXPECT_EQ(caption, QString::fromUtf8(c.caption));
        EXPECT_EQ(widget->toolTip(), QString::fromUtf8(c.hint));
    }
}

TEST_F(FormTranslation, AQualifiedEntryServesItsFormAndThePlainOneTheOthers)
{
    SmallForm small;
    QWidget other;
    other.setObjectName(QStringLiteral("GameInfoDlg"));
    auto* box = new QCheckBox(QStringLiteral("Store"), &other);
    box->setObjectName(QStringLiteral("StoreSettingsBox"));
    OpenLanguageFile(languageFile("First.lng", firstLanguage));

    EXPECT_EQ(LookupObjectText(small.find<QCheckBox>(QStringLiteral("StoreSettingsBox_Time"))),
        u"Keep with games|Saved in game files");
    EXPECT_EQ(LookupObjectText(box), u"Plain store");
    EXPECT_EQ(LookupObjectText(&other), u"");
    QObject unnamed;
    EXPECT_EQ(LookupObjectText(&unnamed), u"");
}

TEST_F(FormTranslation, SwitchingTheLanguageReCaptionsOpenFormsOnce)
{
    SmallForm small;
    small.form.show();
    const QString english = languageFile("First.lng", firstLanguage);
    const QString other = languageFile("Second.lng",
        "[Objects]\nIntervalLabel=Minuten\nOptionsDlg=Einstellungen\nLimitTypeGroup=Zeit|Keine\n");

    SetLanguageFile(english);
    EXPECT_EQ(small.find<QLabel>(QStringLiteral("IntervalLabel"))->text(), u"Minutes per game");
    SetLanguageFile(other);
    EXPECT_EQ(small.form.windowTitle(), u"Einstellungen");
    EXPECT_EQ(small.find<QLabel>(QStringLiteral("IntervalLabel"))->text(), u"Minuten");
    // Captions the new file does not mention keep what the last one gave.
    EXPECT_EQ(small.find<QTabWidget>(QStringLiteral("Pages"))->tabText(0), u"Time");

    // The same file again is neither read nor applied.
    small.find<QLabel>(QStringLiteral("IntervalLabel"))->setText(QStringLiteral("changed"));
    SetLanguageFile(other);
    EXPECT_EQ(small.find<QLabel>(QStringLiteral("IntervalLabel"))->text(), u"changed");
}

TEST_F(FormTranslation, NoLanguageFileLeavesTheBuiltInCaptions)
{
    SmallForm small;
    TranslateForm(&small.form);
    EXPECT_EQ(small.form.windowTitle(), u"Options");
    EXPECT_EQ(small.newGame->shortcut(), QKeySequence(QStringLiteral("Ctrl+N")));
}

TEST(Shortcuts, AreReadFromTheirText)
{
    const struct {
        const char* text;
        QKeySequence keys;
    } cases[] = {
        {"Ctrl+N", QKeySequence(Qt::CTRL | Qt::Key_N)},
        {"ctrl+shift+z", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"Shift+Enter", QKeySequence(Qt::SHIFT | Qt::Key_Return)},
        {"Alt+3", QKeySequence(Qt::ALT | Qt::Key_3)},
        {"F1", QKeySequence(Qt::Key_F1)},
        {"F12", QKeySequence(Qt::Key_F12)},
        {"BkSp", QKeySequence(Qt::Key_Backspace)},
        {"PgDn", QKeySequence(Qt::Key_PageDown)},
        {"Del", QKeySequence(Qt::Key_Delete)},
        {" Ins ", QKeySequence(Qt::Key_Insert)},
        {"Esc", QKeySequence(Qt::Key_Escape)},
        {"", QKeySequence()},
        {"F13", QKeySequence()},
        {"F0", QKeySequence()},
        {"Ctrl+", QKeySequence()},
        {"Meta+X", QKeySequence()},
        {"Ctrl+NN", QKeySequence()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortcutFromText(QString::fromUtf8(c.text)), c.keys) << c.text;
    }
}

TEST_F(FormTranslation, MessageBoxButtonsTakeTheirObjectsEntries)
{
    OpenLanguageFile(languageFile("First.lng", "[Objects]\nAbort=&Add to it\nRetry=Re&place it\n"));
    const auto box = BuildMessageDialog({TMsgKind::Confirmation, QStringLiteral("Confirm"),
        QStringLiteral("?"), {TMsgButton::Cancel, TMsgButton::Abort, TMsgButton::Retry}});
    EXPECT_EQ(box->findChild<QAbstractButton*>(QStringLiteral("Abort"))->text(), u"&Add to it");
    EXPECT_EQ(box->findChild<QAbstractButton*>(QStringLiteral("Retry"))->text(), u"Re&place it");
    EXPECT_EQ(box->findChild<QAbstractButton*>(QStringLiteral("Cancel"))->text(), u"Cancel");
}

TEST(GameHistoryMenu, ListsTheRecentFilesAfterTheMenusOwnItems)
{
    QMenu menu;
    menu.addAction(QStringLiteral("E&xit"));
    RecentFiles = {QStringLiteral("/games/b&w.pgn"), QStringLiteral("/games/two.pgn")};
    int opened = 0;
    const auto open = [&opened](int slot) { opened = slot; };
    BuildGameHistoryMenu(&menu, open);
    BuildGameHistoryMenu(&menu, open); // built again: no doubles

    const QList<QAction*> actions = menu.actions();
    ASSERT_EQ(actions.size(), 4);
    EXPECT_TRUE(actions[1]->isSeparator());
    EXPECT_EQ(actions[1]->objectName(), u"GameHistoryLine");
    EXPECT_EQ(actions[2]->text(), u"&1 b&&w.pgn");
    EXPECT_EQ(actions[3]->objectName(), u"GameHistory2");
    actions[3]->trigger();
    EXPECT_EQ(opened, 2);

    RecentFiles = {};
    BuildGameHistoryMenu(&menu, open);
    EXPECT_EQ(menu.actions().size(), 1);
}

} // namespace
