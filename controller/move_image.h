#pragma once

#include <QString>

#include "engine/types.h"

// Small conversions of engine moves the window needs outside the record.

// The pattern that enters a recorded move again.
engine::MovePattern PatternOf(const engine::MoveRecord& move);

// The board after the move, for showing a move the engine has not made.
engine::BoardImage ImageAfterMove(engine::BoardImage image, const engine::MoveRecord& move);

// The move in coordinates, "e2e4", "e7e8q", "e1g1"; empty for no move.
QString CoordinateText(const engine::MoveRecord& move);
