#include "engine/draw_rules.h"

namespace engine {

namespace {

// A moved piece while walking back through the tail: where it stands now
// and where it stood at the candidate position being compared.
struct PiecePath {
    SquareIndex Present;
    SquareIndex Then;
};

constexpr int MaxTrackedPieces = 2 * MaxPiecesPerColour;
constexpr int MinRepeatingTail = 4;

} // namespace

int ReversibleCount()
{
    int count = 0;
    for (int index = Pos.MoveStackTop; index >= MoveStackBottom && IsReversible(Pos.Stack(index)); --index) {
        ++count;
    }
    return count;
}

int RepetitionCount(bool quick)
{
    const int top = Pos.MoveStackTop;
    if (quick) {
        if (top - 3 < MoveStackBottom) {
            return 1;
        }
        for (int back = 0; back < 4; ++back) {
            if (!IsReversible(Pos.Stack(top - back))) {
                return 1;
            }
        }
        // Each side moved twice; the position is back only if each side's
        // second move took its first move's piece straight home.
        for (int side = 0; side < 2; ++side) {
            const EngineMove& first = Pos.Stack(top - 3 + side);
            const EngineMove& second = Pos.Stack(top - 1 + side);
            if (second.Old != first.New || second.New != first.Old) {
                return 1;
            }
        }
        return 2;
    }

    const int tail = ReversibleCount();
    if (tail < MinRepeatingTail) {
        return 1;
    }
    // Walk back one move at a time, following each moved piece from its
    // present square to where it stood; every second step the earlier
    // position has the same side to move, and it equals the present one
    // when no followed piece is away from its present square.
    PiecePath paths[MaxTrackedPieces];
    int pathCount = 0;
    int away = 0;
    int occurrences = 1;
    for (int back = 0; back < tail; ++back) {
        const EngineMove& move = Pos.Stack(top - back);
        int found = -1;
        for (int i = 0; i < pathCount; ++i) {
            if (paths[i].Then == move.New) {
                found = i;
                break;
            }
        }
        if (found < 0) {
            if (pathCount == MaxTrackedPieces) {
                break;
            }
            paths[pathCount++] = PiecePath {move.New, move.New};
            found = pathCount - 1;
        }
        PiecePath& path = paths[found];
        away -= path.Then != path.Present;
        path.Then = move.Old;
        away += path.Then != path.Present;
        if (back % 2 == 1 && away == 0) {
            ++occurrences;
        }
    }
    return occurrences;
}

bool HasMatingMaterial()
{
    int count[2][7] = {};
    for (int colour = White; colour <= Black; ++colour) {
        for (int index = 0; index <= Pos.PieceLast[colour]; ++index) {
            ++count[colour][Pos.PieceList[colour][index].Kind];
        }
    }
    for (int colour = White; colour <= Black; ++colour) {
        const int* mine = count[colour];
        const int* theirs = count[colour ^ 1];
        if (mine[Queen] || mine[Rook] || mine[Pawn]) {
            return true;
        }
        if (mine[Bishop] >= 2 || (mine[Bishop] && mine[Knight]) || mine[Knight] >= 3) {
            return true;
        }
        if (mine[Knight] >= 2 && (theirs[Knight] || theirs[Bishop])) {
            return true;
        }
    }
    return false;
}

} // namespace engine
