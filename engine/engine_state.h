// What the engine keeps besides the board: limits, flags and the results
// of the current or last search.
#pragma once

#include "engine/timer.h"
#include "engine/types.h"

namespace engine {

constexpr std::uint16_t StartedTag = 16966;
constexpr int MainLineLength = 24;
constexpr int HintLineLength = 23;
constexpr int DeepestSearch = 23;
constexpr int DefaultBookPlies = 200;
constexpr std::uint32_t DefaultMoveTicks = 180;

struct TEngine {
    std::uint16_t Tag; // StartedTag while the engine is started
    int MaxDepth;
    int BookPlies;
    TickTimer MoveTimer;
    TickTimer SliceTimer;
    EngineMove MainLine[MainLineLength];
    int MainValue; // from the searching side's view
    std::uint64_t NodeCount;
    EngineMove HintLine[HintLineLength]; // the continuation expected after the computer's last move
    int HintValue;
    bool NoMoveFound;
    bool ThinkingFlag;
    bool AheadFlag;
    bool MoveArrived; // a move other than the predicted one was entered while thinking ahead
};

extern TEngine Engine;

inline bool EngineStarted()
{
    return Engine.Tag == StartedTag;
}

} // namespace engine
