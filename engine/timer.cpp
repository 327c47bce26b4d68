#include "engine/timer.h"

#include <chrono>

namespace engine {

namespace {

std::uint32_t SteadyTicks()
{
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    // 64-bit arithmetic keeps ms * 91 from overflowing; +1 keeps a running
    // timer's StartTick away from 0, which means "not running".
    return std::uint32_t(std::uint64_t(ms) * 91 / 5000) + 1;
}

TickSource Source = &SteadyTicks;

} // namespace

std::uint32_t TickCount()
{
    return Source();
}

void SetTickSource(TickSource source)
{
    Source = source != nullptr ? source : &SteadyTicks;
}

void TickTimer::Init()
{
    StartTick = 0;
    Elapsed = 0;
}

void TickTimer::Start()
{
    StartTick = TickCount();
}

void TickTimer::Update()
{
    if (StartTick != 0) {
        const std::uint32_t now = TickCount();
        Elapsed += now - StartTick;
        StartTick = now;
    }
}

void TickTimer::Halt()
{
    Update();
    StartTick = 0;
}

bool TickTimer::Expired()
{
    Update();
    return Elapsed >= Limit;
}

} // namespace engine
