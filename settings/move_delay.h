#pragma once

#include <chrono>

// Waits MoveDelay half-seconds between animated moves while the program
// goes on handling its events, so the window stays responsive.
void MoveDelayPause();

// Where the pause reads the time, and how it rests between passes over the
// events. Tests put in a fake whose rest moves its own time on, so they
// never wait for real; empty members stand for the real clock and sleep.
struct TMoveDelayClock {
    std::chrono::steady_clock::time_point (*now)() = nullptr;
    void (*rest)(std::chrono::milliseconds) = nullptr;
};
void SetMoveDelayClock(TMoveDelayClock clock);
