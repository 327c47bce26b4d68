// Commands outside both protocols, for checking and measuring the engine:
//   perft N [FEN]   leaf positions N plies deep
//   divide N [FEN]  the same, split by the first move
//   bench           the fixed bench positions: nodes, time, speed and the
//                   node-count fingerprint the engine benchmark prints
// Without a FEN they count from the session's current position. They run
// to their end before the next command is read.
#pragma once

#include "engine_program/game_position.h"
#include "engine_program/session.h"

#include <string>

namespace engine_program {

constexpr int MaxToolDepth = 10;

struct ToolOutcome {
    bool WasTool = false; // the word named a tool command
    std::string Error; // why it was refused (empty when it ran)
};

// Runs the tool command in `command`, if it is one, and puts `current`
// back on the engine afterwards.
ToolOutcome RunToolCommand(const CommandLine& command, const GamePosition& current, Output& out);

} // namespace engine_program
