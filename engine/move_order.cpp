#include "engine/move_order.h"

namespace engine {

MovePicker::MovePicker(
    const EngineMove& mainMove, const EngineMove* killers, bool evalOnly, int ply, int promotionCandidate)
    : mainMove_(mainMove)
    , killers_(killers)
    , evalOnly_(evalOnly)
    , promotionCandidate_(promotionCandidate)
    , ply_(ply)
{ }

bool MovePicker::AlreadyTried(const EngineMove& move) const
{
    if (move == mainMove_) {
        return true;
    }
    return !evalOnly_ && stage_ != StageKillers && (move == killers_[0] || move == killers_[1]);
}

bool MovePicker::Next(EngineMove& move)
{
    for (;;) {
        while (read_ < count_) {
            move = buffer_[read_++];
            if (stage_ == StageMainLine || !AlreadyTried(move)) {
                return true;
            }
        }
        if (!Refill()) {
            return false;
        }
    }
}

// Fills the buffer with the next group of moves; false when all are done.
bool MovePicker::Refill()
{
    MoveSink sink {buffer_, int(std::size(buffer_))};
    read_ = 0;
    switch (step_) {
    case Step::MainLine:
        stage_ = StageMainLine;
        if (mainMove_.IsMove() && IsLegal(mainMove_)) {
            sink.Add(mainMove_);
        }
        step_ = Step::Recapture;
        break;
    case Step::Recapture: {
        stage_ = StageRecapture;
        const EngineMove& last = Pos.Stack(ply_ - 1);
        const Cell& target = Pos.Board[last.New];
        if (last.IsMove() && last.Piece != King && target.Kind != Empty && target.Colour == Pos.Opponent) {
            recaptureSquare_ = last.New;
            AddCapturesOf(last.New, sink);
        }
        step_ = evalOnly_ ? Step::Captures : Step::Killers;
        unit_ = 1;
        break;
    }
    case Step::Killers:
        stage_ = StageKillers;
        for (int i = 0; i < 2; ++i) {
            if (killers_[i].IsMove() && IsLegal(killers_[i])) {
                sink.Add(killers_[i]);
            }
        }
        step_ = Step::Captures;
        break;
    case Step::Captures: {
        stage_ = StageOthers;
        const Colour them = Pos.Opponent;
        // One victim at a time, so a cut-off saves the rest of the work.
        for (; unit_ <= Pos.PieceLast[them] && sink.Count == 0; ++unit_) {
            const ListEntry& victim = Pos.PieceList[them][unit_];
            if (victim.Kind != Empty && victim.Square != recaptureSquare_) {
                AddCapturesOf(victim.Square, sink);
            }
        }
        if (unit_ > Pos.PieceLast[them]) {
            step_ = evalOnly_ ? Step::Promotion : Step::Castling;
            unit_ = Pos.PieceLast[Pos.Player];
        }
        break;
    }
    case Step::Promotion:
        if (promotionCandidate_ >= 0) {
            const Cell& pawn = Pos.Board[promotionCandidate_];
            if (pawn.Kind == Pawn && pawn.Colour == Pos.Player) {
                AddQuietMoves(pawn.Index, sink);
            }
        }
        step_ = Step::EnPassant;
        break;
    case Step::Castling:
        AddCastling(sink);
        step_ = Step::Quiet;
        break;
    case Step::Quiet:
        for (; unit_ >= 0 && sink.Count == 0; --unit_) {
            AddQuietMoves(unit_, sink);
        }
        if (unit_ < 0) {
            step_ = Step::EnPassant;
        }
        break;
    case Step::EnPassant:
        AddEnPassant(sink);
        step_ = Step::Done;
        break;
    case Step::Done:
        return false;
    }
    count_ = sink.Count;
    return true;
}

} // namespace engine
