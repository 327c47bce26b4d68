#include "engine_program/xboard_clock.h"

#include "engine_program/session.h"

#include <algorithm>

namespace engine_program {

namespace {

// "5" minutes or "0:30" minutes and seconds.
std::optional<std::int64_t> ReadPeriodMs(std::string_view text)
{
    const std::size_t colon = text.find(':');
    const std::optional<double> minutes = ReadDecimal(text.substr(0, colon));
    const std::optional<double> seconds
        = colon == std::string_view::npos ? std::optional<double>(0) : ReadDecimal(text.substr(colon + 1));
    if (!minutes || !seconds) {
        return std::nullopt;
    }
    return std::int64_t(*minutes * 60000 + *seconds * 1000);
}

// The side to move has made half of the moves played, rounded down, since
// the game's first move was its own exactly when an even number is played.
int MovesMadeBySideToMove(int movesPlayed)
{
    return movesPlayed / 2;
}

} // namespace

bool XboardClock::SetLevel(std::string_view argument)
{
    const std::optional<double> moves = ReadDecimal(NextWord(argument));
    const std::optional<std::int64_t> period = ReadPeriodMs(NextWord(argument));
    const std::optional<double> increment = ReadDecimal(NextWord(argument));
    if (!moves || !period || !increment || !argument.empty() || *moves > 10000) {
        return false;
    }
    MovesPerPeriod = int(*moves);
    PeriodMs = *period;
    IncrementMs = std::int64_t(*increment * 1000);
    FixedMs = 0;
    RemainingMs = PeriodMs;
    return true;
}

bool XboardClock::SetSecondsPerMove(std::string_view argument)
{
    const std::optional<double> seconds = ReadDecimal(argument);
    if (!seconds || *seconds <= 0) {
        return false;
    }
    FixedMs = std::int64_t(*seconds * 1000);
    return true;
}

bool XboardClock::SetRemaining(std::string_view centiseconds)
{
    // A fallen flag may show as a negative time: nothing left to think with.
    const bool negative = centiseconds.starts_with('-');
    const std::optional<double> value = ReadDecimal(centiseconds.substr(negative ? 1 : 0));
    if (!value) {
        return false;
    }
    RemainingMs = negative ? 0 : std::int64_t(*value * 10);
    return true;
}

void XboardClock::NewGame()
{
    RemainingMs = PeriodMs;
}

ClockState XboardClock::ForNextMove(int ply, int movesPlayed) const
{
    ClockState clock;
    clock.Ply = ply;
    if (FixedMs > 0) {
        clock.Kind = ClockKind::FixedPerMove;
        clock.FixedMs = FixedMs;
        return clock;
    }
    clock.RemainingMs = std::max<std::int64_t>(RemainingMs, 0);
    clock.IncrementMs = IncrementMs;
    if (MovesPerPeriod > 0) {
        clock.Kind = ClockKind::MovesPerPeriod;
        clock.MovesPerPeriod = MovesPerPeriod;
        clock.PeriodMs = PeriodMs;
        clock.MovesToGo = MovesPerPeriod - MovesMadeBySideToMove(movesPlayed) % MovesPerPeriod;
    } else {
        clock.Kind = IncrementMs > 0 ? ClockKind::GameIncrement : ClockKind::GameTime;
    }
    return clock;
}

void XboardClock::MoveMade(std::int64_t thinkingMs, int movesPlayed)
{
    if (FixedMs > 0) {
        return;
    }
    RemainingMs += IncrementMs - thinkingMs;
    const int made = MovesMadeBySideToMove(movesPlayed) + 1;
    if (MovesPerPeriod > 0 && made % MovesPerPeriod == 0) {
        RemainingMs += PeriodMs;
    }
}

} // namespace engine_program
