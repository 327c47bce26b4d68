// Test helper: reads a position string into the engine's exchange records.
#pragma once

#include "engine/types.h"

#include <string>

namespace engine::testing {

struct FenPosition {
    BoardImage Image {};
    PositionState State {};
    Colour SideToMove = White;
};

FenPosition ParseFen(const std::string& fen);

// Puts the position on the engine board through the board-level
// operations only (no engine interface).
void SetBoardFromFen(const std::string& fen);

inline const char* const StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";
inline const char* const Kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";

} // namespace engine::testing
