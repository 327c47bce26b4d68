#include "engine_program/time_budget.h"

#include <gtest/gtest.h>
#include <string>

namespace engine_program {
namespace {

constexpr std::int64_t Minute = 60 * 1000;

ClockState Clock(ClockKind kind, std::int64_t remaining, int ply = 0)
{
    ClockState clock;
    clock.Kind = kind;
    clock.RemainingMs = remaining;
    clock.Ply = ply;
    return clock;
}

// The computer player's formulas, in milliseconds.
TEST(MoveBudget, FollowsTheComputerPlayersRulesForEachKindOfClock)
{
    ClockState increment = Clock(ClockKind::GameIncrement, 5 * Minute);
    increment.IncrementMs = 2000;
    ClockState schedule = Clock(ClockKind::MovesPerPeriod, 60 * Minute);
    schedule.MovesPerPeriod = 40;
    schedule.PeriodMs = 60 * Minute;
    schedule.MovesToGo = 40;
    ClockState ahead = schedule;
    ahead.RemainingMs = 50 * Minute;
    ahead.MovesToGo = 10; // far ahead of the schedule: capped at twice the average
    ClockState behind = schedule;
    behind.RemainingMs = 5 * Minute;
    behind.MovesToGo = 20; // behind it: the rest shared out evenly
    ClockState movesToGo = Clock(ClockKind::MovesPerPeriod, 2 * Minute);
    movesToGo.MovesToGo = 30; // the period's length unknown
    ClockState fixed;
    fixed.Kind = ClockKind::FixedPerMove;
    fixed.FixedMs = 3000;

    const struct {
        const char* Name;
        ClockState Clock;
        std::int64_t Budget;
    } cases[] = {
        // 1/40 of the remaining time at the first ply ...
        {"game time, first ply", Clock(ClockKind::GameTime, 5 * Minute), 7500},
        // ... a little more at every later ply: (ply + 80) / 3200.
        {"game time, ply 80", Clock(ClockKind::GameTime, 5 * Minute, 80), 15000},
        {"game plus increment", increment, 7500 + 2000 - 110},
        {"moves per period, on schedule", schedule, 90000},
        {"moves per period, ahead", ahead, 180000},
        {"moves per period, behind", behind, 5 * Minute / 21},
        {"moves to go only", movesToGo, 4000},
        {"fixed time per move", fixed, 2950},
        {"no clock", ClockState {}, Unlimited},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        EXPECT_EQ(MoveBudgetMs(c.Clock), c.Budget);
    }
}

// However the formula comes out, the engine never plans to use more than
// half of what is left after the safety margin, so a sane clock cannot
// fall while it thinks.
TEST(MoveBudget, NeverTakesMoreThanASafeShareOfTheRemainingTime)
{
    for (const ClockKind kind : {ClockKind::GameTime, ClockKind::GameIncrement, ClockKind::MovesPerPeriod}) {
        for (const std::int64_t remaining : {0, 30, 200, 1000, 5000, 60000}) {
            for (const int ply : {0, 100, 1000, 5000}) {
                ClockState clock = Clock(kind, remaining, ply);
                clock.IncrementMs = 3000;
                clock.MovesToGo = 1;
                clock.MovesPerPeriod = 40;
                clock.PeriodMs = 10 * Minute;
                SCOPED_TRACE(std::to_string(int(kind)) + " remaining " + std::to_string(remaining) + " ply "
                    + std::to_string(ply));
                const std::int64_t budget = MoveBudgetMs(clock);
                EXPECT_GE(budget, 0);
                EXPECT_LE(budget, std::max<std::int64_t>((remaining - SafetyMarginMs(remaining)) / 2, 0));
            }
        }
    }
}

TEST(MoveBudget, TicksAreEighteenPointTwoPerSecond)
{
    EXPECT_EQ(MsToTicks(0), 0u);
    EXPECT_EQ(MsToTicks(1000), 18u);
    EXPECT_EQ(MsToTicks(5 * Minute), 5460u);
    EXPECT_EQ(MsToTicks(Unlimited), 0x7FFFFFFFu);
}

} // namespace
} // namespace engine_program
