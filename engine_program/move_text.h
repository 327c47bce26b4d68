// Moves in coordinate form, as both protocols write them: origin square,
// destination square and, for a promotion, the lower-case piece letter
// ("e2e4", "e1g1" for castling, "e7e8q").
#pragma once

#include "engine/types.h"

#include <optional>
#include <string>
#include <string_view>

namespace engine_program {

// The pattern of a coordinate move; nothing when the text is not one.
// Without a promotion letter the piece is 0 (any).
std::optional<engine::MovePattern> ParseCoordinateMove(std::string_view text);

std::string FormatCoordinateMove(const engine::MoveRecord& move);

// The pattern that names exactly this move (for replaying it later).
engine::MovePattern PatternOf(const engine::MoveRecord& move);

// Checks `text` against the current engine position: the engine's move
// code (0 legal) and, when legal, the completed pattern. A pawn reaching
// the last rank without a promotion letter becomes a queen.
struct CheckedMove {
    std::uint8_t Code = engine::CodeNoSuchMove;
    engine::MovePattern Pattern {};
};
CheckedMove CheckCoordinateMove(std::string_view text);

} // namespace engine_program
