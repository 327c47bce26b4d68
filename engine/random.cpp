#include "engine/random.h"

#include <chrono>
#include <random>

namespace engine {

namespace {

std::mt19937& Generator()
{
    static std::mt19937 generator(std::uint32_t(std::chrono::steady_clock::now().time_since_epoch().count()));
    return generator;
}

} // namespace

void SeedEngineRandom(std::uint32_t seed)
{
    Generator().seed(seed);
}

int RandomUpTo(int limit)
{
    // Plain modulo keeps the draw free of allocation and identical on every
    // library; the bias over 2^32 values is far below anything observable.
    return int(Generator()() % std::uint32_t(limit + 1));
}

} // namespace engine
