// Reads a position string (piece placement, side, castling, en passant,
// half-move count) into the engine's exchange records. Used by the
// standalone engine program, the benchmarks and the tests; the program's
// own position strings with their messages live in the game record.
#pragma once

#include "engine/types.h"

#include <string_view>

namespace engine {

struct FenPosition {
    BoardImage Image {};
    PositionState State {};
    Colour SideToMove = White;
};

// False when the placement is malformed (the result is then unusable).
bool ParseFen(std::string_view fen, FenPosition& position);

// ResetEngine with the position and its side to move; false when malformed.
bool ResetEngineToFen(std::string_view fen);

inline constexpr const char* StartFen = "rnbqkbnr/pppppppp/8/8/8/8/PPPPPPPP/RNBQKBNR w KQkq - 0 1";

} // namespace engine
