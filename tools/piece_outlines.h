#pragma once

#include <QPainterPath>

#include <vector>

// Pieces drawn from outlines written here rather than from a font.
enum class DrawnDesign {
    Rounded, // pieces built from rounded shapes
    Angular, // pieces cut from straight-edged shapes
    Tokens, // round flat tokens, each bearing its rounded piece
};

// One piece in a 100 x 100 box, y growing downwards, standing on y 92.
// The parts are drawn in order, each filled in the piece's colour and edged
// in the other colour, so the later parts sit in front of the earlier ones;
// the inner lines are stroked in the other colour on top.
struct DrawnPiece {
    std::vector<QPainterPath> parts;
    QPainterPath innerLines;
};

// The pieces of a design, frame 0 pawn to 5 king. Tokens bear the rounded
// pieces.
DrawnPiece OutlinedPiece(DrawnDesign design, int frame);
