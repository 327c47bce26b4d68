#include "support/busy_delay.h"

#include <algorithm>
#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::int64_t calibrationMilliseconds = 500;
// The count is taken over a fifth of that and scaled: the window is already
// up when it runs, and a long freeze right after it appears looks like a hang.
// Slides top their delays up to the clock, so a short count cannot hurry them.
constexpr std::int64_t measuredMilliseconds = 100;
constexpr int additionsPerUnit = 1000;
// Far above what any machine counts in 500 ms; with the longest delay below
// it keeps the unit arithmetic inside 64 bits.
constexpr std::int64_t largestCount = std::int64_t {1} << 32;

// Until calibrated, one unit per 500 ms keeps BusyDelay short but working.
std::int64_t unitsPerCalibration = 1;

BusyDelayClock clockSource = nullptr;

Clock::time_point now()
{
    return clockSource != nullptr ? clockSource() : Clock::now();
}

// The sum goes to a volatile so the optimiser must keep every addition.
volatile std::uint64_t busySink = 0;

void busyWorkUnit()
{
    std::uint64_t sum = busySink;
    for (int i = 0; i < additionsPerUnit; ++i) {
        sum += static_cast<std::uint64_t>(i);
        // An empty asm that claims to read and change sum stops the loop from
        // being folded into a single multiplication.
        asm volatile("" : "+r"(sum));
    }
    busySink = sum;
}

std::int64_t elapsedMilliseconds(Clock::time_point since)
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(now() - since).count();
}

} // namespace

void CalibrateDelay()
{
    // Start on a fresh millisecond so the count does not depend on where in
    // the current one we happen to be.
    const auto before = now();
    while (elapsedMilliseconds(before) < 1) { }
    const auto start = now();
    std::int64_t units = 0;
    while (elapsedMilliseconds(start) < measuredMilliseconds) {
        busyWorkUnit();
        ++units;
    }
    const std::int64_t scale = calibrationMilliseconds / measuredMilliseconds;
    unitsPerCalibration = std::clamp<std::int64_t>(units * scale, 1, largestCount);
}

std::int64_t BusyDelay(std::int64_t milliseconds)
{
    // A day is far beyond any delay the program asks for.
    constexpr std::int64_t longestDelay = 24 * 60 * 60 * 1000;
    const std::int64_t wanted = std::clamp<std::int64_t>(milliseconds, 0, longestDelay);
    const std::int64_t units
        = std::max<std::int64_t>(wanted * unitsPerCalibration / calibrationMilliseconds, 1);
    for (std::int64_t i = 0; i < units; ++i) {
        busyWorkUnit();
    }
    return units;
}

void BusyDelayUntil(Clock::time_point deadline)
{
    while (now() < deadline) {
        busyWorkUnit();
    }
}

std::int64_t delayCount()
{
    return unitsPerCalibration;
}

void setDelayCount(std::int64_t unitsPer500ms)
{
    unitsPerCalibration = std::clamp<std::int64_t>(unitsPer500ms, 1, largestCount);
}

void setBusyDelayClock(BusyDelayClock clock)
{
    clockSource = clock;
}
