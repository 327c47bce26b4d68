#include <QCoreApplication>

#include "settings/move_delay.h"
#include "settings/options.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

// Fake time, moved on only by the pause's rests. The first rest stands for
// an event arriving while the program sleeps.
Clock::time_point fakeNow;
int rests = 0;
int eventsHandled = 0;

Clock::time_point FakeNow()
{
    return fakeNow;
}

void FakeRest(milliseconds span)
{
    fakeNow += span;
    if (++rests == 1 && QCoreApplication::instance() != nullptr) {
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { ++eventsHandled; }, Qt::QueuedConnection);
    }
}

class MoveDelayPauseTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetOptions(Options);
        SetMoveDelayClock({&FakeNow, &FakeRest});
    }
    void TearDown() override
    {
        SetMoveDelayClock({});
        ResetOptions(Options);
    }

    // The time the pause took on the fake clock.
    static milliseconds Pause(int halfSeconds)
    {
        Options.MoveDelay = halfSeconds;
        rests = 0;
        eventsHandled = 0;
        const Clock::time_point start = fakeNow;
        PauseHandlingEvents(Options.MoveDelay * milliseconds(500));
        return std::chrono::duration_cast<milliseconds>(fakeNow - start);
    }
};

TEST_F(MoveDelayPauseTest, WaitsTheDelayWhileHandlingEvents)
{
    // Before the program has its event loop the pause is one plain rest.
    EXPECT_EQ(Pause(2), milliseconds(1000));
    EXPECT_EQ(rests, 1);

    int argc = 1;
    char name[] = "settings_tests";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    for (const int halfSeconds : {0, 1, 3}) {
        SCOPED_TRACE(halfSeconds);
        EXPECT_EQ(Pause(halfSeconds), halfSeconds * milliseconds(500));
        // An event that came during the pause was handled before it ended.
        EXPECT_EQ(eventsHandled, halfSeconds > 0 ? 1 : 0);
    }
}

} // namespace
