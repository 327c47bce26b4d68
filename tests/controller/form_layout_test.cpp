#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QToolBar>

#include "controller_fixture.h"
#include "record/notation_writer.h"
#include "record/position_writer.h"
#include "settings/data_folder.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "view/board_controls.h"
#include "view/board_panel.h"
#include "view/controls/clock_face.h"
#include "view/move_list.h"
#include "view/status_panel.h"

namespace {

// The window on a piece set of plain frames of a known size, drawn from a
// data folder of the test's own.
class FormLayout : public ControllerTest {
protected:
    void UsePieceSet(int w0, int h0)
    {
        ASSERT_TRUE(folder.isValid());
        QDir(folder.path()).mkpath(QStringLiteral("pieces"));
        QImage picture(6 * w0, 2 * h0, QImage::Format_RGB32);
        picture.fill(Qt::blue);
        ASSERT_TRUE(picture.save(folder.filePath(QStringLiteral("pieces/Plain.bmp"))));
        DataDir = folder.path() + u'/';
        Options.PieceSet = QStringLiteral("Plain");
    }

    // The designed example: 44-pixel squares, 16-pixel edges, player names,
    // unscaled 44 x 44 taken pieces, the status panel with the narration.
    void DesignedOptions()
    {
        UsePieceSet(44, 44);
        Options.SquareSize = 44;
        Options.EdgeSize = 16;
        Options.ShowPlayers = true;
        Options.ShowTaken = true;
        Options.ScalePieces = false;
        Options.ShowStatus = true;
        Options.ShowNarration = true;
        Options.ShowButtons = 2;
    }

    static std::unique_ptr<TChessForm> Shown(std::unique_ptr<TChessForm> form)
    {
        form->show();
        QApplication::processEvents();
        return form;
    }

    static QSize Client(const TChessForm& form)
    {
        return form.centralWidget()->size() + QSize(form.LeftBarWidth(), form.TopBarHeight());
    }

    QTemporaryDir folder;
};

TEST_F(FormLayout, ClientAreaFromTheOptions)
{
    DesignedOptions();
    struct Case {
        int buttons;
        bool status, narration, scale;
        QSize client;
    } const cases[] = {
        {2, true, true, true, {384 + 376, 28 + 416 + 100}},
        {1, true, true, false, {28 + 384 + 376, 416 + 100}},
        {0, true, false, true, {384 + 192, 416 + 100}},
        {0, false, true, false, {384, 416 + 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.buttons << c.status << c.narration << c.scale);
        Options.ShowButtons = c.buttons;
        Options.ShowStatus = c.status;
        Options.ShowNarration = c.narration;
        Options.ScaleSquares = c.scale;
        auto form = Shown(MakeForm());
        EXPECT_EQ(form->ClientSize(), c.client);
        EXPECT_EQ(Client(*form), c.client);
        EXPECT_EQ(form->ButtonBar()->isVisible(), c.buttons != 0);
        EXPECT_EQ(form->StatusPanel()->isVisible(), c.status);
        // A window whose squares do not scale keeps its size.
        EXPECT_EQ(form->minimumSize() == form->maximumSize(), !c.scale);
    }
    EXPECT_TRUE(shown.isEmpty());
}

// New options from the dialog take effect on the open window.
TEST_F(FormLayout, EffectOptionsLaysTheWindowOutAgain)
{
    DesignedOptions();
    Options.ScaleSquares = false;
    auto form = Shown(MakeForm());
    Options.SquareSize = 32;
    Options.ShowNarration = false;
    Options.ShowButtons = 1;
    Options.ShowDigital = true;
    Options.ShowAnalogue = false;
    Options.ShowHundredths = true;
    form->EffectOptions();
    QApplication::processEvents();
    const QSize client(28 + 32 + 8 * 32 + 192, 2 * 32 + 8 * 32 + 100);
    EXPECT_EQ(form->ClientSize(), client);
    EXPECT_EQ(Client(*form), client);
    EXPECT_EQ(form->StatusPanel()->geometry(), QRect(32 + 8 * 32, 0, 192, 2 * 32 + 8 * 32));
    EXPECT_FALSE(form->StatusPanel()->NarrateBevel()->isVisible());
    EXPECT_TRUE(form->GameClockFace()->ShowHunds());
}

TEST_F(FormLayout, MoveListFontFollowsBoardFixed)
{
    for (const bool fixed : {true, false}) {
        SCOPED_TRACE(fixed);
        Options.BoardFixed = fixed;
        auto form = Shown(MakeForm());
        const TMoveGrid* list = form->StatusPanel()->MoveList();
        // Without BoardFixed the list shares the board's font, whatever its pitch.
        if (fixed) {
            EXPECT_TRUE(list->FixedPitch());
        } else {
            EXPECT_EQ(list->font(), form->Board()->font());
        }
    }
}

TEST_F(FormLayout, DraggingTheFrameScalesTheSquares)
{
    DesignedOptions();
    Options.ScaleSquares = true;
    // A stored size off the 4-pixel steps stays until the frame is dragged.
    Options.SquareSize = 42;
    auto form = Shown(MakeForm());
    EXPECT_EQ(Options.SquareSize, 42);
    const QSize extra = form->size() - Client(*form);
    // Width for the squares: client width less 2E and the status panel.
    struct Case {
        int squaresWidth, clientHeight, square;
    } const cases[] = {
        {250, 900, 28}, // 4 * (250 / 32)
        {8 * 60, 900, 60}, {159, 900, 20}, // never below 20
        {8 * 60, 28 + 64 + 100 + 8 * 36 + 10, 36}, // the height decides
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.squaresWidth);
        form->resize(QSize(32 + c.squaresWidth + 376, c.clientHeight) + extra);
        QApplication::processEvents();
        EXPECT_EQ(Options.SquareSize, c.square);
        EXPECT_EQ(form->Board()->BoardWidth(), 32 + 8 * c.square);
        EXPECT_EQ(form->StatusPanel()->x(), form->Board()->BoardWidth());
    }
}

TEST_F(FormLayout, ScaledTakenPiecesLeaveRoomInTheHeight)
{
    DesignedOptions();
    Options.ScaleSquares = true;
    Options.ScalePieces = true;
    auto form = Shown(MakeForm());
    const QSize extra = form->size() - Client(*form);
    // Square frames: 4 * ((H - 8) * 5 * 88 / (160 * 88 + 64 * 44)) with H
    // the height less the tool bar and the edges: 400 pixels give 40.
    form->resize(QSize(2000, 28 + 64 + 8 + 400) + extra);
    QApplication::processEvents();
    EXPECT_EQ(Options.SquareSize, 40);
    // The scaled taken rows fit under the board.
    EXPECT_LE(form->Board()->BoardHeight() + form->Board()->TakenHeight(), 64 + 8 + 400);
}

TEST_F(FormLayout, NarrowEdgesHideTheCoordinates)
{
    UsePieceSet(44, 44);
    Options.ShowLabels = true;
    for (const int edge : {7, 8}) {
        SCOPED_TRACE(edge);
        Options.EdgeSize = edge;
        auto form = Shown(MakeForm());
        int labels = 0;
        for (const QLabel* label : form->Board()->findChildren<QLabel*>()) {
            const int tag = ControlTag(label);
            if ((tag == board_tag::FileLabel || tag == board_tag::RankLabel) && label->isVisible()) {
                ++labels;
            }
        }
        if (edge > 7) {
            EXPECT_GT(labels, 0);
        } else {
            EXPECT_EQ(labels, 0);
        }
    }
}

// A game without names shows the colours on the board's edges, White's
// nearest the side shown at the bottom.
TEST_F(FormLayout, PlayerLabelsNameTheColours)
{
    Options.ShowPlayers = true;
    auto form = Shown(MakeForm());
    const QLabel* white = form->Board()->WhiteLabel();
    const QLabel* black = form->Board()->BlackLabel();
    EXPECT_EQ(white->text(), ColourText(0));
    EXPECT_EQ(black->text(), ColourText(1));
    EXPECT_TRUE(white->isVisible());
    EXPECT_GT(white->y(), black->y());
    form->RotateBoardExecute();
    EXPECT_LT(white->y(), black->y());
    EXPECT_EQ(PlayerLabelText(1, QStringLiteral("Ann")), ColourText(1) + QStringLiteral(": Ann"));
}

// Every text the turn and mode boxes may show fits, wrapped where it must,
// at the usual font and at one and a half and twice its size; the parts
// below move down rather than overlap.
TEST_F(FormLayout, StatusTextsFitAtLargerFonts)
{
    const QFont usual = QApplication::font();
    QStringList modes;
    for (const int number : {msg::ModeStopped, msg::ModeBoardSetup, msg::ModeLoading, msg::ModeQuickReplay,
             msg::ModeDemonstration, msg::ModeAnalysing, msg::GameOverText}) {
        modes << FormatMessage(number);
    }
    for (const int kind : {msg::PlayAutoPlay, msg::PlayUserWhite, msg::PlayUserBlack, msg::PlayTwoPlayer}) {
        for (const int turn : {msg::ComputersTurn, msg::UsersTurn}) {
            modes << FormatMessage(kind) + QStringLiteral(" - ") + FormatMessage(turn);
        }
    }
    QStringList turns;
    for (const int colour : {0, 1}) {
        turns << FormatMessage(msg::MoveNumberStatus, 888) + QStringLiteral(" - ")
                + FormatMessage(msg::SideToMoveStatus, ColourText(colour));
    }
    const auto fits = [](const QLabel* label, const QString& text) {
        const QRect inside = label->contentsRect();
        const QRect needed = QFontMetrics(label->font())
                                 .boundingRect(QRect(0, 0, inside.width(), 1 << 16), Qt::TextWordWrap, text);
        return needed.width() <= inside.width() && needed.height() <= inside.height();
    };
    for (const double scale : {1.0, 1.5, 2.0, 3.0}) {
        SCOPED_TRACE(scale);
        QFont font = usual;
        font.setPointSizeF(usual.pointSizeF() * scale);
        QApplication::setFont(font);
        auto form = Shown(MakeForm());
        const TStatusPanel* panel = form->StatusPanel();
        for (const QString& text : modes) {
            EXPECT_TRUE(fits(panel->ModeLabel(), text)) << text.toStdString();
        }
        for (const QString& text : turns) {
            EXPECT_TRUE(fits(panel->TurnPanel(), text)) << text.toStdString();
        }
        EXPECT_TRUE(fits(panel->SearchLabel(), FormatMessage(msg::EngineThinkingAhead)));
        EXPECT_TRUE(fits(panel->ValueLabel(),
            FormatMessage(msg::WorkingValue, QStringLiteral("-125.00")) + QStringLiteral("   ")
                + FormatMessage(msg::WorkingNodes, 99999)));
        EXPECT_GE(panel->BestLineLabel()->y(), panel->ValueLabel()->geometry().bottom());
        EXPECT_GT(panel->ModeBevel()->y(), panel->TurnPanel()->geometry().bottom());
        EXPECT_GT(form->WhiteClockFace()->y(), panel->ModeBevel()->geometry().bottom());
        EXPECT_GT(panel->MovesPanel()->y(), form->WhiteClockFace()->geometry().bottom());
        // The analogue faces and the game clock between them never overlap.
        EXPECT_GT(form->GameClockFace()->width(), 0);
        EXPECT_LT(form->WhiteClockFace()->geometry().right(), form->GameClockFace()->x());
        EXPECT_LT(form->GameClockFace()->geometry().right(), form->BlackClockFace()->x());
        if (scale == 2.0) {
            form->grab().save(QStringLiteral(QUARVEL_SCREENSHOT_DIR "/status-texts-at-twice-the-font.png"));
        }
    }
    QApplication::setFont(usual);
}

TEST_F(FormLayout, TurnModeMoveListAndPositionFollowTheGame)
{
    Options.Notation = LongAlgebraic;
    auto form = Shown(MakeForm());
    form->PlayBothExecute();
    TStatusPanel* panel = form->StatusPanel();
    const auto turn = [](int number, int colour) {
        return FormatMessage(msg::MoveNumberStatus, number) + QStringLiteral(" - ")
            + FormatMessage(msg::SideToMoveStatus, ColourText(colour));
    };
    EXPECT_EQ(panel->TurnPanel()->text(), turn(1, 0));
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e4")));
    EXPECT_EQ(panel->TurnPanel()->text(), turn(1, 1));
    EXPECT_EQ(panel->TurnPanel()->palette().color(QPalette::Window), QColor(Qt::black));
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e5")));
    EXPECT_EQ(panel->TurnPanel()->text(), turn(2, 0));
    EXPECT_EQ(panel->TurnPanel()->palette().color(QPalette::Window), QColor(Qt::white));

    EXPECT_EQ(panel->ModeLabel()->text(),
        FormatMessage(msg::PlayTwoPlayer) + QStringLiteral(" - ") + FormatMessage(msg::UsersTurn));
    EXPECT_EQ(
        panel->LayoutMemo()->toPlainText(), FormatMessage(msg::FenLine, BoardCurrentFEN(form->Record())));

    // The next ply's slot is the current cell.
    const TMoveGrid* list = panel->MoveList();
    EXPECT_EQ(list->RowCount(), 2);
    EXPECT_EQ(list->Cell(0, 1).Text.trimmed(), QStringLiteral("e2-e4"));
    EXPECT_EQ(list->Cell(0, 2).Text.trimmed(), QStringLiteral("e7-e5"));
    EXPECT_EQ(list->CurrentRow(), 0);
    EXPECT_EQ(list->CurrentColumn(), 2);

    form->ResignExecute();
    ASSERT_TRUE(form->GameOver());
    EXPECT_EQ(panel->TurnPanel()->text(), QString());
    EXPECT_EQ(panel->ModeLabel()->text(), FormatMessage(msg::GameOverText));
}

TEST_F(FormLayout, WorkingPanelShowsTheComputersSearch)
{
    Options.ShowWorking = true;
    auto form = Shown(MakeForm());
    form->PlayWhiteExecute();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e4")));
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    form->UpdateWorking(1);
    TStatusPanel* panel = form->StatusPanel();
    EXPECT_EQ(panel->SearchLabel()->text(), FormatMessage(msg::EngineIdle));
    EXPECT_TRUE(panel->ValueLabel()->text().startsWith(FormatMessage(msg::WorkingValue, QString()).trimmed()))
        << panel->ValueLabel()->text().toStdString();
    // The computer's reply is played, so the line shown goes on from it.
    const engine::MoveRecord reply = form->Record().MoveAt(form->Record().CurrentPly);
    const QString replyText = FormatMove(Options.Notation, reply, engine::Black);
    EXPECT_FALSE(panel->BestLineLabel()->text().startsWith(FormatMessage(msg::WorkingLine, replyText)))
        << panel->BestLineLabel()->text().toStdString();

    // A new game shows nothing of the last one's search.
    ASSERT_FALSE(panel->ValueLabel()->text().isEmpty());
    form->FileNewExecute();
    ASSERT_LT(form->Record().CurrentPly, form->Record().StartPly);
    EXPECT_EQ(panel->ValueLabel()->text(), QString());
    EXPECT_EQ(panel->BestLineLabel()->text(), QString());
}

// Either knight can take the queen: the line shown must say which one, in
// every notation, since the engine's own line carries no disambiguation.
TEST_F(FormLayout, WorkingLineNamesTheMovingPiecesOrigin)
{
    Options.ShowWorking = true;
    Options.Notation = StandardAlgebraic;
    auto form = Shown(MakeForm());
    const engine::BoardImage board = Position({"Kh1", "Nb1", "Nf1"}, {"Kh8", "Qd2"});
    const engine::PositionState state = PlainState();
    ASSERT_TRUE(form->InitGame(&board, &state));
    form->AnalyseExecute();
    TStatusPanel* panel = form->StatusPanel();
    ASSERT_TRUE(IdleUntil(*form, [&] {
        form->UpdateWorking(1);
        return !panel->BestLineLabel()->text().isEmpty();
    }));
    const QString line = panel->BestLineLabel()->text();
    EXPECT_TRUE(line.contains(QStringLiteral("Nb1xd2")) || line.contains(QStringLiteral("Nf1xd2")))
        << line.toStdString();
    // A long line wraps between moves, not at the hyphen of "Kh1-g2".
    EXPECT_FALSE(line.contains(u'-')) << line.toStdString();
    form->StopThinkingExecute();
}

TEST_F(FormLayout, AFocusedTextBoxIsPaintedAsAnEditField)
{
    auto form = Shown(MakeForm());
    QApplication::setActiveWindow(form.get());
    QPlainTextEdit* message = form->StatusPanel()->MessageMemo();
    message->setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != message) {
        GTEST_SKIP() << "the platform gives no keyboard focus";
    }
    EXPECT_EQ(form->FocusedMemo(), message);
    EXPECT_EQ(message->viewport()->backgroundRole(), QPalette::Base);
    form->StatusPanel()->MoveEntry()->setFocus();
    QApplication::processEvents();
    EXPECT_EQ(form->FocusedMemo(), nullptr);
    EXPECT_EQ(message->viewport()->backgroundRole(), QPalette::Window);
}

// A user typing moves keeps the typed-move line through the computer's
// turn: the line refuses input then, but does not lose the keyboard.
TEST_F(FormLayout, TheTypedMoveLineKeepsTheKeyboardThroughTheComputersTurn)
{
    Options.SearchDepth = 3;
    auto form = Shown(MakeForm());
    QApplication::setActiveWindow(form.get());
    QLineEdit* entry = form->StatusPanel()->MoveEntry();
    entry->setFocus();
    QApplication::processEvents();
    if (QApplication::focusWidget() != entry) {
        GTEST_SKIP() << "the platform gives no keyboard focus";
    }
    form->PlayWhiteExecute();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e4")));
    ASSERT_TRUE(form->ComputersTurn());
    QApplication::processEvents();
    EXPECT_TRUE(entry->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), entry);
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    EXPECT_FALSE(entry->isReadOnly());
    EXPECT_EQ(QApplication::focusWidget(), entry);
}

// The status panel at two square sizes; the pictures are kept for a look.
TEST_F(FormLayout, LayoutAtTwoSquareSizes)
{
    // The built piece set, so the pictures show real pieces.
    const QString pieceSet = Options.PieceSet;
    DesignedOptions();
    DataDir = QStringLiteral(QUARVEL_BIN_DIR "/");
    Options.PieceSet = pieceSet;
    Options.ShowDigital = true;
    Options.ShowAnalogue = false;
    struct Case {
        int square, buttons;
        bool working;
    } const cases[] = {{44, 2, true}, {20, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.square);
        Options.SquareSize = c.square;
        Options.ShowButtons = c.buttons;
        auto form = Shown(MakeForm());
        form->PlayBothExecute();
        for (const char* move : {"e4", "e5", "Nf3", "Nc6", "Bb5", "a6"}) {
            ASSERT_TRUE(form->EnterMove(QLatin1String(move)));
        }
        TStatusPanel* panel = form->StatusPanel();
        const int boardHeight = 2 * 32 + 8 * c.square;
        EXPECT_EQ(panel->geometry(), QRect(32 + 8 * c.square, 0, 376, boardHeight));
        EXPECT_EQ(panel->MessagePanel()->y(), boardHeight - 34 - 8);
        // The list starts under the clocks, 104 as designed when every mode
        // text fits one line, lower by what the mode box grew to hold them.
        EXPECT_EQ(panel->MovesPanel()->y(), 104 + panel->ModeBevel()->height() - 20);
        EXPECT_EQ(panel->WorkingPanel()->isVisible(), c.working);
        EXPECT_EQ(panel->LayoutBevel()->y(), boardHeight - 8 - 56);
        EXPECT_TRUE(form->WhiteClockFace()->Digital());
        form->grab().save(QStringLiteral(QUARVEL_SCREENSHOT_DIR "/window-%1.png").arg(c.square));
    }
}

} // namespace
