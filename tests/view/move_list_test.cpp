#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>

#include "engine/engine_interface.h"
#include "record/history.h"
#include "record/notation_writer.h"
#include "view/move_list.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

void Key(QWidget* widget, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

void Click(QWidget* widget, QPoint at)
{
    QMouseEvent press(QEvent::MouseButtonPress, at, widget->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
        Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
}

// A record whose moves are played on the engine from coordinate texts.
class MoveListTest : public ::testing::Test {
protected:
    void Start(int startPly)
    {
        engine::ResetEngine();
        engine::SetSideToMove(startPly % 2 == 1 ? engine::Black : engine::White);
        record.ClearHistory();
        record.StartPly = record.EndPly = startPly;
        record.CurrentPly = startPly - 1;
    }
    void Play(const char* text)
    {
        const engine::MovePattern pattern {0, static_cast<std::uint8_t>(text[0] - 'a' + 1),
            static_cast<std::uint8_t>(text[1] - '0'), static_cast<std::uint8_t>(text[2] - 'a' + 1),
            static_cast<std::uint8_t>(text[3] - '0')};
        ASSERT_EQ(engine::EnterMove(pattern), 0) << text;
        engine::MoveRecord move {};
        engine::GetLastMove(move);
        ++record.CurrentPly;
        record.EntryFor(record.CurrentPly).Move = move;
        record.EndPly = record.CurrentPly + 1;
    }

    TGameRecord record;
};

TEST_F(MoveListTest, CellsNumberMovesPadTheFixedFontAndBoldBookmarks)
{
    Start(0);
    for (const char* move : {"e2e4", "e7e5", "g1f3"}) {
        Play(move);
    }
    record.EntryFor(1).Bookmarked = 1;
    struct Case {
        int row, column;
        bool fixed;
        const char* text;
        bool bold;
        bool drawn;
    };
    const Case cases[] = {
        {0, 0, true, "1.", false, true},
        {0, 1, true, "  e2e4", false, true},
        {0, 1, false, "e2e4", false, true},
        {0, 2, false, "e7e5", true, true},
        {1, 0, false, "2.", false, true},
        {1, 1, false, "g1f3", false, true},
        // The slot of the next ply is row 1; row 2 does not exist yet.
        {2, 0, false, "", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.row << "," << c.column << (c.fixed ? " fixed" : ""));
        const TMoveCell cell = MoveListCell(record, Computer, c.fixed, c.row, c.column);
        EXPECT_EQ(cell.Text.toStdString(), c.text);
        EXPECT_EQ(cell.Bold, c.bold);
        EXPECT_EQ(cell.Drawn, c.drawn);
    }
    EXPECT_EQ(MoveListRowCount(record), 2);
}

// A game set up with Black to move starts its list at White's empty slot;
// the next ply's slot must exist after Black's first move.
TEST_F(MoveListTest, GameFromBlackToMoveKeepsTheNextSlot)
{
    Start(1);
    EXPECT_EQ(MoveListRowCount(record), 1);
    Play("e7e5");
    EXPECT_EQ(MoveListCell(record, Computer, false, 0, 1).Text, QString());
    EXPECT_EQ(MoveListCell(record, Computer, false, 0, 2).Text, QStringLiteral("e7e5"));
    EXPECT_EQ(MoveListRowCount(record), 2);
    EXPECT_EQ(MoveListRow(record, record.EndPly), 1);
}

TEST(MoveCellPlacement, IndentsTrimsAndAligns)
{
    struct Case {
        int text, trimmed, cell, left;
        bool trimmedText;
    } const cases[] = {
        {40, 30, 63, 3, false}, // fits: 3 in
        {60, 50, 63, 3, false}, // exactly the cell less 3
        {61, 40, 63, 23, true}, // trimmed, right-aligned
        {80, 70, 63, 0, true}, // not even trimmed: left
    };
    for (const Case& c : cases) {
        const TCellPlacement place = PlaceCellText(c.text, c.trimmed, c.cell);
        EXPECT_EQ(place.Left, c.left) << c.text;
        EXPECT_EQ(place.Trimmed, c.trimmedText) << c.text;
    }
}

TEST_F(MoveListTest, RowsAreNeverLowerThanALineOfTheFont)
{
    TMoveGrid grid;
    grid.SetUnitHeight(20);
    QFont large = grid.font();
    large.setPixelSize(30);
    grid.setFont(large);
    EXPECT_GT(grid.RowHeight(), QFontMetrics(large).height());
    EXPECT_EQ(grid.MoveColumnWidth(), 63);
}

TEST_F(MoveListTest, GridSizesScrollsAndReportsTheChosenPly)
{
    Start(0);
    const char* moves[] = {"e2e4", "e7e5", "g1f3", "b8c6", "f1c4", "f8c5", "d2d3", "g8f6", "b1c3", "d7d6",
        "c1g5", "h7h6", "g5h4", "c8g4", "h2h3", "g4h5"};
    for (const char* move : moves) {
        Play(move);
    }
    TMoveGrid grid;
    grid.SetUnitHeight(20);
    grid.resize(174, 16 * 4);
    grid.show();
    grid.SetRecord(&record, Computer);
    EXPECT_EQ(grid.RowHeight(), 16);
    EXPECT_EQ(grid.MoveColumnWidth(), 63);
    EXPECT_EQ(grid.NumberColumnWidth(), 174 - 2 * 63 - 16);
    EXPECT_EQ(grid.RowCount(), 9);
    // The current ply (Black's 8th move) is on the last visible row.
    EXPECT_EQ(grid.CurrentRow(), 7);
    EXPECT_EQ(grid.CurrentColumn(), 2);
    EXPECT_EQ(grid.TopRow(), 7 - grid.VisibleRows() + 1);

    std::vector<int> chosen;
    QObject::connect(&grid, &TMoveGrid::plyChosen, [&chosen](int ply) { chosen.push_back(ply); });
    Key(&grid, Qt::Key_Up);
    Key(&grid, Qt::Key_Left);
    EXPECT_EQ(chosen, (std::vector<int> {13, 12}));
    // The empty slot of the next ply is no ply to go to.
    Key(&grid, Qt::Key_End);
    Key(&grid, Qt::Key_Right);
    EXPECT_EQ(chosen.size(), 2U);
    // A click on White's move in the top visible row.
    const int top = grid.TopRow();
    Click(grid.viewport(), QPoint(grid.NumberColumnWidth() + 5, 3));
    ASSERT_EQ(chosen.size(), 3U);
    EXPECT_EQ(chosen.back(), top * 2);
}

TEST_F(MoveListTest, ClearLeavesOneRowWithTheCursorOnWhite)
{
    Start(0);
    Play("e2e4");
    TMoveGrid grid;
    grid.SetRecord(&record, Computer);
    grid.Clear();
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.CurrentRow(), 0);
    EXPECT_EQ(grid.CurrentColumn(), 1);
}

} // namespace
