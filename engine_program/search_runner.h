// Runs the engine's thinking in slices through the engine interface, so
// that the program reads its input between slices, and reports how the
// search is going. One runner drives the one engine.
#pragma once

#include "engine/engine_interface.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace engine_program {

struct SearchLimits {
    std::int64_t BudgetMs = -1; // -1: no time limit
    int MaxDepth = 23;
    bool Infinite = false; // no budget at all: only told to stop ends it early
};

// What the search has found so far, for the thinking lines.
struct SearchProgress {
    int Depth = 0;
    int Value = 0; // 1/256 pawn, from the searching side's view
    std::int64_t ElapsedMs = 0;
    std::uint64_t Nodes = 0;
    std::string Line; // coordinate moves separated by blanks
};

class SearchRunner {
public:
    enum class Mode { Idle, Thinking, ThinkingAhead };

    // Starts the computer's move for the side to move.
    void Start(const SearchLimits& limits);
    // Starts thinking on the opponent's time about the predicted reply;
    // false when the engine has none.
    bool StartAhead();
    // After a move was entered while thinking ahead, the engine waits to
    // be told whether to think (true) or to stop; the search goes on
    // straight away when the move was the predicted one.
    void ContinueAfterEnteredMove(const SearchLimits& limits);

    // Runs one slice. Returns true when the computer's move has just been
    // made (or the search found none).
    bool Step();
    // Plays the best move found so far at the next check (the first
    // iteration always completes).
    void MoveNow();
    // Gives a search without a time limit one from now on.
    void LimitTime(std::int64_t budgetMs);
    // Abandons any thinking without a move.
    void Stop();

    Mode CurrentMode() const { return Running; }
    bool Busy() const { return Running != Mode::Idle; }

    // Progress when the line or value changed since the last call (or
    // always when `force`).
    std::optional<SearchProgress> Progress(bool force = false);
    std::int64_t ElapsedMs() const;

private:
    void Begin(const SearchLimits& limits);

    Mode Running = Mode::Idle;
    SearchLimits Limits;
    std::chrono::steady_clock::time_point Started;
    int LastValue = 0;
    std::string LastLine;
};

// The iteration depth is not among the engine's results, so the thinking
// lines give the length of the main line, which a search to depth d makes
// at least d moves long unless it ends in mate or a draw.
int DepthOfLine(const engine::MoveRecord* line);

// The number of moves to a mate the value announces: positive when the
// searching side mates, negative when it is mated; 0 when no mate.
int MateInMoves(int value);

// The value in centipawns (256 to the pawn).
int Centipawns(int value);

} // namespace engine_program
