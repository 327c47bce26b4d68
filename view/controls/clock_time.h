#pragma once

#include <QtGlobal>

#include <optional>

// Clock instants and ticks.
//
// An instant is a count of milliseconds. Only its time-of-day part matters
// when it is turned into ticks, as on a wall clock; differences between
// instants are what the clocks show. A tick is 1/18.2 second: an hour is
// 65520 ticks and a minute 1092.
namespace clock_time {

using Instant = qint64;

constexpr Instant MillisecondsPerDay = 24LL * 60 * 60 * 1000;
constexpr quint32 TicksPerHour = 65520;
constexpr quint32 TicksPerMinute = 1092;
constexpr quint32 TicksPerDay = 24 * TicksPerHour;

// Hours, minutes, seconds and milliseconds of the time-of-day part.
struct TimeOfDay {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
    int milliseconds = 0;
};

TimeOfDay DecodeTime(Instant t);
Instant EncodeTime(const TimeOfDay& time);

quint32 TimeToTicks(Instant t);
// Keeps whole ticks only; a count of a day or more is no time of day and
// gives no value.
std::optional<Instant> TicksToTime(quint32 ticks);

// The clocks' reading of "now". It is the wall time at start-up carried on
// by a monotonic clock, so a game across midnight or a change of the
// system clock never makes a clock jump.
Instant Now();

// Tests replace the source of "now"; an empty function restores it.
using NowSource = Instant (*)();
void SetNowSource(NowSource source);

} // namespace clock_time
