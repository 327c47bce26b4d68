#include "record/move_matching.h"

using namespace engine;

namespace {

bool FileFits(int wanted, int actual, int sideMode)
{
    if (wanted == 0 || wanted == actual) {
        return true;
    }
    if (sideMode == BoardHalf) {
        return actual > wanted && actual <= wanted + 3;
    }
    return sideMode == MirrorFile && actual == 9 - wanted;
}

bool RankFits(int wanted, int actual)
{
    return wanted == 0 || wanted == actual;
}

} // namespace

int FindLegalMove(const TMoveList& legalMoves, MovePattern& pattern, int capturedKind, int wantedSpecial,
    int targetSide, int originSide)
{
    MovePattern wanted = pattern;
    if (wanted.DestRank == 1 || wanted.DestRank == 8) {
        if (wanted.Piece >= Queen && wanted.Piece <= Knight && wantedSpecial == AnySpecial) {
            wantedSpecial = SpecialNone;
        } else if (wanted.Piece == Pawn) {
            wanted.Piece = Queen;
            wantedSpecial = SpecialPromotion;
        }
    }
    int count = 0;
    const MoveRecord* found = nullptr;
    for (const MoveRecord& move : legalMoves.View()) {
        const bool fits = (wanted.Piece == 0 || wanted.Piece == move.Piece)
            && FileFits(wanted.OriginFile, move.Origin.File, originSide)
            && RankFits(wanted.OriginRank, move.Origin.Rank)
            && FileFits(wanted.DestFile, move.Destination.File, targetSide)
            && RankFits(wanted.DestRank, move.Destination.Rank)
            && (capturedKind == 0 || capturedKind == move.CapturedKind)
            && (wantedSpecial == AnySpecial || wantedSpecial == move.SpecialKind);
        if (fits) {
            ++count;
            found = &move;
        }
    }
    if (count == 1) {
        pattern = {found->Piece, found->Origin.File, found->Origin.Rank, found->Destination.File,
            found->Destination.Rank};
    }
    return count;
}
