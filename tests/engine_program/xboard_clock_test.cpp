#include "engine_program/xboard_clock.h"

#include <gtest/gtest.h>

namespace engine_program {
namespace {

TEST(XboardClock, ReadsTheTimeControlCommands)
{
    XboardClock clock;
    // Until told otherwise: 40 moves in 5 minutes.
    ClockState state = clock.ForNextMove(0, 0);
    EXPECT_EQ(state.Kind, ClockKind::MovesPerPeriod);
    EXPECT_EQ(state.RemainingMs, 300000);
    EXPECT_EQ(state.MovesToGo, 40);

    ASSERT_TRUE(clock.SetLevel("0 2:30 12"));
    state = clock.ForNextMove(10, 10);
    EXPECT_EQ(state.Kind, ClockKind::GameIncrement);
    EXPECT_EQ(state.RemainingMs, 150000);
    EXPECT_EQ(state.IncrementMs, 12000);
    EXPECT_EQ(state.Ply, 10);

    ASSERT_TRUE(clock.SetLevel("0 0.5 0"));
    EXPECT_EQ(clock.ForNextMove(0, 0).Kind, ClockKind::GameTime);
    EXPECT_EQ(clock.ForNextMove(0, 0).RemainingMs, 30000);

    ASSERT_TRUE(clock.SetRemaining("1234"));
    EXPECT_EQ(clock.ForNextMove(0, 0).RemainingMs, 12340);
    ASSERT_TRUE(clock.SetRemaining("-20"));
    EXPECT_EQ(clock.ForNextMove(0, 0).RemainingMs, 0);

    ASSERT_TRUE(clock.SetSecondsPerMove("3"));
    state = clock.ForNextMove(0, 0);
    EXPECT_EQ(state.Kind, ClockKind::FixedPerMove);
    EXPECT_EQ(state.FixedMs, 3000);
    // A new level replaces the time per move.
    ASSERT_TRUE(clock.SetLevel("40 5 0"));
    EXPECT_EQ(clock.ForNextMove(0, 0).Kind, ClockKind::MovesPerPeriod);

    for (const char* bad : {"", "40", "40 5", "40 five 0", "40 5 0 1", "-1 5 0", "40 5:x 0"}) {
        EXPECT_FALSE(clock.SetLevel(bad)) << bad;
    }
    for (const char* bad : {"", "0", "-2", "x"}) {
        EXPECT_FALSE(clock.SetSecondsPerMove(bad)) << bad;
    }
    EXPECT_FALSE(clock.SetRemaining("soon"));
    EXPECT_EQ(clock.ForNextMove(0, 0).RemainingMs, 300000); // nothing changed by the refusals
}

// Between "time" commands the clock loses the thinking time, gains the
// increment and, at the end of a period, the next period.
TEST(XboardClock, KeepsItsOwnAccountOfThePeriods)
{
    XboardClock clock;
    ASSERT_TRUE(clock.SetLevel("2 1 1")); // two moves a minute, one second more a move
    // The engine plays Black: White's first move is played.
    EXPECT_EQ(clock.ForNextMove(1, 1).MovesToGo, 2);
    clock.MoveMade(5000, 1);
    EXPECT_EQ(clock.ForNextMove(3, 3).RemainingMs, 56000);
    EXPECT_EQ(clock.ForNextMove(3, 3).MovesToGo, 1);
    clock.MoveMade(6000, 3);
    // The period is over: a fresh minute on top of what was left.
    EXPECT_EQ(clock.ForNextMove(5, 5).RemainingMs, 111000);
    EXPECT_EQ(clock.ForNextMove(5, 5).MovesToGo, 2);
    clock.NewGame();
    EXPECT_EQ(clock.ForNextMove(0, 0).RemainingMs, 60000);
}

} // namespace
} // namespace engine_program
