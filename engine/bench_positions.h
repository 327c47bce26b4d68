// A fixed set of middlegame and endgame positions for measuring the search,
// and the deterministic node-count fingerprint over them.
#pragma once

#include <cstdint>

namespace engine {

constexpr int BenchPositionCount = 10;
extern const char* const BenchPositions[BenchPositionCount];

constexpr int FingerprintDepth = 5;
constexpr std::uint32_t FingerprintSeed = 20261210;

// Searches `fen` to `depth` through the engine interface (one thread, no
// time limit, no opening library, random source seeded) and returns the
// nodes searched.
std::uint64_t SearchToDepth(const char* fen, int depth, std::uint32_t seed);

// The total node count over all bench positions at `depth`: it changes
// only when the search's behaviour changes.
std::uint64_t SearchFingerprint(int depth = FingerprintDepth, std::uint32_t seed = FingerprintSeed);

} // namespace engine
