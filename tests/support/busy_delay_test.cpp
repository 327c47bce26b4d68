#include "support/busy_delay.h"

#include <chrono>
#include <gtest/gtest.h>

namespace {

// Fake time: every reading of the clock finds it a millisecond later, as if
// each stretch of work between readings took that long.
std::chrono::steady_clock::time_point fakeNow;

std::chrono::steady_clock::time_point TickingClock()
{
    fakeNow += std::chrono::milliseconds(1);
    return fakeNow;
}

class BusyDelayTest : public ::testing::Test {
protected:
    void SetUp() override { setBusyDelayClock(&TickingClock); }
    void TearDown() override
    {
        setBusyDelayClock(nullptr);
        setDelayCount(1);
    }
};

TEST_F(BusyDelayTest, RunsTheCalibratedShareOfUnits)
{
    setDelayCount(1000);
    EXPECT_EQ(BusyDelay(500), 1000);
    EXPECT_EQ(BusyDelay(20), 40);
    EXPECT_EQ(BusyDelay(0), 1);
    EXPECT_EQ(BusyDelay(-5), 1);
}

TEST_F(BusyDelayTest, HugeValuesAreCappedInsteadOfOverflowing)
{
    setDelayCount(std::int64_t {1} << 60);
    EXPECT_EQ(delayCount(), std::int64_t {1} << 32);
    setDelayCount(1);
    EXPECT_EQ(BusyDelay(std::int64_t {1} << 62), 24 * 60 * 60 * 1000 / 500);
}

TEST_F(BusyDelayTest, WorkGoesOnUntilTheDeadline)
{
    // With the smallest count a unit-only delay would end at once.
    const auto deadline = fakeNow + std::chrono::milliseconds(20);
    BusyDelayUntil(deadline);
    EXPECT_GE(fakeNow, deadline);
    // A deadline already passed asks for no work at all.
    const auto before = fakeNow;
    BusyDelayUntil(before - std::chrono::milliseconds(5));
    EXPECT_EQ(fakeNow, before + std::chrono::milliseconds(1));
}

TEST_F(BusyDelayTest, CalibrationCountsTheUnitsOfHalfASecond)
{
    // One unit of work per fake millisecond: about a hundred units are
    // counted and the kept count is five times that.
    CalibrateDelay();
    EXPECT_EQ(delayCount() % 5, 0) << delayCount();
    EXPECT_NEAR(delayCount(), 500, 25);
}

} // namespace
