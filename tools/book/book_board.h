// The engine board as the book compiler and its tests use it: a game from
// the initial position, its legal moves, their place in the generator's
// order (what the library stores) and their standard algebraic names.
#pragma once

#include "engine/types.h"

#include <string>
#include <vector>

namespace book {

class BookBoard {
public:
    // Starts a game from the initial position (resets the engine).
    void Reset();
    // The moves MovGen lists for the side to move, legal or not, in order.
    std::vector<engine::EngineMove> GeneratedMoves() const;
    std::vector<engine::EngineMove> LegalMoves() const;
    // The move's place in GeneratedMoves(), or -1.
    int GeneratorIndex(const engine::EngineMove& move) const;
    void Play(const engine::EngineMove& move);
    // Takes back the last move played.
    void TakeBack();
    int Plies() const { return Plies_; }

    // Standard algebraic notation of a legal move: minimal disambiguation
    // among the legal moves, 'x' on captures, "=Q" promotions and '+' or
    // '#' when it gives check or mate.
    std::string San(const engine::EngineMove& move) const;

private:
    int Plies_ = 0;
};

} // namespace book
