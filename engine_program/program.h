// The engine program's main loop: picks the protocol from the first
// command, hands each input line to the session, and runs the search one
// slice at a time while reading input between slices.
#pragma once

#include "engine_program/line_reader.h"

#include <ostream>

namespace engine_program {

// Runs until "quit" or the end of input; returns the exit status.
int RunEngineProgram(LineSource& input, std::ostream& output);

} // namespace engine_program
