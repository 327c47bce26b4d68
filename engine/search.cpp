#include "engine/search.h"

#include "engine/attacks.h"
#include "engine/draw_rules.h"
#include "engine/engine_state.h"
#include "engine/move_order.h"
#include "engine/random.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace engine {

TSearch Search;

namespace {

constexpr int FailLowMargin = 128;
constexpr int MainLineBonus = 8;
constexpr int RootRandomRange = 3;
constexpr int LongReversibleRun = 96;
constexpr int ShortReversibleRun = 20;

struct SearchInfo {
    bool FollowMainLine;
    int Eval; // static value of the position, from the side that just moved
    int Value; // Eval, replaced by the negated result of the position's search
};

int SearchNode(int alpha, int beta, int level, EngineMove* line, SearchInfo& info);

constexpr int MatedScore(int ply)
{
    return ply * MatePlyStep - MateValue;
}

void UpdateKillers(int ply, const EngineMove& move)
{
    if (!move.IsMove()) {
        return;
    }
    const EngineMove& previous = Pos.Stack(ply - 1);
    // A recapture is good only against that one move.
    if (previous.IsMove() && move.New == previous.New) {
        return;
    }
    EngineMove* killers = Search.Killers[ply];
    if (!killers[0].IsMove() || move == killers[1]) {
        killers[1] = killers[0];
        killers[0] = move;
    } else if (!(move == killers[0])) {
        killers[1] = move;
    }
}

// The side to move's pawn on its seventh rank (the one on the highest file).
int SeventhRankPawn(Colour colour)
{
    const int rank = RelativeRank(colour, 6);
    for (int file = 7; file >= 0; --file) {
        const Cell& cell = Pos.Board[MakeSquare(file, rank)];
        if (cell.Kind == Pawn && cell.Colour == colour) {
            return MakeSquare(file, rank);
        }
    }
    return -1;
}

// One node of the search: its window, its best line and the move it tries.
class Node {
public:
    Node(int alpha, int beta, int level, EngineMove* line, SearchInfo& info)
        : alpha_(alpha)
        , beta_(beta)
        , level_(level)
        , ply_(Pos.MoveStackTop)
        , line_(line)
        , info_(info)
    { }

    int Run();

private:
    bool TryMove(const EngineMove& move, SearchStage stage);
    bool PrepareMove(const EngineMove& move, SearchStage stage, SearchInfo& child);
    bool IsDraw(SearchInfo& child);
    int SearchChild(SearchInfo& child, bool scout);
    void UpdateBestLine(const EngineMove& move);

    int alpha_;
    int beta_;
    int level_;
    int ply_;
    EngineMove* line_; // the parent's line; this node's best continuation goes there
    SearchInfo& info_;
    int best_ = 0;
    int childLevel_ = 0;
    bool evalOnly_ = false;
    EngineMove ownLine_[MainLineLength] {}; // the best continuation below this node
};

int Node::Run()
{
    evalOnly_ = level_ <= 0 && !Search.InCheck(ply_ - 1);
    if (evalOnly_) {
        // Standing pat: the side to move may decline every capture.
        best_ = -info_.Value;
        if (best_ > alpha_) {
            alpha_ = best_;
            if (best_ >= beta_) {
                return best_;
            }
        }
    } else {
        best_ = MatedScore(ply_);
    }
    MovePicker picker(line_[ply_], Search.Killers[ply_], evalOnly_, ply_, Search.PromotionCandidate[ply_]);
    EngineMove move;
    while (picker.Next(move)) {
        Pos.Stack(ply_) = move;
        if (TryMove(move, picker.Stage())) {
            if (!Search.Stop) {
                UpdateKillers(ply_, line_[ply_]);
            }
            return best_;
        }
    }
    if (Search.Stop) {
        return best_;
    }
    if (best_ == MatedScore(ply_) && !PlayerInCheck()) {
        best_ = 0; // stalemate
    }
    UpdateKillers(ply_, line_[ply_]);
    return best_;
}

bool Node::TryMove(const EngineMove& move, SearchStage stage)
{
    if (ply_ < MaxSearchPly) {
        if (stage == StageMainLine) {
            std::copy(line_ + ply_ + 1, line_ + MainLineLength, ownLine_ + ply_ + 1);
        } else {
            ownLine_[ply_ + 1] = NoMove;
        }
    }
    SearchInfo child {false, 0, 0};
    bool scout = false;
    if (info_.FollowMainLine) {
        if (stage == StageMainLine) {
            child.FollowMainLine = ply_ < MaxSearchPly && line_[ply_ + 1].IsMove();
        } else {
            scout = best_ >= alpha_;
        }
    }
    for (;;) {
        if (!PrepareMove(move, stage, child)) {
            return false;
        }
        if (IsDraw(child)) {
            child.Value = 0;
        } else if (ply_ < MaxSearchPly) {
            child.Value = SearchChild(child, scout);
        }
        UnmakeMove(move);
        if (Search.Stop) {
            return true;
        }
        TimeSliceCheck(ply_);
        if (!Search.Stop && Engine.ThinkingFlag) {
            Search.Stop = Engine.MoveTimer.Expired();
        }
        // The first iteration always completes, so there is a move to play.
        if (Engine.ThinkingFlag && Search.MaxDepthIter <= 1) {
            Search.Stop = false;
        }
        best_ = std::max(best_, child.Value);
        if (move == line_[ply_]) {
            UpdateBestLine(move);
        }
        if (best_ > alpha_) {
            UpdateBestLine(move);
            if (best_ >= beta_) {
                return true;
            }
            if (level_ >= 2 && info_.FollowMainLine && !scout) {
                best_ = std::min(best_ + MainLineBonus, beta_ - 1);
            }
            alpha_ = best_;
            if (scout && !Search.Stop) {
                // The zero-window search says this move is better: search it again properly.
                scout = false;
                continue;
            }
        }
        return Search.Stop;
    }
}

int Node::SearchChild(SearchInfo& child, bool scout)
{
    SwapSides();
    Pos.MoveStackTop = ply_ + 1;
    const int value = scout ? -SearchNode(-alpha_ - 1, -alpha_, childLevel_, ownLine_, child)
                            : -SearchNode(-beta_, -alpha_, childLevel_, ownLine_, child);
    Pos.MoveStackTop = ply_;
    SwapSides();
    return value;
}

bool Node::PrepareMove(const EngineMove& move, SearchStage stage, SearchInfo& child)
{
    ++Engine.NodeCount;
    childLevel_ = level_ - 1;
    // In the first iteration the capture search only looks at captures of
    // bigger pieces and at answers to the move two plies back.
    if (Search.MaxDepthIter <= 1 && evalOnly_ && ply_ >= 2 && stage != StageRecapture
        && move.Captured >= move.Piece && move.Old != Pos.Stack(ply_ - 2).New) {
        return false;
    }
    child.Eval = MoveValue(move) - info_.Eval;
    const bool givesCheck = PieceAttacks(move.Piece, Pos.Player, move.New, Pos.KingOf(Pos.Opponent).Square);
    Search.InCheck(ply_) = givesCheck;
    if (givesCheck) {
        childLevel_ = level_;
    }
    int& candidate = Search.PromotionCandidate[ply_ + 2];
    candidate = Search.PromotionCandidate[ply_];
    if (move.Piece == Pawn && (move.New < 24 || move.New >= 96)) {
        candidate = move.New;
        childLevel_ = level_;
    }
    // Beyond the horizon a quiet move cannot lift alpha before the reply stands pat.
    if (childLevel_ <= 0 && !givesCheck && ply_ > 0 && child.Eval <= alpha_) {
        best_ = std::max(best_, child.Eval);
        return false;
    }
    MakeMove(move);
    if (SquareAttacked(Pos.Opponent, Pos.KingOf(Pos.Player).Square)) {
        UnmakeMove(move);
        return false;
    }
    if (candidate >= 0 && (Pos.Board[candidate].Kind != Pawn || Pos.Board[candidate].Colour != Pos.Player)) {
        candidate = -1;
    }
    if (ply_ == 0) {
        ++Search.LegalRootMoves;
        child.Eval += RandomUpTo(RootRandomRange);
    }
    child.Value = child.Eval;
    return true;
}

// With the move made: is the new position a draw by repetition? Right
// after the root the value is also nudged by the draw rules.
bool Node::IsDraw(SearchInfo& child)
{
    if (ply_ == 1) {
        const int repeats = RepetitionCount(false);
        if (repeats >= 3) {
            return true;
        }
        const int reversible = ReversibleCount();
        const int factor = reversible >= LongReversibleRun ? 3
            : repeats >= 2                                 ? 2
            : reversible >= ShortReversibleRun             ? 1
                                                           : 0;
        // The reply's side is the root side's opponent: when the root side
        // stands better, lines heading for a draw look better to the
        // opponent, so the root side avoids them, and the reverse.
        const int nudge = (Search.Expected / 4) * factor;
        child.Eval += nudge;
        child.Value += nudge;
        return false;
    }
    return ply_ >= 3 && RepetitionCount(true) >= 2;
}

void Node::UpdateBestLine(const EngineMove& move)
{
    std::copy(ownLine_ + ply_ + 1, ownLine_ + MainLineLength, line_ + ply_ + 1);
    line_[ply_] = move;
    if (ply_ == 0) {
        Engine.MainValue = best_;
    }
}

int SearchNode(int alpha, int beta, int level, EngineMove* line, SearchInfo& info)
{
    Node node(alpha, beta, level, line, info);
    return node.Run();
}

int RootSearch(int alpha, int beta, SearchInfo& root)
{
    root.FollowMainLine = Engine.MainLine[0].IsMove();
    Search.LegalRootMoves = 0;
    const int value = SearchNode(alpha, beta, Search.MaxDepthIter, Engine.MainLine, root);
    if (Search.LegalRootMoves == 0) {
        Engine.MainValue = value;
    }
    return value;
}

void StartSearch()
{
    Engine.MoveTimer.Start();
    Engine.NodeCount = 0;
    Search.Stop = false;
    for (auto& killers : Search.Killers) {
        killers[0] = killers[1] = NoMove;
    }
    Search.InCheck(-1) = false;
    Eval.RootSide = Pos.Player;
    Search.PromotionCandidate[0] = SeventhRankPawn(Pos.Player);
    Search.PromotionCandidate[1] = SeventhRankPawn(Pos.Opponent);
    CalcPieceSquareTable();
}

bool SearchIsOver()
{
    if (Search.Stop || (Engine.ThinkingFlag && Engine.MoveTimer.Expired())) {
        return true;
    }
    return Search.MaxDepthIter >= Engine.MaxDepth || Search.LegalRootMoves <= 1
        || std::abs(Engine.MainValue) >= ForcedMateValue;
}

} // namespace

void FindMove()
{
    StartSearch();
    SearchInfo root {false, -Eval.RootValue, -Eval.RootValue};
    Search.MaxDepthIter = 0;
    Engine.MainLine[0] = NoMove;
    Engine.MainValue = Eval.RootValue;
    int alpha0 = INT_MAX;
    Search.Expected = Eval.RootValue;
    do {
        if (Search.MaxDepthIter <= 1) {
            Search.Expected = Engine.MainValue;
        }
        alpha0 = std::min(alpha0, Engine.MainValue - FailLowMargin);
        ++Search.MaxDepthIter;
        const int value = RootSearch(alpha0, WindowLimit, root);
        if (value <= alpha0 && !Search.Stop && Search.LegalRootMoves > 0) {
            // Failed low: the value is below alpha0, so search again below it.
            // A lone legal move stays lone, so that search can still stop.
            const bool several = Search.LegalRootMoves > 1;
            Engine.MainValue = alpha0;
            RootSearch(-WindowLimit, alpha0 - 16, root);
            if (several) {
                Search.LegalRootMoves = 2;
            }
        }
    } while (!SearchIsOver());
    Engine.MoveTimer.Halt();
}

} // namespace engine
