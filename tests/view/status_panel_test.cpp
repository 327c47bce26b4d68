#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "view/controls/clock_face.h"
#include "view/move_list.h"
#include "view/status_panel.h"

#include <gtest/gtest.h>

namespace {

// The designed panel: two columns, 352 pixels high.
constexpr QSize DesignSize(376, 352);

TEST(StatusPanel, PartsSitAtTheirDesignedBounds)
{
    TStatusPanel panel;
    panel.resize(DesignSize);
    panel.ArrangeClocks(true, false, false);
    panel.Arrange({});
    struct Case {
        QWidget* part;
        QRect bounds;
    } const cases[] = {
        {panel.TurnPanel(), {8, 8, 176, 20}},
        {panel.ModeBevel(), {8, 32, 176, 20}},
        {panel.WorkingPanel(), {8, 238, 176, 68}},
        {panel.SearchLabel(), {2, 1, 172, 14}},
        {panel.ValueLabel(), {2, 15, 172, 14}},
        {panel.BestLineLabel(), {2, 29, 172, 38}},
        {panel.CommentMemo(), {2, 1, 172, 66}},
        {panel.MessagePanel(), {8, 310, 176, 34}},
        {panel.NarrateBevel(), {192, 8, 176, 274}},
        {panel.LayoutBevel(), {192, 288, 176, 56}},
        {panel.AudioImage(), {8 + 176 - 16 - 2, 34, 16, 16}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.part->geometry(), c.bounds) << c.part->objectName().toStdString();
    }
    EXPECT_EQ(panel.ClocksTop(), 56);
    EXPECT_EQ(panel.ClocksHeight(true), 48);
    EXPECT_EQ(panel.PanelWidth(false), 192);
    EXPECT_EQ(panel.PanelWidth(true), 376);
    // The move list starts under the clocks and stops 4 above the working panel.
    EXPECT_EQ(panel.MovesPanel()->y(), 104);
    EXPECT_EQ(panel.MovesPanel()->y() + panel.MovesPanel()->height(), 238 - 4);
    EXPECT_EQ(panel.MoveList()->RowHeight(), 16);
    EXPECT_FALSE(panel.AudioImage()->isVisibleTo(&panel));
    EXPECT_FALSE(panel.CommentMemo()->isVisibleTo(&panel));
}

TEST(StatusPanel, ClockPlacesAndHundredths)
{
    struct Case {
        bool analogue, digital, hundredths;
        QRect game, white, black;
        bool hunds;
    } const cases[] = {
        {true, false, false, {56, 54, 80, 48}, {8, 56, 44, 44}, {140, 56, 44, 44}, false},
        // Hundredths belong to digital faces only.
        {true, false, true, {56, 54, 80, 48}, {8, 56, 44, 44}, {140, 56, 44, 44}, false},
        {false, true, false, {8, 56, 176, 20}, {8, 80, 86, 20}, {98, 80, 86, 20}, false},
        {false, true, true, {8, 56, 176, 20}, {8, 80, 86, 20}, {98, 80, 86, 20}, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.analogue << c.digital << c.hundredths);
        TStatusPanel panel;
        panel.ArrangeClocks(c.analogue, c.digital, c.hundredths);
        EXPECT_EQ(panel.GameClockFace()->geometry(), c.game);
        EXPECT_EQ(panel.WhiteClockFace()->geometry(), c.white);
        EXPECT_EQ(panel.BlackClockFace()->geometry(), c.black);
        for (TClockFace* clock : {panel.GameClockFace(), panel.WhiteClockFace(), panel.BlackClockFace()}) {
            EXPECT_EQ(clock->ShowHunds(), c.hunds);
            EXPECT_EQ(clock->Digital(), c.digital);
        }
    }
    TStatusPanel hidden;
    hidden.ArrangeClocks(false, false, true);
    EXPECT_FALSE(hidden.GameClockFace()->isVisibleTo(&hidden));
    EXPECT_FALSE(hidden.WhiteClockFace()->isVisibleTo(&hidden));
}

// A panel too short for three move rows above the working panel gives
// the working panel's room to the move list.
TEST(StatusPanel, ShortPanelHidesTheWorkingPanel)
{
    TStatusPanel panel;
    panel.resize(192, 224);
    panel.Arrange({true, true, false, true});
    EXPECT_FALSE(panel.WorkingPanel()->isVisibleTo(&panel));
    EXPECT_EQ(panel.MessagePanel()->y(), 224 - 34 - 8);
    EXPECT_EQ(panel.MovesPanel()->y() + panel.MovesPanel()->height(), panel.MessagePanel()->y() - 4);
    EXPECT_FALSE(panel.NarrateBevel()->isVisibleTo(&panel));

    // Three rows and 6 pixels are enough; without working or comment
    // the panel stays hidden however tall.
    panel.resize(192, 104 + 3 * 16 + 6 + 68 + 34 + 12);
    panel.Arrange({true, false, false, true});
    EXPECT_TRUE(panel.WorkingPanel()->isVisibleTo(&panel));
    panel.Arrange({false, false, false, true});
    EXPECT_FALSE(panel.WorkingPanel()->isVisibleTo(&panel));
}

TEST(StatusPanel, NarrationColumnFollowsHeightAndWidth)
{
    TStatusPanel panel;
    panel.resize(400, 500);
    panel.Arrange({});
    EXPECT_EQ(panel.LayoutBevel()->geometry(), QRect(192, 500 - 8 - 56, 400 - 176 - 24, 56));
    EXPECT_EQ(panel.NarrateBevel()->geometry(), QRect(192, 8, 400 - 176 - 24, 500 - 8 - 56 - 6 - 8));
    EXPECT_EQ(panel.NarrateMemo()->geometry(), panel.NarrateBevel()->rect().adjusted(2, 2, -2, -2));
}

TEST(StatusPanel, TurnPanelColoursFollowTheSideToMove)
{
    TStatusPanel panel;
    panel.SetTurn(QStringLiteral("Move 2 - Black to play"), 1);
    EXPECT_EQ(panel.TurnPanel()->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(panel.TurnPanel()->palette().color(QPalette::WindowText), QColor(Qt::white));
    panel.SetTurn(QStringLiteral("Move 1 - White to play"), 0);
    EXPECT_EQ(panel.TurnPanel()->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(panel.TurnPanel()->text(), QStringLiteral("Move 1 - White to play"));
    panel.SetTurn(QStringLiteral("ignored"), -1);
    EXPECT_EQ(panel.TurnPanel()->text(), QString());
    EXPECT_EQ(panel.TurnPanel()->palette().color(QPalette::Window), panel.palette().color(QPalette::Window));
}

} // namespace
