#include "settings/move_delay.h"

#include <QCoreApplication>

#include "settings/options.h"

#include <chrono>
#include <thread>

void MoveDelayPause()
{
    using Clock = std::chrono::steady_clock;
    constexpr std::chrono::milliseconds halfSecond(500);
    const auto deadline = Clock::now() + Options.MoveDelay * halfSecond;
    while (true) {
        const auto now = Clock::now();
        if (now >= deadline) {
            return;
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - now);
        if (QCoreApplication::instance() == nullptr) {
            std::this_thread::sleep_for(left);
            return;
        }
        QCoreApplication::processEvents(QEventLoop::AllEvents, static_cast<int>(left.count()));
        // processEvents returns as soon as nothing is pending; a short sleep
        // keeps the wait from spinning a core while the window is idle.
        std::this_thread::sleep_for(std::min(left, std::chrono::milliseconds(10)));
    }
}
