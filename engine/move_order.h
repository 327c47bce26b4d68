// The search's staged move order: the main-line move, recaptures, killers,
// other captures, then (in full nodes) castling and quiet moves, or (at the
// horizon) the advance of a pawn on its seventh rank; en passant last.
#pragma once

#include "engine/movegen.h"

namespace engine {

enum SearchStage : int { StageMainLine = 0, StageRecapture = 1, StageKillers = 2, StageOthers = 3 };

class MovePicker {
public:
    // `promotionCandidate` is the side to move's pawn on its seventh rank, or -1.
    MovePicker(const EngineMove& mainMove, const EngineMove* killers, bool evalOnly, int ply,
        int promotionCandidate);

    // The next move to try, or false when the node has none left.
    bool Next(EngineMove& move);
    SearchStage Stage() const { return stage_; }

private:
    enum class Step { MainLine, Recapture, Killers, Captures, Promotion, Castling, Quiet, EnPassant, Done };

    bool Refill();
    bool AlreadyTried(const EngineMove& move) const;

    EngineMove mainMove_;
    const EngineMove* killers_;
    bool evalOnly_;
    int promotionCandidate_;
    int recaptureSquare_ = OffBoard;
    Step step_ = Step::MainLine;
    SearchStage stage_ = StageMainLine;
    int unit_ = 0; // list index within the Captures and Quiet steps
    EngineMove buffer_[32];
    int count_ = 0;
    int read_ = 0;
    int ply_;
};

} // namespace engine
