#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "controller/move_image.h"
#include "controller/setup_rules.h"
#include "controller_fixture.h"
#include "dialogs/board_settings_dialog.h"
#include "dialogs/promotion_dialog.h"
#include "engine/engine_interface.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "settings/settings_file.h"
#include "view/move_list.h"
#include "view/status_panel.h"

#include <functional>

namespace {

using engine::SquarePair;

SquarePair Sq(const char* name)
{
    return {static_cast<std::uint8_t>(name[0] - 'a' + 1), static_cast<std::uint8_t>(name[1] - '0')};
}

// The window shown offscreen, so presses and drags travel the way the
// window system delivers them: to the control under the pointer, and on to
// the control that took the press while the button is held.
class BoardInput : public ControllerTest {
protected:
    void SetUp() override
    {
        ControllerTest::SetUp();
        Options.DragPieces = true;
        Options.TwoClickMove = true;
        Options.MoveCursor = true;
        Options.PieceHints = true;
        Options.SquareHints = true;
        Options.AutoPromote = false;
        Options.TouchMove = false;
        Options.ValidateBoard = true;
        Options.ShowTaken = true;
    }

    void Show()
    {
        form = MakeForm();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        board = form->Board();
    }

    QPoint At(const char* square) const { return board->SquareRect(Sq(square)).center(); }

    // The press goes to the control under the pointer, which keeps the
    // mouse until the button is released.
    void PressAt(QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        QWidget* under = board->childAt(point);
        pressed = under != nullptr ? under : board;
        QTest::mousePress(pressed, button, {}, pressed->mapFrom(board, point));
    }
    void MoveTo(QPoint point) { QTest::mouseMove(pressed, pressed->mapFrom(board, point)); }
    void ReleaseAt(QPoint point, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseRelease(pressed, button, {}, pressed->mapFrom(board, point));
    }
    void Press(const char* square, Qt::MouseButton button = Qt::LeftButton) { PressAt(At(square), button); }
    void Release(const char* square, Qt::MouseButton button = Qt::LeftButton)
    {
        ReleaseAt(At(square), button);
    }
    void Click(const char* square)
    {
        Press(square);
        Release(square);
    }
    void DragFrom(QPoint start, QPoint to)
    {
        PressAt(start);
        for (int step = 1; step <= 4; ++step) {
            MoveTo(start + (to - start) * step / 4);
        }
        ReleaseAt(to);
    }
    void Drag(const char* from, QPoint to) { DragFrom(At(from), to); }
    void Drag(const char* from, const char* to) { Drag(from, At(to)); }

    void Key(Qt::Key key) { QTest::keyClick(board, key); }
    // Below the board, in the taken rows: off the board for a drop.
    QPoint OffBoard() const { return {board->BoardWidth() / 2, board->BoardHeight() + 4}; }

    QString LastMove() const { return CoordinateText(form->Record().MoveAt(form->Record().CurrentPly)); }
    TPieceSprite* PieceOn(const char* square) const { return board->LocatePieceAt(Sq(square)); }

    std::unique_ptr<TChessForm> form;
    TBoardPanel* board = nullptr;
    QWidget* pressed = nullptr;
};

// Answers the board settings dialog once it is up.
void AnswerBoardSettings(const std::function<void(TBoardSetDlg&)>& fill, bool accept = true)
{
    QTimer::singleShot(0, [fill, accept] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<TBoardSetDlg*>(window);
                dialog != nullptr && dialog->isVisible()) {
                fill(*dialog);
                if (accept) {
                    dialog->accept();
                } else {
                    dialog->reject();
                }
            }
        }
    });
}

template <typename T> T* Control(TBoardSetDlg& dialog, const char* name)
{
    return dialog.findChild<T*>(QLatin1String(name));
}

TEST(SetupRules, WhereAPieceMayBePut)
{
    const struct {
        int kind, colour, rank;
        bool occupied, accepted;
    } squares[] = {
        {engine::Pawn, engine::White, 1, false, false},
        {engine::Pawn, engine::White, 2, false, true},
        {engine::Pawn, engine::White, 8, false, true}, // promoted on the drop
        {engine::Pawn, engine::Black, 8, false, false},
        {engine::Pawn, engine::Black, 1, false, true},
        {engine::Rook, engine::White, 1, false, true},
        {engine::Knight, engine::Black, 8, false, true},
        {engine::Queen, engine::White, 4, true, false},
    };
    for (const auto& row : squares) {
        SCOPED_TRACE(testing::Message() << row.kind << "/" << row.colour << " on rank " << row.rank);
        EXPECT_EQ(SetupSquareAccepts(row.kind, row.colour, row.rank, row.occupied), row.accepted);
    }
    EXPECT_FALSE(SetupOffBoardAccepts(engine::King, true));
    EXPECT_TRUE(SetupOffBoardAccepts(engine::King, false));
    EXPECT_TRUE(SetupOffBoardAccepts(engine::Queen, true));
}

TEST_F(BoardInput, ADragOnTheBoardIsPlayedByTheEngine)
{
    Show();
    Drag("e2", "e4");
    EXPECT_EQ(form->Record().EndPly, 1);
    EXPECT_EQ(LastMove(), QStringLiteral("e2e4"));
    engine::BoardImage engineBoard {};
    engine::GetBoardImage(engineBoard);
    EXPECT_EQ(engineBoard.At(5, 4).Kind, engine::Pawn);
    ASSERT_NE(PieceOn("e4"), nullptr);
    EXPECT_EQ(PieceOn("e2"), nullptr);
    EXPECT_EQ(form->PlayKind(), TPlayKind::UserWhite);
}

// A refused drop moves nothing: the piece is shown on its square again.
TEST_F(BoardInput, AnIllegalDropPutsThePieceBack)
{
    Show();
    TPieceSprite* pawn = PieceOn("e2");
    ASSERT_NE(pawn, nullptr);
    const QRect home = pawn->geometry();
    Drag("e2", "e5");
    EXPECT_EQ(form->Record().EndPly, 0);
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
    EXPECT_EQ(PieceOn("e2"), pawn);
    EXPECT_TRUE(pawn->isVisible());
    EXPECT_EQ(pawn->geometry(), home);
    // Nor is anything taken off the board by a drop beside it.
    Drag("e2", OffBoard());
    EXPECT_EQ(PieceOn("e2"), pawn);
    EXPECT_EQ(form->Record().EndPly, 0);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(BoardInput, TwoClicksMoveAndARefusedTargetReleasesThePiece)
{
    Show();
    form->PlayBothExecute();
    Click("e7"); // Black's pawn while White is to move: nothing picked
    EXPECT_EQ(form->SelectedPiece(), nullptr);
    Click("g1");
    EXPECT_EQ(form->SelectedPiece(), PieceOn("g1"));
    Click("g4"); // no knight move: the choice is let go
    EXPECT_EQ(form->SelectedPiece(), nullptr);
    Click("g1");
    Click("f3");
    EXPECT_EQ(LastMove(), QStringLiteral("g1f3"));
    EXPECT_EQ(form->SelectedPiece(), nullptr);
    Click("d7");
    Click("d5");
    Click("f3");
    Click("e5");
    Click("c8");
    Click("f5");
    ASSERT_EQ(LastMove(), QStringLiteral("c8f5"));
    // A click on an opponent's piece is a click on its square: a capture.
    Click("e5");
    Click("f7");
    EXPECT_EQ(LastMove(), QStringLiteral("e5f7"));
}

TEST_F(BoardInput, WithoutTwoClickMovesAClickDoesNotMove)
{
    Options.TwoClickMove = false;
    Show();
    Click("g1");
    EXPECT_EQ(form->SelectedPiece(), nullptr);
    Click("f3");
    EXPECT_EQ(form->Record().EndPly, 0);
    Drag("g1", "f3");
    EXPECT_EQ(LastMove(), QStringLiteral("g1f3"));
}

TEST_F(BoardInput, TheKeyboardCursorPicksAndMovesPieces)
{
    Show();
    board->setFocus();
    Key(Qt::Key_Space); // shows the cursor, on e2 at first
    ASSERT_TRUE(board->MoveCursorVisible());
    EXPECT_EQ(board->MoveCursorSquare(), Sq("e2"));
    Key(Qt::Key_Space);
    EXPECT_EQ(form->SelectedPiece(), PieceOn("e2"));
    Key(Qt::Key_Up);
    Key(Qt::Key_Up);
    EXPECT_EQ(board->MoveCursorSquare(), Sq("e4"));
    Key(Qt::Key_Space);
    EXPECT_EQ(LastMove(), QStringLiteral("e2e4"));
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    // The cursor wraps round the edges of the board.
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_Up);
    }
    EXPECT_EQ(board->MoveCursorSquare(), Sq("e8"));
    Key(Qt::Key_Up);
    EXPECT_EQ(board->MoveCursorSquare(), Sq("e1"));
    for (int i = 0; i < 4; ++i) {
        Key(Qt::Key_Right);
    }
    EXPECT_EQ(board->MoveCursorSquare(), Sq("a1"));
    // Esc with nothing chosen hides the cursor; with a piece chosen only
    // the choice goes.
    Key(Qt::Key_Escape);
    EXPECT_FALSE(board->MoveCursorVisible());
}

TEST_F(BoardInput, ArrowsMoveTheVisibleCursorWhileTheMoveListHasTheKeys)
{
    Show();
    board->setFocus();
    Key(Qt::Key_Escape); // the move list takes the keys
    QWidget* moves = form->StatusPanel()->MoveList();
    QTest::keyClick(moves, Qt::Key_Space);
    ASSERT_TRUE(board->MoveCursorVisible());
    QTest::keyClick(moves, Qt::Key_Left);
    EXPECT_EQ(board->MoveCursorSquare(), Sq("d2"));
    // With the cursor hidden the arrows stay with the move list.
    QTest::keyClick(moves, Qt::Key_Escape);
    ASSERT_FALSE(board->MoveCursorVisible());
    QTest::keyClick(moves, Qt::Key_Left);
    EXPECT_EQ(board->MoveCursorSquare(), Sq("d2"));
}

TEST_F(BoardInput, EscReleasesAChosenPieceButKeepsTheCursor)
{
    Show();
    board->setFocus();
    Key(Qt::Key_Space);
    Key(Qt::Key_Space);
    ASSERT_NE(form->SelectedPiece(), nullptr);
    Key(Qt::Key_Escape);
    EXPECT_EQ(form->SelectedPiece(), nullptr);
    EXPECT_TRUE(board->MoveCursorVisible());
}

TEST_F(BoardInput, TouchMoveHoldsThePieceFirstChosen)
{
    Options.TouchMove = true;
    Show();
    board->setFocus();
    form->PlayBothExecute();
    Click("g1");
    TPieceSprite* knight = PieceOn("g1");
    ASSERT_EQ(form->SelectedPiece(), knight);
    Click("b1"); // another own piece: a press on its square, refused
    EXPECT_EQ(form->SelectedPiece(), knight);
    Click("g4"); // a refused target
    EXPECT_EQ(form->SelectedPiece(), knight);
    Key(Qt::Key_Escape);
    EXPECT_EQ(form->SelectedPiece(), knight);
    Click("f3");
    EXPECT_EQ(LastMove(), QStringLiteral("g1f3"));
    EXPECT_EQ(form->SelectedPiece(), nullptr);
    // Only a new game releases a piece without a move.
    Click("g8");
    ASSERT_NE(form->SelectedPiece(), nullptr);
    form->FileNewExecute();
    EXPECT_EQ(form->SelectedPiece(), nullptr);
}

TEST_F(BoardInput, AppliedOptionsReleaseAChosenPieceUnlessTouchMove)
{
    Show();
    form->PlayBothExecute();
    Click("g1");
    ASSERT_NE(form->SelectedPiece(), nullptr);
    form->EffectOptions();
    EXPECT_EQ(form->SelectedPiece(), nullptr);

    Options.TouchMove = true;
    Click("g1");
    ASSERT_NE(form->SelectedPiece(), nullptr);
    form->EffectOptions();
    EXPECT_NE(form->SelectedPiece(), nullptr);
}

TEST_F(BoardInput, PieceHintsShowMovesForEitherSide)
{
    Show();
    Press("g8"); // Black's knight while White is to move
    EXPECT_TRUE(board->Highlighted(Sq("f6")));
    EXPECT_TRUE(board->Highlighted(Sq("h6")));
    Release("g8");
    EXPECT_FALSE(board->Highlighted(Sq("f6")));
    EXPECT_EQ(form->Record().EndPly, 0);
    // A square hint shows which pieces reach the square.
    Press("f3", Qt::RightButton);
    EXPECT_TRUE(board->Highlighted(Sq("g1")));
    EXPECT_TRUE(board->Highlighted(Sq("e2")) == false);
    Release("f3", Qt::RightButton);
}

class Promotion : public BoardInput {
protected:
    void ShowPawnOnE7()
    {
        Show();
        const engine::BoardImage image = Position({"Kg1", "Pe7", "Pb7"}, {"Kh8", "Na8"});
        const engine::PositionState state = PlainState();
        ASSERT_TRUE(form->InitGame(&image, &state));
        form->PlayBothExecute();
    }
};

TEST_F(Promotion, AutoPromoteMakesAQueenWithoutAsking)
{
    Options.AutoPromote = true;
    ShowPawnOnE7();
    int asked = 0;
    form->SetPromotionChooser([&asked] { return ++asked, int(engine::Knight); });
    Drag("e7", "e8");
    EXPECT_EQ(asked, 0);
    ASSERT_NE(PieceOn("e8"), nullptr);
    EXPECT_EQ(PieceOn("e8")->Kind(), engine::Queen);
    EXPECT_EQ(LastMove(), QStringLiteral("e7e8q"));
}

TEST_F(Promotion, TheChoiceIsAskedOnlyForALegalPromotion)
{
    ShowPawnOnE7();
    int asked = 0;
    form->SetPromotionChooser([&asked] { return ++asked, int(engine::Knight); });
    Drag("e7", "d8"); // nothing to capture there
    EXPECT_EQ(asked, 0);
    Drag("b7", "a8");
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(LastMove(), QStringLiteral("b7a8n"));
    EXPECT_EQ(PieceOn("a8")->Kind(), engine::Knight);
    engine::BoardImage engineBoard {};
    engine::GetBoardImage(engineBoard);
    EXPECT_EQ(engineBoard.At(1, 8).Kind, engine::Knight);
}

TEST_F(Promotion, ClosingTheDialogByItsFrameGivesAQueen)
{
    ShowPawnOnE7();
    QTimer::singleShot(0, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (qobject_cast<TPromoteDlg*>(window) != nullptr && window->isVisible()) {
                window->close();
            }
        }
    });
    Drag("e7", "e8");
    EXPECT_EQ(LastMove(), QStringLiteral("e7e8q"));
}

// A point of the piece's picture, not of the see-through frame around it:
// presses go through the clear parts to what lies below.
QPoint OpaquePoint(const TPieceSprite& sprite)
{
    const QPoint centre = sprite.rect().center();
    for (int dy = 0; dy < sprite.height() / 2; ++dy) {
        for (const QPoint point : {centre + QPoint(0, dy), centre - QPoint(0, dy)}) {
            if (sprite.HitTest(point)) {
                return point;
            }
        }
    }
    return centre;
}

class BoardSetup : public BoardInput {
protected:
    int OnBoardCount() const
    {
        int count = 0;
        for (const TPieceSprite* sprite : board->Sprites()) {
            count += sprite->Taken() ? 0 : 1;
        }
        return count;
    }
    TPieceSprite* Taken(int colour, int kind) const
    {
        for (TPieceSprite* sprite : board->Sprites()) {
            if (sprite->Taken() && sprite->Colour() == colour && sprite->Kind() == kind) {
                return sprite;
            }
        }
        return nullptr;
    }
    void DragSprite(TPieceSprite* sprite, QPoint to)
    {
        ASSERT_NE(sprite, nullptr);
        DragFrom(sprite->mapTo(board, OpaquePoint(*sprite)), to);
    }
};

TEST_F(BoardSetup, ClearBoardLeavesTheTwoKings)
{
    Show();
    form->ClearBoardExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::BoardSetup);
    EXPECT_EQ(OnBoardCount(), 2);
    EXPECT_EQ(PieceOn("e1")->Kind(), engine::King);
    EXPECT_EQ(PieceOn("e8")->Kind(), engine::King);
    EXPECT_EQ(board->Sprites().size(), 32u);
    EXPECT_EQ(form->Record().Board.At(4, 1).Kind, engine::Empty);
    // Pawns are never put on their own back rank; on the far rank they
    // become the piece chosen.
    form->SetPromotionChooser([] { return int(engine::Knight); });
    DragSprite(Taken(engine::White, engine::Pawn), At("a1"));
    DragSprite(Taken(engine::Black, engine::Pawn), At("h8"));
    EXPECT_EQ(OnBoardCount(), 2);
    DragSprite(Taken(engine::White, engine::Pawn), At("a8"));
    ASSERT_NE(PieceOn("a8"), nullptr);
    EXPECT_EQ(PieceOn("a8")->Kind(), engine::Knight);
    EXPECT_EQ(form->Record().Board.At(1, 8).Kind, engine::Knight);
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(BoardSetup, PiecesAreMovedRemovedAndPutBackFreely)
{
    Show();
    form->BoardSetupExecute();
    ASSERT_EQ(form->GameMode(), TGameMode::BoardSetup);
    Drag("d1", "d5"); // no rule of play in set-up
    EXPECT_EQ(PieceOn("d5")->Kind(), engine::Queen);
    EXPECT_EQ(form->Record().Board.At(4, 5).Kind, engine::Queen);
    Drag("d5", "d7"); // onto another piece: refused
    EXPECT_EQ(PieceOn("d5")->Kind(), engine::Queen);
    Drag("d5", OffBoard());
    EXPECT_EQ(PieceOn("d5"), nullptr);
    EXPECT_EQ(form->Record().Board.At(4, 5).Kind, engine::Empty);
    TPieceSprite* queen = Taken(engine::White, engine::Queen);
    ASSERT_NE(queen, nullptr);
    DragSprite(queen, At("h5"));
    ASSERT_NE(PieceOn("h5"), nullptr);
    EXPECT_EQ(PieceOn("h5")->Kind(), engine::Queen);
    // With validation a king stays on the board.
    Drag("e1", OffBoard());
    EXPECT_EQ(PieceOn("e1")->Kind(), engine::King);
    EXPECT_TRUE(shown.isEmpty());
    form->BoardSetupExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
    // The set-up position is played from: the queen on h5 moves.
    Drag("h5", "h6");
    EXPECT_EQ(LastMove(), QStringLiteral("h5h6"));
}

// Each drop that leaves the position unplayable says why, and set-up can be
// left only once it is playable again.
TEST_F(BoardSetup, InvalidPositionsAreReportedAndKeepTheUserInSetup)
{
    Show();
    form->ClearBoardExecute();
    TPieceSprite* rook = Taken(engine::White, engine::Rook);
    ASSERT_NE(rook, nullptr);
    DragSprite(rook, At("e5")); // checks the king of the side not to move
    ASSERT_EQ(shown, QStringList {FormatMessage(msg::SetupRejected)});
    form->BoardSetupExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::BoardSetup);
    EXPECT_TRUE(form->findChild<QAction*>(QStringLiteral("BoardSetup"))->isChecked());
    Drag("e5", "a5");
    shown.clear();
    form->BoardSetupExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
    EXPECT_TRUE(shown.isEmpty());
    EXPECT_FALSE(form->findChild<QAction*>(QStringLiteral("BoardSetup"))->isChecked());
}

TEST_F(BoardSetup, EnPassantAndFiftyMoveCounterMustFitTheBoard)
{
    Show();
    form->ClearBoardExecute();
    DragSprite(Taken(engine::White, engine::Pawn), At("e4"));
    ASSERT_TRUE(shown.isEmpty());
    AnswerBoardSettings([](TBoardSetDlg& dialog) {
        Control<QRadioButton>(dialog, "FirstPlayerBlack")->setChecked(true);
        Control<QLineEdit>(dialog, "EnPassantEdit")->setText(QStringLiteral("e3"));
    });
    form->BoardSettingsExecute();
    ASSERT_TRUE(shown.isEmpty());
    EXPECT_EQ(form->Record().StartPly, 1);
    Drag("e4", "d4"); // the pawn that made e3 an en passant square is gone
    EXPECT_EQ(shown, QStringList {FormatMessage(msg::SetupBadEnPassant)});
    Drag("d4", "e4");
    shown.clear();
    AnswerBoardSettings([](TBoardSetDlg& dialog) {
        Control<QLineEdit>(dialog, "FiftyMoveEdit")->setText(QStringLiteral("5"));
    });
    form->BoardSettingsExecute();
    EXPECT_EQ(shown, QStringList {FormatMessage(msg::SetupBadFiftyMoveCount)});
    Drag("e1", "f1");
    EXPECT_EQ(shown.size(), 2);
    EXPECT_EQ(shown.back(), FormatMessage(msg::SetupBadFiftyMoveCount));
    form->BoardSetupExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::BoardSetup);
}

TEST_F(BoardSetup, TypedMovesSlidePiecesWithoutRules)
{
    Show();
    form->BoardSetupExecute();
    // International notation names squares without asking for a legal move.
    EXPECT_TRUE(form->EnterMove(QStringLiteral("4185"))); // d1-h5 over the pawn
    EXPECT_EQ(PieceOn("h5")->Kind(), engine::Queen);
    EXPECT_TRUE(form->EnterMove(QStringLiteral("8587"))); // takes the pawn on h7
    EXPECT_EQ(PieceOn("h7")->Kind(), engine::Queen);
    EXPECT_NE(Taken(engine::Black, engine::Pawn), nullptr);
    EXPECT_EQ(form->Record().EndPly, 0);
    EXPECT_EQ(form->GameMode(), TGameMode::BoardSetup);
}

TEST_F(BoardSetup, ScreenshotOfSetupMode)
{
    Show();
    form->ClearBoardExecute();
    DragSprite(Taken(engine::White, engine::Queen), At("d4"));
    DragSprite(Taken(engine::Black, engine::Knight), At("f6"));
    // The picture shows what the set-up position holds.
    const engine::BoardImage& position = form->Record().Board;
    EXPECT_EQ(position.At(4, 4).Kind, engine::Queen);
    EXPECT_EQ(position.At(6, 6).Kind, engine::Knight);
    EXPECT_EQ(position.At(6, 6).Colour, engine::Black);
    EXPECT_EQ(form->GameMode(), TGameMode::BoardSetup);
    const QString path = QStringLiteral(QUARVEL_SCREENSHOT_DIR "/board_setup.png");
    EXPECT_TRUE(form->grab().save(path));
}

class BoardSettings : public BoardInput { };

TEST_F(BoardSettings, MoveNumberAndSideGiveTheFirstPly)
{
    const struct {
        const char* moveNumber;
        bool black;
        int startPly;
    } cases[] = {{"10", true, 19}, {"0", false, 0}, {"x", true, 1}};
    Show();
    for (const auto& row : cases) {
        SCOPED_TRACE(row.moveNumber);
        AnswerBoardSettings([&row](TBoardSetDlg& dialog) {
            Control<QRadioButton>(dialog, row.black ? "FirstPlayerBlack" : "FirstPlayerWhite")
                ->setChecked(true);
            Control<QLineEdit>(dialog, "MoveNumberEdit")->setText(QLatin1String(row.moveNumber));
        });
        form->BoardSettingsExecute();
        EXPECT_EQ(form->Record().StartPly, row.startPly);
        EXPECT_EQ(form->Record().SideToMove(), row.black ? engine::Black : engine::White);
    }
    EXPECT_TRUE(shown.isEmpty());
    // Cancel changes nothing.
    AnswerBoardSettings(
        [](TBoardSetDlg& dialog) {
            Control<QLineEdit>(dialog, "MoveNumberEdit")->setText(QStringLiteral("30"));
        },
        false);
    form->BoardSettingsExecute();
    EXPECT_EQ(form->Record().StartPly, 1);
}

TEST_F(BoardSettings, ResignedEndsTheGameAtOnce)
{
    Show();
    AnswerBoardSettings(
        [](TBoardSetDlg& dialog) { Control<QRadioButton>(dialog, "StatusResigned")->setChecked(true); });
    form->BoardSettingsExecute();
    EXPECT_TRUE(form->GameOver());
    const QString resigned
        = FormatMessage(msg::StatusResigned, ColourText(engine::Black), ColourText(engine::White));
    EXPECT_EQ(shown, QStringList {resigned});
    EXPECT_EQ(form->StatusDetail(), resigned);
}

TEST_F(BoardSettings, ResignedWhileSettingUpLeavesSetupAndEndsTheGame)
{
    Show();
    form->BoardSetupExecute();
    ASSERT_EQ(form->GameMode(), TGameMode::BoardSetup);
    AnswerBoardSettings(
        [](TBoardSetDlg& dialog) { Control<QRadioButton>(dialog, "StatusResigned")->setChecked(true); });
    form->BoardSettingsExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
    EXPECT_TRUE(form->GameOver());
    EXPECT_EQ(form->StatusDetail(),
        FormatMessage(msg::StatusResigned, ColourText(engine::Black), ColourText(engine::White)));
}

TEST_F(BoardSettings, OnlyBeforeTheFirstMove)
{
    Show();
    auto* settings = form->findChild<QAction*>(QStringLiteral("BoardSettings"));
    ASSERT_NE(settings, nullptr);
    EXPECT_TRUE(settings->isEnabled());
    form->PlayBothExecute();
    EXPECT_FALSE(settings->isEnabled());
    form->FileNewExecute();
    EXPECT_TRUE(settings->isEnabled());
    Drag("e2", "e4");
    EXPECT_FALSE(settings->isEnabled());
}

TEST_F(BoardInput, RotateBoardTurnsTheViewAndMovesStillLand)
{
    Show();
    auto* rotate = form->findChild<QAction*>(QStringLiteral("RotateBoard"));
    ASSERT_NE(rotate, nullptr);
    rotate->trigger();
    EXPECT_TRUE(Options.BoardRotated);
    EXPECT_TRUE(rotate->isChecked());
    // e2 is now near the top of the board.
    EXPECT_LT(At("e2").y(), At("e7").y());
    Drag("e2", "e4");
    EXPECT_EQ(LastMove(), QStringLiteral("e2e4"));
    rotate->trigger();
    EXPECT_FALSE(Options.BoardRotated);
    EXPECT_FALSE(rotate->isChecked());
}

// Reading the settings again (going back to the user's own after a game
// brought its settings) clears BoardRotated: the board must turn with it,
// or Black's pieces stand on the squares the board calls White's.
TEST_F(BoardInput, ReadingSettingsTurnsARotatedBoardBack)
{
    Show();
    auto* rotate = form->findChild<QAction*>(QStringLiteral("RotateBoard"));
    ASSERT_NE(rotate, nullptr);
    rotate->trigger();
    ASSERT_TRUE(Options.BoardRotated);

    ReadSettings();
    EXPECT_FALSE(Options.BoardRotated);
    EXPECT_FALSE(rotate->isChecked());
    for (const char* square : {"e2", "a1", "e7", "h8"}) {
        SCOPED_TRACE(square);
        ASSERT_NE(PieceOn(square), nullptr);
        EXPECT_EQ(PieceOn(square)->Colour(), square[1] <= '2' ? engine::White : engine::Black);
    }
    EXPECT_GT(At("e2").y(), At("e7").y());
}

// When the pictures and the game part, the self-check takes the pictures
// as the truth and play goes on from them; F5 draws the game's pieces again.
TEST_F(BoardInput, TheGameFollowsThePicturesAfterTheSelfCheck)
{
    Show();
    board->PlacePiece(PieceOn("g1"), Sq("f3"));
    Key(Qt::Key_F5);
    ASSERT_NE(PieceOn("g1"), nullptr);
    EXPECT_EQ(PieceOn("f3"), nullptr);

    board->PlacePiece(PieceOn("g1"), Sq("f3"));
    board->DebugBoard();
    EXPECT_EQ(form->Record().Board.At(6, 3).Kind, engine::Knight);
    engine::BoardImage engineBoard {};
    engine::GetBoardImage(engineBoard);
    EXPECT_EQ(engineBoard.At(7, 1).Kind, engine::Empty);
    EXPECT_EQ(form->Record().SideToMove(), engine::White);
    Drag("f3", "g5");
    EXPECT_EQ(LastMove(), QStringLiteral("f3g5"));
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(BoardInput, PressesAreIgnoredWhileFrozen)
{
    Show();
    form->PlayBothExecute();
    form->FreezeGameExecute();
    ASSERT_TRUE(form->Frozen());
    Drag("e2", "e4");
    EXPECT_EQ(form->Record().EndPly, 0);
    EXPECT_EQ(form->SelectedPiece(), nullptr);
}

} // namespace
