#include "record/time_control.h"

#include <gtest/gtest.h>

using namespace time_control;

namespace {

TOptionsRec DefaultOptions()
{
    TOptionsRec options;
    ResetOptions(options);
    return options;
}

TimeSituation Playing(
    TPlayKind kind, int side, int endPly, std::uint32_t usedWhite = 0, std::uint32_t usedBlack = 0)
{
    TimeSituation now;
    now.mode = TGameMode::Playing;
    now.playKind = kind;
    now.sideToMove = side;
    now.endPly = endPly;
    now.used[0] = usedWhite;
    now.used[1] = usedBlack;
    return now;
}

} // namespace

TEST(ComputerBudget, FollowsEachKindOfTimeControl)
{
    struct Case {
        const char* name;
        std::int32_t kind;
        TimeSituation now;
        std::int32_t budget;
    };
    const TimeSituation whiteFirst = Playing(TPlayKind::UserBlack, 0, 0);
    const Case cases[] = {
        {"no limit", NoLimit, whiteFirst, NoTickLimit},
        // 5 minutes, nothing used: 5 x 1092 x 80 / 3200.
        {"game time", GameTime, whiteFirst, 136},
        {"game time, later and used", GameTime, Playing(TPlayKind::UserBlack, 0, 40, 1000, 900),
            (5460 - 1000) * 120 / 3200},
        {"turn time", TurnTime, whiteFirst, 91},
        // 40 an hour at White's first move: min(1638 - used, 3276).
        {"moves per hour", MovesPerHour, Playing(TPlayKind::UserBlack, 0, 0, 100), 1538},
        {"moves per hour, capped", MovesPerHour, Playing(TPlayKind::UserBlack, 0, 20, 0), 3276},
        // The user took 20 seconds (364 ticks) over the first move.
        {"match user", MatchUser, Playing(TPlayKind::UserWhite, 1, 1, 364, 0), 364},
        {"match user, at least 90", MatchUser, Playing(TPlayKind::UserWhite, 1, 1, 20, 0), 90},
        {"sandclock", Sandclock, Playing(TPlayKind::UserWhite, 1, 1, 200, 100),
            (180 * 9 + 200 - 100) * 4 / 5 - 2},
        {"game plus increment", GamePlusIncrement, whiteFirst, 136 + 91 - 2},
        // White has made 20 moves and earned 20 increments of 91 ticks:
        // 5460 + 1820 - 6000 = 1280 ticks are left before the flag falls.
        {"game plus increment, increments earned", GamePlusIncrement,
            Playing(TPlayKind::UserBlack, 0, 40, 6000), 1280 * 120 / 3200 + 91 - 2},
        // Never more than the time left, less the margin the search keeps.
        {"game plus increment, nearly spent", GamePlusIncrement, Playing(TPlayKind::UserBlack, 0, 40, 7200),
            80 - 2},
        // Out of time already: the computer moves at once rather than being
        // handed a negative budget.
        {"game time spent", GameTime, Playing(TPlayKind::UserBlack, 0, 10, 6000), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TOptionsRec options = DefaultOptions();
        options.TimeLimitType = c.kind;
        options.MinsPerGame = 5;
        options.MovesPerHour = 40;
        EXPECT_EQ(ComputerTickLimit(options, c.now), c.budget);
    }

    TOptionsRec options = DefaultOptions();
    TimeSituation now = whiteFirst;
    now.mode = TGameMode::Analysing;
    EXPECT_EQ(ComputerTickLimit(options, now), NoTickLimit);
    now.mode = TGameMode::QuickHint;
    EXPECT_EQ(ComputerTickLimit(options, now), QuickHintTicks);

    // A schedule of no moves an hour, as a saved game may carry, divides by one.
    options.TimeLimitType = MovesPerHour;
    options.MovesPerHour = 0;
    EXPECT_EQ(ComputerTickLimit(options, Playing(TPlayKind::UserBlack, 0, 0)), 65520);
}

TEST(ComputerBudget, BlackUsesItsOwnFieldsOnlyWithDifferentTime)
{
    TOptionsRec options = DefaultOptions();
    options.TimeLimitType = TurnTime;
    options.SecsPerTurn = 10;
    options.TimeLimitType2 = TurnTime;
    options.SecsPerTurn2 = 20;
    const TimeSituation black = Playing(TPlayKind::UserWhite, 1, 1);
    EXPECT_EQ(ComputerTickLimit(options, black), 182);
    options.DifferentTime = true;
    EXPECT_EQ(ComputerTickLimit(options, black), 364);
}

TEST(ComputerMovesForUser, WhenTheTurnTimeIsAlmostSpent)
{
    TOptionsRec options = DefaultOptions();
    options.TimeLimitType = NoLimit;
    options.SecsPerTurn = 5;
    options.UserLimit = ComputerMovesForUser;
    TimeSituation now = Playing(TPlayKind::UserWhite, 0, 0);
    now.lap[0] = 81; // 4.45 seconds
    EXPECT_FALSE(ComputerMovesForUserNow(options, now));
    now.lap[0] = 82; // within half a second of the 91 ticks
    EXPECT_TRUE(ComputerMovesForUserNow(options, now));
    options.UserLimit = NotAppliedToUser;
    EXPECT_FALSE(ComputerMovesForUserNow(options, now));
    // A turn time of nothing ("300+0" read as a plain game time) never makes
    // the computer move for the user unless asked to.
    options.SecsPerTurn = 0;
    EXPECT_FALSE(ComputerMovesForUserNow(options, now));
}

TEST(Expiry, GameTimeCountsTheComputersClockAndTheUsersOnlyWhenTheUserLoses)
{
    TOptionsRec options = DefaultOptions();
    options.TimeLimitType = GameTime;
    options.MinsPerGame = 1; // 1092 ticks
    // The user (White) is over, the computer is not.
    const TimeSituation userOver = Playing(TPlayKind::UserWhite, 0, 10, 1100, 500);
    EXPECT_FALSE(GameTimeRemaining(options, userOver, 0));
    options.UserLimit = UserLosesGame;
    EXPECT_TRUE(GameTimeRemaining(options, userOver, 0));
    EXPECT_EQ(TimeForfeitMessage(options, userOver), 2041);

    options.UserLimit = NotAppliedToUser;
    const TimeSituation computerNear = Playing(TPlayKind::UserWhite, 1, 11, 0, 1091);
    EXPECT_FALSE(GameTimeRemaining(options, computerNear, 0));
    EXPECT_TRUE(GameTimeRemaining(options, computerNear, 2)); // the computer moves before its flag falls

    // Two people with no user limit: no flag ever falls.
    const TimeSituation twoPlayers = Playing(TPlayKind::TwoPlayer, 0, 10, 5000, 5000);
    EXPECT_FALSE(TimeRemaining(options, twoPlayers, 0));
}

TEST(Expiry, GamePlusIncrementRunsOutWithTheIncrementsEarned)
{
    TOptionsRec options = DefaultOptions();
    options.TimeLimitType = GamePlusIncrement;
    options.MinsPerGame = 1;
    options.SecsPerTurn = 5; // 91 ticks a move
    // Black (the computer) has made 5 moves: 1092 + 455 ticks in all.
    TimeSituation now = Playing(TPlayKind::UserWhite, 1, 11, 0, 1547);
    EXPECT_FALSE(GameTimeRemaining(options, now, 0));
    now.used[1] = 1548;
    EXPECT_TRUE(GameTimeRemaining(options, now, 0));
}

TEST(Expiry, TurnScheduleAndSandclockOnlyWhenTheUserLoses)
{
    TOptionsRec options = DefaultOptions();
    options.UserLimit = UserLosesGame;

    options.TimeLimitType = TurnTime;
    options.SecsPerTurn = 5; // 91 ticks, plus half a second of grace
    TimeSituation now = Playing(TPlayKind::UserWhite, 0, 4);
    now.lap[0] = 100;
    EXPECT_FALSE(TurnTimeRemaining(options, now, 0));
    now.lap[0] = 101;
    EXPECT_TRUE(TurnTimeRemaining(options, now, 0));
    EXPECT_EQ(TimeForfeitMessage(options, now), 2042);

    options.TimeLimitType = Sandclock;
    options.SecsInSandclock = 10; // 182 ticks
    now = Playing(TPlayKind::UserWhite, 0, 4, 300, 118);
    EXPECT_FALSE(SandTimeRemaining(options, now, 0));
    now.used[0] = 301;
    EXPECT_TRUE(SandTimeRemaining(options, now, 0));
    EXPECT_EQ(TimeForfeitMessage(options, now), 2044);

    options.TimeLimitType = MovesPerHour;
    options.MovesPerHour = 20;
    // White has made 19 moves and reaches a full hour: behind the schedule.
    now = Playing(TPlayKind::UserWhite, 0, 38, 65519, 0);
    EXPECT_FALSE(HourTimeRemaining(options, now, 0));
    now.used[0] = 65520;
    EXPECT_TRUE(HourTimeRemaining(options, now, 0));
    EXPECT_EQ(TimeForfeitMessage(options, now), 2043);
    now.endPly = 40; // with 20 moves made the first hour is kept
    EXPECT_FALSE(HourTimeRemaining(options, now, 0));

    options.UserLimit = NotAppliedToUser;
    now.endPly = 38;
    EXPECT_FALSE(TimeRemaining(options, now, 0));
}

TEST(TimeControlText, ReadsAndWritesEachKind)
{
    struct Case {
        const char* text;
        std::int32_t kind;
        std::int32_t minutes, seconds, perHour, sand;
        const char* written;
    };
    const Case cases[] = {
        {"-", NoLimit, 20, 5, 100, 180, "-"},
        {"1800", GameTime, 30, 5, 100, 180, "1800"},
        {"300+5", GamePlusIncrement, 5, 5, 100, 180, "300+5"},
        {"0+30", TurnTime, 20, 30, 100, 180, "0+30"},
        {"40/7200:3600", MovesPerHour, 20, 5, 20, 180, "20/3600"},
        {"40/x", MovesPerHour, 20, 5, 40, 180, "40/3600"},
        {"40/0", MovesPerHour, 20, 5, 40, 180, "40/3600"},
        {"?", MatchUser, 20, 5, 100, 180, "?"},
        {"*180", Sandclock, 20, 5, 100, 180, "*180"},
        {"*90", Sandclock, 20, 5, 100, 90, "*90"},
        {"abc", GameTime, 0, 5, 100, 180, "0"},
        {":300+0", GamePlusIncrement, 5, 0, 100, 180, "300+0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TOptionsRec options = DefaultOptions();
        SetPlayerTimeControl(options, 0, QString::fromLatin1(c.text));
        EXPECT_EQ(options.TimeLimitType, c.kind);
        EXPECT_EQ(options.MinsPerGame, c.minutes);
        EXPECT_EQ(options.SecsPerTurn, c.seconds);
        EXPECT_EQ(options.MovesPerHour, c.perHour);
        EXPECT_EQ(options.SecsInSandclock, c.sand);
        EXPECT_EQ(GetPlayerTimeControl(options, 0), QString::fromLatin1(c.written));
    }
}

TEST(TimeControlText, DifferentTimeForBlack)
{
    TOptionsRec options = DefaultOptions();
    SetGameTimeControl(options, QStringLiteral("300 ?"));
    EXPECT_TRUE(options.DifferentTime);
    EXPECT_EQ(options.TimeLimitType, GameTime);
    EXPECT_EQ(options.MinsPerGame, 5);
    EXPECT_EQ(options.TimeLimitType2, MatchUser);
    EXPECT_EQ(GetGameTimeControl(options), "300 ?");

    SetGameTimeControl(options, QStringLiteral("300"));
    EXPECT_FALSE(options.DifferentTime);
    EXPECT_EQ(GetGameTimeControl(options), "300");

    // The same control for both sides is written once.
    SetGameTimeControl(options, QStringLiteral("0+10 0+10"));
    EXPECT_TRUE(options.DifferentTime);
    EXPECT_EQ(GetGameTimeControl(options), "0+10");
}
