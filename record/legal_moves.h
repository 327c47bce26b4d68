#pragma once

#include "engine/types.h"

#include <array>
#include <span>

// A side's legal moves as the engine lists them: at most MaxListedMoves
// records followed by an all-zero one. Each promotion appears four times,
// once per piece promoted to.
inline constexpr int MaxListedMoves = 351;

struct TMoveList {
    std::array<engine::MoveRecord, MaxListedMoves + 1> Moves {};
    int Count = 0;

    std::span<const engine::MoveRecord> View() const
    {
        return {Moves.data(), static_cast<std::size_t>(Count)};
    }
};

// Fills the lists with the legal moves of the side to move and of the
// other side in the engine's current position.
void FetchMoveLists(TMoveList& own, TMoveList& opponent);

// Sets the attack marks of the board from the two lists: every piece the
// side to move can capture is marked 1, every piece the other side can
// capture 2 (2 wins when both can). All other marks are cleared.
void MarkAttacks(engine::BoardImage& board, const TMoveList& own, const TMoveList& opponent);

// Mark values of the board cells.
enum : std::uint8_t { MarkNone = 0, MarkTakeable = 1, MarkThreatened = 2 };
