#include "engine/timer.h"

#include <gtest/gtest.h>

namespace engine::testing {
namespace {

std::uint32_t FakeNow = 1000;

std::uint32_t FakeTicks()
{
    return FakeNow;
}

class EngineTickTimer : public ::testing::Test {
protected:
    void SetUp() override { SetTickSource(&FakeTicks); }
    void TearDown() override { SetTickSource(nullptr); }
};

TEST_F(EngineTickTimer, ExpiresAfterItsLimitAcrossStartAndHalt)
{
    TickTimer timer;
    timer.SetLimit(0);
    EXPECT_TRUE(timer.Expired());

    timer.SetLimit(5);
    timer.Init();
    timer.Start();
    FakeNow += 3;
    EXPECT_FALSE(timer.Expired());
    timer.Halt();
    FakeNow += 100; // a halted timer does not advance
    timer.Update();
    EXPECT_EQ(timer.Elapsed, 3u);
    EXPECT_FALSE(timer.Expired());
    timer.Start();
    FakeNow += 2;
    EXPECT_TRUE(timer.Expired());

    timer.Init();
    EXPECT_EQ(timer.Limit, 5u);
    EXPECT_EQ(timer.Elapsed, 0u);
}

TEST(EngineTickCount, FollowsTheMillisecondClock)
{
    // 18.2 ticks a second: two readings in a row differ by at most one, and
    // the count is never 0, which marks a stopped timer.
    const std::uint32_t before = TickCount();
    const std::uint32_t after = TickCount();
    EXPECT_LE(after - before, 1u);
    EXPECT_NE(before, 0u);
}

} // namespace
} // namespace engine::testing
