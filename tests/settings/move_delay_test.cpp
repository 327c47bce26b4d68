#include <QCoreApplication>
#include <QTimer>

#include "settings/move_delay.h"
#include "settings/options.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

TEST(MoveDelayPause, WaitsTheDelayWhileHandlingEvents)
{
    int argc = 1;
    char name[] = "settings_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);

    ResetOptions(Options);
    Options.MoveDelay = 1;
    bool handled = false;
    QTimer::singleShot(50, &app, [&handled]() { handled = true; });

    const auto start = std::chrono::steady_clock::now();
    MoveDelayPause();
    const auto waited = std::chrono::steady_clock::now() - start;

    EXPECT_TRUE(handled);
    EXPECT_GE(waited, std::chrono::milliseconds(500));
}

} // namespace
