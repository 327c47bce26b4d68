// Test helpers for putting positions on the engine board.
#pragma once

#include "engine/fen.h"

#include <string>

namespace engine::testing {

// Puts the position on the engine board through the board-level
// operations only (no engine interface, no task).
void SetBoardFromFen(const std::string& fen);

// Resets the engine to the position through the engine interface.
void ResetToFen(const std::string& fen);

// A move pattern from square names, e.g. Pattern("e2", "e4").
MovePattern Pattern(const char* from, const char* to, std::uint8_t piece = 0);

inline const char* const Kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

} // namespace engine::testing
