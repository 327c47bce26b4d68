#include "support/busy_delay.h"

#include <gtest/gtest.h>

namespace {

class BusyDelayTest : public ::testing::Test {
protected:
    void TearDown() override { setDelayCount(1); }
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
    const auto start = std::chrono::steady_clock::now();
    BusyDelayUntil(start + std::chrono::milliseconds(20));
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
}

TEST_F(BusyDelayTest, CalibrationCountsSomeWork)
{
    CalibrateDelay();
    EXPECT_GT(delayCount(), 1);
}

} // namespace
