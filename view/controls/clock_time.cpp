#include "view/controls/clock_time.h"

#include <QDateTime>

#include <chrono>

namespace clock_time {
namespace {

NowSource nowSource = nullptr;

Instant MonotonicNow()
{
    using namespace std::chrono;
    // Local wall time, so the time-of-day part reads as the user's clock.
    static const Instant wallAtStart = [] {
        const QDateTime start = QDateTime::currentDateTime();
        return start.toMSecsSinceEpoch() + start.offsetFromUtc() * 1000LL;
    }();
    static const auto steadyAtStart = steady_clock::now();
    return wallAtStart + duration_cast<milliseconds>(steady_clock::now() - steadyAtStart).count();
}

} // namespace

TimeOfDay DecodeTime(Instant t)
{
    Instant ms = t % MillisecondsPerDay;
    if (ms < 0) {
        ms += MillisecondsPerDay;
    }
    TimeOfDay time;
    time.milliseconds = static_cast<int>(ms % 1000);
    ms /= 1000;
    time.seconds = static_cast<int>(ms % 60);
    ms /= 60;
    time.minutes = static_cast<int>(ms % 60);
    time.hours = static_cast<int>(ms / 60);
    return time;
}

Instant EncodeTime(const TimeOfDay& time)
{
    return ((time.hours * 60LL + time.minutes) * 60 + time.seconds) * 1000 + time.milliseconds;
}

quint32 TimeToTicks(Instant t)
{
    const TimeOfDay time = DecodeTime(t);
    return static_cast<quint32>(time.hours) * TicksPerHour
        + static_cast<quint32>(time.minutes) * TicksPerMinute + static_cast<quint32>(time.seconds) * 91 / 5
        + static_cast<quint32>(time.milliseconds) * 91 / 5000;
}

std::optional<Instant> TicksToTime(quint32 ticks)
{
    if (ticks >= TicksPerDay) {
        return std::nullopt;
    }
    TimeOfDay time;
    time.hours = static_cast<int>(ticks / TicksPerHour);
    const quint32 inHour = ticks % TicksPerHour;
    time.minutes = static_cast<int>(inHour / TicksPerMinute);
    const quint32 fifths = (inHour % TicksPerMinute) * 5;
    time.seconds = static_cast<int>(fifths / 91);
    time.milliseconds = static_cast<int>(((fifths % 91) / 5) * 5000 / 91);
    return EncodeTime(time);
}

Instant Now()
{
    return nowSource != nullptr ? nowSource() : MonotonicNow();
}

void SetNowSource(NowSource source)
{
    nowSource = source;
}

} // namespace clock_time
