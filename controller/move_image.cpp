#include "controller/move_image.h"

using namespace engine;

MovePattern PatternOf(const MoveRecord& move)
{
    return MovePattern {
        move.Piece, move.Origin.File, move.Origin.Rank, move.Destination.File, move.Destination.Rank};
}

BoardImage ImageAfterMove(BoardImage image, const MoveRecord& move)
{
    if (move.Piece == Empty || move.Origin.File == 0 || move.Destination.File == 0) {
        return image;
    }
    const ImageCell mover = image.At(move.Origin.File, move.Origin.Rank);
    image.At(move.Origin.File, move.Origin.Rank) = ImageCell {};
    if (move.SpecialKind == SpecialEnPassant && move.SpecialFrom.File != 0) {
        image.At(move.SpecialFrom.File, move.SpecialFrom.Rank) = ImageCell {};
    }
    if (move.SpecialKind == SpecialCastling && move.SpecialFrom.File != 0 && move.SpecialTo.File != 0) {
        const ImageCell rook = image.At(move.SpecialFrom.File, move.SpecialFrom.Rank);
        image.At(move.SpecialFrom.File, move.SpecialFrom.Rank) = ImageCell {};
        image.At(move.SpecialTo.File, move.SpecialTo.Rank) = rook;
    }
    // A promotion's record names the piece it becomes.
    image.At(move.Destination.File, move.Destination.Rank) = ImageCell {move.Piece, mover.Colour, 0};
    return image;
}

QString CoordinateText(const MoveRecord& move)
{
    if (move.Piece == Empty || move.Origin.File == 0 || move.Destination.File == 0) {
        return {};
    }
    const auto square
        = [](SquarePair pair) { return QString(QChar(u'a' + pair.File - 1)) + QChar(u'0' + pair.Rank); };
    QString text = square(move.Origin) + square(move.Destination);
    if (move.SpecialKind == SpecialPromotion) {
        text += QChar(u" kqrbnp"[move.Piece]);
    }
    return text;
}
