#pragma once

#include <chrono>

// Waits the span while the program goes on handling its events, so the
// window stays responsive: the move delay between animated moves, the
// moment a hint stays on the board.
void PauseHandlingEvents(std::chrono::milliseconds span);

// Where the pause reads the time, and how it rests between passes over the
// events. Tests put in a fake whose rest moves its own time on, so they
// never wait for real; empty members stand for the real clock and sleep.
struct TMoveDelayClock {
    std::chrono::steady_clock::time_point (*now)() = nullptr;
    void (*rest)(std::chrono::milliseconds) = nullptr;
};
void SetMoveDelayClock(TMoveDelayClock clock);
