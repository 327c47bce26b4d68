#pragma once

#include <QString>

#include "record/game_modes.h"
#include "settings/options.h"

#include <cstdint>

// Time controls: the seven kinds, the computer's time budget, the tests that
// decide a player's time has run out, and the time-control text of the PGN
// "TimeControl" tag. Times are in ticks of 1/18.2 second.
namespace time_control {

enum TimeLimitKind : std::int32_t {
    NoLimit = 0,
    GameTime = 1,
    TurnTime = 2,
    MovesPerHour = 3,
    MatchUser = 4,
    Sandclock = 5,
    GamePlusIncrement = 6,
};

// What "User Limit Scope" makes of the expiry tests for the human player.
enum UserLimitScope : std::int32_t {
    NotAppliedToUser = 0,
    ComputerMovesForUser = 1,
    UserLosesGame = 2,
};

constexpr std::int32_t NoTickLimit = 2147483647;
constexpr std::int32_t QuickHintTicks = 36;
constexpr std::uint32_t TicksPerHour = 65520;
constexpr std::uint32_t TicksPerMinute = 1092;
constexpr std::uint32_t SecondsToTicks(std::int64_t seconds)
{
    return static_cast<std::uint32_t>(seconds * 91 / 5);
}

// Per-player view of the time fields of the options: Black's own fields
// apply only with DifferentTime; the sandclock is shared.
std::int32_t GetLimitType(const TOptionsRec& options, int colour);
std::int32_t GetGameLimit(const TOptionsRec& options, int colour);
std::int32_t GetTurnLimit(const TOptionsRec& options, int colour);
std::int32_t GetHourLimit(const TOptionsRec& options, int colour);
std::int32_t GetSandLimit(const TOptionsRec& options);
void SetLimitType(TOptionsRec& options, int colour, std::int32_t kind);
void SetGameLimit(TOptionsRec& options, int colour, std::int32_t minutes);
void SetTurnLimit(TOptionsRec& options, int colour, std::int32_t seconds);
void SetHourLimit(TOptionsRec& options, int colour, std::int32_t moves);
void SetSandLimit(TOptionsRec& options, std::int32_t seconds);

// The clocks and the game as the tests see them. used[c] is all the time
// colour c's clock has run this game; lap[c] the time since it was last
// started. endPly is the ply about to be played at the end of the game and
// startPly the first ply of the game (above 0 after a set-up position).
struct TimeSituation {
    TGameMode mode = TGameMode::Stopped;
    TPlayKind playKind = TPlayKind::Unset;
    int sideToMove = 0;
    int startPly = 0;
    int endPly = 0;
    std::uint32_t used[2] = {0, 0};
    std::uint32_t lap[2] = {0, 0};
};

// The tick budget for the computer's search.
std::int32_t ComputerTickLimit(const TOptionsRec& options, const TimeSituation& now);
// Ticks left of the side to move's seconds per turn.
std::uint32_t TurnTicksRemaining(const TOptionsRec& options, const TimeSituation& now);
// Whether the computer plays for a human whose turn time is spent.
bool ComputerMovesForUserNow(const TOptionsRec& options, const TimeSituation& now);

// Each is true when the time concerned HAS RUN OUT, within a margin of m ticks.
bool GameTimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m);
bool TurnTimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m);
bool HourTimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m);
bool SandTimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m);
bool TimeRemaining(const TOptionsRec& options, const TimeSituation& now, std::uint32_t m);

// True when Black has used less time than White (ties count for Black).
bool PlayedLeastTime(const TimeSituation& now);

// The message (2041 to 2044) that reports a fallen flag, or 0 when none
// has fallen.
int TimeForfeitMessage(const TOptionsRec& options, const TimeSituation& now);
// The colour that wins on time: the other side of the one whose time ran
// out, whoever made the last move; with the sandclock the side that has
// used less time.
int TimeForfeitWinner(const TOptionsRec& options, const TimeSituation& now);

QString GetPlayerTimeControl(const TOptionsRec& options, int colour);
void SetPlayerTimeControl(TOptionsRec& options, int colour, const QString& text);
QString GetGameTimeControl(const TOptionsRec& options);
void SetGameTimeControl(TOptionsRec& options, const QString& text);

} // namespace time_control
