// The engine's tick timers. A tick is 1/18.2 second; timers count wall-clock
// time, including the time the engine spends suspended between slices.
#pragma once

#include <cstdint>

namespace engine {

// Current tick count: milliseconds * 91 / 5000 of a monotonic clock.
std::uint32_t TickCount();

struct TickTimer {
    std::uint32_t StartTick = 0; // 0 = not running
    std::uint32_t Elapsed = 0;
    std::uint32_t Limit = 0;

    void Init();
    void Start();
    void Update();
    void Halt();
    void SetLimit(std::uint32_t ticks) { Limit = ticks; }
    bool Expired();
};

// Lets tests drive the clock by hand; nullptr restores the real clock.
using TickSource = std::uint32_t (*)();
void SetTickSource(TickSource source);

} // namespace engine
