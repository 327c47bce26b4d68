// How long the engine may think about one move under each kind of clock.
//
// The formulas are those the program's own computer player uses for the
// matching time control (the record library's budget rules). They are
// re-derived here in plain C++ because this program links the engine
// only; they work in milliseconds instead of ticks, which keeps every
// ratio. On top of them sits a safety rule the window program does not
// need, because a protocol clock is the only clock here: never more than
// half of what remains after a margin for the move's way to the other side.
#pragma once

#include <cstdint>

namespace engine_program {

enum class ClockKind {
    None, // no clock: think until the depth limit or told to move
    GameTime, // the whole game in one period, no increment
    GameIncrement, // a period for the game plus an increment per move
    MovesPerPeriod, // a number of moves in each period
    FixedPerMove, // at most this long for every move
};

struct ClockState {
    ClockKind Kind = ClockKind::None;
    std::int64_t RemainingMs = 0; // on the engine's own clock
    std::int64_t IncrementMs = 0;
    int MovesToGo = 0; // MovesPerPeriod: moves left in the period, this one included
    int MovesPerPeriod = 0; // MovesPerPeriod: the period's moves; 0 when unknown
    std::int64_t PeriodMs = 0; // MovesPerPeriod: the period's length; 0 when unknown
    std::int64_t FixedMs = 0; // FixedPerMove
    int Ply = 0; // the ply about to be played
};

constexpr std::int64_t Unlimited = -1;

// The budget for the next move in milliseconds, or Unlimited.
std::int64_t MoveBudgetMs(const ClockState& clock);

// The time kept back from a clock: for transmission and the last slice.
std::int64_t SafetyMarginMs(std::int64_t remainingMs);

// Milliseconds as the engine's ticks of 1/18.2 s (Unlimited as the
// largest budget the engine takes).
std::uint32_t MsToTicks(std::int64_t ms);

} // namespace engine_program
