// The engine task: the cooperative task in which the engine thinks, and
// the caller's side of its message protocol.
#pragma once

#include <cstddef>
#include <cstdint>

namespace engine {

// Messages from the caller to the task.
enum : std::uint16_t {
    MsgThink = 1,
    MsgThinkAhead = 2,
    MsgGoOn = 3,
    MsgMoveEntered = 5,
    MsgStop = 7,
    MsgEndTask = 255,
};
// Messages from the task to the caller.
enum : std::uint16_t {
    MsgPredictedMoveAccepted = 1,
    MsgReady = 4,
    MsgSliceUsed = 6,
};

void CreateEngineTask();
// Unwinds any work in progress, ends the task and frees its stack.
void ReleaseEngineTask();
// Hands a message to the task and returns its answer (0 when there is no task).
std::uint16_t SendToTask(std::uint16_t message);
std::size_t EngineTaskStackHighWater();

} // namespace engine
