// The hook through which ThinkMove consults the opening library. Until the
// library is built in, the library is absent: no position is found in it.
#pragma once

namespace engine {

// Is the current game position (MoveStackTop at its last move) in the
// library, with fewer than BookPlies moves since set-up?
bool LibFind();

// Puts the library's choice into MainLine[0] (MainLine[1] empty, MainValue 0).
void LibChoose();

} // namespace engine
