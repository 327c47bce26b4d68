#include <QApplication>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

#include "controller_fixture.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "view/board_panel.h"
#include "view/status_panel.h"
#include "view/board_panel.h"
#include "view/status_panel.h"

namespace {

using LifeCycle = ControllerTest;

TEST_F(LifeCycle, CloseAsksOnlyForAModifiedGameInProgress)
{
    {
        auto fresh = MakeForm();
        fresh->show();
        EXPECT_TRUE(fresh->close());
        EXPECT_TRUE(shown.isEmpty());
    }
    {
        auto playing = MakeForm();
        playing->show();
        playing->PlayBothExecute();
        ASSERT_TRUE(playing->EnterMove(QStringLiteral("e2e4")));
        answer = TMsgButton::Cancel;
        EXPECT_FALSE(playing->close());
        EXPECT_EQ(shown, QStringList {FormatMessage(msg::DiscardGameOnClose)});
        EXPECT_EQ(playing->BusyDepth(), 0);
        answer = TMsgButton::Ok;
        EXPECT_TRUE(playing->close());
        // Nothing runs during shutdown.
        EXPECT_GT(playing->BusyDepth(), 0);
    }
    shown.clear();
    {
        auto over = MakeForm();
        over->show();
        over->PlayBothExecute();
        ASSERT_TRUE(over->EnterMove(QStringLiteral("e2e4")));
        over->ResignExecute();
        shown.clear();
        EXPECT_TRUE(over->close());
        EXPECT_TRUE(shown.isEmpty());
    }
    {
        TStartSwitches saver;
        saver.AppMode = TAppMode::SaverPassword;
        auto password = MakeForm(saver);
        password->PlayBothExecute();
        ASSERT_TRUE(password->EnterMove(QStringLiteral("e2e4")));
        EXPECT_TRUE(password->OkToCloseForm());
        EXPECT_EQ(shown.size(), 1);
        shown.clear();
        saver.AppMode = TAppMode::SaverRun;
        auto run = MakeForm(saver);
        run->PlayBothExecute();
        ASSERT_TRUE(run->EnterMove(QStringLiteral("e2e4")));
        EXPECT_TRUE(run->OkToCloseForm());
        EXPECT_TRUE(shown.isEmpty());
    }
}

TEST_F(LifeCycle, RunTimeLimitWarnsAMinuteBeforeAndThenEnds)
{
    TStartSwitches switches;
    switches.RunMinutes = 3;
    auto form = MakeForm(switches);
    form->show();
    EXPECT_EQ(form->FinishTimer().interval(), 60000);
    Advance(60000);
    form->FinishTimerTimer();
    EXPECT_TRUE(shown.isEmpty());
    Advance(60000);
    form->FinishTimerTimer();
    EXPECT_EQ(shown, QStringList {FormatMessage(msg::RunTimeWarning)});
    EXPECT_TRUE(form->isVisible());
    Advance(60000);
    form->PlayBothExecute();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    form->FinishTimerTimer();
    EXPECT_EQ(shown.last(), FormatMessage(msg::RunTimeOver));
    EXPECT_TRUE(form->GameOver());
    EXPECT_FALSE(form->isVisible());
    // The game in progress ended without a question.
    EXPECT_EQ(shown.size(), 2);
}

TEST_F(LifeCycle, TheSaverPlaysItselfUntilTouched)
{
    TStartSwitches switches;
    switches.AppMode = TAppMode::SaverRun;
    auto form = MakeForm(switches);
    form->show();
    form->FormActivate();
    EXPECT_EQ(form->PlayKind(), TPlayKind::AutoPlay);
    EXPECT_EQ(form->GameMode(), TGameMode::Playing);

    const auto moveTo = [&form](QPointF at) {
        QMouseEvent move(QEvent::MouseMove, at, at, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(form.get(), &move);
    };
    moveTo({10, 10});
    EXPECT_TRUE(form->isVisible());
    moveTo({10, 10});
    EXPECT_TRUE(form->isVisible());
    moveTo({40, 10});
    EXPECT_FALSE(form->isVisible());

    auto again = MakeForm(switches);
    again->show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    QCoreApplication::sendEvent(again.get(), &key);
    EXPECT_FALSE(again->isVisible());
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(LifeCycle, AViewerHasNoTimeLimit)
{
    Options.TimeLimitType = 1;
    Options.DifferentTime = true;
    TStartSwitches switches;
    switches.AppMode = TAppMode::ViewGame;
    auto form = MakeForm(switches);
    EXPECT_EQ(Options.TimeLimitType, 0);
    EXPECT_FALSE(Options.DifferentTime);
    EXPECT_TRUE(Options.OpenToEnd);
}

TEST_F(LifeCycle, TheCaptionNamesTheViewerTheHiddenStatusAndUnsavedChanges)
{
    const QString title = QStringLiteral(" - ") + QApplication::applicationDisplayName();
    TStartSwitches viewer;
    viewer.AppMode = TAppMode::ViewGame;
    EXPECT_EQ(MakeForm(viewer)->windowTitle(), FormatMessage(msg::ViewingTitle) + title);

    Options.ShowStatus = false;
    auto form = MakeForm();
    EXPECT_EQ(form->windowTitle(), QApplication::applicationDisplayName());
    form->PlayBothExecute();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("*") + title);
    form->ResignExecute();
    EXPECT_EQ(form->windowTitle(), form->StatusDetail() + QStringLiteral(" *") + title);
}

TEST_F(LifeCycle, TheSaverConfigurationSaysThereIsNothingToSetAndEnds)
{
    TStartSwitches switches;
    switches.AppMode = TAppMode::SaverConfig;
    auto form = MakeForm(switches);
    form->show();
    for (int pass = 0; pass < 20 && form->isVisible(); ++pass) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(shown, QStringList {FormatMessage(msg::NothingToConfigure)});
    EXPECT_FALSE(form->isVisible());
}

TEST_F(LifeCycle, TheStoredWindowStateAppliesExceptInTheViewer)
{
    struct StateCase {
        const char* stored;
        TAppMode mode;
        bool maximizeSwitch;
        Qt::WindowStates expected;
    };
    const StateCase cases[] = {
        {"0", TAppMode::Normal, false, Qt::WindowNoState},
        {"1", TAppMode::Normal, false, Qt::WindowMinimized},
        {"2", TAppMode::Normal, false, Qt::WindowMaximized},
        {"1", TAppMode::Normal, true, Qt::WindowMaximized},
        {"2", TAppMode::SaverPassword, false, Qt::WindowMaximized},
        {"1", TAppMode::ViewGame, false, Qt::WindowNoState},
        {"2", TAppMode::ViewGame, false, Qt::WindowNoState},
        {"x", TAppMode::Normal, false, Qt::WindowNoState},
    };
    for (const StateCase& c : cases) {
        SCOPED_TRACE(std::string(c.stored) + " in mode " + std::to_string(static_cast<int>(c.mode)));
        SettingsFile().setValue(
            QStringLiteral("Window"), QStringLiteral("State"), QString::fromLatin1(c.stored));
        TStartSwitches switches;
        switches.AppMode = c.mode;
        switches.Maximized = c.maximizeSwitch;
        EXPECT_EQ(MakeForm(switches)->windowState(), c.expected);
    }
    SettingsFile().setValue(QStringLiteral("Window"), QStringLiteral("State"), QStringLiteral("0"));
}

TEST_F(LifeCycle, ThePreviewShowsTheBoardAlone)
{
    TStartSwitches switches;
    switches.AppMode = TAppMode::SaverPreview;
    auto form = MakeForm(switches);
    form->show();
    EXPECT_FALSE(form->StatusPanel()->isVisible());
    EXPECT_EQ(form->Board()->TakenHeight(), 0);
    EXPECT_EQ(form->Board()->EdgeSize(), 0);
}

// Needs an X display: the preview draws into another program's window.
TEST_F(LifeCycle, ThePreviewLivesInsideItsHostWindowUntilTheHostGoesAway)
{
    if (QGuiApplication::platformName() != u"xcb") {
        GTEST_SKIP() << "no X display";
    }
    auto host = std::make_unique<QWidget>();
    host->resize(180, 150);
    host->show();
    TStartSwitches switches;
    switches.AppMode = TAppMode::SaverPreview;
    switches.PreviewHost = host->winId();
    auto form = MakeForm(switches);
    form->show();
    ASSERT_NE(form->windowHandle()->parent(), nullptr);
    EXPECT_EQ(form->windowHandle()->parent()->winId(), host->winId());
    EXPECT_EQ(form->size(), QSize(180, 150));
    form->AppIdle();
    EXPECT_TRUE(form->isVisible());

    host.reset();
    form->AppIdle();
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(shown.isEmpty());
}

} // namespace
