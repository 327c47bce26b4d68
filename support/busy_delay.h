#pragma once

#include <chrono>
#include <cstdint>

// Delays finer than the system's sleep and timer granularity (piece sliding,
// the about box animation) are made of calibrated busy work.

// Counts the units of busy work that fit into 500 milliseconds (measured over
// 100 and scaled) and keeps the count for BusyDelay.
void CalibrateDelay();

// Runs milliseconds x count / 500 units of busy work, at least one, and
// returns how many it ran.
std::int64_t BusyDelay(std::int64_t milliseconds);

// Goes on with busy work until the clock reaches the deadline: for paced
// animation, whose frames are due at fixed times whatever the calibration.
void BusyDelayUntil(std::chrono::steady_clock::time_point deadline);

// The kept count; tests set it instead of calibrating against the clock.
std::int64_t delayCount();
void setDelayCount(std::int64_t unitsPer500ms);

// Lets tests drive the clock that calibration and BusyDelayUntil read;
// nullptr restores the real clock.
using BusyDelayClock = std::chrono::steady_clock::time_point (*)();
void setBusyDelayClock(BusyDelayClock clock);
