#include <QCoreApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>

#include "controller/move_image.h"
#include "controller_fixture.h"
#include "engine/engine_interface.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "view/controls/clock_face.h"
#include "view/status_panel.h"

#include <functional>

namespace {

using GameFlow = ControllerTest;

TEST_F(GameFlow, ComputerAgainstItselfPlaysToAResult)
{
    Options.SearchDepth = 2;
    auto form = MakeForm();
    form->PlayAutoExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::Playing);
    ASSERT_TRUE(IdleUntil(
        *form, [&] { return form->GameOver(); }, 20000));
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
    // A finished self-play game leaves the board to two players.
    EXPECT_EQ(form->PlayKind(), TPlayKind::TwoPlayer);
    EXPECT_GT(form->Record().EndPly, 10);
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown.front(), form->StatusDetail());
    EXPECT_FALSE(form->StatusDetail().isEmpty());
    EXPECT_FALSE(form->WhiteClockFace()->Running());
    EXPECT_FALSE(form->BlackClockFace()->Running());
}

// The user's first move decides the sides; the computer answers, and the
// user's typed moves mate it.
TEST_F(GameFlow, UserMatesTheComputerWithTypedMoves)
{
    Options.AllowResign = false;
    auto form = MakeForm();
    const engine::BoardImage board = Position({"Kg1", "Ra1", "Rb2"}, {"Kh8"});
    const engine::PositionState state = PlainState();
    ASSERT_TRUE(form->InitGame(&board, &state));
    EXPECT_FALSE(form->Record().StartsFromInitial);

    ASSERT_TRUE(form->EnterMove(QStringLiteral("b2b7")));
    EXPECT_EQ(form->PlayKind(), TPlayKind::UserWhite);
    EXPECT_EQ(form->ClockPress(), TClockPress::Pressed);
    EXPECT_EQ(engine::GetEngineState(), engine::StateThinking);
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    ASSERT_EQ(form->Record().CurrentPly, 1);
    EXPECT_EQ(CoordinateText(form->Record().MoveAt(1)), QStringLiteral("h8g8"));

    ASSERT_TRUE(form->EnterMove(QStringLiteral("a1a8")));
    EXPECT_TRUE(form->GameOver());
    EXPECT_EQ(form->Record().Winner, engine::White);
    EXPECT_EQ(form->StatusDetail(), FormatMessage(msg::StatusCheckmate, ColourText(engine::White)));
    EXPECT_EQ(shown, QStringList {form->StatusDetail()});
    // Nothing more is played once the game is over.
    EXPECT_FALSE(form->EnterMove(QStringLiteral("g1g2")));
}

// The computer that judges itself lost resigns instead of moving: the
// record gets the resignation and the engine keeps the position the board shows.
TEST_F(GameFlow, TheComputerResignsALostPosition)
{
    auto form = MakeForm();
    const engine::BoardImage board = Position({"Kg1", "Ra1", "Rb2"}, {"Kh8"});
    const engine::PositionState state = PlainState();
    ASSERT_TRUE(form->InitGame(&board, &state));
    ASSERT_TRUE(form->EnterMove(QStringLiteral("b2b7")));
    ASSERT_TRUE(IdleUntil(*form, [&] { return form->GameOver(); }));
    EXPECT_TRUE(IsPseudoEntry(form->Record().MoveAt(1)));
    EXPECT_EQ(form->Record().Winner, engine::White);
    engine::BoardImage engineBoard {};
    engine::GetBoardImage(engineBoard);
    EXPECT_TRUE(engine::ImagesEqual(engineBoard, form->Record().Board));
    EXPECT_EQ(engineBoard.At(8, 8).Kind, engine::King);
}

TEST_F(GameFlow, RefusedAndUnreadableTypedMovesChangeNothing)
{
    auto form = MakeForm();
    EXPECT_FALSE(form->EnterMove(QStringLiteral("e2e5")));
    EXPECT_FALSE(form->EnterMove(QStringLiteral("hello")));
    // "1-0" with White to move would make White the loser of its own win.
    EXPECT_FALSE(form->EnterMove(QStringLiteral("1-0")));
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
    EXPECT_EQ(form->Record().EndPly, 0);
    // The record's reader names each as text it cannot take here.
    EXPECT_EQ(shown,
        (QStringList {FormatMessage(msg::MoveUnreadable, QStringLiteral("e2e5")),
            FormatMessage(msg::MoveUnreadable, QStringLiteral("hello")),
            FormatMessage(msg::MoveUnreadable, QStringLiteral("1-0"))}));
}

TEST_F(GameFlow, TwoPlayersAgreeADrawThenOneResigns)
{
    auto form = MakeForm();
    form->PlayBothExecute();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e7e5")));
    EXPECT_EQ(engine::GetEngineState(), engine::StateIdle);
    form->OfferDrawExecute();
    EXPECT_TRUE(form->GameOver());
    EXPECT_EQ(form->Record().EndPly, 3);
    EXPECT_EQ(form->StatusDetail(), FormatMessage(msg::StatusDrawAgreed));

    // A finished game is given up without a question.
    form->FileNewExecute();
    EXPECT_FALSE(form->GameOver());
    EXPECT_EQ(form->PlayKind(), TPlayKind::TwoPlayer);
    EXPECT_EQ(form->Record().EndPly, 0);
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    form->ResignExecute();
    EXPECT_TRUE(form->GameOver());
    EXPECT_EQ(form->Record().Winner, engine::White);
    EXPECT_EQ(form->StatusDetail(),
        FormatMessage(msg::StatusResigned, ColourText(engine::Black), ColourText(engine::White)));
    EXPECT_EQ(shown.size(), 2);
}

TEST_F(GameFlow, TheComputerDeclinesAnEarlyDraw)
{
    auto form = MakeForm();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    form->OfferDrawExecute();
    EXPECT_FALSE(form->GameOver());
    EXPECT_EQ(shown, QStringList {FormatMessage(msg::DrawDeclined)});
    EXPECT_EQ(form->GameMode(), TGameMode::Playing);
    ASSERT_TRUE(form->EnterMove(QStringLiteral("d2d4")));
    EXPECT_TRUE(IdleUntilUsersTurn(*form));
    EXPECT_EQ(form->Record().EndPly, 4);
}

// With AllowResign off the computer never resigns, but the user still can.
TEST_F(GameFlow, TheUsersResignationStandsWhenTheComputerMayNotResign)
{
    Options.AllowResign = false;
    auto form = MakeForm();
    form->PlayWhiteExecute();
    form->ResignExecute();
    EXPECT_TRUE(form->GameOver());
    EXPECT_EQ(form->Record().Winner, engine::Black);
}

TEST_F(GameFlow, WithoutAutoPressTheComputerWaitsForTheClock)
{
    Options.AutoPress = false;
    auto form = MakeForm();
    form->PlayWhiteExecute();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    EXPECT_EQ(form->ClockPress(), TClockPress::AwaitingPress);
    EXPECT_EQ(engine::GetEngineState(), engine::StateIdle);
    EXPECT_TRUE(form->WhiteClockFace()->Running());
    form->AppIdle();
    EXPECT_EQ(form->Record().EndPly, 1);

    form->ClockClick();
    EXPECT_EQ(engine::GetEngineState(), engine::StateThinking);
    EXPECT_FALSE(form->WhiteClockFace()->Running());
    EXPECT_TRUE(form->BlackClockFace()->Running());
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    // The computer's move presses the clock: the user's turn starts at once.
    EXPECT_EQ(form->ClockPress(), TClockPress::Running);
    EXPECT_TRUE(form->WhiteClockFace()->Running());
}

TEST_F(GameFlow, ComputerMoveFromAStoppedGameGivesTheUserTheOtherSide)
{
    auto form = MakeForm();
    form->ComputerMoveExecute();
    EXPECT_EQ(form->PlayKind(), TPlayKind::UserBlack);
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    EXPECT_EQ(form->Record().EndPly, 1);
    EXPECT_EQ(form->Record().SideToMove(), engine::Black);
}

TEST_F(GameFlow, FreezingStopsTheClockAndTheEngine)
{
    auto form = MakeForm();
    form->PlayBlackExecute();
    ASSERT_EQ(engine::GetEngineState(), engine::StateThinking);
    form->FreezeGameExecute();
    EXPECT_TRUE(form->Frozen());
    const quint32 before = form->WhiteClockFace()->FullTicks();
    Advance(5000);
    form->AppIdle();
    EXPECT_EQ(form->WhiteClockFace()->FullTicks(), before);
    EXPECT_EQ(engine::GetEngineState(), engine::StateThinking);
    EXPECT_EQ(form->Record().EndPly, 0);

    form->FreezeGameExecute();
    EXPECT_FALSE(form->Frozen());
    Advance(1000);
    form->RefreshClocks();
    EXPECT_GT(form->WhiteClockFace()->FullTicks(), before);
    EXPECT_TRUE(IdleUntilUsersTurn(*form));
    EXPECT_EQ(form->Record().EndPly, 1);
}

TEST_F(GameFlow, MinimizingFreezesOnlyAGameThatIsNotFrozenAlready)
{
    Options.FreezeOnMinimize = true;
    auto form = MakeForm();
    form->PlayBothExecute();
    form->setWindowState(Qt::WindowMinimized);
    EXPECT_TRUE(form->Frozen());
    EXPECT_TRUE(form->AutoFrozen());
    form->setWindowState(Qt::WindowNoState);
    EXPECT_FALSE(form->Frozen());
    EXPECT_TRUE(form->WhiteClockFace()->Running());

    // The user's own freeze survives minimizing and restoring.
    form->FreezeGameExecute();
    form->setWindowState(Qt::WindowMinimized);
    form->setWindowState(Qt::WindowNoState);
    EXPECT_TRUE(form->Frozen());
    EXPECT_FALSE(form->WhiteClockFace()->Running());
}

TEST_F(GameFlow, QuickHintShowsAMoveAndTakesItBack)
{
    auto form = MakeForm();
    form->PlayWhiteExecute();
    engine::BoardImage before {};
    engine::GetBoardImage(before);
    form->QuickHintExecute();
    // The user's move must not be taken for the hint.
    EXPECT_FALSE(form->EnterMove(QStringLiteral("e2e4")));
    ASSERT_TRUE(IdleUntil(*form, [&] { return form->GameMode() == TGameMode::Playing; }));
    engine::BoardImage after {};
    engine::GetBoardImage(after);
    EXPECT_TRUE(engine::ImagesEqual(before, after));
    // The hint stays in the record after the current ply, for Redo.
    EXPECT_EQ(form->Record().CurrentPly, -1);
    EXPECT_EQ(form->Record().EndPly, 1);
    EXPECT_NE(form->Record().MoveAt(0).Piece, 0);
    EXPECT_FALSE(form->GameOver());
    EXPECT_FALSE(form->ComputersTurn());
}

TEST_F(GameFlow, AnalysisLeavesTheBoardAndStopReturnsToTheGame)
{
    auto form = MakeForm();
    form->AnalyseExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::Analysing);
    for (int i = 0; i < 20; ++i) {
        form->AppIdle();
    }
    EXPECT_EQ(engine::GetEngineState(), engine::StateThinking);
    EXPECT_GT(engine::GetNodeCount(), 0u);
    EXPECT_TRUE(form->StopThinkingEnabled());
    form->StopThinkingExecute();
    // No play kind was chosen, so the game is stopped again.
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
    EXPECT_EQ(engine::GetEngineState(), engine::StateIdle);
    EXPECT_EQ(form->Record().EndPly, 0);
    EXPECT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
}

TEST_F(GameFlow, StopThinkingInSelfPlayHandsTheOtherSideToTheUser)
{
    Options.SearchDepth = 8;
    auto form = MakeForm();
    form->PlayAutoExecute();
    form->AppIdle();
    ASSERT_EQ(engine::GetEngineState(), engine::StateThinking);
    form->StopThinkingExecute();
    EXPECT_EQ(form->PlayKind(), TPlayKind::UserBlack);
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    EXPECT_EQ(form->Record().EndPly, 1);
    EXPECT_FALSE(form->ComputersTurn());
}

struct CommandRow {
    const char* name;
    std::function<void(TChessForm&)> run;
};

const CommandRow UsersGameCommands[] = {
    {"resign", [](TChessForm& form) { form.ResignExecute(); }},
    {"offer draw", [](TChessForm& form) { form.OfferDrawExecute(); }},
    {"quick hint", [](TChessForm& form) { form.QuickHintExecute(); }},
    {"computer move", [](TChessForm& form) { form.ComputerMoveExecute(); }},
    {"typed move", [](TChessForm& form) { form.EnterMove(QStringLiteral("e7e5")); }},
    {"typed resignation", [](TChessForm& form) { form.EnterMove(QStringLiteral("resign")); }},
};

// While the computer thinks, the user's game commands neither end the game
// for the wrong side nor drop the computer's search.
TEST_F(GameFlow, OnTheComputersTurnTheUsersGameCommandsDoNothing)
{
    Options.SearchDepth = 3;
    for (const CommandRow& row : UsersGameCommands) {
        SCOPED_TRACE(row.name);
        shown.clear();
        auto form = MakeForm();
        form->PlayBlackExecute();
        ASSERT_EQ(engine::GetEngineState(), engine::StateThinking);
        const GameSnapshot before = Snapshot(*form, shown);
        row.run(*form);
        EXPECT_EQ(Snapshot(*form, shown), before);
        ASSERT_TRUE(IdleUntilUsersTurn(*form));
        EXPECT_FALSE(form->GameOver());
        EXPECT_EQ(form->Record().EndPly, 1);
    }
}

// Computer Move on the user's own turn: while the computer finds that move
// the user's commands wait, so the hint or offer cannot take its place.
TEST_F(GameFlow, WhileTheComputerFindsTheUsersMoveTheUsersCommandsDoNothing)
{
    Options.SearchDepth = 3;
    for (const CommandRow& row : UsersGameCommands) {
        SCOPED_TRACE(row.name);
        shown.clear();
        auto form = MakeForm();
        form->PlayWhiteExecute();
        form->ComputerMoveExecute();
        ASSERT_EQ(engine::GetEngineState(), engine::StateThinking);
        const GameSnapshot before = Snapshot(*form, shown);
        row.run(*form);
        EXPECT_EQ(Snapshot(*form, shown), before);
        ASSERT_TRUE(IdleUntil(*form, [&] { return form->Record().EndPly >= 1; }));
        EXPECT_EQ(form->Record().MoveAt(0).Piece != engine::Empty, true);
    }
}

// A search given up for a move, a resignation or a new play kind leaves
// Stop Thinking nothing to stop.
TEST_F(GameFlow, StopThinkingIsOffOnceTheSearchIsGivenUp)
{
    Options.SearchDepth = 3;
    auto form = MakeForm();
    form->AnalyseExecute();
    ASSERT_TRUE(form->StopThinkingEnabled());
    form->ResignExecute();
    EXPECT_TRUE(form->GameOver());
    EXPECT_FALSE(form->StopThinkingEnabled());

    form = MakeForm();
    form->PlayAutoExecute();
    ASSERT_TRUE(form->StopThinkingEnabled());
    form->PlayBothExecute();
    EXPECT_EQ(engine::GetEngineState(), engine::StateIdle);
    EXPECT_FALSE(form->StopThinkingEnabled());
}

// Set-up starts from the position on the board: an en passant square the
// cleared board or a resignation left behind does not keep the user there,
// and the last move's arrow goes.
TEST_F(GameFlow, SetupFromAGameLeavesNoStaleEnPassantSquare)
{
    const CommandRow entries[] = {
        {"clear board", [](TChessForm& form) { form.ClearBoardExecute(); }},
        {"after a resignation",
            [](TChessForm& form) {
                form.ResignExecute();
                form.BoardSetupExecute();
            }},
    };
    for (const CommandRow& row : entries) {
        SCOPED_TRACE(row.name);
        shown.clear();
        auto form = MakeForm();
        form->PlayBothExecute();
        ASSERT_TRUE(form->EnterMove(QStringLiteral("e4")));
        ASSERT_TRUE(form->EnterMove(QStringLiteral("d5")));
        ASSERT_TRUE(form->EnterMove(QStringLiteral("e5")));
        ASSERT_TRUE(form->EnterMove(QStringLiteral("f5")));
        row.run(*form);
        ASSERT_EQ(form->GameMode(), TGameMode::BoardSetup);
        EXPECT_EQ(form->Record().State.EnPassant, engine::SquarePair {});
        EXPECT_FALSE(form->Board()->MarkerVisible());
        EXPECT_FALSE(shown.contains(FormatMessage(msg::SetupBadEnPassant)));
        shown.clear();
        form->BoardSetupExecute();
        EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
        EXPECT_TRUE(shown.isEmpty()) << shown.join(u'|').toStdString();
    }
}

// An analysis started on the computer's turn hands the turn back to the
// computer's own search when it stops, by itself or by Stop Thinking.
TEST_F(GameFlow, AnalysisOnTheComputersTurnGivesTheTurnBackToTheComputer)
{
    Options.SearchDepth = 2;
    auto form = MakeForm();
    form->PlayBlackExecute();
    form->AnalyseExecute();
    ASSERT_EQ(form->GameMode(), TGameMode::Analysing);
    form->StopThinkingExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::Playing);
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    EXPECT_EQ(form->Record().EndPly, 1);
}

// A finished game takes no more play: no hint, no analysis, no move.
TEST_F(GameFlow, AfterTheGameIsOverItsCommandsDoNothing)
{
    const CommandRow afterTheEnd[] = {
        {"quick hint", [](TChessForm& form) { form.QuickHintExecute(); }},
        {"analyse", [](TChessForm& form) { form.AnalyseExecute(); }},
        {"computer move", [](TChessForm& form) { form.ComputerMoveExecute(); }},
        {"resign", [](TChessForm& form) { form.ResignExecute(); }},
        {"offer draw", [](TChessForm& form) { form.OfferDrawExecute(); }},
        {"play white", [](TChessForm& form) { form.PlayWhiteExecute(); }},
        {"auto play", [](TChessForm& form) { form.PlayAutoExecute(); }},
        {"typed move", [](TChessForm& form) { form.EnterMove(QStringLiteral("d2d4")); }},
    };
    for (const CommandRow& row : afterTheEnd) {
        SCOPED_TRACE(row.name);
        auto form = MakeForm();
        form->PlayBothExecute();
        ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
        form->ResignExecute();
        ASSERT_TRUE(form->GameOver());
        const GameSnapshot before = Snapshot(*form, shown);
        row.run(*form);
        EXPECT_EQ(Snapshot(*form, shown), before);
    }
}

// Every road out of set-up checks the position first: a position the
// engine rejects is never played from.
TEST_F(GameFlow, NoCommandPlaysFromARejectedSetup)
{
    Options.ValidateBoard = true;
    const CommandRow leaving[] = {
        {"play white", [](TChessForm& form) { form.PlayWhiteExecute(); }},
        {"play black", [](TChessForm& form) { form.PlayBlackExecute(); }},
        {"auto play", [](TChessForm& form) { form.PlayAutoExecute(); }},
        {"two players", [](TChessForm& form) { form.PlayBothExecute(); }},
        {"analyse", [](TChessForm& form) { form.AnalyseExecute(); }},
        {"quick hint", [](TChessForm& form) { form.QuickHintExecute(); }},
        {"computer move", [](TChessForm& form) { form.ComputerMoveExecute(); }},
        {"resign", [](TChessForm& form) { form.ResignExecute(); }},
        {"offer draw", [](TChessForm& form) { form.OfferDrawExecute(); }},
    };
    for (const CommandRow& row : leaving) {
        SCOPED_TRACE(row.name);
        shown.clear();
        auto form = MakeForm();
        form->ClearBoardExecute();
        // The kings side by side.
        ASSERT_TRUE(form->EnterMove(QStringLiteral("5157")));
        ASSERT_EQ(shown, QStringList {FormatMessage(msg::SetupRejected)});
        row.run(*form);
        for (int pass = 0; pass < 50; ++pass) {
            form->AppIdle();
        }
        EXPECT_EQ(form->GameMode(), TGameMode::BoardSetup);
        EXPECT_FALSE(form->GameOver());
        EXPECT_EQ(form->Record().EndPly, 0);
        EXPECT_EQ(engine::GetEngineState(), engine::StateIdle);
    }
}

// A playable set-up position may be analysed straight away; a hint or a
// computer move waits until set-up is left.
TEST_F(GameFlow, APlayableSetupMayBeAnalysedButNotHinted)
{
    auto form = MakeForm();
    form->ClearBoardExecute();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("5152"))); // the White king to e2
    form->QuickHintExecute();
    form->ComputerMoveExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::BoardSetup);
    EXPECT_EQ(engine::GetEngineState(), engine::StateIdle);
    form->AnalyseExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::Analysing);
    form->StopThinkingExecute();
    EXPECT_EQ(form->GameMode(), TGameMode::Stopped);
    EXPECT_EQ(form->Record().Board.At(5, 2).Kind, engine::King);
    EXPECT_TRUE(shown.isEmpty());
}

// Each report clears the hint squares, and a search with the working shown
// hides the comment box that covers it.
TEST_F(GameFlow, ReportsClearHintsAndThinkingUncoversTheWorking)
{
    Options.ShowWorking = true;
    Options.ShowComment = true;
    auto form = MakeForm();
    form->PlayBothExecute();
    const engine::SquarePair a5 {1, 5};
    form->Board()->HighlightSquare(a5);
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    EXPECT_FALSE(form->Board()->Highlighted(a5));

    form->SetCommentText(QStringLiteral("A comment"));
    ASSERT_FALSE(form->StatusPanel()->CommentMemo()->isHidden());
    form->ComputerMoveExecute();
    ASSERT_EQ(engine::GetEngineState(), engine::StateThinking);
    EXPECT_TRUE(form->StatusPanel()->CommentMemo()->isHidden());
}

TEST_F(GameFlow, TheIdleTimerRunsAtOnceOnlyWhileTheEngineWorks)
{
    Options.SearchDepth = 4;
    auto form = MakeForm();
    form->AppIdle();
    EXPECT_EQ(form->IdleTimer().interval(), 500);
    form->PlayBlackExecute();
    form->AppIdle();
    EXPECT_EQ(form->IdleTimer().interval(), 0);
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    form->AppIdle();
    EXPECT_EQ(form->IdleTimer().interval(), 500);
}

} // namespace
