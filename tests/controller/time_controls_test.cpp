#include "controller_fixture.h"
#include "engine/engine_interface.h"
#include "settings/message_catalog.h"
#include "settings/messages.h"
#include "settings/options.h"
#include "view/controls/clock_face.h"

namespace {

using TimeControls = ControllerTest;

struct FlagCase {
    const char* name;
    int kind;
    int advanceMs;
    int message; // 0: no flag falls
};

void SetControl(int kind)
{
    Options.TimeLimitType = kind;
    Options.MinsPerGame = 1;
    Options.SecsPerTurn = 5;
    Options.MovesPerHour = 40;
    Options.SecsInSandclock = 60;
}

// Two people play, White's clock runs from the start and White does not
// move: each kind's flag falls for White only when the user loses on time.
TEST_F(TimeControls, AFlagFallsUnderEachKindOnlyWhenTheUserLosesOnTime)
{
    const FlagCase cases[] = {
        {"game time", time_control::GameTime, 61000, msg::GameTimeOver},
        {"turn time", time_control::TurnTime, 6000, msg::TurnTimeOver},
        {"moves per hour", time_control::MovesPerHour, 3660000, msg::HourScheduleOver},
        {"sandclock", time_control::Sandclock, 61000, msg::SandclockOver},
        {"game plus increment", time_control::GamePlusIncrement, 61000, msg::GameTimeOver},
        {"no limit", time_control::NoLimit, 3660000, 0},
        {"match user", time_control::MatchUser, 3660000, 0},
    };
    for (const FlagCase& c : cases) {
        for (int userLimit : {time_control::NotAppliedToUser, time_control::UserLosesGame}) {
            SCOPED_TRACE(testing::Message() << c.name << ", user limit " << userLimit);
            shown.clear();
            SetControl(c.kind);
            Options.UserLimit = userLimit;
            auto form = MakeForm();
            form->PlayBothExecute();
            ASSERT_TRUE(form->WhiteClockFace()->Running());
            Advance(c.advanceMs);
            form->AppIdle();
            const bool falls = c.message != 0 && userLimit == time_control::UserLosesGame;
            EXPECT_EQ(form->GameOver(), falls);
            if (falls) {
                EXPECT_EQ(form->Record().Winner, engine::Black);
                EXPECT_EQ(form->StatusDetail(), FormatMessage(c.message, ColourText(engine::Black)));
                EXPECT_EQ(shown, QStringList {form->StatusDetail()});
                EXPECT_FALSE(form->WhiteClockFace()->Running());
            }
        }
    }
}

// Each move made adds its increment to the player's game time.
TEST_F(TimeControls, IncrementsKeepAFlagUp)
{
    SetControl(time_control::GamePlusIncrement);
    Options.SecsPerTurn = 30;
    Options.UserLimit = time_control::UserLosesGame;
    auto form = MakeForm();
    form->PlayBothExecute();
    Advance(50000);
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e7e5")));
    Advance(35000);
    form->AppIdle();
    EXPECT_FALSE(form->GameOver());
    Advance(10000);
    form->AppIdle();
    EXPECT_TRUE(form->GameOver());
    EXPECT_EQ(form->StatusDetail(), FormatMessage(msg::GameTimeOver, ColourText(engine::Black)));
}

// A move made once the flag has fallen does not count, and the game goes
// to the side whose time is left, whoever moved last.
TEST_F(TimeControls, TheFlagGoesToTheSideWhoseTimeRanOut)
{
    SetControl(time_control::GameTime);
    Options.UserLimit = time_control::UserLosesGame;
    auto form = MakeForm();
    form->PlayBothExecute();
    Advance(61000);
    EXPECT_FALSE(form->EnterMove(QStringLiteral("e2e4")));
    EXPECT_TRUE(form->GameOver());
    EXPECT_EQ(form->Record().EndPly, 0);
    EXPECT_EQ(form->Record().Winner, engine::Black);
    EXPECT_EQ(form->StatusDetail(), FormatMessage(msg::GameTimeOver, ColourText(engine::Black)));

    // White moved in time, then a shorter limit leaves White's clock over
    // while Black is to move.
    Options.MinsPerGame = 2;
    auto second = MakeForm();
    second->PlayBothExecute();
    Advance(70000);
    ASSERT_TRUE(second->EnterMove(QStringLiteral("e2e4")));
    Options.MinsPerGame = 1;
    Advance(1000);
    second->AppIdle();
    EXPECT_TRUE(second->GameOver());
    EXPECT_EQ(second->Record().Winner, engine::Black);
    EXPECT_EQ(second->StatusDetail(), FormatMessage(msg::GameTimeOver, ColourText(engine::Black)));
}

// The computer's own game time always counts; it moves with the best move
// found so far as its clock comes within two ticks of the limit.
TEST_F(TimeControls, TheComputerMovesBeforeItsFlagFalls)
{
    SetControl(time_control::GameTime);
    Options.MinsPerGame = 60;
    Options.SearchDepth = 12;
    auto form = MakeForm();
    form->PlayWhiteExecute();
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    form->AppIdle();
    ASSERT_EQ(engine::GetEngineState(), engine::StateThinking);
    // 65519 ticks used of 65520: inside the margin, not yet over.
    Advance(3600000 - 1);
    ASSERT_TRUE(form->TimeRemaining(2));
    form->AppIdle();
    form->AppIdle();
    EXPECT_EQ(form->Record().EndPly, 2);
    EXPECT_FALSE(form->GameOver());
    EXPECT_LT(form->BlackClockFace()->FullTicks(), 65520u);
    EXPECT_TRUE(form->WhiteClockFace()->Running());
}

TEST_F(TimeControls, TheComputerMovesForAUserWhoseTurnTimeIsSpent)
{
    Options.TimeLimitType = time_control::NoLimit;
    Options.SecsPerTurn = 5;
    Options.UserLimit = time_control::ComputerMovesForUser;
    auto form = MakeForm();
    form->PlayWhiteExecute();
    Advance(4000);
    form->AppIdle();
    EXPECT_EQ(engine::GetEngineState(), engine::StateIdle);
    Advance(600);
    form->AppIdle();
    ASSERT_TRUE(IdleUntil(*form, [&] { return form->Record().EndPly == 2; }));
    EXPECT_EQ(form->PlayKind(), TPlayKind::UserWhite);
    EXPECT_FALSE(form->ComputersTurn());
}

TEST_F(TimeControls, ClocksTakeTurnsAndTheGameClockShowsTheirSum)
{
    auto form = MakeForm();
    form->PlayBothExecute();
    Advance(3000);
    ASSERT_TRUE(form->EnterMove(QStringLiteral("e2e4")));
    EXPECT_FALSE(form->WhiteClockFace()->Running());
    EXPECT_TRUE(form->BlackClockFace()->Running());
    Advance(2000);
    form->RefreshClocks();
    EXPECT_EQ(form->WhiteClockFace()->FullTicks(), 54u);
    EXPECT_EQ(form->BlackClockFace()->FullTicks(), 36u);
    EXPECT_EQ(form->GameClockFace()->FullTicks(), 91u);

    form->FileNewExecute();
    EXPECT_EQ(form->WhiteClockFace()->FullTicks(), 0u);
    EXPECT_EQ(form->ActiveClock(), nullptr);
}

} // namespace
