#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include "board_fixture.h"
#include "settings/options.h"
#include "view/controls/line.h"

#include <algorithm>

namespace {

using namespace engine;

MoveRecord Move(const char* from, const char* to, int piece)
{
    MoveRecord move {};
    move.Piece = static_cast<std::uint8_t>(piece);
    move.Origin = Sq(from);
    move.Destination = Sq(to);
    return move;
}

int TakenCount(const TBoardPanel& panel)
{
    const auto& all = panel.Sprites();
    return static_cast<int>(
        std::count_if(all.begin(), all.end(), [](const TPieceSprite* s) { return s->Taken(); }));
}

TEST_F(BoardPanelTest, StartPositionShowsEveryPieceWithPointersForTheSideToMove)
{
    StartPosition();
    EXPECT_EQ(RowsOf(panel->ImageFromSprites()), RowsOf(InitialBoard()));
    EXPECT_EQ(TakenCount(*panel), 0);
    // A knight and a pawn can move, the king and a black pawn cannot.
    EXPECT_TRUE(panel->LocatePieceAt(Sq("g1"))->Movable());
    EXPECT_TRUE(panel->LocatePieceAt(Sq("e2"))->Movable());
    EXPECT_FALSE(panel->LocatePieceAt(Sq("e1"))->Movable());
    EXPECT_FALSE(panel->LocatePieceAt(Sq("e7"))->Movable());
    EXPECT_NE(
        panel->LocatePieceAt(Sq("g1"))->cursor().shape(), panel->LocatePieceAt(Sq("e1"))->cursor().shape());
    host.userMayMove = false;
    panel->UpdatePieces();
    EXPECT_FALSE(panel->LocatePieceAt(Sq("g1"))->Movable());
    // Every piece, of either side, may be moved while the board is set up.
    host.mode = TGameMode::BoardSetup;
    panel->UpdatePieces();
    EXPECT_TRUE(panel->LocatePieceAt(Sq("e8"))->Movable());
    SaveScreenshot(QStringLiteral("board_start"));
    // A texture shows through the squares, tinted by their colours.
    Options.Texture = QStringLiteral("Wood");
    panel->RedrawBackground();
    panel->HighlightSquare(Sq("e4"));
    SaveScreenshot(QStringLiteral("board_texture"));
}

TEST_F(BoardPanelTest, ScaledPiecesSitCentredInTheirSquares)
{
    Options.SquareSize = 40;
    Options.ScalePieces = true;
    StartPosition();
    const TPieceSprite* rook = panel->LocatePieceAt(Sq("a1"));
    ASSERT_NE(rook, nullptr);
    EXPECT_EQ(rook->size(), QSize(32, 32));
    EXPECT_EQ(rook->pos(), panel->SquareRect(Sq("a1")).topLeft() + QPoint(4, 4));
}

TEST_F(BoardPanelTest, HintsNameThePieceAndItsDanger)
{
    Options.ShowCaptions = true;
    Options.ShowAttacks = true;
    Options.ShowJeopardies = true;
    Options.ShowTaken = true;
    // White to move can take the knight on d5; the knight can take e3.
    const BoardImage board = BoardFromRows({
        "....k...",
        "........",
        "........",
        "...n....",
        "....P...",
        "....B...",
        "........",
        "....K...",
    });
    StartPosition(&board);
    EXPECT_EQ(panel->LocatePieceAt(Sq("d5"))->toolTip(), QStringLiteral("Black Knight is under attack"));
    EXPECT_EQ(panel->LocatePieceAt(Sq("e3"))->toolTip(), QStringLiteral("White Bishop is in danger"));
    EXPECT_EQ(panel->LocatePieceAt(Sq("e1"))->toolTip(), QStringLiteral("White King"));
    // A full row of taken pieces closes up to stay inside the board area.
    const auto& all = panel->Sprites();
    const int rightmost = (*std::max_element(all.begin(), all.end(),
                               [](auto* a, auto* b) { return a->x() + a->width() < b->x() + b->width(); }))
                              ->geometry()
                              .right();
    EXPECT_LT(rightmost, panel->BoardWidth());
    // The picture also shows the arrow, a hint and the keyboard cursor.
    Options.MoveMarker = true;
    host.record.CurrentPly = 0;
    panel->UpdateMarkerLine(Sq("e2"), Sq("e4"));
    panel->HighlightSquare(Sq("c3"));
    panel->HighlightSquare(Sq("d4"));
    panel->StepMoveCursor(-2, 0);
    panel->ShowMoveCursor();
    SaveScreenshot(QStringLiteral("board_marks"));
    Options.ShowCaptions = false;
    panel->RedrawSquares();
    EXPECT_TRUE(panel->LocatePieceAt(Sq("d5"))->toolTip().isEmpty());
}

// Each special move is shown and taken back; the board and the taken rows
// come back exactly.
TEST_F(BoardPanelTest, SpecialMovesAndTheirTakeBacks)
{
    struct Case {
        const char* name;
        std::vector<const char*> before;
        MoveRecord move;
        std::vector<const char*> after;
    };
    MoveRecord enPassant = Move("e5", "d6", Pawn);
    enPassant.SpecialKind = SpecialEnPassant;
    enPassant.SpecialFrom = Sq("d5");
    enPassant.Captures = 1;
    enPassant.CapturedKind = Pawn;
    MoveRecord castling = Move("e1", "g1", King);
    castling.SpecialKind = SpecialCastling;
    castling.SpecialFrom = Sq("h1");
    castling.SpecialTo = Sq("f1");
    MoveRecord promotion = Move("b7", "a8", Queen);
    promotion.SpecialKind = SpecialPromotion;
    promotion.Captures = 1;
    promotion.CapturedKind = Rook;
    MoveRecord capture = Move("d1", "d7", Queen);
    capture.Captures = 1;
    capture.CapturedKind = Bishop;
    const Case cases[] = {
        {"en passant",
            {"....k...", "........", "........", "...pP...", "........", "........", "........", "....K..."},
            enPassant,
            {"....k...", "........", "...P....", "........", "........", "........", "........", "....K..."}},
        {"castling",
            {"....k...", "........", "........", "........", "........", "........", "........", "....K..R"},
            castling,
            {"....k...", "........", "........", "........", "........", "........", "........", ".....RK."}},
        {"capturing promotion",
            {"r...k...", ".P......", "........", "........", "........", "........", "........", "....K..."},
            promotion,
            {"Q...k...", "........", "........", "........", "........", "........", "........", "....K..."}},
        {"capture",
            {"....k...", "...b....", "........", "........", "........", "........", "........", "...QK..."},
            capture,
            {"....k...", "...Q....", "........", "........", "........", "........", "........", "....K..."}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const BoardImage before = BoardFromRows(c.before);
        StartPosition(&before);
        const TTakenPieces takenBefore = panel->Taken();
        const int takenSprites = TakenCount(*panel);
        panel->BoardExecuteMove(c.move);
        EXPECT_EQ(RowsOf(panel->ImageFromSprites()), RowsOf(BoardFromRows(c.after)));
        EXPECT_EQ(TakenCount(*panel), takenSprites + (c.move.Captures ? 1 : 0));
        panel->BoardRetractMove(c.move);
        EXPECT_EQ(RowsOf(panel->ImageFromSprites()), RowsOf(before));
        EXPECT_EQ(TakenCount(*panel), takenSprites);
        EXPECT_EQ(panel->Taken().Counts, takenBefore.Counts);
        EXPECT_EQ(panel->Taken().Order, takenBefore.Order);
    }
}

TEST_F(BoardPanelTest, TakenRowsKeepCaptureOrderOrSortByKind)
{
    Options.ShowTaken = true;
    for (const bool sorted : {false, true}) {
        SCOPED_TRACE(sorted ? "sorted" : "capture order");
        Options.SortTaken = sorted;
        const BoardImage board = BoardFromRows({
            "....k...",
            "...q....",
            "........",
            "........",
            "........",
            "........",
            "..p.....",
            "...QK...",
        });
        StartPosition(&board);
        panel->ClearTakenPanel();
        MoveRecord takePawn = Move("d1", "c2", Queen);
        takePawn.Captures = 1;
        panel->BoardExecuteMove(takePawn);
        MoveRecord takeQueen = Move("c2", "d7", Queen);
        takeQueen.Captures = 1;
        panel->BoardExecuteMove(takeQueen);
        std::vector<TPieceSprite*> row;
        for (TPieceSprite* sprite : panel->Sprites()) {
            if (sprite->Taken()) {
                row.push_back(sprite);
            }
        }
        ASSERT_EQ(row.size(), 2u);
        std::sort(row.begin(), row.end(), [](auto* a, auto* b) { return a->x() < b->x(); });
        const int spacing = TakenSpacing(panel->PieceSize());
        EXPECT_EQ(row[0]->pos(), QPoint(4, panel->BoardHeight() + 4));
        EXPECT_EQ(row[1]->x(), 4 + spacing);
        EXPECT_EQ(row[0]->Kind(), sorted ? Queen : Pawn);
        EXPECT_EQ(row[1]->Kind(), sorted ? Pawn : Queen);
    }
}

TEST_F(BoardPanelTest, ArrowShowsTheLastMoveWhereTheModeAllows)
{
    Options.MoveMarker = true;
    StartPosition();
    host.record.CurrentPly = 0;
    const MoveRecord move = Move("e2", "e4", Pawn);
    panel->BoardExecuteMove(move);
    ASSERT_TRUE(panel->MarkerVisible());
    // The arrow is drawn over the piece that just moved.
    const QObjectList& stack = panel->children();
    EXPECT_GT(stack.indexOf(panel->MarkerLine()), stack.indexOf(panel->LocatePieceAt(Sq("e4"))));
    const TArrowPlace place = ArrowPlacement(panel->Geometry(), Sq("e2"), Sq("e4"));
    EXPECT_EQ(panel->MarkerLine()->geometry(), place.bounds);
    EXPECT_EQ(QPoint(panel->MarkerLine()->StopX(), panel->MarkerLine()->StopY()), place.stop);
    // A press on the arrow reaches the piece under it.
    QTest::mousePress(panel.get(), Qt::RightButton, {}, panel->SquareRect(Sq("e4")).center());
    ASSERT_EQ(host.piecePresses.size(), 1u);
    EXPECT_EQ(host.piecePresses[0], panel->LocatePieceAt(Sq("e4")));

    panel->RotateBoard();
    EXPECT_EQ(panel->MarkerLine()->geometry(), ArrowPlacement(panel->Geometry(), Sq("e2"), Sq("e4")).bounds);
    panel->RotateBoard();
    panel->BoardRetractMove(move);
    EXPECT_FALSE(panel->MarkerVisible());

    struct Hidden {
        const char* why;
        TGameMode mode;
        bool marker;
        int ply;
    };
    for (const Hidden& c : {Hidden {"set-up", TGameMode::BoardSetup, true, 0},
             Hidden {"analysing", TGameMode::Analysing, true, 0},
             Hidden {"option off", TGameMode::Playing, false, 0},
             Hidden {"before the first move", TGameMode::Playing, true, -1}}) {
        SCOPED_TRACE(c.why);
        host.mode = c.mode;
        Options.MoveMarker = c.marker;
        host.record.CurrentPly = c.ply;
        panel->UpdateMarkerLine(Sq("e2"), Sq("e4"));
        EXPECT_FALSE(panel->MarkerVisible());
    }
}

TEST_F(BoardPanelTest, RedrawnBoardKeepsTheArrowOnlyWhileAMoveOfTheRecordIsOnIt)
{
    Options.MoveMarker = true;
    struct Case {
        const char* why;
        int startPly;
        int currentPly;
        bool arrow;
    };
    for (const Case& c : {Case {"new game", 0, -1, false}, Case {"set-up after move 4", 8, 7, false},
             Case {"move played", 0, 0, true}}) {
        SCOPED_TRACE(c.why);
        StartPosition();
        host.mode = TGameMode::Playing;
        host.record.CurrentPly = 0;
        panel->UpdateMarkerLine(Sq("e2"), Sq("e4"));
        ASSERT_TRUE(panel->MarkerVisible());
        host.record.StartPly = c.startPly;
        host.record.CurrentPly = c.currentPly;
        panel->RedrawBoard();
        EXPECT_EQ(panel->MarkerVisible(), c.arrow);
    }
}

TEST_F(BoardPanelTest, AFrameInsideThePanelShowsTheKeyboardFocus)
{
    for (const int edge : {16, 2}) {
        SCOPED_TRACE(edge);
        Options.EdgeSize = edge;
        StartPosition();
        panel->show();
        QApplication::setActiveWindow(panel.get());
        const QColor highlight = panel->palette().color(QPalette::Highlight);
        const QRect frame = panel->FocusRect();
        ASSERT_TRUE(panel->rect().contains(frame));
        // A point of the frame's left side that no square or label covers.
        const QPoint onFrame(frame.left(), frame.bottom() - 1);
        panel->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(panel->hasFocus());
        EXPECT_EQ(panel->grab().toImage().pixelColor(onFrame), highlight);
        panel->clearFocus();
        QApplication::processEvents();
        EXPECT_NE(panel->grab().toImage().pixelColor(onFrame), highlight);
    }
}

TEST_F(BoardPanelTest, DragAsksTheHostOnTheWayAndDropsWhereAccepted)
{
    StartPosition();
    panel->show();
    host.acceptedTargets = {{5, 4}};
    TPieceSprite* pawn = panel->LocatePieceAt(Sq("e2"));
    QTest::mousePress(pawn, Qt::LeftButton, {}, pawn->rect().center());
    ASSERT_TRUE(panel->Dragging());
    EXPECT_TRUE(panel->DragPicture()->isVisible());
    EXPECT_EQ(panel->DragPicture()->geometry().center(), pawn->geometry().center());
    EXPECT_FALSE(pawn->isVisible());
    const QPoint e3 = panel->SquareRect(Sq("e3")).center();
    const QPoint e4 = panel->SquareRect(Sq("e4")).center();
    QTest::mouseMove(panel.get(), e3);
    EXPECT_EQ(panel->DragPicture()->geometry().center(), e3);
    EXPECT_EQ(panel->cursor().shape(), Qt::ForbiddenCursor);
    QTest::mouseMove(panel.get(), e4);
    EXPECT_EQ(panel->cursor().shape(), Qt::DragMoveCursor);
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, e4);
    ASSERT_EQ(host.drops.size(), 1u);
    EXPECT_EQ(host.drops[0], Sq("e4"));
    EXPECT_EQ(host.endDrags, 1);
    EXPECT_FALSE(host.dragShownAtDrop);
    EXPECT_FALSE(panel->Dragging());
    EXPECT_FALSE(panel->DragPicture()->isVisible());
    EXPECT_TRUE(pawn->isVisible());
    EXPECT_EQ(panel->LocatePieceAt(Sq("e4")), pawn);
    ASSERT_GE(host.dragOvers.size(), 2u);
    EXPECT_EQ(host.dragOvers[0], Sq("e3"));

    // Off the board the host is asked with file 0; a refusal drops nothing.
    host.dragOvers.clear();
    QTest::mousePress(pawn, Qt::LeftButton, {}, pawn->rect().center());
    QTest::mouseMove(panel.get(), QPoint(2, 2));
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, QPoint(2, 2));
    ASSERT_FALSE(host.dragOvers.empty());
    EXPECT_EQ(host.dragOvers.back().File, 0);
    EXPECT_EQ(host.drops.size(), 1u);
    EXPECT_EQ(host.endDrags, 2);
    EXPECT_TRUE(pawn->isVisible());
    EXPECT_EQ(panel->LocatePieceAt(Sq("e4")), pawn);
}

TEST_F(BoardPanelTest, PressesGoToPieceSquareOrMarginAndNotThroughTheCover)
{
    StartPosition();
    panel->show();
    TPieceSprite* knight = panel->LocatePieceAt(Sq("g8"));
    QTest::mouseClick(knight, Qt::RightButton, {}, knight->rect().center());
    QTest::mouseClick(panel.get(), Qt::RightButton, {}, panel->SquareRect(Sq("d4")).center());
    QTest::mouseClick(panel.get(), Qt::RightButton, {}, QPoint(3, 3));
    ASSERT_EQ(host.piecePresses.size(), 1u);
    EXPECT_EQ(host.piecePresses[0], knight);
    ASSERT_EQ(host.squarePresses.size(), 1u);
    EXPECT_EQ(host.squarePresses[0], Sq("d4"));
    EXPECT_EQ(host.panelPresses, 1);
    EXPECT_EQ(host.mouseUps, 2);

    panel->SetFrozenCover(true);
    QTest::mouseClick(knight, Qt::LeftButton, {}, knight->rect().center());
    QTest::mouseClick(panel.get(), Qt::LeftButton, {}, panel->SquareRect(Sq("d4")).center());
    EXPECT_EQ(host.piecePresses.size(), 1u);
    EXPECT_EQ(host.squarePresses.size(), 1u);
    SaveScreenshot(QStringLiteral("board_frozen"));
}

TEST_F(BoardPanelTest, KeyboardCursorWrapsAndRemembersItsSquare)
{
    StartPosition();
    panel->ShowMoveCursor();
    EXPECT_EQ(panel->MoveCursorSquare(), Sq("e2"));
    struct Step {
        int dx, dy;
        const char* to;
    };
    // Up from the top rank comes back on the bottom one, and so on.
    for (const Step& step : {Step {0, -1, "e3"}, Step {0, -5, "e8"}, Step {0, -1, "e1"}, Step {0, 1, "e8"},
             Step {3, 0, "h8"}, Step {1, 0, "a8"}, Step {-1, 0, "h8"}}) {
        panel->StepMoveCursor(step.dx, step.dy);
        EXPECT_EQ(panel->MoveCursorSquare(), Sq(step.to)) << step.to;
    }
    panel->HideMoveCursor();
    panel->RotateBoard();
    // Black at the bottom: right on the screen is towards the a-file.
    panel->StepMoveCursor(1, 0);
    EXPECT_EQ(panel->MoveCursorSquare(), Sq("g8"));
    panel->ShowMoveCursor();
    EXPECT_TRUE(panel->MoveCursorVisible());
}

TEST_F(BoardPanelTest, FlashTogglesTheSquareUntilStopped)
{
    StartPosition();
    // The flash runs on the panel's one repeating timer; the test fires it
    // by hand instead of waiting for it.
    const auto runningTimers = [this] {
        QList<QTimer*> running = panel->findChildren<QTimer*>();
        running.removeIf([](const QTimer* timer) { return !timer->isActive(); });
        return running;
    };
    ASSERT_TRUE(runningTimers().isEmpty());
    panel->StartFlash(Sq("g1"));
    EXPECT_TRUE(panel->Highlighted(Sq("g1")));
    const QList<QTimer*> flash = runningTimers();
    ASSERT_EQ(flash.size(), 1);
    EXPECT_FALSE(flash[0]->isSingleShot());
    for (const bool lit : {false, true, false}) {
        QMetaObject::invokeMethod(flash[0], "timeout");
        EXPECT_EQ(panel->Highlighted(Sq("g1")), lit);
    }
    panel->StopFlash();
    EXPECT_FALSE(flash[0]->isActive());
    EXPECT_FALSE(panel->Highlighted(Sq("g1")));
    // Flashing again starts lit, whatever state the last flash ended in.
    panel->StartFlash(Sq("g1"));
    EXPECT_TRUE(panel->Highlighted(Sq("g1")));
    panel->StopFlash();
    EXPECT_FALSE(panel->Highlighted(Sq("g1")));
}

TEST_F(BoardPanelTest, SelfCheckTakesThePicturesAsTheTruth)
{
    StartPosition();
    EXPECT_FALSE(panel->DebugBoard());
    // The working board lost its e2 pawn; the pictures still show it.
    host.record.Board.At(5, 2) = {};
    Debug = true;
    EXPECT_TRUE(panel->DebugBoard());
    ASSERT_TRUE(host.rebuilt.has_value());
    EXPECT_EQ(RowsOf(*host.rebuilt), RowsOf(InitialBoard()));
    ASSERT_EQ(shown.size(), 3);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("The board on the screen")));
    EXPECT_EQ(shown[1],
        QStringLiteral(
            "Internal Error C1: White Pawn on e2 does not match internal board layout (board says Empty "
            "square in that position)."));
    EXPECT_EQ(shown[2],
        QStringLiteral(
            "Internal Error B1: Empty square on e2 does not match board window (window says White Pawn in "
            "that position). Change internal board layout?"));

    // Without Debug nothing is shown, but the repair still happens.
    Debug = false;
    shown.clear();
    host.rebuilt.reset();
    host.record.Board.At(4, 8).Kind = Rook;
    panel->RedrawBoard();
    panel->ChangePieceAt(Sq("d8"), Queen);
    EXPECT_TRUE(panel->DebugBoard());
    EXPECT_TRUE(shown.isEmpty());
    ASSERT_TRUE(host.rebuilt.has_value());
    EXPECT_EQ(host.rebuilt->At(4, 8).Kind, Queen);
}

TEST_F(BoardPanelTest, SelfCheckEndsADragLeftBehind)
{
    StartPosition();
    panel->StartDrag(panel->LocatePieceAt(Sq("e2")), true);
    Debug = true;
    EXPECT_TRUE(panel->DebugBoard());
    EXPECT_FALSE(panel->Dragging());
    EXPECT_FALSE(panel->DragPicture()->isVisible());
    EXPECT_EQ(host.endDrags, 1);
    EXPECT_FALSE(host.rebuilt.has_value());
    ASSERT_EQ(shown.size(), 3);
    EXPECT_EQ(shown[1], QStringLiteral("Internal Error V1: Drag piece is not hidden."));
    EXPECT_EQ(shown[2], QStringLiteral("Internal Error D2: White Pawn on e2 is still in drag mode."));
    EXPECT_TRUE(panel->LocatePieceAt(Sq("e2"))->isVisibleTo(panel.get()));
}

TEST_F(BoardPanelTest, SlideFromAnEmptySquareIsReported)
{
    StartPosition();
    EXPECT_FALSE(panel->MovePieceAt(Sq("e4"), Sq("e5")));
    ASSERT_FALSE(shown.isEmpty());
    EXPECT_EQ(shown[0], QStringLiteral("There is no piece on e4 to move."));
}

TEST_F(BoardPanelTest, AnimatedSlideLandsExactlyAndSounds)
{
    Options.MoveSpeed = 6;
    StartPosition();
    panel->show();
    ASSERT_TRUE(panel->MovePieceAt(Sq("g1"), Sq("f3")));
    TPieceSprite* knight = panel->LocatePieceAt(Sq("f3"));
    ASSERT_NE(knight, nullptr);
    EXPECT_EQ(knight->pos(), panel->Geometry().PiecePlace(Sq("f3"), knight->size()));
    EXPECT_EQ(host.placeSounds, 1);
    host.mode = TGameMode::QuickReplay;
    ASSERT_TRUE(panel->MovePieceAt(Sq("f3"), Sq("g1")));
    EXPECT_EQ(host.placeSounds, 1);
}

} // namespace

namespace {

QString LabelAt(const TBoardPanel& panel, QPoint point)
{
    for (const QLabel* label : panel.findChildren<QLabel*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (label->isVisibleTo(&panel) && label->geometry().contains(point)) {
            return label->text();
        }
    }
    return {};
}

TEST_F(BoardPanelTest, RotatedBoardReadsFromBlacksSide)
{
    Options.ShowLabels = true;
    StartPosition();
    const int e = panel->EdgeSize();
    const int t = panel->TopEdge();
    EXPECT_EQ(LabelAt(*panel, {e / 2, t + 2}), QStringLiteral("8"));
    EXPECT_EQ(LabelAt(*panel, {e + 2, t / 2}), QStringLiteral("A"));
    panel->RotateBoard();
    EXPECT_TRUE(Options.BoardRotated);
    EXPECT_EQ(LabelAt(*panel, {e / 2, t + 2}), QStringLiteral("1"));
    EXPECT_EQ(LabelAt(*panel, {e + 2, t / 2}), QStringLiteral("H"));
    // The top-left square is h1 now, and the pieces stand accordingly.
    const int s = panel->SquareSize();
    QTest::mouseClick(panel.get(), Qt::RightButton, {}, QPoint(e + 1, t + 1));
    ASSERT_EQ(host.squarePresses.size(), 1u);
    EXPECT_EQ(host.squarePresses[0], Sq("h1"));
    QTest::mouseClick(panel.get(), Qt::RightButton, {}, QPoint(e + s / 2, t + s / 2));
    ASSERT_EQ(host.piecePresses.size(), 1u);
    EXPECT_EQ(host.piecePresses[0], panel->LocatePieceAt(Sq("h1")));
    EXPECT_EQ(panel->LocatePieceAt(Sq("h1"))->Kind(), engine::Rook);
    EXPECT_EQ(RowsOf(panel->ImageFromSprites()), RowsOf(InitialBoard()));
    // Edges of 7 pixels or less have no room for the labels.
    Options.EdgeSize = 7;
    panel->ResizeBoard();
    EXPECT_TRUE(LabelAt(*panel, {3, panel->TopEdge() + 2}).isEmpty());
}

} // namespace
