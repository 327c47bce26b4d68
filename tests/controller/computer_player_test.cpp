#include <QTimer>

#include "controller_fixture.h"
#include "engine/engine_interface.h"
#include "settings/options.h"

namespace {

class ComputerPlayer : public ControllerTest {
protected:
    static int QueenCapturesIn20Games(TChessForm& form);
};

// Black to move can take a queen for nothing.
int ComputerPlayer::QueenCapturesIn20Games(TChessForm& form)
{
    const engine::BoardImage board = Position({"Kg1", "Qd5"}, {"Ke8", "Pe6"});
    const engine::PositionState state = PlainState();
    int captures = 0;
    for (int game = 0; game < 20; ++game) {
        form.RestartGame(1);
        EXPECT_TRUE(form.InitGame(&board, &state));
        form.PlayWhiteExecute();
        EXPECT_TRUE(IdleUntil(form, [&form] { return !form.ComputersTurn(); }));
        captures += form.Record().MoveAt(1).Captures;
    }
    return captures;
}

TEST_F(ComputerPlayer, TheWeakestLevelPlaysRandomMoves)
{
    Options.SearchDepth = 0;
    auto form = MakeForm();
    EXPECT_EQ(QueenCapturesIn20Games(*form), 20);
    Options.SearchDepth = -10;
    EXPECT_LT(QueenCapturesIn20Games(*form), 15);
}

// While a move's acceptance waits out the move delay, the window handles
// events, but a command arriving then is ignored.
TEST_F(ComputerPlayer, CommandsDoNotNestInsideTheMoveDelay)
{
    Options.MoveDelay = 1;
    auto form = MakeForm();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    bool commandArrived = false;
    QTimer::singleShot(0, form.get(), [&form, &commandArrived] {
        commandArrived = true;
        form->FileNewExecute();
    });
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    EXPECT_TRUE(commandArrived);
    EXPECT_EQ(form->Record().EndPly, 2);
    EXPECT_EQ(form->BusyDepth(), 0);
}

TEST_F(ComputerPlayer, ThinksAheadOnTheUsersTimeAndSearchesAfreshAfterTheReply)
{
    Options.SearchDepth = 3;
    Options.AllowThinkAhead = true;
    auto form = MakeForm();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    form->AppIdle();
    EXPECT_EQ(engine::GetEngineState(), engine::StateThinkingAhead);
    EXPECT_EQ(form->IdleTimer().interval(), 0);
    ASSERT_TRUE(form->EnterMove(QStringLiteral("g1f3")));
    EXPECT_EQ(engine::GetEngineState(), engine::StateThinking);
    ASSERT_TRUE(IdleUntilUsersTurn(*form));
    EXPECT_EQ(form->Record().EndPly, 4);
}

// The saver plays for ever: a second after a game ends the next begins.
TEST_F(ComputerPlayer, TheSaverStartsANewGameAfterOneEnds)
{
    TStartSwitches switches;
    switches.AppMode = TAppMode::SaverRun;
    auto form = MakeForm(switches);
    const engine::BoardImage board = Position({"Kg1", "Ra1", "Rb7"}, {"Kh8"});
    const engine::PositionState state = PlainState();
    ASSERT_TRUE(form->InitGame(&board, &state));
    form->PlayAutoExecute();
    ASSERT_TRUE(IdleUntil(*form, [&] { return form->GameOver(); }));
    EXPECT_TRUE(shown.isEmpty());
    Advance(999);
    form->AppIdle();
    EXPECT_TRUE(form->GameOver());
    Advance(1);
    form->AppIdle();
    EXPECT_FALSE(form->GameOver());
    EXPECT_EQ(form->PlayKind(), TPlayKind::AutoPlay);
    EXPECT_EQ(form->GameMode(), TGameMode::Playing);
    EXPECT_TRUE(form->Record().StartsFromInitial);
    EXPECT_EQ(form->Record().EndPly, 0);
}

} // namespace
