// Move-path enumeration for checking the generator: the number of leaf
// positions reachable in `depth` plies from the current position.
#pragma once

#include <cstdint>

namespace engine {

std::uint64_t Perft(int depth);

} // namespace engine
