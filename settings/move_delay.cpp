#include "settings/move_delay.h"

#include <QCoreApplication>

#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

TMoveDelayClock pauseClock;

Clock::time_point Now()
{
    return pauseClock.now != nullptr ? pauseClock.now() : Clock::now();
}

void Rest(std::chrono::milliseconds span)
{
    if (pauseClock.rest != nullptr) {
        pauseClock.rest(span);
    } else {
        std::this_thread::sleep_for(span);
    }
}

} // namespace

void PauseHandlingEvents(std::chrono::milliseconds span)
{
    const auto deadline = Now() + span;
    while (true) {
        const auto now = Now();
        if (now >= deadline) {
            return;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        if (QCoreApplication::instance() == nullptr) {
            Rest(left);
            return;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(left.count()));
        // processEvents returns as soon as nothing is pending; a short rest
        // keeps the wait from spinning a core while the window is idle.
        Rest(std::min(left, std::chrono::milliseconds(10)));
    }
}

void SetMoveDelayClock(TMoveDelayClock clock)
{
    pauseClock = clock;
}
