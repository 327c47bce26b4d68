#include "engine_program/time_budget.h"

#include <algorithm>

namespace engine_program {

namespace {

constexpr std::int64_t MsPerTick = 55; // 1/18.2 s, rounded up: the "− 2 ticks" below
constexpr std::int64_t FixedMargin = 50;
constexpr std::uint32_t NoTimeLimit = 0x7FFFFFFF;

// 1/40 of the remaining time at the first ply, a little more at every
// later ply: (remaining) × (ply + 80) / 3200.
std::int64_t GameTimeShare(const ClockState& clock)
{
    return clock.RemainingMs * (std::int64_t(std::max(clock.Ply, 0)) + 80) / 3200;
}

// The time the schedule allows up to the end of this move minus what the
// later moves of the period need, but never more than twice the average
// time per move. Without the period's length (a protocol that only says
// how many moves are left) the average is the remaining time per move.
std::int64_t ScheduleShare(const ClockState& clock)
{
    const std::int64_t movesLeft = std::max(clock.MovesToGo, 1);
    const std::int64_t evenShare = clock.RemainingMs / movesLeft;
    if (clock.PeriodMs <= 0 || clock.MovesPerPeriod <= 0) {
        return evenShare;
    }
    const std::int64_t average = clock.PeriodMs / clock.MovesPerPeriod;
    // Behind the schedule, what is left is shared out evenly instead.
    const std::int64_t scheduled
        = std::max(clock.RemainingMs - (movesLeft - 1) * average, clock.RemainingMs / (movesLeft + 1));
    return std::min(scheduled, 2 * average);
}

} // namespace

std::int64_t SafetyMarginMs(std::int64_t remainingMs)
{
    return FixedMargin + std::max<std::int64_t>(remainingMs, 0) / 50;
}

std::int64_t MoveBudgetMs(const ClockState& clock)
{
    std::int64_t budget = 0;
    switch (clock.Kind) {
    case ClockKind::None:
        return Unlimited;
    case ClockKind::FixedPerMove:
        return std::max<std::int64_t>(clock.FixedMs - std::min(FixedMargin, clock.FixedMs / 10), 0);
    case ClockKind::GameTime:
        budget = GameTimeShare(clock);
        break;
    case ClockKind::GameIncrement:
        budget = GameTimeShare(clock) + clock.IncrementMs - 2 * MsPerTick;
        break;
    case ClockKind::MovesPerPeriod:
        budget = ScheduleShare(clock) + clock.IncrementMs;
        break;
    }
    const std::int64_t safe = (clock.RemainingMs - SafetyMarginMs(clock.RemainingMs)) / 2;
    return std::clamp<std::int64_t>(budget, 0, std::max<std::int64_t>(safe, 0));
}

std::uint32_t MsToTicks(std::int64_t ms)
{
    if (ms < 0) {
        return NoTimeLimit;
    }
    return std::uint32_t(std::min<std::int64_t>(ms * 91 / 5000, NoTimeLimit));
}

} // namespace engine_program
