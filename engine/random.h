// The engine's one random source: the root term of the search and the
// opening library's choice. Seeded from the clock at start; tests fix it.
#pragma once

#include <cstdint>

namespace engine {

void SeedEngineRandom(std::uint32_t seed);
// A uniform integer in 0..limit.
int RandomUpTo(int limit);

} // namespace engine
