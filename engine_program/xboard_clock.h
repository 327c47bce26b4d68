// The engine's clock as the xboard protocol describes it: "level" sets a
// number of moves per period (0: the whole game), the period and the
// increment; "st" a fixed time per move instead; "time" tells how much is
// left. Between "time" commands the engine keeps its own account.
#pragma once

#include "engine_program/time_budget.h"

#include <cstdint>
#include <string_view>

namespace engine_program {

class XboardClock {
public:
    // Each returns false (and changes nothing) for an argument it cannot read.
    bool SetLevel(std::string_view argument);
    bool SetSecondsPerMove(std::string_view argument);
    bool SetRemaining(std::string_view centiseconds);

    // A new game starts the first period afresh.
    void NewGame();
    // The clock for the move about to be made: `movesPlayed` moves of the
    // game are made, `ply` is the ply number of this move.
    ClockState ForNextMove(int ply, int movesPlayed) const;
    // The engine made its move after `thinkingMs`, `movesPlayed` moves
    // into the game.
    void MoveMade(std::int64_t thinkingMs, int movesPlayed);

private:
    // The default GUIs of this protocol use until told otherwise.
    int MovesPerPeriod = 40;
    std::int64_t PeriodMs = 5 * 60 * 1000;
    std::int64_t IncrementMs = 0;
    std::int64_t FixedMs = 0;
    std::int64_t RemainingMs = PeriodMs;
};

} // namespace engine_program
