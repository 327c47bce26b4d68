// Proves the search allocates nothing: this test program replaces the
// global allocation functions with counting ones.
#include "engine/bench_positions.h"
#include "engine/engine_interface.h"
#include "engine/fen.h"

#include <atomic>
#include <cstdlib>
#include <gtest/gtest.h>
#include <new>

namespace {

std::atomic<long> Allocations {0};

void* CountedAllocate(std::size_t size)
{
    ++Allocations;
    if (void* block = std::malloc(size == 0 ? 1 : size)) {
        return block;
    }
    throw std::bad_alloc();
}

} // namespace

void* operator new(std::size_t size)
{
    return CountedAllocate(size);
}

void* operator new[](std::size_t size)
{
    return CountedAllocate(size);
}

void operator delete(void* block) noexcept
{
    std::free(block);
}

void operator delete[](void* block) noexcept
{
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

namespace engine {
namespace {

TEST(EngineNoAllocation, ThinkingAllocatesNothing)
{
    const long atReset = Allocations;
    ASSERT_TRUE(ResetEngineToFen(BenchPositions[0]));
    ASSERT_GT(Allocations, atReset); // the task stack: the counting is live
    SetMaxDepth(23);
    const long before = Allocations;
    StartThinking(4);
    while (ContinueThinking(1) == StateThinking) { }
    StartThinkingAhead();
    ContinueThinking(1);
    StopThinking();
    int halfMoves = 0, mateCount = 0;
    GetGameStatus(halfMoves, mateCount);
    const long during = Allocations - before;
    EXPECT_GT(GetNodeCount(), 0u);
    EXPECT_EQ(during, 0);
}

} // namespace
} // namespace engine
